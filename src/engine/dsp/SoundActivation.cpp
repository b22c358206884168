#include "engine/dsp/SoundActivation.h"

#include "engine/dsp/SampleLevel.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kOnsetSeconds = 0.05;
constexpr double kWindowSeconds = 0.01;
// Events alternate and each lasts at least the shortest hold (0.5 s) plus the onset, so this
// many hold every event of a 15 s block.
constexpr std::size_t kEventsReserved = 64;

std::uint64_t framesOf(double seconds, int rate) {
    return static_cast<std::uint64_t>(std::llround(std::max(0.0, seconds) * rate));
}

} // namespace

SoundActivation::SoundActivation(int rate, int channels, const Parameters& parameters)
    : m_channels(std::max(1, channels))
    , m_level(magnitudeAtDbfs(parameters.thresholdDb))
    , m_onsetFrames(std::max<std::uint64_t>(1, framesOf(kOnsetSeconds, rate)))
    , m_gapFrames(std::max<std::uint64_t>(1, framesOf(kWindowSeconds, rate)))
    , m_holdFrames(framesOf(parameters.holdSeconds, rate))
    , m_prerollFrames(framesOf(parameters.prerollSeconds, rate)) {
    m_events.reserve(kEventsReserved);
}

void SoundActivation::reset() {
    m_frame = 0;
    m_sounding = false;
    m_inEvent = false;
    m_previousEnd = 0;
    m_events.clear();
}

const std::vector<SoundActivation::Event>& SoundActivation::feed(const SampleBlock& block) {
    m_events.clear();
    const std::size_t frames = block.size() / static_cast<std::size_t>(m_channels);
    const std::int16_t* sample = block.data();
    for (std::size_t i = 0; i < frames; ++i, ++m_frame) {
        int peak = 0;
        for (int c = 0; c < m_channels; ++c, ++sample)
            peak = std::max(peak, std::abs(int{*sample}));
        if (peak >= m_level) {
            if (!m_sounding || m_frame - m_lastLoud > m_gapFrames)
                m_soundSince = m_frame;
            m_sounding = true;
            m_lastLoud = m_frame;
            if (!m_inEvent && m_frame + 1 - m_soundSince >= m_onsetFrames) {
                m_inEvent = true;
                const std::uint64_t earliest = m_soundSince - std::min(m_soundSince, m_prerollFrames);
                m_events.push_back({Event::Started, std::max(earliest, m_previousEnd)});
            }
        } else if (m_inEvent && m_frame == m_lastLoud + 1 + m_holdFrames) {
            m_inEvent = false;
            m_previousEnd = m_frame;
            m_events.push_back({Event::Ended, m_frame});
        }
    }
    return m_events;
}
