#include "engine/codec/FileFormats.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <array>

namespace codec {

QString channelsText(int channels) {
    return channels == 1 ? QCoreApplication::translate("FileFormats", "mono")
                         : QCoreApplication::translate("FileFormats", "stereo");
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
        return QCoreApplication::translate("FileFormats", "WAV PCM %1 Hz %2-bit %3")
            .arg(rate)
            .arg(bits)
            .arg(channelsText(channels));
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
        return QCoreApplication::translate("FileFormats", "MP3 %1 Hz %2 kbit/s %3")
            .arg(rate)
            .arg(effectiveKbps())
            .arg(channelsText(channels));
    case Mp3Options::kModeAbr:
        return QCoreApplication::translate("FileFormats", "MP3 %1 Hz ABR %2 kbit/s %3")
            .arg(rate)
            .arg(options.abrBitrate)
            .arg(channelsText(channels));
    default:
        return QCoreApplication::translate("FileFormats", "MP3 %1 Hz VBR quality %2 %3")
            .arg(rate)
            .arg(options.vbrQuality)
            .arg(channelsText(channels));
    }
}

QString VoxFormat::describe() const {
    return QCoreApplication::translate("FileFormats", "VOX %1 Hz mono").arg(rate);
}

QString RawFormat::describe() const {
    switch (coding) {
    case ALaw:
        return QStringLiteral("RAW A-Law %1 Hz %2").arg(rate).arg(channelsText(channels));
    case MuLaw:
        return QStringLiteral("RAW \u00b5-Law %1 Hz %2").arg(rate).arg(channelsText(channels));
    default:
        return QCoreApplication::translate("FileFormats", "RAW PCM %1 Hz %2-bit %3")
            .arg(rate)
            .arg(bits)
            .arg(channelsText(channels));
    }
}

QString G726Format::describe() const {
    return QCoreApplication::translate("FileFormats", "G.726 %1 Hz %2 bits").arg(rate).arg(bits);
}

QString OggFormat::describe() const {
    const QString head = QCoreApplication::translate("FileFormats", "Ogg Vorbis %1 Hz %2, ")
                             .arg(rate)
                             .arg(channelsText(channels));
    if (quality >= 0)
        return head +
               QCoreApplication::translate("FileFormats", "quality %1").arg(quality / 100.0, 0, 'f', 2);
    QString text = head + QStringLiteral("%1 kbit/s").arg(nominalKbps);
    if (minKbps > 0)
        text += QCoreApplication::translate("FileFormats", " (%1-%2 kbit/s VBR)").arg(minKbps).arg(maxKbps);
    return text;
}

QString WmaFormat::describe() const {
    return QCoreApplication::translate("FileFormats", "WMA %1 Hz %2 kbit/s %3")
        .arg(rate)
        .arg(kbps)
        .arg(channelsText(channels));
}

double WavFormat::bytesPerSecond() const {
    const double frames = rate;
    switch (codec) {
    case WavCodec::Pcm:
        return frames * channels * bits / 8;
    case WavCodec::ImaAdpcm:
        // Blocks of 256 bytes per channel carry 505 frames.
        return frames * channels * 256 / 505;
    case WavCodec::MsAdpcm:
        return frames * channels * 256 / 500;
    case WavCodec::Gsm610:
        // 65 bytes per 320 frames.
        return frames * 65 / 320;
    case WavCodec::ALaw:
    case WavCodec::MuLaw:
        return frames * channels;
    }
    return 0;
}

namespace {

// Average kbit/s of LAME's VBR quality 0 to 9 at 44.1 kHz stereo.
constexpr std::array<double, 10> kLameVbrKbps{245, 225, 190, 175, 165, 130, 115, 100, 85, 65};
// Average kbit/s of Vorbis quality 0 to 10 at 44.1 kHz stereo.
constexpr std::array<double, 11> kVorbisQualityKbps{64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 500};

} // namespace

double Mp3Format::bytesPerSecond() const {
    double kbit = effectiveKbps();
    if (options.encodingMode == Mp3Options::kModeAbr)
        kbit = options.abrBitrate;
    else if (options.encodingMode != Mp3Options::kModeNone)
        kbit = std::min<double>(kLameVbrKbps[static_cast<std::size_t>(std::clamp(options.vbrQuality, 0, 9))],
                                options.maxVbrBitrate);
    return kbit * 1000 / 8;
}

double VoxFormat::bytesPerSecond() const {
    return rate / 2.0;
}

double RawFormat::bytesPerSecond() const {
    return static_cast<double>(rate) * channels * (coding == Pcm16 ? bits / 8 : 1);
}

double G726Format::bytesPerSecond() const {
    return static_cast<double>(rate) * bits / 8;
}

double OggFormat::bytesPerSecond() const {
    if (quality < 0)
        return nominalKbps * 1000.0 / 8;
    const double q = quality / 100.0;
    const auto low = static_cast<std::size_t>(std::clamp(q, 0.0, 9.0));
    const double kbit =
        kVorbisQualityKbps[low] + (kVorbisQualityKbps[low + 1] - kVorbisQualityKbps[low]) * (q - low);
    return kbit * 1000 / 8;
}

double WmaFormat::bytesPerSecond() const {
    return kbps * 1000.0 / 8;
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

bool hasHeader(FileType type) {
    return type != FileType::Vox && type != FileType::Raw && type != FileType::G726;
}

} // namespace codec
