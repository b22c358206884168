#pragma once

#include "record/audio/codec/Encoder.h"
#include "record/audio/codec/FileFormats.h"

#include <memory>

// Formats written through libsndfile.
std::unique_ptr<Encoder> openWavEncoder(const QString& path, const codec::WavFormat& format,
                                        EncoderError& error);
