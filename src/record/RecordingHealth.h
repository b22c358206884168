#pragma once

#include "engine/dsp/SampleBlock.h"

#include <QString>
#include <chrono>
#include <cstdint>

// What a long recording's status shows of its health, from the blocks it writes and a steady
// clock passed in: clipped peaks and a silence alarm.
class RecordingHealth {
public:
    // At a recording's start. `silenceAlarmSeconds` 0 switches the alarm off.
    void reset(int channels, int silenceAlarmSeconds, std::chrono::steady_clock::duration now);
    // Takes a written block at `now`; true when the silence alarm rises with it, which
    // happens once per silent stretch: sound re-arms it.
    bool note(const SampleBlock& block, std::chrono::steady_clock::duration now);

    // Peaks at full scale since the start. A run of frames with a sample at +32767 or
    // -32768 on any channel is one peak: a clipped wave crest, however long it stays flat.
    std::int64_t clippedPeaks() const { return m_clippedPeaks; }
    bool silenceAlarmRaised() const { return m_alarmRaised; }

private:
    int m_channels = 1;
    std::chrono::steady_clock::duration m_alarmAfter{};
    std::chrono::steady_clock::duration m_lastSound{};
    bool m_alarmRaised = false;
    bool m_inClip = false;
    std::int64_t m_clippedPeaks = 0;
};

// The time a disk of `freeBytes` lasts at `bytesPerSecond`, short, rounded down: "2 h 14 min
// left", "14 min left", "under 1 min left"; empty when the rate is not known (0 or less).
QString diskTimeLeftText(std::int64_t freeBytes, double bytesPerSecond);
