#pragma once

#include "engine/dsp/SampleBlock.h"

#include <QString>
#include <memory>

// Converts interleaved 16-bit blocks from one rate and channel count to another, so that
// a writer can take blocks in a format other than its file's.
class Resampler {
public:
    virtual ~Resampler() = default;
    virtual SampleBlock convert(const SampleBlock& in) = 0;
    // What is still held back at the end of the input.
    virtual SampleBlock flush() = 0;
};

// Null (with `error` set) when the libraries cannot convert between the two.
std::unique_ptr<Resampler> makeResampler(int inRate, int inChannels, int outRate, int outChannels,
                                         QString& error);
