#pragma once

#include "engine/codec/FileFormats.h"

#include <QString>
#include <vector>

// The WAV codecs this program writes, and which rate and channel combinations each takes.
namespace codec {

// The telephone-quality ("DSP") choice: G.711 mu-law, 8000 Hz mono. libsndfile writes it
// into WAV, and every player and telephony tool reads it.
constexpr int kDspRate = 8000;
constexpr WavCodec kDspCodec = WavCodec::MuLaw;

// One entry of the WAV format chooser.
struct WavCodecChoice {
    QString name;
    WavCodec codec;
    // PCM sample width; 16 for the other codecs.
    int bits;
};

// Every codec the WAV writer can produce, in the order a chooser lists them.
const std::vector<WavCodecChoice>& wavCodecChoices();

// The rates a chooser offers, lowest first.
const std::vector<int>& wavChooserRates();

// `codec` at `rate` and `channels`; refusal says why when they cannot be written.
WavFormat makeWavFormat(WavCodec codec, int rate, int channels, int bits = kDefaultBits);

} // namespace codec
