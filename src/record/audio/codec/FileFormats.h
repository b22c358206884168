#pragma once

#include <QString>

// Parameters of each writable format, as the codec's Set calls leave them. Values of 0
// or out of range have already been replaced by the defaults: 44100 Hz, stereo, 16 bits.
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
};

struct Mp3Format {
    int rate = kDefaultRate;
    int kbps = 128;
    int channels = kDefaultChannels;

    QString describe() const;
};

struct VoxFormat {
    int rate = kDefaultRate;

    QString describe() const;
};

struct RawFormat {
    enum Coding { Pcm16 = 1, ALaw = 2, MuLaw = 3 };
    int coding = Pcm16;
    int rate = kDefaultRate;
    int channels = kDefaultChannels;
    int bits = kDefaultBits;

    QString describe() const;
};

struct G726Format {
    int rate = kDefaultRate;
    int bits = 4;

    QString describe() const;
};

struct OggFormat {
    int rate = kDefaultRate;
    int channels = kDefaultChannels;
    int nominalKbps = 128;
    int minKbps = 0;
    int maxKbps = 0;
    // -1: bit rate managed instead of a quality level.
    int quality = -1;

    QString describe() const;
};

} // namespace codec
