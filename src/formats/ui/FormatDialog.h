#pragma once

#include "base/ui/NamedWidgets.h"
#include "formats/FormatSettings.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <span>

class AudioFileWriter;
class QButtonGroup;
class QHBoxLayout;
class QGroupBox;

// What the format dialogs share: they edit a copy of the writer's formats and hand it back,
// with their part stored in settings.dat, only when confirmed.
class FormatDialog : public QDialog {
    Q_OBJECT
public:
    // One option button of a group: its objectName, caption and the value it stands for.
    struct Choice {
        const char* name;
        const char* caption;
        int value;
    };

Q_SIGNALS:
    // A format went to the writer; `description` is the writer's text for it.
    void formatApplied(const QString& description);

protected:
    FormatDialog(const QString& appFolder, const QString& settingsFile, AudioFileWriter& writer,
                 QWidget* parent);

    // Hands m_edited to the writer and says what a file of `type` gets now.
    void applyEdited(codec::FileType type);
    void store(const char* section, const char* key, int value) const;
    template <typename T> void readStored(const char* section, const char* key, T& field) const {
        readSettingInto(m_settingsFile, section, key, field);
    }

    // A group box `caption` holding one option button per choice, stacked; the button
    // group's ids are the choices' values.
    QButtonGroup* addChoices(QGroupBox* box, std::span<const Choice> choices);
    // Checks the button of `value`, or of `fallback` when none stands for it, and returns
    // the value now checked.
    static int select(QButtonGroup* group, int value, int fallback);

    QString m_appFolder;
    QString m_settingsFile;
    // What the controls show; goes to the writer on OK only.
    codec::OutputFormats m_edited;
    AudioFileWriter& m_writer;
};
