#include "formats/ui/FormatSettingsDialog.h"

#include "base/SettingsFile.h"
#include "engine/codec/AudioFileWriter.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

FormatSettingsDialog::FormatSettingsDialog(const QString& appFolder, const QString& settingsFile,
                                           FormatState& state, AudioFileWriter& writer, QWidget* parent)
    : QDialog(parent)
    , m_appFolder(appFolder)
    , m_settingsFile(settingsFile)
    , m_state(state)
    , m_edited(state)
    , m_writer(writer) {}

void FormatSettingsDialog::announceApplied() {
    Q_EMIT formatApplied(m_writer.formatDescription());
}

void FormatSettingsDialog::store(const char* section, const char* key, int value) const {
    writeSetting(m_settingsFile, QLatin1String(section), QLatin1String(key), QString::number(value));
}

QString FormatSettingsDialog::storedText(const char* section, const char* key) const {
    return readSetting(m_settingsFile, QLatin1String(section), QLatin1String(key));
}

QButtonGroup* FormatSettingsDialog::addChoices(QGroupBox* box, std::span<const Choice> choices) {
    auto* group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    for (const Choice& choice : choices) {
        auto* button = named(new QRadioButton(QLatin1String(choice.caption), box), choice.name);
        group->addButton(button, choice.value);
        layout->addWidget(button);
    }
    return group;
}

int FormatSettingsDialog::select(QButtonGroup* group, int value, int fallback) {
    QAbstractButton* button = group->button(value);
    if (!button) {
        button = group->button(fallback);
        value = fallback;
    }
    button->setChecked(true);
    return value;
}
