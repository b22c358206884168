#include "record/ui/OutputNamingDialog.h"

#include "base/AppFolder.h"
#include "base/SettingsFile.h"
#include "base/ui/Dialogs.h"
#include "base/ui/Skin.h"
#include "record/OutputNaming.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
template <typename W> W* named(W* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    return w;
}
} // namespace

OutputNamingDialog::OutputNamingDialog(const QString& appFolder, QWidget* parent)
    : QDialog(parent)
    , m_settingsFile(settingsFile(appFolder)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Output Files"));

    auto* frame1 = named(new QGroupBox(tr("Save Recording Sound Files to"), this), "Frame1");
    auto* grid = new QGridLayout(frame1);
    Text2 = named(new QLineEdit(frame1), "Text2");
    Text1 = named(new QLineEdit(QStringLiteral("Recorded"), frame1), "Text1");
    Check1 = named(new QCheckBox(tr("Date + Time"), frame1), "Check1");
    auto* browse = named(new QPushButton(tr("Browse..."), frame1), "Command4");
    grid->addWidget(named(new QLabel(tr("Output Folder"), frame1), "SkinLabel1"), 0, 0);
    grid->addWidget(Text2, 0, 1);
    grid->addWidget(browse, 0, 2);
    grid->addWidget(named(new QLabel(tr("File Name"), frame1), "SkinLabel2"), 1, 0);
    grid->addWidget(Text1, 1, 1);
    grid->addWidget(Check1, 1, 2);

    auto* frame2 = named(new QGroupBox(tr("If same as an existed file"), this), "Frame2");
    auto* options = new QVBoxLayout(frame2);
    Option1 = named(new QRadioButton(tr("Add number after filename"), frame2), "Option1");
    Option2 = named(new QRadioButton(tr("Overwrite the existed file"), frame2), "Option2");
    options->addWidget(Option1);
    options->addWidget(Option2);

    auto* ok = named(new QPushButton(tr("OK"), this), "Command1");
    auto* cancel = named(new QPushButton(tr("Cancel"), this), "Command2");
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(frame2);
    layout->addLayout(buttons);
    setMinimumWidth(520);

    connect(browse, &QPushButton::clicked, this, &OutputNamingDialog::Command4_Click);
    connect(ok, &QPushButton::clicked, this, &OutputNamingDialog::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    applySkin(appFolder, this);
    const NamingSettings s = NamingSettings::read(m_settingsFile);
    Text2->setText(s.outputFolder.isEmpty() ? appFolder : s.outputFolder);
    Text1->setText(s.fileName.isEmpty() ? QStringLiteral("Recorded") : s.fileName);
    Check1->setChecked(stampRequested(s.dateTime));
    (overwriteRequested(s.existedFile) ? Option2 : Option1)->setChecked(true);
}

void OutputNamingDialog::Command4_Click() {
    const QString folder = Dialogs::existingDirectory(this, Dialogs::kAppTitle, Text2->text());
    if (!folder.isEmpty())
        Text2->setText(folder);
}

void OutputNamingDialog::Command1_Click() {
    const QString name = Text1->text().trimmed();
    if (name.isEmpty()) {
        Dialogs::message(this, QMessageBox::Critical, tr("Please enter audio file name."));
        return;
    }
    const QString set = QStringLiteral("set");
    writeSetting(m_settingsFile, set, QStringLiteral("outputfolder"), Text2->text().trimmed());
    writeSetting(m_settingsFile, set, QStringLiteral("filename"), name);
    writeSetting(m_settingsFile, set, QStringLiteral("datetime"),
                 Check1->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    writeSetting(m_settingsFile, set, QStringLiteral("existedfile"),
                 Option1->isChecked() ? QStringLiteral("0") : QStringLiteral("1"));
    accept();
}
