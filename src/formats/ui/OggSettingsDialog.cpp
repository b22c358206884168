#include "formats/ui/OggSettingsDialog.h"

#include "base/ui/Skin.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace {

// kbit/s at slider positions 1 to 6.
constexpr std::array kRates{112, 128, 160, 192, 256, 320};
constexpr int kDefaultKbps = 128;
// Nominal rates the encoder takes; others become 128 there, so they are shown as 128 here.
constexpr int kLowestKbps = 32;
constexpr int kHighestKbps = 500;

int positionOf(int kbps) {
    const auto it = std::ranges::find(kRates, kbps);
    return it == kRates.end() ? 0 : static_cast<int>(it - kRates.begin()) + 1;
}

int rateAt(int position) {
    return kRates.at(static_cast<std::size_t>(position - 1));
}

QSlider* rateSlider(QWidget* parent, const char* name) {
    auto* slider = named(new QSlider(Qt::Horizontal, parent), name);
    slider->setRange(1, static_cast<int>(kRates.size()));
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    return slider;
}

} // namespace

OggSettingsDialog::OggSettingsDialog(const QString& appFolder, const QString& settingsFile,
                                     AudioFileWriter& writer, QWidget* parent)
    : FormatDialog(appFolder, settingsFile, writer, parent) {
    setObjectName(QStringLiteral("frmOgg"));
    setWindowTitle(tr("Ogg Vorbis Option"));

    auto* optionBox = new QGroupBox(tr("Option"), this);
    m_bitrateLabel = named(new QLabel(tr("Bitrate"), optionBox), "lblBitrate");
    m_bitrate = rateSlider(optionBox, "sldrBitrate");
    m_vbr = named(new QCheckBox(tr("VBR Enabled"), optionBox), "chVbr");
    m_qualityMode = named(new QCheckBox(tr("Quality Enabled"), optionBox), "chQuality");
    auto* optionLayout = new QVBoxLayout(optionBox);
    optionLayout->addWidget(m_bitrateLabel);
    optionLayout->addWidget(m_bitrate);
    optionLayout->addWidget(m_vbr);
    optionLayout->addWidget(m_qualityMode);

    auto* vbrBox = named(new QGroupBox(tr("VBR"), this), "frmVbr");
    m_vbrGroup = vbrBox;
    m_minLabel = named(new QLabel(tr("MinBitrate"), vbrBox), "lblMinBitrate");
    m_minBitrate = rateSlider(vbrBox, "sldrMinBitrate");
    m_maxLabel = named(new QLabel(tr("MaxBitrate"), vbrBox), "lblMaxBitrate");
    m_maxBitrate = rateSlider(vbrBox, "sldrMaxBitrate");
    auto* vbrLayout = new QVBoxLayout(vbrBox);
    vbrLayout->addWidget(m_minLabel);
    vbrLayout->addWidget(m_minBitrate);
    vbrLayout->addWidget(m_maxLabel);
    vbrLayout->addWidget(m_maxBitrate);

    auto* qualityBox = named(new QGroupBox(tr("Quality (Compression)"), this), "frmQuality");
    m_qualityGroup = qualityBox;
    m_quality = named(new QSlider(Qt::Horizontal, qualityBox), "sldrQuality");
    m_quality->setRange(0, 1000);
    m_quality->setTickInterval(100);
    m_quality->setTickPosition(QSlider::TicksBelow);
    (new QVBoxLayout(qualityBox))->addWidget(m_quality);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(optionBox);
    layout->addWidget(vbrBox);
    layout->addWidget(qualityBox);
    layout->addLayout(confirmButtonRow(this, tr("Ok"), "cmdOK", "cmdCancel", [this] { saveAndAccept(); }));
    setMinimumWidth(360);

    // Slider moves change the value only when the user moves them, so that a stored rate
    // with no slider position is kept until then.
    const auto follow = [this](QSlider* slider, QLabel* label, const QString& pattern, std::int16_t& field) {
        connect(slider, &QSlider::valueChanged, this, [=, &field](int position) {
            field = static_cast<std::int16_t>(rateAt(position));
            label->setText(pattern.arg(field));
            slider->setToolTip(QString::number(field));
        });
    };
    connect(m_vbr, &QCheckBox::toggled, this, &OggSettingsDialog::updateEnabled);
    connect(m_qualityMode, &QCheckBox::toggled, this, &OggSettingsDialog::updateEnabled);

    applySkin(m_appFolder, this);
    m_edited.oggMaxKbps = kDefaultKbps;
    m_edited.oggQuality = 300;
    readStored("ogg", "oggBitrate", m_edited.oggKbps);
    if (m_edited.oggKbps < kLowestKbps || m_edited.oggKbps > kHighestKbps)
        m_edited.oggKbps = kDefaultKbps;
    showRate(m_bitrate, m_bitrateLabel, tr("Current nominal Bitrate: %1 kbit"), m_edited.oggKbps);
    readStored("ogg", "MinBitrate", m_edited.oggMinKbps);
    if (positionOf(m_edited.oggMinKbps) == 0)
        m_edited.oggMinKbps = kDefaultKbps;
    showRate(m_minBitrate, m_minLabel, tr("Current min oggBitrate: %1 kbit"), m_edited.oggMinKbps);
    readStored("ogg", "MaxBitrate", m_edited.oggMaxKbps);
    if (positionOf(m_edited.oggMaxKbps) == 0)
        m_edited.oggMaxKbps = kDefaultKbps;
    showRate(m_maxBitrate, m_maxLabel, tr("Current max oggBitrate: %1 kbit"), m_edited.oggMaxKbps);
    readStored("ogg", "Quality", m_edited.oggQuality);
    m_quality->setValue(m_edited.oggQuality);
    // The encoder takes 0 to 1000 only; beyond that it would leave quality mode.
    m_edited.oggQuality = static_cast<std::int16_t>(m_quality->value());
    m_quality->setToolTip(QLocale().toString(m_quality->value() / 100.0));
    std::int16_t vbr = 0;
    std::int16_t qualityMode = 0;
    readStored("ogg", "VbrEnabled", vbr);
    readStored("ogg", "QualityEnabled", qualityMode);
    m_vbr->setChecked(vbr == 1);
    m_qualityMode->setChecked(qualityMode == 1);
    updateEnabled();

    follow(m_bitrate, m_bitrateLabel, tr("Current nominal oggBitrate: %1 kbit"), m_edited.oggKbps);
    follow(m_minBitrate, m_minLabel, tr("Current min oggBitrate: %1 kbit"), m_edited.oggMinKbps);
    follow(m_maxBitrate, m_maxLabel, tr("Current max oggBitrate: %1 kbit"), m_edited.oggMaxKbps);
    connect(m_quality, &QSlider::valueChanged, this, [this](int position) {
        m_edited.oggQuality = static_cast<std::int16_t>(position);
        m_quality->setToolTip(QLocale().toString(position / 100.0));
    });
}

