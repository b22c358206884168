#include "engine/dsp/StallGap.h"

#include <algorithm>
#include <utility>

namespace {

// A pause between two deliveries this long means the whole process stood still: what the
// server could not hold meanwhile is lost. Some sources deliver in two-second lumps, so
// this lies above that.
constexpr std::chrono::milliseconds kStall{3000};
// After a stall the server's backlog arrives at once; by then it is all here.
constexpr std::chrono::milliseconds kCatchUp{300};

} // namespace

void StallGap::reset(int rate) {
    m_rate = rate;
    m_gapAt.store(kNoGap);
    m_gapFrames.store(0);
    m_filled.store(0);
    m_delivered = false;
    m_usualShortfall = 0;
    m_measuringStall = false;
}

// While the process stands still the server keeps what it can and drops the rest; what it
// kept arrives at once afterwards, then the sound of now. The sound received is measured
// against the clock at every delivery; its usual shortfall (sources that deliver in lumps
// run ahead and behind) is the baseline. Once a stall's backlog is in, what is missing
// beyond that baseline belongs between the backlog and the sound of now.
void StallGap::noteDelivery(std::chrono::steady_clock::duration now, std::uint64_t frames) {
    using Seconds = std::chrono::duration<double>;
    const auto last = std::exchange(m_lastDelivery, now);
    if (!std::exchange(m_delivered, true)) {
        m_firstDelivery = now;
        return;
    }
    // Frames missing at the end of the previous delivery, filled silence counted as sound.
    const double shortfall = Seconds(last - m_firstDelivery).count() * m_rate -
                             static_cast<double>(frames + static_cast<std::uint64_t>(m_filled.load()));
    if (m_measuringStall) {
        if (now - m_resumedAt < kCatchUp)
            return;
        m_measuringStall = false;
        const double missing = shortfall - m_usualShortfall;
        const double received = static_cast<double>(frames - m_framesAtStall);
        const double backlog = received - Seconds(last - m_resumedAt).count() * m_rate;
        if (missing < 0.2 * m_rate) {
            m_gapAt.store(kNoGap, std::memory_order_release);
            return;
        }
        // The position moves first, so the reader never fills at the old one.
        m_gapAt.store(m_framesAtStall + static_cast<std::uint64_t>(std::clamp(backlog, 0.0, received)),
                      std::memory_order_release);
        m_gapFrames.store(static_cast<std::int64_t>(missing), std::memory_order_release);
        return;
    }
    if (now - last < kStall || m_gapAt.load(std::memory_order_acquire) != kNoGap) {
        m_usualShortfall = std::max(m_usualShortfall, shortfall);
        return;
    }
    m_measuringStall = true;
    m_resumedAt = now;
    m_framesAtStall = frames;
    m_gapFrames.store(kMeasuring, std::memory_order_relaxed);
    m_gapAt.store(frames, std::memory_order_release);
}

std::int64_t StallGap::takeGap() {
    const std::int64_t frames = m_gapFrames.load(std::memory_order_relaxed);
    m_filled.fetch_add(frames, std::memory_order_relaxed);
    m_gapAt.store(kNoGap, std::memory_order_release);
    return frames;
}
