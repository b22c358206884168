#include "engine/dsp/PreRecordRing.h"

#include "engine/dsp/SampleRing.h"

#include <algorithm>

void PreRecordRing::configure(int seconds, int rate, int channels) {
    seconds = std::clamp(seconds, 0, kMaxSeconds);
    rate = std::max(rate, 0);
    channels = std::max(channels, 1);
    if (seconds == m_seconds && rate == m_rate && channels == m_channels)
        return;
    m_seconds = seconds;
    m_rate = rate;
    m_channels = channels;
    // A fresh vector, so that the memory held is exactly the ring.
    m_ring = SampleBlock(static_cast<std::size_t>(seconds) * static_cast<std::size_t>(rate) *
                         static_cast<std::size_t>(channels));
    clear();
}

void PreRecordRing::clear() {
    m_written = 0;
    m_held = 0;
}

void PreRecordRing::keep(const SampleBlock& block) {
    if (m_ring.empty())
        return;
    const std::size_t whole = block.size() - block.size() % static_cast<std::size_t>(m_channels);
    const std::size_t n = std::min(whole, m_ring.size());
    // Frames that would be overwritten within this block are skipped, not written twice.
    m_written += whole - n;
    samplering::write(m_ring, m_written, block.data() + (whole - n), n);
    m_written += n;
    m_held = std::min(m_ring.size(), m_held + whole);
}

SampleBlock PreRecordRing::take(std::uint64_t fromFrame) {
    const std::uint64_t oldest = m_written - m_held;
    const std::uint64_t from =
        std::clamp(fromFrame * static_cast<std::uint64_t>(m_channels), oldest, m_written);
    SampleBlock out(static_cast<std::size_t>(m_written - from));
    if (!out.empty())
        samplering::read(m_ring, from, out.size(), out.data());
    m_held = 0;
    return out;
}
