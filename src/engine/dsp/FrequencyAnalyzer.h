#pragma once

#include "engine/dsp/SampleBlock.h"

#include <memory>
#include <vector>

// Level that stands for silence.
constexpr float kSpectrumFloorDb = -120;

// Levels of log-spaced frequency bands of a mono block, for the spectrum display.
struct Spectrum {
    // dBFS of the strongest component in each band, lowest band first.
    std::vector<float> bandDb;
    // Edges of the bands: bandDb.size() + 1 values from the lowest frequency to Nyquist.
    std::vector<float> edgeHz;
    float peakHz = 0;
    float peakDb = kSpectrumFloorDb;
};

class FrequencyAnalyzer {
public:
    static constexpr int kMaxSamples = 4096;

    explicit FrequencyAnalyzer(int bands = 32, float lowestHz = 40);
    ~FrequencyAnalyzer();
    FrequencyAnalyzer(const FrequencyAnalyzer&) = delete;
    FrequencyAnalyzer& operator=(const FrequencyAnalyzer&) = delete;

    // Analyses the latest kMaxSamples of `mono` (Hann window, zero-padded to a power of
    // two). An empty block gives every band at the floor. The result is kept, storage and all,
    // until the next call: a display analyses many times a second without allocating.
    const Spectrum& analyze(const SampleBlock& mono, int sampleRate);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
