#pragma once

#include "base/SettingsFile.h"
#include "engine/codec/FileFormats.h"
#include "engine/codec/Mp3Options.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <limits>

class AudioFileWriter;

// The output-format list, in its order; each text is also the recorded file's extension.
QStringList outputFormatTexts();

// Position stored as `outputformat`: its leading number, 0 when there is none or when
// it lies outside the list.
int outputFormatFrom(const QString& text);

// The in-memory parameters of the six formats, with the widths the codec calls take.
// Starts at zeros and lasts for the whole run.
struct FormatState {
    std::int32_t mp3Rate = 0;
    std::int16_t mp3Kbps = 0;
    std::int16_t mp3Channels = 0;
    std::int32_t wavRate = 0;
    std::int16_t wavChannels = 0;
    // A codec::WavCodec, and the sample width of PCM.
    std::int16_t wavCodec = 0;
    std::int16_t wavBits = 16;
    std::int32_t voxRate = 0;
    std::int16_t oggVbrEnabled = 0;
    std::int16_t oggQualityEnabled = 0;
    std::int16_t oggKbps = 0;
    std::int16_t oggMinKbps = 0;
    std::int16_t oggMaxKbps = 0;
    std::int16_t oggQuality = 0;
    std::int32_t rawRate = 0;
    std::int16_t rawChannels = 0;
    std::int16_t rawCoding = 0;
    std::int32_t g726Rate = 0;
    std::int16_t g726BitsPerSample = 0;
};

// Reads `key` of `section` into `field` when it converts as a whole to the field's width;
// otherwise the field keeps what it had.
template <typename T>
void readSettingInto(const QString& file, const char* section, const char* key, T& field) {
    bool ok = false;
    const qlonglong v = readSetting(file, QLatin1String(section), QLatin1String(key)).toLongLong(&ok);
    if (ok && v >= std::numeric_limits<T>::min() && v <= std::numeric_limits<T>::max())
        field = static_cast<T>(v);
}

// Reads every format key into `state`. A value that is missing or does not convert as a
// whole to its width leaves the field as it was; a stored WAV codec that cannot take the
// stored rate and channels reads as PCM.
void readFormatSettings(const QString& settingsFile, FormatState& state);

// The WAV format the writer holds, into section `wav` and the state: a codec chosen in
// the WAV dialog survives a restart.
void storeWavFormat(const QString& settingsFile, const codec::WavFormat& format, FormatState& state);

// The MP3 encoder's options as last confirmed (keys of their own in section `mp3`); the
// encoder's defaults where a key is missing or out of its range.
Mp3Options readMp3Options(const QString& settingsFile);
void storeMp3Options(const QString& settingsFile, const Mp3Options& options);

// The Ogg Vorbis call the state asks for: quality mode, managed VBR or constant rate.
struct OggCall {
    int sampleRate, channels, nominalKbps, minKbps, maxKbps, quality;
    bool operator==(const OggCall&) const = default;
};
OggCall oggCallFor(const FormatState& state);

// Hands one format's parameters to the writer (WAV as 16-bit PCM; Ogg by its mode rule).
void applyFormat(codec::FileType type, const FormatState& state, AudioFileWriter& writer);

// Hands every format's parameters to the codec, in the start-up order.
void applyFormatState(const FormatState& state, AudioFileWriter& codec);

// Start-up: reads all format settings and the MP3 options into `state` and `codec`, and
// returns the output-format position to select.
int loadFormatSettings(const QString& settingsFile, FormatState& state, AudioFileWriter& codec);
