#pragma once

#include "engine/dsp/SampleBlock.h"

// Folds interleaved stereo into mono for the displays.
class MonoMixer {
public:
    // Each left/right pair of `stereo` becomes its average in `mono`, reusing its storage; a
    // trailing odd value is dropped.
    void mixInto(const SampleBlock& stereo, SampleBlock& mono) const;
};
