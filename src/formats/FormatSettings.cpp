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

void readFormatSettings(const QString& f, FormatState& s) {
    readSettingInto(f, "mp3", "MP3Frequency", s.mp3Frequency);
    readSettingInto(f, "mp3", "MP3Bitrate", s.mp3Bitrate);
    readSettingInto(f, "mp3", "MP3Channels", s.mp3Channels);
    readSettingInto(f, "wav", "Freq", s.wavFreq);
    readSettingInto(f, "wav", "Channel", s.wavChannel);
    readSettingInto(f, "vox", "voxFreq", s.voxFreq);
    readSettingInto(f, "ogg", "VbrEnabled", s.oggVbrEnabled);
    readSettingInto(f, "ogg", "QualityEnabled", s.oggQualityEnabled);
    readSettingInto(f, "ogg", "oggBitrate", s.oggBitrate);
    readSettingInto(f, "ogg", "MinBitrate", s.oggMinBitrate);
    readSettingInto(f, "ogg", "MaxBitrate", s.oggMaxBitrate);
    readSettingInto(f, "ogg", "Quality", s.oggQuality);
    readSettingInto(f, "raw", "rawFreq", s.rawFreq);
    readSettingInto(f, "raw", "rawChannel", s.rawChannel);
    readSettingInto(f, "raw", "rawCompr", s.rawCompr);
    readSettingInto(f, "g726", "gFreq", s.gFreq);
    readSettingInto(f, "g726", "gbit", s.gbit);
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
