#include "formats/ui/FormatDialog.h"

#include "base/SettingsFile.h"
#include "engine/codec/AudioFileWriter.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FormatDialog::FormatDialog(const QString& appFolder, const QString& settingsFile, AudioFileWriter& writer,
                           QWidget* parent)
    : QDialog(parent)
    , m_appFolder(appFolder)
    , m_settingsFile(settingsFile)
    , m_edited(writer.formats())
    , m_writer(writer) {}

void FormatDialog::applyEdited(codec::FileType type) {
    m_writer.setFormats(m_edited);
    Q_EMIT formatApplied(m_writer.formats().description(type));
}

void FormatDialog::store(const char* section, const char* key, int value) const {
    writeSetting(m_settingsFile, QLatin1String(section), QLatin1String(key), QString::number(value));
}

QButtonGroup* FormatDialog::addChoices(QGroupBox* box, std::span<const Choice> choices) {
    auto* group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    for (const Choice& choice : choices) {
        auto* button = named(new QRadioButton(tr(choice.caption), box), choice.name);
        group->addButton(button, choice.value);
        layout->addWidget(button);
    }
    return group;
}

int FormatDialog::select(QButtonGroup* group, int value, int fallback) {
    QAbstractButton* button = group->button(value);
    if (!button) {
        button = group->button(fallback);
        value = fallback;
    }
    button->setChecked(true);
    return value;
}
