#pragma once

#include "engine/codec/Encoder.h"
#include "engine/codec/FileFormats.h"

#include <memory>

// A headerless mono G.726 stream, codes packed from the low bits of each byte up.
std::unique_ptr<Encoder> openG726Encoder(const QString& path, const codec::G726Format& format,
                                         EncoderError& error);
