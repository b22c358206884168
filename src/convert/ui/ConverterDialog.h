#pragma once

#include "engine/codec/OutputFormats.h"

#include <QDialog>
#include <QStringList>

class ConversionRun;
class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QThread;
class QTreeWidget;

// The "Audio Converter" window: turns audio files into WMA, MP3 and Ogg Vorbis files
// beside them. The conversion runs on a worker thread; the window stays responsive and
// Convert turns into Cancel meanwhile.
class ConverterDialog : public QDialog {
    Q_OBJECT

public:
    // Headerless VOX, RAW and G726 inputs are read as `headerless` says.
    ConverterDialog(const QString& appFolder, const codec::HeaderlessFormats& headerless,
                    QWidget* parent = nullptr);
    ~ConverterDialog() override;

    bool isConverting() const { return m_run != nullptr; }

Q_SIGNALS:
    // A run ended and its last entry is in the log.
    void conversionFinished();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void done(int result) override;

private:
    void buildLayout();
    void chooseInput();
    void wmaProfileChanged(int profile);
    void convertOrCancel();
    void startConversion();
    void runFinished();
    void addLog(const QString& text, int icon);
    void stopAndWait();

    // What the conversions write, for the descriptions shown.
    codec::OutputFormats m_formats;
    codec::HeaderlessFormats m_headerless;
    QLineEdit* m_inputEdit = nullptr;
    QCheckBox* m_mp3Check = nullptr;
    QCheckBox* m_oggCheck = nullptr;
    QCheckBox* m_wmaCheck = nullptr;
    QLineEdit* m_mp3Description = nullptr;
    QLineEdit* m_oggDescription = nullptr;
    QLineEdit* m_wmaDescription = nullptr;
    QSpinBox* m_wmaProfile = nullptr;
    QPushButton* m_convertButton = nullptr;
    QProgressBar* m_progress = nullptr;
    QProgressBar* m_batchProgress = nullptr;
    QTreeWidget* m_log = nullptr;

    ConversionRun* m_run = nullptr;
    QThread* m_thread = nullptr;
};
