#include "engine/dsp/BandMeter.h"

#include <algorithm>
#include <cstddef>

namespace {

// Falls are per second, so the display moves alike at any update rate.
constexpr float kBarFallDbPerSecond = 45;
constexpr float kCapFallDbPerSecond = 15;

} // namespace

BandMeter::BandMeter() {
    clear();
}

void BandMeter::setFormat(int sampleRate, int channels) {
    const int rate = sampleRate > 0 ? sampleRate : 44100;
    const int count = channels == 1 ? 1 : 2;
    if (rate == m_sampleRate && count == m_channels)
        return;
    m_sampleRate = rate;
    m_channels = count;
    clear();
}

void BandMeter::clear() {
    // An empty analysis gives the band edges for the current rate with every band at the floor.
    m_spectrum = m_analyzer.analyze({}, m_sampleRate);
    m_capDb.assign(m_spectrum.bandDb.size(), kSpectrumFloorDb);
    m_peakHz = 0;
}

void BandMeter::measure(const SampleBlock& block, qint64 atMs) {
    // A gap longer than a second (a paused display) drops no further than one second would.
    const float seconds = std::clamp(static_cast<float>(atMs - m_lastMs) / 1000.0f, 0.0f, 1.0f);
    m_lastMs = atMs;
    if (block.empty()) {
        clear();
        return;
    }
    if (m_channels == 2)
        m_mixer.mixInto(block, m_mono);
    const Spectrum& fresh = m_analyzer.analyze(m_channels == 2 ? m_mono : block, m_sampleRate);
    for (std::size_t i = 0; i < fresh.bandDb.size(); ++i) {
        float& bar = m_spectrum.bandDb[i];
        bar = std::max(fresh.bandDb[i], bar - kBarFallDbPerSecond * seconds);
        m_capDb[i] = std::max(bar, m_capDb[i] - kCapFallDbPerSecond * seconds);
    }
    m_spectrum.edgeHz = fresh.edgeHz;
    m_peakHz = fresh.peakDb > kFloorDb ? fresh.peakHz : 0;
}
