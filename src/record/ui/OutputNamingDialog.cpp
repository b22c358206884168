#include "record/ui/OutputNamingDialog.h"

#include "base/AppFolder.h"
#include "base/ui/Dialogs.h"
#include "base/ui/FieldSpinBox.h"
#include "base/ui/NamedWidgets.h"
#include "base/ui/Skin.h"
#include "record/OutputNaming.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

OutputNamingDialog::OutputNamingDialog(const QString& appFolder, QWidget* parent)
    : QDialog(parent)
    , m_settingsFile(settingsFile(appFolder)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Output Files"));

    auto* folderGroup = named(new QGroupBox(tr("Save Recording Sound Files to"), this), "Frame1");
    auto* grid = new QGridLayout(folderGroup);
    m_folderEdit = named(new QLineEdit(folderGroup), "Text2");
    m_fileNameEdit = named(new QLineEdit(folderGroup), "Text1");
    m_dateTimeCheck = named(new QCheckBox(tr("Date + Time"), folderGroup), "Check1");
    auto* browse = named(new QPushButton(tr("Browse..."), folderGroup), "Command4");
    grid->addWidget(named(new QLabel(tr("Output Folder"), folderGroup), "SkinLabel1"), 0, 0);
    grid->addWidget(m_folderEdit, 0, 1);
    grid->addWidget(browse, 0, 2);
    grid->addWidget(named(new QLabel(tr("File Name"), folderGroup), "SkinLabel2"), 1, 0);
    grid->addWidget(m_fileNameEdit, 1, 1);
    grid->addWidget(m_dateTimeCheck, 1, 2);

    auto* existingFileGroup = named(new QGroupBox(tr("If same as an existed file"), this), "Frame2");
    auto* options = new QVBoxLayout(existingFileGroup);
    m_addNumberOption =
        named(new QRadioButton(tr("Add number after filename"), existingFileGroup), "Option1");
    m_overwriteOption =
        named(new QRadioButton(tr("Overwrite the existed file"), existingFileGroup), "Option2");
    options->addWidget(m_addNumberOption);
    options->addWidget(m_overwriteOption);

    QHBoxLayout* buttons =
        confirmButtonRow(this, tr("OK"), "Command1", "Command2", [this] { saveAndAccept(); });

    auto* splitGroup = new QGroupBox(tr("Long recordings"), this);
    auto* split = new QHBoxLayout(splitGroup);
    m_splitMinutes = fieldSpinBox(splitGroup, QStringLiteral("udSplitMinutes"),
                                  QStringLiteral("txtSplitMinutes"), 0, 24 * 60);
    m_splitMegabytes =
        fieldSpinBox(splitGroup, QStringLiteral("udSplitMB"), QStringLiteral("txtSplitMB"), 0, 1024 * 1024);
    m_splitMinutes->setSpecialValueText(tr("never"));
    m_splitMegabytes->setSpecialValueText(tr("never"));
    split->addWidget(new QLabel(tr("Start a new file every"), splitGroup));
    split->addWidget(m_splitMinutes);
    split->addWidget(new QLabel(tr("minutes or"), splitGroup));
    split->addWidget(m_splitMegabytes);
    split->addWidget(new QLabel(tr("MB"), splitGroup));
    split->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folderGroup);
    layout->addWidget(existingFileGroup);
    layout->addWidget(splitGroup);
    layout->addLayout(buttons);
    setMinimumWidth(520);

    connect(browse, &QPushButton::clicked, this, &OutputNamingDialog::browseForFolder);

    applySkin(appFolder, this);
    const NamingSettings s = NamingSettings::read(m_settingsFile);
    m_folderEdit->setText(s.outputFolder.isEmpty() ? appFolder : s.outputFolder);
    m_fileNameEdit->setText(s.fileName);
    m_dateTimeCheck->setChecked(stampRequested(s.dateTime));
    (overwriteRequested(s.existedFile) ? m_overwriteOption : m_addNumberOption)->setChecked(true);
    const SplitRule rule = SplitRule::read(m_settingsFile);
    m_splitMinutes->setValue(rule.minutes);
    m_splitMegabytes->setValue(rule.megabytes);
}

void OutputNamingDialog::browseForFolder() {
    const QString folder = Dialogs::existingDirectory(this, Dialogs::kAppTitle, m_folderEdit->text());
    if (!folder.isEmpty())
        m_folderEdit->setText(folder);
}

void OutputNamingDialog::saveAndAccept() {
    const QString name = m_fileNameEdit->text().trimmed();
    if (name.isEmpty()) {
        Dialogs::message(this, QMessageBox::Critical, tr("Please enter audio file name."));
        return;
    }
    if (!usableBaseName(name)) {
        Dialogs::message(this, QMessageBox::Critical,
                         tr("A file name cannot contain \"/\". Please enter another name."));
        return;
    }
    NamingSettings{m_folderEdit->text().trimmed(), name,
                   m_dateTimeCheck->isChecked() ? QStringLiteral("1") : QStringLiteral("0"),
                   m_addNumberOption->isChecked() ? QStringLiteral("0") : QStringLiteral("1")}
        .write(m_settingsFile);
    SplitRule{m_splitMinutes->value(), m_splitMegabytes->value()}.write(m_settingsFile);
    accept();
}