void OggSettingsDialog::showRate(QSlider* slider, QLabel* label, const QString& pattern, int kbps) {
    const int position = positionOf(kbps);
    slider->setValue(position > 0 ? position : positionOf(kDefaultKbps));
    label->setText(pattern.arg(kbps));
    slider->setToolTip(QString::number(kbps));
}

void OggSettingsDialog::updateEnabled() {
    const bool quality = m_qualityMode->isChecked();
    const bool vbr = !quality && m_vbr->isChecked();
    m_vbr->setEnabled(!quality);
    m_bitrate->setEnabled(!quality);
    m_bitrateLabel->setEnabled(!quality);
    m_vbrGroup->setEnabled(vbr);
    for (QWidget* w : {static_cast<QWidget*>(m_minBitrate), static_cast<QWidget*>(m_maxBitrate),
                       static_cast<QWidget*>(m_minLabel), static_cast<QWidget*>(m_maxLabel)})
        w->setEnabled(vbr);
    m_qualityGroup->setEnabled(true);
    m_quality->setEnabled(quality);
    m_edited.oggVbrEnabled = m_vbr->isChecked() ? 1 : 0;
    m_edited.oggQualityEnabled = quality ? 1 : 0;
}

void OggSettingsDialog::saveAndAccept() {
    store("ogg", "oggBitrate", m_edited.oggKbps);
    store("ogg", "MinBitrate", m_edited.oggMinKbps);
    store("ogg", "MaxBitrate", m_edited.oggMaxKbps);
    store("ogg", "Quality", m_edited.oggQuality);
    store("ogg", "VbrEnabled", m_edited.oggVbrEnabled);
    store("ogg", "QualityEnabled", m_edited.oggQualityEnabled);
    applyEdited(codec::FileType::Ogg);
    accept();
}
