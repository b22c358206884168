#pragma once

#include "engine/codec/Decoder.h"

#include <memory>

namespace codec {

// How to read a file that carries no header: what its bytes hold.
struct HeaderlessInput {
    enum class Coding { Pcm16, Pcm8, ALaw, MuLaw, OkiAdpcm, G726 };
    Coding coding = Coding::Pcm16;
    int rate = 8000;
    int channels = 1;
    // Bits per sample of G.726 (2 to 5).
    int g726Bits = 4;
};

} // namespace codec

// Opens a file that says what it holds (WAV, MP3, Ogg Vorbis, WMA and whatever else FFmpeg
// reads). Decodes to 16 bits at the file's own rate; more than two channels mix to stereo.
std::unique_ptr<Decoder> openFfmpegDecoder(const QString& path, QString& error);

// Opens a headerless file with the parameters its format has now.
std::unique_ptr<Decoder> openHeaderlessDecoder(const QString& path, const codec::HeaderlessInput& input,
                                               QString& error);
