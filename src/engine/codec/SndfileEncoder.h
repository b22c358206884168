#pragma once

#include "engine/codec/Encoder.h"
#include "engine/codec/FileFormats.h"

#include <memory>

// Formats written through libsndfile. A WAV of PCM goes to openPcmWavEncoder instead.
std::unique_ptr<Encoder> openWavEncoder(const QString& path, const codec::WavFormat& format,
                                        EncoderError& error);
// Headerless mono OKI ADPCM.
std::unique_ptr<Encoder> openVoxEncoder(const QString& path, const codec::VoxFormat& format,
                                        EncoderError& error);
// Headerless little-endian PCM, A-law or mu-law.
std::unique_ptr<Encoder> openRawEncoder(const QString& path, const codec::RawFormat& format,
                                        EncoderError& error);

// The format of an existing sound file as a WAV format we can write: its rate, its
// channels (more than two become stereo) and its codec, or 16-bit PCM when we cannot
// write that codec. refusal is set when the file cannot be read.
codec::WavFormat wavFormatLike(const QString& path);
