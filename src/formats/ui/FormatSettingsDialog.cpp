#include "formats/ui/FormatSettingsDialog.h"

#include "base/ui/FieldSpinBox.h"
#include "base/ui/Skin.h"
#include "engine/codec/AudioFileWriter.h"
#include "engine/pulse/AudioRecorder.h"
#include "formats/FormatSettings.h"
#include "formats/SignalSettings.h"
#include "formats/ui/HeaderlessSettingsDialog.h"
#include "formats/ui/MixerPanel.h"
#include "formats/ui/Mp3SettingsDialog.h"
#include "formats/ui/OggSettingsDialog.h"
#include "formats/ui/WavSettingsDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QStorageInfo>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>

using codec::FileType;

namespace {

struct FormatRowLayout {
    FileType type;
    const char* label;
    const char* field;
    const char* button;
};
constexpr FormatRowLayout kRows[] = {
    {FileType::Wav, "WAV", "txtWAV", "cmdWAV"}, {FileType::Mp3, "MP3", "txtMP3", "cmdMP3"},
    {FileType::Vox, "VOX", "txtVOX", "cmdVOX"}, {FileType::Ogg, "OGG", "txtOGG", "cmdOgg"},
    {FileType::Raw, "RAW", "txtRAW", "cmdRAW"}, {FileType::G726, "G726", "txtG726", "cmdG726"},
};

QSpinBox* spinIn(QWidget* parent, const char* upDown, const char* field, SignalValues::Range range) {
    return fieldSpinBox(parent, QLatin1String(upDown), QLatin1String(field), range.min, range.max,
                        range.step);
}

} // namespace

FormatSettingsDialog::FormatSettingsDialog(const QString& appFolder, const QString& settingsFile,
                                           const QString& outputFolder, AudioFileWriter& writer,
                                           AudioRecorder& recorder, QWidget* parent)
    : QDialog(parent)
    , m_appFolder(appFolder)
    , m_settingsFile(settingsFile)
    , m_outputFolder(outputFolder)
    , m_writer(writer)
    , m_recorder(recorder) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Formats And Filters Settings "));
    m_tabs = new QTabWidget(this);
    // Without a device the mixer has no lines to show.
    m_tabs->addTab(m_recorder.sources().deviceCount() >= 1 ? new MixerPanel(m_recorder) : new QWidget,
                   tr("Mixer"));
    m_tabs->addTab(buildFormatsPage(), tr("Formats And Filters Settings "));
    m_tabs->setCurrentIndex(1);

    auto* ok = new QPushButton(tr("OK"));
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(ok, &QPushButton::clicked, this, &FormatSettingsDialog::storeAndAccept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    applySkin(m_appFolder, this);
    if (m_recorder.sources().deviceCount() < 1)
        return;
    for (FileType type :
         {FileType::Mp3, FileType::Wav, FileType::Vox, FileType::Raw, FileType::G726, FileType::Ogg})
        showFormat(type);
    showSignalValues(readSignalValues(m_settingsFile, m_recorder.signalChain()));
}

QWidget* FormatSettingsDialog::buildFormatsPage() {
    auto* page = new QWidget;
    auto* formatsGroup = new QGroupBox(tr("Format Settings"), page);
    auto* grid = new QGridLayout(formatsGroup);
    int row = 0;
    for (const FormatRowLayout& format : kRows) {
        auto* description = new QLineEdit(formatsGroup);
        description->setObjectName(QLatin1String(format.field));
        description->setReadOnly(true);
        description->setMinimumWidth(320);
        auto* open = new QPushButton(QStringLiteral("..."), formatsGroup);
        open->setObjectName(QLatin1String(format.button));
        open->setFixedWidth(32);
        auto* size = new QLabel(formatsGroup);
        size->setObjectName(QStringLiteral("lblSize") + QLatin1String(format.label));
        grid->addWidget(new QLabel(QLatin1String(format.label), formatsGroup), row, 0);
        grid->addWidget(description, row, 1);
        grid->addWidget(open, row, 2);
        grid->addWidget(size, row, 3);
        m_rows[format.type] = {description, size};
        const FileType type = format.type;
        connect(open, &QPushButton::clicked, this, [this, type] { openFormatDialog(type); });
        ++row;
    }
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(formatsGroup);
    auto* signal = new QHBoxLayout;
    signal->addWidget(buildFiltersGroup());
    signal->addWidget(buildGainGroup());
    layout->addLayout(signal);
    layout->addStretch();
    return page;
}

