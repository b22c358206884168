#pragma once

#include "engine/dsp/FrequencyAnalyzer.h"
#include "engine/dsp/MonoMixer.h"
#include "engine/dsp/SampleBlock.h"

#include <QtGlobal>
#include <vector>

// Band levels of a block with display ballistics: bars rise at once and fall at a fixed rate
// per second, and each band's cap holds the highest bar and falls slower still.
class BandMeter {
public:
    // Lowest level the display shows; a strongest component below it names no frequency.
    static constexpr float kFloorDb = -90;

    BandMeter();

    // Format of the blocks handed to measure; stereo is folded to mono. A new format clears the meter.
    void setFormat(int sampleRate, int channels);
    int sampleRate() const { return m_sampleRate; }
    int channels() const { return m_channels; }

    // Takes the spectrum of the latest values of `block`, `atMs` on a steady clock; an empty
    // block clears the meter.
    void measure(const SampleBlock& block, qint64 atMs);

    // dBFS per band, lowest band first; kSpectrumFloorDb when clear.
    const std::vector<float>& barDb() const { return m_spectrum.bandDb; }
    const std::vector<float>& capDb() const { return m_capDb; }
    // Band edges: one more value than bands, from the lowest frequency to Nyquist.
    const std::vector<float>& edgeHz() const { return m_spectrum.edgeHz; }
    // The frequency of the strongest component last measured, 0 when clear or quiet.
    float peakHz() const { return m_peakHz; }

private:
    void clear();

    FrequencyAnalyzer m_analyzer;
    MonoMixer m_mixer;
    SampleBlock m_mono;
    int m_sampleRate = 44100;
    int m_channels = 2;
    Spectrum m_spectrum;
    std::vector<float> m_capDb;
    float m_peakHz = 0;
    qint64 m_lastMs = 0;
};
