#pragma once

#include "engine/dsp/SampleBlock.h"

#include <cstddef>
#include <cstdint>

// The last seconds of captured interleaved 16-bit frames, kept while nothing records, so that a
// recording can begin with what came before it. Its memory is taken once by configure();
// keeping a block allocates nothing.
class PreRecordRing {
public:
    static constexpr int kMaxSeconds = 300;

    // Keeps the last `seconds` (0 = off, at most kMaxSeconds) of frames at `rate` and
    // `channels`. Any change empties the ring; the same values again keep what it holds.
    void configure(int seconds, int rate, int channels);
    // Forgets what is held; frame positions start again at 0.
    void clear();
    // Keeps `block`'s whole frames, dropping the oldest held beyond capacity.
    void keep(const SampleBlock& block);
    // Everything held from frame position `fromFrame` on (positions count every frame kept
    // since the last clear), in order, as one block; the ring is empty afterwards.
    SampleBlock take(std::uint64_t fromFrame = 0);

    bool enabled() const { return !m_ring.empty(); }
    std::size_t heldFrames() const { return m_held / static_cast<std::size_t>(m_channels); }
    std::uint64_t framesKept() const { return m_written / static_cast<std::uint64_t>(m_channels); }
    // The ring's memory in bytes.
    std::size_t bytes() const { return m_ring.size() * sizeof(std::int16_t); }

private:
    int m_seconds = 0;
    int m_rate = 0;
    int m_channels = 1;
    SampleBlock m_ring;
    // Samples written since the last clear, and how many of the newest of them are held.
    std::uint64_t m_written = 0;
    std::size_t m_held = 0;
};
