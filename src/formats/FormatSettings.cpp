#include "formats/FormatSettings.h"

#include "base/SettingsFile.h"
#include "engine/codec/AudioFileWriter.h"

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

template <typename T> void readInto(const QString& file, const char* section, const char* key, T& field) {
    bool ok = false;
    const qlonglong v = readSetting(file, QLatin1String(section), QLatin1String(key)).toLongLong(&ok);
    if (ok && v >= std::numeric_limits<T>::min() && v <= std::numeric_limits<T>::max())
        field = static_cast<T>(v);
}

} // namespace

void readFormatSettings(const QString& f, FormatState& s) {
    readInto(f, "mp3", "MP3Frequency", s.mp3Frequency);
    readInto(f, "mp3", "MP3Bitrate", s.mp3Bitrate);
    readInto(f, "mp3", "MP3Channels", s.mp3Channels);
    readInto(f, "wav", "Freq", s.wavFreq);
    readInto(f, "wav", "Channel", s.wavChannel);
    readInto(f, "vox", "voxFreq", s.voxFreq);
    readInto(f, "ogg", "VbrEnabled", s.oggVbrEnabled);
    readInto(f, "ogg", "QualityEnabled", s.oggQualityEnabled);
    readInto(f, "ogg", "oggBitrate", s.oggBitrate);
    readInto(f, "ogg", "MinBitrate", s.oggMinBitrate);
    readInto(f, "ogg", "MaxBitrate", s.oggMaxBitrate);
    readInto(f, "ogg", "Quality", s.oggQuality);
    readInto(f, "raw", "rawFreq", s.rawFreq);
    readInto(f, "raw", "rawChannel", s.rawChannel);
    readInto(f, "raw", "rawCompr", s.rawCompr);
    readInto(f, "g726", "gFreq", s.gFreq);
    readInto(f, "g726", "gbit", s.gbit);
}

OggCall oggCallFor(const FormatState& s) {
    if (s.oggQualityEnabled == 1)
        return {44100, 2, 128, 0, 0, s.oggQuality};
    if (s.oggVbrEnabled == 1)
        return {44100, 2, s.oggBitrate, s.oggMinBitrate, s.oggMaxBitrate, -1};
    return {44100, 2, s.oggBitrate, 0, 0, -1};
}

void applyFormat(codec::FileType type, const FormatState& s, AudioFileWriter& writer) {
    switch (type) {
    case codec::FileType::Mp3:
        writer.setMp3Format(s.mp3Frequency, s.mp3Bitrate, s.mp3Channels);
        break;
    case codec::FileType::Wav:
        writer.setWavFormat(s.wavFreq, s.wavChannel, 16);
        break;
    case codec::FileType::Vox:
        writer.setVoxFormat(s.voxFreq);
        break;
    case codec::FileType::Ogg: {
        const OggCall ogg = oggCallFor(s);
        writer.setOggFormat(ogg.sampleRate, ogg.channels, ogg.nominalKbps, ogg.minKbps, ogg.maxKbps,
                            ogg.quality);
        break;
    }
    case codec::FileType::Raw:
        writer.setRawFormat(s.rawCompr, s.rawFreq, s.rawChannel, 16);
        break;
    case codec::FileType::G726:
        writer.setG726Format(s.gFreq, s.gbit);
        break;
    case codec::FileType::Wma:
        break;
    }
}

void applyFormatState(const FormatState& s, AudioFileWriter& writer) {
    using codec::FileType;
    for (FileType type :
         {FileType::Mp3, FileType::Wav, FileType::Vox, FileType::Ogg, FileType::Raw, FileType::G726})
        applyFormat(type, s, writer);
}

int loadFormatSettings(const QString& settingsFile, FormatState& state, AudioFileWriter& codec) {
    const int format =
        outputFormatFrom(readSetting(settingsFile, QStringLiteral("set"), QStringLiteral("outputformat")));
    readFormatSettings(settingsFile, state);
    applyFormatState(state, codec);
    return format;
}