QWidget* FormatSettingsDialog::buildFiltersGroup() {
    auto* group = new QGroupBox(tr("Filters"));
    auto* grid = new QGridLayout(group);
    const auto addFilter = [&](int row, const char* checkName, const char* caption, QSpinBox* spin) {
        auto* check = new QCheckBox(tr(caption), group);
        check->setObjectName(QLatin1String(checkName));
        // The field follows its box from the start, not only from the first click.
        spin->setEnabled(false);
        connect(check, &QCheckBox::toggled, spin, &QWidget::setEnabled);
        grid->addWidget(check, row, 0);
        grid->addWidget(spin, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("Hz"), group), row, 2);
        return check;
    };
    m_notchHz = spinIn(group, "udNotchFreq", "txtNotchFreq", SignalValues::kNotch);
    m_highPassHz = spinIn(group, "udHighPassFreq", "txtHighPassFreq", SignalValues::kPass);
    m_lowPassHz = spinIn(group, "udLowPassFreq", "txtLowPassFreq", SignalValues::kPass);
    m_notchCheck = addFilter(0, "chFilter", QT_TR_NOOP("Notch"), m_notchHz);
    m_highPassCheck = addFilter(1, "chFilter1", QT_TR_NOOP("HighPass"), m_highPassHz);
    m_lowPassCheck = addFilter(2, "chFilter2", QT_TR_NOOP("LowPass"), m_lowPassHz);
    const SignalValues design;
    m_notchHz->setValue(design.notch.hz);
    m_highPassHz->setValue(design.highPass.hz);
    m_lowPassHz->setValue(design.lowPass.hz);
    return group;
}

QWidget* FormatSettingsDialog::buildGainGroup() {
    auto* group = new QGroupBox(tr("Auto Gain Control"));
    auto* grid = new QGridLayout(group);
    m_agcCheck = new QCheckBox(tr("Enabled"), group);
    m_agcCheck->setObjectName(QStringLiteral("chAutoGainControl"));
    grid->addWidget(m_agcCheck, 0, 0, 1, 2);
    m_agcLow = spinIn(group, "udAGCLowLevel", "txtAGCLowLevel", SignalValues::kLevel);
    m_agcHigh = spinIn(group, "udAGCHighLevel", "txtAGCHighLevel", SignalValues::kLevel);
    m_agcAttack = spinIn(group, "udAGCAttackTime", "txtAGCAttackTime", SignalValues::kAttack);
    int row = 1;
    for (const auto& [caption, spin] :
         {std::pair{QT_TR_NOOP("Low Level:"), m_agcLow}, std::pair{QT_TR_NOOP("High Level:"), m_agcHigh},
          std::pair{QT_TR_NOOP("AttackTime:"), m_agcAttack}}) {
        grid->addWidget(new QLabel(tr(caption), group), row, 0);
        grid->addWidget(spin, row++, 1);
        spin->setEnabled(false);
        connect(m_agcCheck, &QCheckBox::toggled, spin, &QWidget::setEnabled);
    }
    return group;
}

void FormatSettingsDialog::showSignalValues(const SignalValues& v) {
    m_notchCheck->setChecked(v.notch.on);
    m_notchHz->setValue(v.notch.hz);
    m_highPassCheck->setChecked(v.highPass.on);
    m_highPassHz->setValue(v.highPass.hz);
    m_lowPassCheck->setChecked(v.lowPass.on);
    m_lowPassHz->setValue(v.lowPass.hz);
    m_agcCheck->setChecked(v.agc);
    m_agcLow->setValue(v.agcLow);
    m_agcHigh->setValue(v.agcHigh);
    m_agcAttack->setValue(v.agcAttack);
}

