#include "recordings/PlaybackController.h"

#include "base/TimeText.h"
#include "engine/codec/AudioFileCodec.h"
#include "engine/pulse/AudioPlayer.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace {

// Block sizes asked of the player: the first fills its start, the rest follow smaller.
constexpr int kFirstBlockMs = 1000;
constexpr int kBlockMs = 200;
// The player's tick while the displays are watched, and while they are not.
constexpr int kWatchedTickMs = 40;
constexpr int kUnwatchedTickMs = 250;

} // namespace

PlaybackController::PlaybackController(AudioFileCodec& file, AudioPlayer& player,
                                       std::function<bool()> recording, QObject* parent)
    : QObject(parent)
    , m_file(file)
    , m_player(player)
    , m_recording(std::move(recording)) {
    m_player.SetTimerInterval(kUnwatchedTickMs);
    connect(&m_player, &AudioPlayer::RequestOnLoadArray, this, &PlaybackController::feed);
    connect(&m_player, &AudioPlayer::EndArrayPlay, this, &PlaybackController::feed);
    connect(&m_player, &AudioPlayer::EndPlay, this, &PlaybackController::stop);
    connect(&m_player, &AudioPlayer::Timer, this, &PlaybackController::onTimer);
}

void PlaybackController::setDisplayDemand(int spectrumFrames, int levelValues) {
    m_spectrumFrames = spectrumFrames;
    m_levelValues = levelValues;
    m_player.SetTimerInterval(spectrumFrames > 0 ? kWatchedTickMs : kUnwatchedTickMs);
}

void PlaybackController::play(const QString& path) {
    if (m_recording())
        return;
    if (m_playing)
        stop();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    m_file.Open(path, 0, 1);
    if (m_file.Status() < 0)
        return;
    m_base = 0;
    m_total = m_file.Length();
    if (m_total <= 0) {
        m_file.Close();
        return;
    }
    m_rate = m_file.SampleRate();
    m_channels = m_file.Channels();
    Q_EMIT started(path, m_file.FormatDescription(), m_rate, m_channels);
    m_player.SetPlayFormat(m_rate, m_channels);
    m_blockFrames = m_player.BlockSizeFor(kFirstBlockMs);
    m_player.Start();
    if (m_player.Status() < 0) {
        m_file.Close();
        return;
    }
    m_playing = true;
    m_stopped = false;
    m_paused = false;
    m_blockFrames = m_player.BlockSizeFor(kBlockMs);
    feed();
}

void PlaybackController::feed() {
    if (m_stopped)
        return;
    const SampleBlock block = m_file.Read(m_blockFrames * m_channels);
    // At the end nothing is queued: the player runs out and reports the end.
    if (block.size() > 1)
        m_player.Queue(block);
}

void PlaybackController::stop() {
    if (m_recording() || m_stopped)
        return;
    m_stopped = true;
    m_player.Stop();
    m_file.Close();
    m_playing = false;
    m_paused = false;
    Q_EMIT sliderChanged(0);
    Q_EMIT stopped();
}

void PlaybackController::pauseOrResume() {
    if (m_stopped || m_recording())
        return;
    if (!m_paused) {
        m_paused = true;
        m_base += m_player.PlayedSamples();
        m_player.Stop();
        return;
    }
    m_paused = false;
    m_player.Start();
    m_file.Seek(m_base, 3);
    feed();
}

void PlaybackController::beginSeek() {
    m_dragging = true;
}

void PlaybackController::endSeek(int value) {
    m_dragging = false;
    if (m_stopped || m_recording())
        return;
    const double f = std::clamp(value, 0, kSliderRange) / static_cast<double>(kSliderRange);
    const qint64 target = std::llround(static_cast<double>(m_total) * f);
    const qint64 landed = m_file.Seek(target, 3);
    m_base = landed >= 0 ? landed : m_base;
    onTimer(0);
    // A paused playback stays paused at the new place; Resume plays from there.
    if (m_paused)
        return;
    m_player.Stop();
    m_player.Start();
    feed();
}

void PlaybackController::onTimer(qint64 currentSamples) {
    if (m_stopped)
        return;
    const qint64 p = m_base + (m_paused ? 0 : currentSamples);
    Q_EMIT positionChanged(elapsedText(m_rate > 0 ? p * 1000 / m_rate : 0));
    if (!m_dragging) {
        const double ratio = std::min(1.0, static_cast<double>(p) / static_cast<double>(m_total));
        Q_EMIT sliderChanged(static_cast<int>(std::lround(ratio * kSliderRange)));
    }
    if (m_paused || currentSamples == 0 || m_spectrumFrames <= 0)
        return;
    // Near the end of the file the displays rest.
    if (m_total < p + m_spectrumFrames)
        return;
    Q_EMIT spectrumReady(m_player.RecentSamples(m_spectrumFrames * m_channels), m_rate, m_channels);
    if (m_total < p + m_levelValues)
        return;
    Q_EMIT levelReady(m_player.RecentSamples(m_levelValues), m_channels);
}
