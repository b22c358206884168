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

// What the format dialogs share: they edit a copy of one format's part of the state and
// put it back, into settings.dat, the state and the writer, only when confirmed.
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
    FormatDialog(const QString& appFolder, const QString& settingsFile, FormatState& state,
                 AudioFileWriter& writer, QWidget* parent);

    void announceApplied();
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
    FormatState& m_state;
    // What the controls show; goes back into m_state on OK only.
    FormatState m_edited;
    AudioFileWriter& m_writer;
};
