#pragma once

#include "engine/dsp/SampleBlock.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

// Decoded frames not yet read, numbered from the start of the file. After a seek the
// frames before its target are dropped as they arrive.
class DecodedFrames {
public:
    void setChannels(int channels) { m_channels = static_cast<std::size_t>(std::max(channels, 1)); }

    // Starts over: the next frame added is number `first` (-1: unknown until setFirst),
    // and frames before `target` are dropped.
    void restart(std::int64_t first, std::int64_t target) {
        m_values.clear();
        m_next = first;
        m_target = target;
    }
    bool firstKnown() const { return m_next >= 0; }
    void setFirst(std::int64_t first) { m_next = first; }
    std::int64_t target() const { return m_target; }

    // Space for `frames` more frames; fill it, then say with add() how many were written.
    std::int16_t* room(int frames) {
        m_filled = m_values.size();
        m_values.resize(m_filled + static_cast<std::size_t>(std::max(frames, 0)) * m_channels);
        return m_values.data() + m_filled;
    }
    // Keeps the `frames` frames written into room(); a negative count keeps none.
    void add(int frames) {
        const std::int64_t written = std::max(frames, 0);
        m_values.resize(m_filled + static_cast<std::size_t>(written) * m_channels);
        if (m_next < m_target) {
            const auto drop = static_cast<std::size_t>(std::min(m_target - m_next, written)) * m_channels;
            m_values.erase(m_values.begin() + static_cast<std::ptrdiff_t>(m_filled),
                           m_values.begin() + static_cast<std::ptrdiff_t>(m_filled + drop));
        }
        m_next += written;
    }

    std::size_t values() const { return m_values.size(); }
    // Number of the frame the next take() starts with.
    std::int64_t position() const { return m_next - static_cast<std::int64_t>(m_values.size() / m_channels); }
    // Moves up to `values` values to the end of `out`.
    void take(std::size_t values, SampleBlock& out) {
        const auto end = m_values.begin() + static_cast<std::ptrdiff_t>(std::min(values, m_values.size()));
        out.insert(out.end(), m_values.begin(), end);
        m_values.erase(m_values.begin(), end);
    }

private:
    SampleBlock m_values;
    std::size_t m_channels = 1;
    std::size_t m_filled = 0;
    std::int64_t m_next = 0;
    std::int64_t m_target = 0;
};
