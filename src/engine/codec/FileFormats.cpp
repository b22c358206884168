#include "engine/codec/FileFormats.h"

#include <QFileInfo>
#include <algorithm>

namespace codec {

QString channelsText(int channels) {
    return channels == 1 ? QStringLiteral("mono") : QStringLiteral("stereo");
}

QString wavCodecName(WavCodec codec) {
    switch (codec) {
    case WavCodec::Pcm:
        return QStringLiteral("PCM");
    case WavCodec::ImaAdpcm:
        return QStringLiteral("IMA ADPCM");
    case WavCodec::MsAdpcm:
        return QStringLiteral("MS ADPCM");
    case WavCodec::Gsm610:
        return QStringLiteral("GSM 6.10");
    case WavCodec::ALaw:
        return QStringLiteral("A-Law");
    case WavCodec::MuLaw:
        return QStringLiteral("\u00b5-Law");
    }
    return {};
}

QString WavFormat::describe() const {
    if (!refusal.isEmpty())
        return {};
    if (codec == WavCodec::Pcm)
        return QStringLiteral("WAV PCM %1 Hz %2-bit %3").arg(rate).arg(bits).arg(channelsText(channels));
    return QStringLiteral("WAV %1 %2 Hz %3").arg(wavCodecName(codec)).arg(rate).arg(channelsText(channels));
}

int Mp3Format::effectiveKbps() const {
    if (rate < 16000)
        return std::min(kbps, 64);
    if (rate < 32000)
        return std::min(kbps, 160);
    return std::max(kbps, 32);
}

QString Mp3Format::describe() const {
    switch (options.encodingMode) {
    case Mp3Options::kModeNone:
        return QStringLiteral("MP3 %1 Hz %2 kbit/s %3")
            .arg(rate)
            .arg(effectiveKbps())
            .arg(channelsText(channels));
    case Mp3Options::kModeAbr:
        return QStringLiteral("MP3 %1 Hz ABR %2 kbit/s %3")
            .arg(rate)
            .arg(options.abrBitrate)
            .arg(channelsText(channels));
    default:
        return QStringLiteral("MP3 %1 Hz VBR quality %2 %3")
            .arg(rate)
            .arg(options.vbrQuality)
            .arg(channelsText(channels));
    }
}

QString VoxFormat::describe() const {
    return QStringLiteral("VOX %1 Hz mono").arg(rate);
}

QString RawFormat::describe() const {
    switch (coding) {
    case ALaw:
        return QStringLiteral("RAW A-Law %1 Hz %2").arg(rate).arg(channelsText(channels));
    case MuLaw:
        return QStringLiteral("RAW \u00b5-Law %1 Hz %2").arg(rate).arg(channelsText(channels));
    default:
        return QStringLiteral("RAW PCM %1 Hz %2-bit %3").arg(rate).arg(bits).arg(channelsText(channels));
    }
}

QString G726Format::describe() const {
    return QStringLiteral("G.726 %1 Hz %2 bits").arg(rate).arg(bits);
}

QString OggFormat::describe() const {
    const QString head = QStringLiteral("Ogg Vorbis %1 Hz %2, ").arg(rate).arg(channelsText(channels));
    if (quality >= 0)
        return head + QStringLiteral("quality %1").arg(quality / 100.0, 0, 'f', 2);
    QString text = head + QStringLiteral("%1 kbit/s").arg(nominalKbps);
    if (minKbps > 0)
        text += QStringLiteral(" (%1-%2 kbit/s VBR)").arg(minKbps).arg(maxKbps);
    return text;
}

QString WmaFormat::describe() const {
    return QStringLiteral("WMA %1 Hz %2 kbit/s %3").arg(rate).arg(kbps).arg(channelsText(channels));
}

std::optional<FileType> fileTypeFor(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("wav"))
        return FileType::Wav;
    if (suffix == QLatin1String("mp3"))
        return FileType::Mp3;
    if (suffix == QLatin1String("vox"))
        return FileType::Vox;
    if (suffix == QLatin1String("raw"))
        return FileType::Raw;
    if (suffix == QLatin1String("g726"))
        return FileType::G726;
    if (suffix == QLatin1String("ogg"))
        return FileType::Ogg;
    if (suffix == QLatin1String("wma"))
        return FileType::Wma;
    return std::nullopt;
}

} // namespace codec
