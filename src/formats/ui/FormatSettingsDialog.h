#pragma once

#include "engine/codec/FileFormats.h"

#include <QDialog>
#include <map>

class AudioFileWriter;
class AudioRecorder;
class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTabWidget;
struct SignalValues;

// The settings window: the input lines of the recording device ("Mixer" tab), the six
// formats' parameters with their dialogs, the filters and the gain control. Mixer and
// format dialog changes act at once; filters and gain control are stored and applied on OK
// only, and Cancel leaves the capture exactly as it was.
class FormatSettingsDialog : public QDialog {
    Q_OBJECT
public:
    FormatSettingsDialog(const QString& appFolder, const QString& settingsFile, const QString& outputFolder,
                         AudioFileWriter& writer, AudioRecorder& recorder, QWidget* parent = nullptr);

    // Brings the "Mixer" tab forward; the dialog opens on the formats.
    void showMixer();

    // What one row shows beside its description: an hour's size and the hours that fit in
    // the output folder's free space; empty when the format cannot be written.
    static QString sizeText(double bytesPerSecond, qint64 freeBytes);

private:
    struct FormatRow {
        QLineEdit* description;
        QLabel* size;
    };
    QWidget* buildFormatsPage();
    QWidget* buildFiltersGroup();
    QWidget* buildGainGroup();
    void showFormat(codec::FileType type);
    void openFormatDialog(codec::FileType type);
    void showSignalValues(const SignalValues& values);
    void storeAndAccept();

    QString m_appFolder;
    QString m_settingsFile;
    QString m_outputFolder;
    AudioFileWriter& m_writer;
    AudioRecorder& m_recorder;
    QTabWidget* m_tabs = nullptr;
    std::map<codec::FileType, FormatRow> m_rows;
    QCheckBox* m_notchCheck = nullptr;
    QCheckBox* m_highPassCheck = nullptr;
    QCheckBox* m_lowPassCheck = nullptr;
    QCheckBox* m_agcCheck = nullptr;
    QSpinBox* m_notchHz = nullptr;
    QSpinBox* m_highPassHz = nullptr;
    QSpinBox* m_lowPassHz = nullptr;
    QSpinBox* m_agcLow = nullptr;
    QSpinBox* m_agcHigh = nullptr;
    QSpinBox* m_agcAttack = nullptr;
};
