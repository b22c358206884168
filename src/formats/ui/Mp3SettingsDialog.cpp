#include "formats/ui/Mp3SettingsDialog.h"

#include "base/ui/FieldSpinBox.h"
#include "base/ui/Skin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace {

// kbit/s at the bit-rate sliders' positions 0 to 14.
constexpr std::array kBitrates{8, 16, 24, 32, 48, 56, 64, 96, 112, 128, 160, 192, 224, 256, 320};
// Every MPEG audio bit rate; a stored one the sliders lack is kept, any other is not
// written by the encoder and shows as 128.
constexpr std::array kMpegBitrates{8,  16,  24,  32,  40,  48,  56,  64,  80,
                                   96, 112, 128, 144, 160, 192, 224, 256, 320};
constexpr std::array kSampleRates{48000, 44100, 32000, 24000, 22050, 16000, 12000, 11025, 8000};
constexpr int kDefaultKbps = 128;
constexpr int kDefaultRate = 44100;
constexpr int kMonoEntry = 4;

template <std::size_t N> int indexOf(const std::array<int, N>& list, int value) {
    const auto it = std::ranges::find(list, value);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

QString bitrateText(int kbps) {
    return QCoreApplication::translate("Mp3SettingsDialog", "Current bitrate: %1 kbit").arg(kbps);
}

QSlider* bitrateSlider(QWidget* parent, const char* name) {
    auto* slider = named(new QSlider(Qt::Horizontal, parent), name);
    slider->setRange(0, static_cast<int>(kBitrates.size()) - 1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    return slider;
}

QSpinBox* upDown(QWidget* parent, const char* name, const char* fieldName, int minimum, int maximum,
                 int step) {
    return fieldSpinBox(parent, QLatin1String(name), QLatin1String(fieldName), minimum, maximum, step);
}

QComboBox* list(QWidget* parent, const char* name, std::initializer_list<const char*> texts) {
    auto* combo = named(new QComboBox(parent), name);
    for (const char* text : texts)
        combo->addItem(QCoreApplication::translate("Mp3SettingsDialog", text));
    return combo;
}

} // namespace

Mp3SettingsDialog::Mp3SettingsDialog(const QString& appFolder, const QString& settingsFile,
                                     AudioFileWriter& writer, QWidget* parent)
    : FormatDialog(appFolder, settingsFile, writer, parent) {
    setObjectName(QStringLiteral("frmMP3"));
    setWindowTitle(tr("MP3 Advanced Option"));

    auto* tabs = new QTabWidget(this);
    tabs->addTab(buildGeneralTab(), tr("General"));
    tabs->addTab(buildFilteringTab(), tr("Filtering"));
    tabs->addTab(buildVbrTab(), tr("VBR"));
    tabs->addTab(buildExpertTab(), tr("Expert"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(confirmButtonRow(this, tr("OK"), "Command1", "Command2", [this] { saveAndAccept(); }));

    connect(m_codingMethod, &QComboBox::currentIndexChanged, this, &Mp3SettingsDialog::updateCodingMethod);
    connect(m_highpass, &QCheckBox::toggled, this, &Mp3SettingsDialog::updateFilters);
    connect(m_lowpass, &QCheckBox::toggled, this, &Mp3SettingsDialog::updateFilters);
    connect(m_maxVbrBitrate, &QSlider::valueChanged, this, [this](int position) {
        const int kbps = kBitrates.at(static_cast<std::size_t>(position));
        m_maxVbrLabel->setText(bitrateText(kbps));
        m_maxVbrBitrate->setToolTip(QString::number(kbps));
    });
    connect(m_sampleRate, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_edited.mp3Rate = kSampleRates.at(static_cast<std::size_t>(index)); });
    connect(m_channels, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_edited.mp3Channels = index == kMonoEntry ? 1 : 2; });

    applySkin(m_appFolder, this);
    showOptions(readMp3Options(m_settingsFile));
    readStoredFormat();
    // Connected only now: a stored rate the slider lacks stays until the slider is moved.
    connect(m_bitrate, &QSlider::valueChanged, this,
            [this](int position) { showBitrate(kBitrates.at(static_cast<std::size_t>(position))); });
}

QWidget* Mp3SettingsDialog::buildGeneralTab() {
    auto* tab = new QWidget;
    auto* bitrateBox = new QGroupBox(tr("Bitrate"), tab);
    m_bitrate = bitrateSlider(bitrateBox, "Slider1");
    m_bitrateLabel = named(new QLabel(bitrateBox), "Label1");
    auto* bitrateGrid = new QGridLayout(bitrateBox);
    bitrateGrid->addWidget(m_bitrateLabel, 0, 0, 1, 3);
    bitrateGrid->addWidget(new QLabel(tr("poor quality "), bitrateBox), 1, 0);
    bitrateGrid->addWidget(m_bitrate, 1, 1);
    bitrateGrid->addWidget(new QLabel(tr("good quality "), bitrateBox), 1, 2);
    bitrateGrid->addWidget(new QLabel(tr("small file"), bitrateBox), 2, 0);
    bitrateGrid->addWidget(new QLabel(tr("big file"), bitrateBox), 2, 2);

    auto* qualityBox = new QGroupBox(tr("Encoder Quality"), tab);
    m_encoderQuality = named(new QSlider(Qt::Horizontal, qualityBox), "Slider2");
    m_encoderQuality->setRange(0, 9);
    m_encoderQuality->setPageStep(1);
    m_encoderQuality->setTickPosition(QSlider::TicksBelow);
    auto* qualityRow = new QHBoxLayout(qualityBox);
    qualityRow->addWidget(new QLabel(tr("faster"), qualityBox));
    qualityRow->addWidget(m_encoderQuality);
    qualityRow->addWidget(new QLabel(tr("better"), qualityBox));

    auto* channelBox = new QGroupBox(tr("Channels"), tab);
    m_channels = list(channelBox, "Combo3",
                      {QT_TR_NOOP("Stereo"), QT_TR_NOOP("Joint Stereo"), QT_TR_NOOP("Forced Joint Stereo"),
                       QT_TR_NOOP("Dual Channels"), QT_TR_NOOP("Mono")});
    (new QVBoxLayout(channelBox))->addWidget(m_channels);
    auto* rateBox = new QGroupBox(tr("Frequency (hz)"), tab);
    m_sampleRate = named(new QComboBox(rateBox), "Combo5");
    for (const int hz : kSampleRates)
        m_sampleRate->addItem(QString::number(hz));
    (new QVBoxLayout(rateBox))->addWidget(m_sampleRate);

    auto* grid = new QGridLayout(tab);
    grid->addWidget(bitrateBox, 0, 0, 1, 2);
    grid->addWidget(qualityBox, 1, 0, 1, 2);
    grid->addWidget(channelBox, 2, 0);
    grid->addWidget(rateBox, 2, 1);
    return tab;
}

QWidget* Mp3SettingsDialog::buildFilteringTab() {
    auto* tab = new QWidget;
    auto* highBox = new QGroupBox(tr("HighPass Filter"), tab);
    m_highpass = named(new QCheckBox(tr("Highpass filtering frequency (in Hz):"), highBox), "chHFilt");
    m_highpassFrequency = upDown(highBox, "udHFiltF", "tHFiltF", 0, 48000, 10);
    m_highpassWidthLabel = new QLabel(tr("Width of Highpass filter (in Hz):"), highBox);
    m_highpassWidth = upDown(highBox, "udHFiltW", "tHFiltW", 0, 48000, 10);
    auto* highForm = new QFormLayout(highBox);
    highForm->addRow(m_highpass, m_highpassFrequency);
    highForm->addRow(m_highpassWidthLabel, m_highpassWidth);

    auto* lowBox = new QGroupBox(tr("LowPass Filter"), tab);
    m_lowpass = named(new QCheckBox(tr("Lowpass filtering frequency (in Hz):"), lowBox), "chLFilt");
    m_lowpassFrequency = upDown(lowBox, "udLFiltF", "tLFiltF", 0, 48000, 10);
    m_lowpassWidthLabel = new QLabel(tr("Width of Lowpass filter (in Hz):"), lowBox);
    m_lowpassWidth = upDown(lowBox, "udLFiltW", "tLFiltW", 0, 48000, 10);
    auto* lowForm = new QFormLayout(lowBox);
    lowForm->addRow(m_lowpass, m_lowpassFrequency);
    lowForm->addRow(m_lowpassWidthLabel, m_lowpassWidth);

    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(highBox);
    layout->addWidget(lowBox);
    layout->addStretch();
    return tab;
}

QWidget* Mp3SettingsDialog::buildVbrTab() {
    auto* tab = new QWidget;
    m_codingMethod = list(tab, "Combo1",
                          {QT_TR_NOOP("None"), QT_TR_NOOP("Default"), QT_TR_NOOP("Old"), QT_TR_NOOP("New"),
                           QT_TR_NOOP("MTRH"), QT_TR_NOOP("ABR")});
    m_vbrQualityLabel = new QLabel(tr("VBR Quality:"), tab);
    m_vbrQuality = upDown(tab, "udVbrQ", "tVbrQ", 0, 9, 1);
    m_abrLabel = new QLabel(tr("Targed bitrate for ABR:"), tab);
    m_abrBitrate = upDown(tab, "udABR", "tABR", 4, 320, 1);
    auto* form = new QFormLayout;
    form->addRow(tr("Coding Method:"), m_codingMethod);
    form->addRow(m_vbrQualityLabel, m_vbrQuality);
    form->addRow(m_abrLabel, m_abrBitrate);

    auto* maxBox = new QGroupBox(tr("Maximum VBR Bitrate"), tab);
    m_maxVbrGroup = maxBox;
    m_maxVbrBitrate = bitrateSlider(maxBox, "Slider3");
    m_maxVbrLabel = named(new QLabel(maxBox), "Label8");
    auto* maxLayout = new QVBoxLayout(maxBox);
    maxLayout->addWidget(m_maxVbrLabel);
    maxLayout->addWidget(m_maxVbrBitrate);

    auto* advancedBox = new QGroupBox(tr("Advanced"), tab);
    m_advancedGroup = advancedBox;
    m_writeVbrHeader = named(new QCheckBox(tr("Write VBR Header"), advancedBox), "Check1");
    m_enforceMinBitrate = named(new QCheckBox(tr("Strictly enforce minimum bitrate"), advancedBox), "Check2");
    auto* advancedLayout = new QVBoxLayout(advancedBox);
    advancedLayout->addWidget(m_writeVbrHeader);
    advancedLayout->addWidget(m_enforceMinBitrate);

    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(form);
    layout->addWidget(maxBox);
    layout->addWidget(advancedBox);
    layout->addStretch();
    return tab;
}

QWidget* Mp3SettingsDialog::buildExpertTab() {
    auto* tab = new QWidget;
    m_athControl = list(tab, "Combo2",
                        {QT_TR_NOOP("default"), QT_TR_NOOP("only"), QT_TR_NOOP("disabled"),
                         QT_TR_NOOP("only for short blocks")});
    m_deEmphasis = list(tab, "Combo4",
                        {QT_TR_NOOP("default"), QT_TR_NOOP("0/15 microseconds"), QT_TR_NOOP("citt j.17")});
    m_crc = named(new QCheckBox(tr("include CRC -Checksums"), tab), "Check3");
    m_allowDiffBlockTypes =
        named(new QCheckBox(tr("allow block types to differ between channels"), tab), "Check4");
    m_bitReservoir = named(new QCheckBox(tr("bit reservoir"), tab), "Check5");
    m_shortBlocks = named(new QCheckBox(tr("short blocks"), tab), "Check6");
    m_strictIso = named(new QCheckBox(tr("comply as much as possible to ISO MPEG spec"), tab), "Check7");
    auto* form = new QFormLayout(tab);
    form->addRow(tr("ATH Control:"), m_athControl);
    form->addRow(tr("De-emphasis :"), m_deEmphasis);
    for (QCheckBox* check : {m_crc, m_allowDiffBlockTypes, m_bitReservoir, m_shortBlocks, m_strictIso})
        form->addRow(check);
    return tab;
}

void Mp3SettingsDialog::showOptions(const Mp3Options& o) {
    m_encoderQuality->setValue(o.quality);
    m_bitrate->setValue(indexOf(kBitrates, kDefaultKbps));
    m_sampleRate->setCurrentIndex(indexOf(kSampleRates, kDefaultRate));
    m_edited.mp3Kbps = kDefaultKbps;
    m_edited.mp3Rate = kDefaultRate;
    m_edited.mp3Channels = 2;

    if (const int position = indexOf(kBitrates, o.maxVbrBitrate); position >= 0)
        m_maxVbrBitrate->setValue(position);
    m_maxVbrLabel->setText(bitrateText(o.maxVbrBitrate));
    m_maxVbrBitrate->setToolTip(QString::number(o.maxVbrBitrate));
    m_vbrQuality->setValue(o.vbrQuality);
    m_codingMethod->setCurrentIndex(o.encodingMode + 1);
    m_abrBitrate->setValue(o.abrBitrate);
    m_channels->setCurrentIndex(o.channelMode - 1);
    m_writeVbrHeader->setChecked(o.writeVbrHeader);
    m_enforceMinBitrate->setChecked(o.enforceMinBitrate);

    m_highpass->setChecked(o.highpassFrequency >= 0);
    m_highpassFrequency->setValue(o.highpassFrequency >= 0 ? o.highpassFrequency : 30);
    m_highpassWidth->setValue(o.highpassWidth != 0 ? o.highpassWidth : 5);
    m_lowpass->setChecked(o.lowpassFrequency >= 0);
    m_lowpassFrequency->setValue(o.lowpassFrequency >= 0 ? o.lowpassFrequency : 15160);
    m_lowpassWidth->setValue(o.lowpassWidth != 0 ? o.lowpassWidth : 760);

    m_athControl->setCurrentIndex(o.athControl);
    m_deEmphasis->setCurrentIndex(o.deEmphasis);
    m_crc->setChecked(o.crc);
    m_allowDiffBlockTypes->setChecked(o.allowDiffBlockTypes);
    m_bitReservoir->setChecked(o.bitReservoir);
    m_shortBlocks->setChecked(o.shortBlocks);
    m_strictIso->setChecked(o.strictIso);
    updateCodingMethod();
    updateFilters();
}

void Mp3SettingsDialog::readStoredFormat() {
    readStored("mp3", "MP3Bitrate", m_edited.mp3Kbps);
    if (indexOf(kMpegBitrates, m_edited.mp3Kbps) < 0)
        m_edited.mp3Kbps = kDefaultKbps;
    if (const int position = indexOf(kBitrates, m_edited.mp3Kbps); position >= 0)
        m_bitrate->setValue(position);
    showBitrate(m_edited.mp3Kbps);

    readStored("mp3", "MP3Frequency", m_edited.mp3Rate);
    const int rateIndex = indexOf(kSampleRates, m_edited.mp3Rate);
    m_sampleRate->setCurrentIndex(rateIndex >= 0 ? rateIndex : indexOf(kSampleRates, kDefaultRate));
    m_edited.mp3Rate = kSampleRates.at(static_cast<std::size_t>(m_sampleRate->currentIndex()));

    // The channel list shows mono when that is what will be recorded.
    readStored("mp3", "MP3Channels", m_edited.mp3Channels);
    if (m_edited.mp3Channels == 1)
        m_channels->setCurrentIndex(kMonoEntry);
    m_edited.mp3Channels = m_channels->currentIndex() == kMonoEntry ? 1 : 2;
}

void Mp3SettingsDialog::showBitrate(int kbps) {
    m_edited.mp3Kbps = static_cast<std::int16_t>(kbps);
    m_bitrateLabel->setText(bitrateText(kbps));
    m_bitrate->setToolTip(QString::number(kbps));
}

void Mp3SettingsDialog::updateCodingMethod() {
    const int method = m_codingMethod->currentIndex();
    const bool abr = method == Mp3Options::kModeAbr + 1;
    const bool vbr = method > 0 && !abr;
    m_vbrQualityLabel->setEnabled(vbr);
    m_vbrQuality->setEnabled(vbr);
    m_abrLabel->setEnabled(abr);
    m_abrBitrate->setEnabled(abr);
    m_maxVbrGroup->setEnabled(vbr || abr);
    m_advancedGroup->setEnabled(vbr || abr);
}

void Mp3SettingsDialog::updateFilters() {
    for (QWidget* w : {static_cast<QWidget*>(m_highpassFrequency), static_cast<QWidget*>(m_highpassWidth),
                       static_cast<QWidget*>(m_highpassWidthLabel)})
        w->setEnabled(m_highpass->isChecked());
    for (QWidget* w : {static_cast<QWidget*>(m_lowpassFrequency), static_cast<QWidget*>(m_lowpassWidth),
                       static_cast<QWidget*>(m_lowpassWidthLabel)})
        w->setEnabled(m_lowpass->isChecked());
}

Mp3Options Mp3SettingsDialog::options() const {
    Mp3Options o;
    o.quality = m_encoderQuality->value();
    o.encodingMode = m_codingMethod->currentIndex() - 1;
    o.vbrQuality = m_vbrQuality->value();
    o.abrBitrate = m_abrBitrate->value();
    o.maxVbrBitrate = kBitrates.at(static_cast<std::size_t>(m_maxVbrBitrate->value()));
    o.writeVbrHeader = m_writeVbrHeader->isChecked();
    o.enforceMinBitrate = m_enforceMinBitrate->isChecked();
    if (m_channels->currentIndex() != kMonoEntry)
        o.channelMode = m_channels->currentIndex() + 1;
    o.highpassFrequency = m_highpass->isChecked() ? m_highpassFrequency->value() : -1;
    o.highpassWidth = m_highpassWidth->value();
    o.lowpassFrequency = m_lowpass->isChecked() ? m_lowpassFrequency->value() : -1;
    o.lowpassWidth = m_lowpassWidth->value();
    o.athControl = m_athControl->currentIndex();
    o.deEmphasis = m_deEmphasis->currentIndex();
    o.crc = m_crc->isChecked();
    o.allowDiffBlockTypes = m_allowDiffBlockTypes->isChecked();
    o.bitReservoir = m_bitReservoir->isChecked();
    o.shortBlocks = m_shortBlocks->isChecked();
    o.strictIso = m_strictIso->isChecked();
    return o;
}

void Mp3SettingsDialog::saveAndAccept() {
    // Text still being typed is settled first, so the fields show what is applied.
    for (QSpinBox* spin : {m_vbrQuality, m_abrBitrate, m_highpassFrequency, m_highpassWidth,
                           m_lowpassFrequency, m_lowpassWidth})
        spin->interpretText();
    store("mp3", "MP3Bitrate", m_edited.mp3Kbps);
    store("mp3", "MP3Frequency", m_edited.mp3Rate);
    store("mp3", "MP3Channels", m_edited.mp3Channels);
    m_edited.mp3Options = options();
    storeMp3Options(m_settingsFile, m_edited.mp3Options);
    applyEdited(codec::FileType::Mp3);
    accept();
}