void FormatSettingsDialog::showMixer() {
    m_tabs->setCurrentIndex(0);
}

QString FormatSettingsDialog::sizeText(double bytesPerSecond, qint64 freeBytes) {
    if (bytesPerSecond <= 0)
        return {};
    const double hour = bytesPerSecond * 3600;
    const QLocale locale;
    QString text =
        tr("%1 per hour")
            .arg(locale.formattedDataSize(static_cast<qint64>(hour), 0, QLocale::DataSizeSIFormat));
    if (freeBytes >= 0) {
        const double hours = static_cast<double>(freeBytes) / hour;
        text += tr(", %1 h free").arg(locale.toString(hours, 'f', hours < 10 ? 1 : 0));
    }
    return text;
}

void FormatSettingsDialog::showFormat(FileType type) {
    const FormatRow& row = m_rows.at(type);
    const codec::OutputFormats& formats = m_writer.formats();
    const QString description = formats.description(type);
    row.description->setText(description);
    const QStorageInfo storage(m_outputFolder);
    const qint64 free = storage.isValid() && storage.isReady() ? storage.bytesAvailable() : -1;
    row.size->setText(description.isEmpty() ? QString() : sizeText(formats.bytesPerSecond(type), free));
}

void FormatSettingsDialog::openFormatDialog(FileType type) {
    std::unique_ptr<FormatDialog> dialog;
    const auto headerless = [&](HeaderlessSettingsDialog::Format format) {
        return std::make_unique<HeaderlessSettingsDialog>(format, m_appFolder, m_settingsFile, m_writer,
                                                          this);
    };
    switch (type) {
    case FileType::Wav:
        dialog = std::make_unique<WavSettingsDialog>(m_appFolder, m_settingsFile, m_writer, this);
        break;
    case FileType::Mp3:
        dialog = std::make_unique<Mp3SettingsDialog>(m_appFolder, m_settingsFile, m_writer, this);
        break;
    case FileType::Ogg:
        dialog = std::make_unique<OggSettingsDialog>(m_appFolder, m_settingsFile, m_writer, this);
        break;
    case FileType::Vox:
        dialog = headerless(HeaderlessSettingsDialog::Format::Vox);
        break;
    case FileType::Raw:
        dialog = headerless(HeaderlessSettingsDialog::Format::Raw);
        break;
    case FileType::G726:
        dialog = headerless(HeaderlessSettingsDialog::Format::G726);
        break;
    case FileType::Wma:
        return;
    }
    // The row shows what a file of its type would get, whatever file is open meanwhile.
    connect(dialog.get(), &FormatDialog::formatApplied, this, [this, type] { showFormat(type); });
    dialog->exec();
}

void FormatSettingsDialog::storeAndAccept() {
    // A value typed but not yet confirmed counts as typed.
    for (QSpinBox* spin : {m_notchHz, m_highPassHz, m_lowPassHz, m_agcLow, m_agcHigh, m_agcAttack})
        spin->interpretText();
    if (m_recorder.sources().deviceCount() >= 1) {
        SignalValues v;
        v.notch = {m_notchCheck->isChecked(), m_notchHz->value()};
        v.highPass = {m_highPassCheck->isChecked(), m_highPassHz->value()};
        v.lowPass = {m_lowPassCheck->isChecked(), m_lowPassHz->value()};
        v.agc = m_agcCheck->isChecked();
        v.agcLow = m_agcLow->value();
        v.agcHigh = m_agcHigh->value();
        v.agcAttack = m_agcAttack->value();
        storeSignalValues(m_settingsFile, v, m_recorder.signalChain());
    }
    accept();
}
