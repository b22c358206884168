#include "formats/FormatSettings.h"

#include "base/SettingsFile.h"
#include "engine/codec/WavCodecs.h"

#include <QRegularExpression>
#include <limits>

QStringList outputFormatTexts() {
    return {QStringLiteral("WAV"), QStringLiteral("MP3"),  QStringLiteral("VOX"),
            QStringLiteral("Raw"), QStringLiteral("G726"), QStringLiteral("OGG")};
}

int outputFormatFrom(const QString& text) {
    static const QRegularExpression leading(QStringLiteral("^\\s*([+-]?\\d+)"));
    const auto m = leading.match(text);
    bool ok = false;
    const int value = m.hasMatch() ? m.captured(1).toInt(&ok) : 0;
    return ok && value >= 0 && value < outputFormatTexts().size() ? value : 0;
}

namespace {

// An MP3 option as stored: its key, the option, and the range it may take.
template <typename T> struct Mp3Key {
    const char* key;
    T Mp3Options::*option;
    int lowest;
    int highest;
};
constexpr Mp3Key<int> kMp3Numbers[] = {
    {"MP3Mode", &Mp3Options::encodingMode, Mp3Options::kModeNone, Mp3Options::kModeAbr},
    {"MP3VbrQuality", &Mp3Options::vbrQuality, 0, 9},
    {"MP3AbrBitrate", &Mp3Options::abrBitrate, 4, 320},
    {"MP3MaxVbrBitrate", &Mp3Options::maxVbrBitrate, 8, 320},
    {"MP3Quality", &Mp3Options::quality, 0, 9},
    {"MP3ChannelMode", &Mp3Options::channelMode, Mp3Options::kStereo, Mp3Options::kDualChannels},
    {"MP3HighpassFrequency", &Mp3Options::highpassFrequency, -1, 48000},
    {"MP3HighpassWidth", &Mp3Options::highpassWidth, 0, 48000},
    {"MP3LowpassFrequency", &Mp3Options::lowpassFrequency, -1, 48000},
    {"MP3LowpassWidth", &Mp3Options::lowpassWidth, 0, 48000},
    {"MP3AthControl", &Mp3Options::athControl, Mp3Options::kAthDefault, Mp3Options::kAthOnlyShortBlocks},
    {"MP3DeEmphasis", &Mp3Options::deEmphasis, Mp3Options::kEmphasisNone, Mp3Options::kEmphasisCcittJ17},
};
constexpr Mp3Key<bool> kMp3Flags[] = {
    {"MP3VbrHeader", &Mp3Options::writeVbrHeader, 0, 1},
    {"MP3EnforceMinBitrate", &Mp3Options::enforceMinBitrate, 0, 1},
    {"MP3Crc", &Mp3Options::crc, 0, 1},
    {"MP3DiffBlockTypes", &Mp3Options::allowDiffBlockTypes, 0, 1},
    {"MP3BitReservoir", &Mp3Options::bitReservoir, 0, 1},
    {"MP3ShortBlocks", &Mp3Options::shortBlocks, 0, 1},
    {"MP3StrictIso", &Mp3Options::strictIso, 0, 1},
};

template <typename T, std::size_t N>
void readMp3Keys(const QString& file, const Mp3Key<T> (&keys)[N], Mp3Options& options) {
    for (const Mp3Key<T>& k : keys) {
        bool ok = false;
        const int value = readSetting(file, QStringLiteral("mp3"), QLatin1String(k.key)).toInt(&ok);
        if (ok && value >= k.lowest && value <= k.highest)
            options.*k.option = static_cast<T>(value);
    }
}

template <typename T, std::size_t N>
void storeMp3Keys(const QString& file, const Mp3Key<T> (&keys)[N], const Mp3Options& options) {
    for (const Mp3Key<T>& k : keys)
        writeSetting(file, QStringLiteral("mp3"), QLatin1String(k.key),
                     QString::number(static_cast<int>(options.*k.option)));
}

} // namespace

Mp3Options readMp3Options(const QString& settingsFile) {
    Mp3Options options;
    readMp3Keys(settingsFile, kMp3Numbers, options);
    readMp3Keys(settingsFile, kMp3Flags, options);
    return options;
}

void storeMp3Options(const QString& settingsFile, const Mp3Options& options) {
    storeMp3Keys(settingsFile, kMp3Numbers, options);
    storeMp3Keys(settingsFile, kMp3Flags, options);
}

void storeWavFormat(const QString& settingsFile, const codec::WavFormat& format,
                    codec::OutputFormats& formats) {
    formats.setWav(format);
    const QString wav = QStringLiteral("wav");
    writeSetting(settingsFile, wav, QStringLiteral("Freq"), QString::number(formats.wavRate));
    writeSetting(settingsFile, wav, QStringLiteral("Channel"), QString::number(formats.wavChannels));
    writeSetting(settingsFile, wav, QStringLiteral("Codec"), QString::number(formats.wavCodec));
    writeSetting(settingsFile, wav, QStringLiteral("Bits"), QString::number(formats.wavBits));
}

void readFormatSettings(const QString& f, codec::OutputFormats& s) {
    readSettingInto(f, "mp3", "MP3Frequency", s.mp3Rate);
    readSettingInto(f, "mp3", "MP3Bitrate", s.mp3Kbps);
    readSettingInto(f, "mp3", "MP3Channels", s.mp3Channels);
    readSettingInto(f, "wav", "Freq", s.wavRate);
    readSettingInto(f, "wav", "Channel", s.wavChannels);
    readSettingInto(f, "wav", "Codec", s.wavCodec);
    readSettingInto(f, "wav", "Bits", s.wavBits);
    const auto codec = static_cast<codec::WavCodec>(s.wavCodec);
    if (codec != codec::WavCodec::Pcm &&
        (s.wavCodec < 0 || s.wavCodec > static_cast<int>(codec::WavCodec::MuLaw) ||
         !codec::makeWavFormat(codec, s.wavRate, s.wavChannels).refusal.isEmpty()))
        s.wavCodec = static_cast<std::int16_t>(codec::WavCodec::Pcm);
    readSettingInto(f, "vox", "voxFreq", s.voxRate);
    readSettingInto(f, "ogg", "VbrEnabled", s.oggVbrEnabled);
    readSettingInto(f, "ogg", "QualityEnabled", s.oggQualityEnabled);
    readSettingInto(f, "ogg", "oggBitrate", s.oggKbps);
    readSettingInto(f, "ogg", "MinBitrate", s.oggMinKbps);
    readSettingInto(f, "ogg", "MaxBitrate", s.oggMaxKbps);
    readSettingInto(f, "ogg", "Quality", s.oggQuality);
    readSettingInto(f, "raw", "rawFreq", s.rawRate);
    readSettingInto(f, "raw", "rawChannel", s.rawChannels);
    readSettingInto(f, "raw", "rawCompr", s.rawCoding);
    readSettingInto(f, "g726", "gFreq", s.g726Rate);
    readSettingInto(f, "g726", "gbit", s.g726BitsPerSample);
}

int loadFormatSettings(const QString& settingsFile, codec::OutputFormats& formats) {
    const int format =
        outputFormatFrom(readSetting(settingsFile, QStringLiteral("set"), QStringLiteral("outputformat")));
    readFormatSettings(settingsFile, formats);
    formats.mp3Options = readMp3Options(settingsFile);
    return format;
}
