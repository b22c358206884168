#include "engine/codec/WavCodecs.h"

#include <QCoreApplication>

namespace codec {

const std::vector<WavCodecChoice>& wavCodecChoices() {
    static const std::vector<WavCodecChoice> choices{
        {QStringLiteral("PCM 16-bit"), WavCodec::Pcm, 16},
        {QStringLiteral("PCM 8-bit"), WavCodec::Pcm, 8},
        {wavCodecName(WavCodec::ImaAdpcm), WavCodec::ImaAdpcm, kDefaultBits},
        {wavCodecName(WavCodec::MsAdpcm), WavCodec::MsAdpcm, kDefaultBits},
        {wavCodecName(WavCodec::Gsm610), WavCodec::Gsm610, kDefaultBits},
        {wavCodecName(WavCodec::ALaw), WavCodec::ALaw, kDefaultBits},
        {wavCodecName(WavCodec::MuLaw), WavCodec::MuLaw, kDefaultBits},
    };
    return choices;
}

const std::vector<int>& wavChooserRates() {
    static const std::vector<int> rates{8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
    return rates;
}

WavFormat makeWavFormat(WavCodec codec, int rate, int channels, int bits) {
    WavFormat format;
    format.codec = codec;
    format.rate = rate;
    format.channels = channels;
    format.bits = codec == WavCodec::Pcm && bits == 8 ? 8 : kDefaultBits;
    // Unlike plain PCM, a codec call with unusable values is refused rather than
    // quietly replaced, so that the user sees the choice did not take.
    if (rate < 6000 || rate > 48000)
        format.refusal =
            QCoreApplication::translate("WavCodecs", "%1 cannot be written at %2 Hz (6000 to 48000 Hz only).")
                .arg(wavCodecName(codec))
                .arg(rate);
    else if (channels != 1 && channels != 2)
        format.refusal = QCoreApplication::translate(
                             "WavCodecs", "%1 cannot be written with %2 channels (mono or stereo only).")
                             .arg(wavCodecName(codec))
                             .arg(channels);
    else if (codec == WavCodec::Gsm610 && (rate != 8000 || channels != 1))
        format.refusal =
            QCoreApplication::translate("WavCodecs", "GSM 6.10 is written at 8000 Hz mono only.");
    return format;
}

} // namespace codec
