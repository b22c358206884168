#pragma once

#include "engine/codec/Encoder.h"
#include "engine/codec/FileFormats.h"

#include <memory>

// PCM WAV (16-bit, or 8-bit unsigned) with the plain 16-byte fmt chunk of format tag 1,
// which simple readers demand. A JUNK chunk holds the room for a ds64 chunk, so a file that
// grows past 4 GiB turns into RF64 in place. The header is rewritten after every block.
std::unique_ptr<Encoder> openPcmWavEncoder(const QString& path, const codec::WavFormat& format,
                                           EncoderError& error);
