#pragma once

#include "engine/codec/FileFormats.h"
#include "engine/codec/Mp3Options.h"

#include <QString>
#include <cstdint>
#include <utility>

namespace codec {

// The Ogg Vorbis call a set of parameters asks for: quality mode, managed VBR or constant rate.
struct OggCall {
    int sampleRate, channels, nominalKbps, minKbps, maxKbps, quality;
    bool operator==(const OggCall&) const = default;
};

// The parameters of every output format, as `settings.dat` holds them (with the widths the
// codec calls take): they may be 0 or out of range, so that a dialog shows what was stored
// and saving unchanged settings writes the same text. The accessors give the values a file
// is written with, defaults in place of what cannot be used: 44100 Hz, stereo, 16 bits.
struct OutputFormats {
    std::int32_t mp3Rate = 0;
    std::int16_t mp3Kbps = 0;
    std::int16_t mp3Channels = 0;
    // A sample rate or bit rate set in the options replaces mp3Rate or mp3Kbps.
    Mp3Options mp3Options;
    std::int32_t wavRate = 0;
    std::int16_t wavChannels = 0;
    // A WavCodec, and the sample width of PCM.
    std::int16_t wavCodec = 0;
    std::int16_t wavBits = 16;
    // Why the last WAV choice cannot be written, when its values alone cannot tell (a sample
    // file that could not be read); set by setWav only.
    QString wavRefusal;
    std::int32_t voxRate = 0;
    std::int16_t oggVbrEnabled = 0;
    std::int16_t oggQualityEnabled = 0;
    std::int16_t oggKbps = 0;
    std::int16_t oggMinKbps = 0;
    std::int16_t oggMaxKbps = 0;
    std::int16_t oggQuality = 0;
    // Not stored: recordings take Ogg Vorbis at 44100 Hz stereo.
    std::int32_t oggRate = kDefaultRate;
    std::int16_t oggChannels = kDefaultChannels;
    std::int32_t rawRate = 0;
    std::int16_t rawChannels = 0;
    std::int16_t rawCoding = 0;
    // Not stored: recordings take 16-bit RAW PCM.
    std::int16_t rawBits = kDefaultBits;
    std::int32_t g726Rate = 0;
    std::int16_t g726BitsPerSample = 0;
    // Not stored; 0 to 51.
    int wmaProfile = 24;

    // Takes a WAV format as chosen, its refusal included.
    void setWav(const WavFormat& format);

    // Compressed WAV codecs that cannot take the stored values are refused, not replaced.
    WavFormat wav() const;
    Mp3Format mp3() const;
    VoxFormat vox() const;
    RawFormat raw() const;
    G726Format g726() const;
    OggFormat ogg() const;
    WmaFormat wma() const;
    HeaderlessFormats headerless() const;

    // Empty when a file of `type` cannot be written with these parameters.
    QString description(FileType type) const;
    // Bytes a second of sound takes in a file of `type`; 0 when it cannot be written.
    double bytesPerSecond(FileType type) const;
    std::pair<int, int> rateAndChannels(FileType type) const;
};

// Quality mode wins over managed VBR; a flag counts only when it is 1.
OggCall oggCallFor(const OutputFormats& formats);

} // namespace codec
