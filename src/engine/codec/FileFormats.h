#pragma once

#include "engine/codec/Mp3Options.h"

#include <QString>
#include <optional>

// Parameters of each writable format, as OutputFormats gives them. Values of 0 or out of
// range have already been replaced by the defaults: 44100 Hz, stereo, 16 bits.
namespace codec {

constexpr int kDefaultRate = 44100;
constexpr int kDefaultChannels = 2;
constexpr int kDefaultBits = 16;

QString channelsText(int channels);

// How the samples inside a WAV file are coded.
enum class WavCodec { Pcm, ImaAdpcm, MsAdpcm, Gsm610, ALaw, MuLaw };

QString wavCodecName(WavCodec codec);

struct WavFormat {
    int rate = kDefaultRate;
    int channels = kDefaultChannels;
    // Sample width of PCM; the other codecs fix their own.
    int bits = kDefaultBits;
    WavCodec codec = WavCodec::Pcm;
    // Why this combination cannot be written; describe() is empty while it is set.
    QString refusal;

    QString describe() const;
    // Bytes one second of sound takes in a file; VBR and quality modes: the usual average.
    double bytesPerSecond() const;
};

struct Mp3Format {
    int rate = kDefaultRate;
    int kbps = 128;
    int channels = kDefaultChannels;
    Mp3Options options;

    // The bit rate the encoder can give at this sample rate: MPEG-2.5 tops out at 64 kbit/s,
    // MPEG-2 at 160, and MPEG-1 starts at 32.
    int effectiveKbps() const;
    QString describe() const;
    double bytesPerSecond() const;
};

struct VoxFormat {
    int rate = kDefaultRate;

    QString describe() const;
    double bytesPerSecond() const;
};

struct RawFormat {
    enum Coding { Pcm16 = 1, ALaw = 2, MuLaw = 3 };
    int coding = Pcm16;
    int rate = kDefaultRate;
    int channels = kDefaultChannels;
    int bits = kDefaultBits;

    QString describe() const;
    double bytesPerSecond() const;
};

struct G726Format {
    int rate = kDefaultRate;
    int bits = 4;

    QString describe() const;
    double bytesPerSecond() const;
};

struct OggFormat {
    int rate = kDefaultRate;
    int channels = kDefaultChannels;
    int nominalKbps = 128;
    int minKbps = 0;
    int maxKbps = 0;
    // Hundredths, 0 to 1000 (300 is quality 3.00); -1: bit rate managed instead.
    int quality = -1;

    QString describe() const;
    double bytesPerSecond() const;
};

struct WmaFormat {
    int profile = 24;
    int rate = kDefaultRate;
    int kbps = 128;
    int channels = kDefaultChannels;

    QString describe() const;
    double bytesPerSecond() const;
};

// The formats a file's extension selects, in any letter case.
enum class FileType { Wav, Mp3, Vox, Raw, G726, Ogg, Wma };

std::optional<FileType> fileTypeFor(const QString& path);

// False for VOX, RAW and G726: their files hold nothing but the coded sound.
bool hasHeader(FileType type);

// VOX, RAW and G726 files carry no header: a reader takes them to hold what the writer
// would write with these parameters.
struct HeaderlessFormats {
    VoxFormat vox;
    RawFormat raw;
    G726Format g726;
};

} // namespace codec
