#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

// Finds the span a sound server dropped while this process stood still (stopped,
// suspended, swapped out), so that silence of its length takes its place and a recording
// keeps its length. The delivery thread reports each delivery; the reading thread holds at
// gapAt() while a stall is measured and takes the gap once it is. Neither blocks nor
// allocates.
class StallGap {
public:
    static constexpr std::uint64_t kNoGap = UINT64_MAX;

    // Before a stream starts.
    void reset(int rate);
    // Delivery thread, before each delivery: `now` on a steady clock, and the frames
    // received so far.
    void noteDelivery(std::chrono::steady_clock::duration now, std::uint64_t framesReceived);

    // Reading thread: the frame where a gap belongs, kNoGap when none is pending.
    std::uint64_t gapAt() const { return m_gapAt.load(std::memory_order_acquire); }
    // Whether the gap at gapAt() is still being measured.
    bool measuring() const { return m_gapFrames.load(std::memory_order_acquire) == kMeasuring; }
    // The measured gap's length in frames, from now on counted as filled.
    std::int64_t takeGap();
    // Forgets the gap being measured: the stream ended meanwhile.
    void abandon() { m_gapAt.store(kNoGap, std::memory_order_release); }
    // Frames of silence taken in place of dropped spans since reset.
    std::int64_t filledFrames() const { return m_filled.load(std::memory_order_acquire); }

private:
    static constexpr std::int64_t kMeasuring = -1;

    int m_rate = 1;
    std::atomic<std::uint64_t> m_gapAt{kNoGap};
    std::atomic<std::int64_t> m_gapFrames{0};
    std::atomic<std::int64_t> m_filled{0};
    // Delivery thread only.
    bool m_delivered = false;
    std::chrono::steady_clock::duration m_lastDelivery{};
    std::chrono::steady_clock::duration m_firstDelivery{};
    double m_usualShortfall = 0;
    bool m_measuringStall = false;
    std::chrono::steady_clock::duration m_resumedAt{};
    std::uint64_t m_framesAtStall = 0;
};
