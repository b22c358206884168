#pragma once

#include "engine/dsp/SampleBlock.h"

// Folds interleaved stereo into mono for the displays.
class MonoMixer {
public:
    // Each left/right pair becomes its average; a trailing odd value is dropped.
    SampleBlock monoFromStereo(const SampleBlock& stereo) const;
    // The same into `mono`, reusing its storage.
    void mixInto(const SampleBlock& stereo, SampleBlock& mono) const;
};
