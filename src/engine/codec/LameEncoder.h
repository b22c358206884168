#pragma once

#include "engine/codec/AudioTags.h"
#include "engine/codec/Encoder.h"
#include "engine/codec/FileFormats.h"

#include <memory>

// MP3 through LAME. Every block's frames reach the file as they are encoded, so a killed
// recording keeps all but the encoder's last fraction of a second.
std::unique_ptr<Encoder> openMp3Encoder(const QString& path, const codec::Mp3Format& format,
                                        const codec::AudioTags& tags, EncoderError& error);
