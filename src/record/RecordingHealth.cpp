#include "record/RecordingHealth.h"

#include "engine/dsp/SampleLevel.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>

namespace {

// Sound means a sample at or above -60 dBFS.
const int kSilenceLevel = magnitudeAtDbfs(-60);

} // namespace

void RecordingHealth::reset(int channels, int silenceAlarmSeconds, std::chrono::steady_clock::duration now) {
    m_channels = std::max(1, channels);
    m_alarmAfter = std::chrono::seconds(std::max(0, silenceAlarmSeconds));
    m_lastSound = now;
    m_alarmRaised = false;
    m_inClip = false;
    m_clippedPeaks = 0;
}

bool RecordingHealth::note(const SampleBlock& block, std::chrono::steady_clock::duration now) {
    bool sound = false;
    const auto channels = static_cast<std::size_t>(m_channels);
    for (std::size_t frame = 0; frame + channels <= block.size(); frame += channels) {
        bool clipped = false;
        for (std::size_t i = frame; i < frame + channels; ++i) {
            const int s = block[i];
            clipped = clipped || s == 32767 || s == -32768;
            sound = sound || std::abs(s) >= kSilenceLevel;
        }
        if (clipped && !m_inClip)
            ++m_clippedPeaks;
        m_inClip = clipped;
    }
    if (sound) {
        m_lastSound = now;
        m_alarmRaised = false;
        return false;
    }
    if (m_alarmAfter.count() == 0 || m_alarmRaised || now - m_lastSound < m_alarmAfter)
        return false;
    m_alarmRaised = true;
    return true;
}

QString diskTimeLeftText(std::int64_t freeBytes, double bytesPerSecond) {
    if (!(bytesPerSecond > 0))
        return {};
    const double minutes = static_cast<double>(std::max<std::int64_t>(freeBytes, 0)) / bytesPerSecond / 60;
    if (minutes < 1)
        return QCoreApplication::translate("RecordingHealth", "under 1 min left");
    // Capped far beyond any disk, so that the count fits.
    const auto whole = static_cast<std::int64_t>(std::min(minutes, 1e12));
    if (whole < 60)
        return QCoreApplication::translate("RecordingHealth", "%1 min left").arg(whole);
    return QCoreApplication::translate("RecordingHealth", "%1 h %2 min left").arg(whole / 60).arg(whole % 60);
}
