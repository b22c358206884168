#pragma once

#include "engine/codec/AudioTags.h"
#include "engine/codec/Encoder.h"
#include "engine/codec/FileFormats.h"

#include <memory>

// WMA (version 2) in an ASF file through FFmpeg. Each block's packets reach the file as
// they are encoded; the header gets its length at close.
std::unique_ptr<Encoder> openWmaEncoder(const QString& path, const codec::WmaFormat& format,
                                        const codec::AudioTags& tags, EncoderError& error);
