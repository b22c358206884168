#pragma once

#include "engine/codec/AudioTags.h"
#include "engine/dsp/SampleBlock.h"

#include <QString>
#include <cstdint>

// One file open for decoding into 16-bit interleaved samples. AudioFileReader owns exactly
// one while a file is open for reading; each kind of source lives behind this interface.
class Decoder {
public:
    virtual ~Decoder() = default;
    virtual int sampleRate() const = 0;
    virtual int channels() const = 0;
    // Frames in the file; 0 when unknown or empty.
    virtual std::int64_t length() const = 0;
    // Appends up to `values` interleaved values (whole frames) to `out`; appends nothing
    // at the end of the data or on an error, which errorText() then names.
    virtual void read(int values, SampleBlock& out) = 0;
    // Moves to frame `frame`; returns the new position, or -1 when it cannot.
    virtual std::int64_t seek(std::int64_t frame) = 0;
    // Empty unless decoding failed.
    virtual QString errorText() const = 0;
    // Readable format of the file, for the status bar.
    virtual QString description() const = 0;
    // The descriptive tags the file carries; none for headerless files.
    virtual codec::AudioTags tags() const { return {}; }
};
