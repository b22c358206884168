#pragma once

#include "engine/codec/AudioTags.h"
#include "engine/codec/Encoder.h"
#include "engine/codec/FileFormats.h"

#include <memory>

// Ogg Vorbis through libvorbisenc: a quality level, or a bit rate managed between limits
// (held at the nominal rate when there are none). Pages are flushed at every block, so a
// killed recording keeps all but the encoder's last fraction of a second.
std::unique_ptr<Encoder> openOggEncoder(const QString& path, const codec::OggFormat& format,
                                        const codec::AudioTags& tags, EncoderError& error);
