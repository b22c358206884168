#include "engine/dsp/LevelMeter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Falls are per second, so the meter moves alike at any measuring rate.
constexpr float kFallDbPerSecond = 24;
constexpr float kHoldFallDbPerSecond = 12;
constexpr qint64 kHoldMs = 1500;

float toDb(double ratio) {
    return std::max(LevelMeter::kFloorDb, static_cast<float>(20 * std::log10(std::max(ratio, 1e-9))));
}

} // namespace

void LevelMeter::measure(const SampleBlock& monoBlock, qint64 atMs) {
    const float seconds = std::clamp(static_cast<float>(atMs - m_lastMs) / 1000.0f, 0.0f, 1.0f);
    m_lastMs = atMs;
    if (monoBlock.empty()) {
        m_peakDb = m_rmsDb = m_holdDb = kFloorDb;
        return;
    }
    int peak = 0;
    double squares = 0;
    for (const std::int16_t s : monoBlock) {
        peak = std::max(peak, std::abs(int{s}));
        squares += static_cast<double>(s) * s;
    }
    const float peakDb = toDb(peak / 32768.0);
    const float rmsDb = toDb(std::sqrt(squares / static_cast<double>(monoBlock.size())) / 32768.0);
    m_peakDb = std::max(peakDb, m_peakDb - kFallDbPerSecond * seconds);
    m_rmsDb = std::max(rmsDb, m_rmsDb - kFallDbPerSecond * seconds);
    if (peakDb >= m_holdDb) {
        m_holdDb = peakDb;
        m_holdSinceMs = atMs;
    } else if (atMs - m_holdSinceMs > kHoldMs) {
        m_holdDb = std::max(m_peakDb, m_holdDb - kHoldFallDbPerSecond * seconds);
    }
}
