#include "formats/ui/WavSettingsDialog.h"

#include "base/ui/Dialogs.h"
#include "base/ui/Skin.h"
#include "engine/codec/AudioFileWriter.h"
#include "engine/codec/SndfileEncoder.h"
#include "engine/codec/WavCodecs.h"
#include "engine/ui/WavFormatDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>

namespace {

constexpr FormatDialog::Choice kRates[] = {
    {"F1", "8000", 8000},   {"F2", "16000", 16000}, {"F3", "24000", 24000}, {"F4", "32000", 32000},
    {"F5", "11025", 11025}, {"F6", "22050", 22050}, {"F7", "44100", 44100}, {"F8", "48000", 48000},
};
constexpr FormatDialog::Choice kChannels[] = {{"P1", QT_TRANSLATE_NOOP("FormatDialog", "Mono"), 1},
                                              {"P2", QT_TRANSLATE_NOOP("FormatDialog", "Stereo"), 2}};

} // namespace

WavSettingsDialog::WavSettingsDialog(const QString& appFolder, const QString& settingsFile,
                                     AudioFileWriter& writer, QWidget* parent)
    : FormatDialog(appFolder, settingsFile, writer, parent) {
    setObjectName(QStringLiteral("frmWAV"));
    setWindowTitle(tr("Set WAV Format"));

    auto* rateBox = new QGroupBox(tr("Frequency (Hz)"), this);
    m_rates = addChoices(rateBox, kRates);
    auto* channelBox = new QGroupBox(tr("nChannels"), this);
    m_channels = addChoices(channelBox, kChannels);

    auto* codecBox = new QGroupBox(tr("Set WAV Format"), this);
    auto* codecs = new QVBoxLayout(codecBox);
    const auto addCodec = [&](const char* caption, const char* name, void (WavSettingsDialog::*action)()) {
        auto* button = named(new QPushButton(tr(caption), codecBox), name);
        codecs->addWidget(button);
        connect(button, &QPushButton::clicked, this, action);
    };
    addCodec("PCM", "cmdPCM", &WavSettingsDialog::applyPcm);
    addCodec("ADPCM", "cmdADPCM", &WavSettingsDialog::applyAdpcm);
    addCodec("GSM", "cmdGSM", &WavSettingsDialog::applyGsm);
    addCodec("DSP", "cmdDSP", &WavSettingsDialog::applyTelephone);
    addCodec(QT_TR_NOOP("From Menu"), "cmdMenu", &WavSettingsDialog::chooseFromMenu);
    addCodec(QT_TR_NOOP("Like Sample"), "cmdSample", &WavSettingsDialog::applyLikeSample);

    auto* grid = new QGridLayout(this);
    grid->addWidget(rateBox, 0, 0, 2, 1);
    grid->addWidget(channelBox, 0, 1, Qt::AlignTop);
    grid->addWidget(codecBox, 0, 2, 2, 1);
    grid->addLayout(confirmButtonRow(this, tr("OK"), "Command1", "Command2", [this] { applyPcm(); }), 2, 0, 1,
                    3);

    applySkin(m_appFolder, this);
    std::int32_t rate = m_edited.wavRate;
    std::int16_t channels = m_edited.wavChannels;
    readStored("wav", "Freq", rate);
    readStored("wav", "Channel", channels);
    select(m_rates, rate, 44100);
    select(m_channels, channels, 2);
}

void WavSettingsDialog::keep(const codec::WavFormat& format) {
    storeWavFormat(m_settingsFile, format, m_edited);
    applyEdited(codec::FileType::Wav);
}

void WavSettingsDialog::keepAndAccept(const codec::WavFormat& format) {
    keep(format);
    accept();
}

bool WavSettingsDialog::acceptable(const QString& refusal) {
    if (refusal.isEmpty())
        return true;
    // The refusal says what would be taken instead (GSM: 8000 Hz, mono).
    Dialogs::message(this, QMessageBox::Warning, tr("Format Parametr not valid\n\n%1").arg(refusal));
    return false;
}

void WavSettingsDialog::applyPcm() {
    keepAndAccept(codec::makeWavFormat(codec::WavCodec::Pcm, m_rates->checkedId(), m_channels->checkedId()));
}

// ADPCM and GSM are checked before they are kept: a refused choice would leave a WAV format
// that no recording can be made with.
void WavSettingsDialog::applyAdpcm() {
    const codec::WavFormat format =
        codec::makeWavFormat(codec::WavCodec::ImaAdpcm, m_rates->checkedId(), m_channels->checkedId());
    if (acceptable(format.refusal))
        keepAndAccept(format);
}

void WavSettingsDialog::applyGsm() {
    const codec::WavFormat format = codec::makeWavFormat(codec::WavCodec::Gsm610, m_rates->checkedId(), 1);
    if (acceptable(format.refusal))
        keepAndAccept(format);
}

void WavSettingsDialog::applyTelephone() {
    keepAndAccept(codec::makeWavFormat(codec::kDspCodec, codec::kDspRate, 1));
}

// A cancelled choice applies nothing, so the dialog stays open rather than reporting the
// format it left untouched.
void WavSettingsDialog::chooseFromMenu() {
    if (const std::optional<codec::WavFormat> chosen =
            WavFormatDialog::choose(m_writer.formats().wav(), this))
        keepAndAccept(codec::makeWavFormat(chosen->codec, chosen->rate, chosen->channels, chosen->bits));
}

void WavSettingsDialog::applyLikeSample() {
    const QString path = Dialogs::openFileName(this, tr(QT_TR_NOOP("Like Sample")), tr("Wav files (*.wav)"));
    if (path.isEmpty())
        return;
    const codec::WavFormat like = wavFormatLike(path);
    if (acceptable(like.refusal))
        keep(like);
}
