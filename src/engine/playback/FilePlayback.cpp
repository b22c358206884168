#include "engine/playback/FilePlayback.h"

#include "base/TimeText.h"
#include "engine/codec/AudioFileReader.h"
#include "engine/codec/CdAudio.h"
#include "engine/pulse/AudioPlayer.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace {

// Block sizes given to the player: the first of each start covers the player's slowest
// tick, so that the sound runs on until the player asks for more; the rest follow smaller.
constexpr int kFirstBlockMs = 1000;
constexpr int kBlockMs = 200;
// The player's tick while the displays are watched, and while they are not.
constexpr int kWatchedTickMs = 40;
constexpr int kUnwatchedTickMs = 250;

} // namespace

FilePlayback::FilePlayback(AudioFileReader& file, AudioPlayer& player, std::function<bool()> busy,
                           QObject* parent)
    : QObject(parent)
    , m_file(file)
    , m_player(player)
    , m_busy(busy ? std::move(busy) : [] { return false; }) {
    m_player.setTimerInterval(kUnwatchedTickMs);
    connect(&m_player, &AudioPlayer::moreWanted, this, &FilePlayback::feed);
    connect(&m_player, &AudioPlayer::finished, this, &FilePlayback::stop);
    connect(&m_player, &AudioPlayer::tick, this, &FilePlayback::onTimer);
}

void FilePlayback::setDisplayDemand(int spectrumFrames, int levelValues) {
    m_spectrumFrames = spectrumFrames;
    m_levelValues = levelValues;
    m_player.setTimerInterval(spectrumFrames > 0 ? kWatchedTickMs : kUnwatchedTickMs);
}

FilePlayback::Start FilePlayback::play(const QString& path, qint64 from) {
    if (m_busy())
        return Start::Busy;
    if (m_playing)
        stop();
    if (path.isEmpty() || (!cdaudio::isLocator(path) && !QFileInfo(path).isFile()))
        return Start::Unreadable;
    m_file.open(path);
    if (m_file.status() < 0)
        return Start::Unreadable;
    m_base = 0;
    m_total = m_file.length();
    if (m_total <= 0) {
        m_file.close();
        return Start::Unreadable;
    }
    if (from > 0) {
        const qint64 landed = m_file.seek(std::min(from, m_total));
        m_base = std::max<qint64>(landed, 0);
    }
    m_rate = m_file.sampleRate();
    m_channels = m_file.channels();
    Q_EMIT started(path, m_file.formatDescription(), m_rate, m_channels);
    m_player.setPlayFormat(m_rate, m_channels);
    m_player.start();
    if (m_player.status() < 0) {
        m_player.stop();
        m_file.close();
        return Start::OutputFailed;
    }
    m_playing = true;
    m_stopped = false;
    m_paused = false;
    feedStart();
    return Start::Playing;
}

qint64 FilePlayback::position() const {
    if (m_stopped)
        return 0;
    return m_base + (m_paused ? 0 : m_player.playedFrames());
}

void FilePlayback::feed() {
    feedFrames(m_player.blockSizeFor(kBlockMs));
}

void FilePlayback::feedStart() {
    feedFrames(m_player.blockSizeFor(kFirstBlockMs));
}

void FilePlayback::feedFrames(int frames) {
    if (m_stopped)
        return;
    const SampleBlock block = m_file.read(frames * m_channels);
    // At the end nothing is queued: the player runs out and reports the end.
    if (block.size() > 1)
        m_player.queue(block);
}

void FilePlayback::stop() {
    if (m_busy() || m_stopped)
        return;
    m_stopped = true;
    m_player.stop();
    m_file.close();
    m_playing = false;
    m_paused = false;
    Q_EMIT sliderChanged(0);
    Q_EMIT stopped();
}

void FilePlayback::pauseOrResume() {
    if (m_stopped || m_busy())
        return;
    if (!m_paused) {
        m_paused = true;
        m_base += m_player.playedFrames();
        m_player.stop();
        return;
    }
    m_paused = false;
    m_player.start();
    m_file.seek(m_base);
    feedStart();
}

void FilePlayback::beginSeek() {
    m_dragging = true;
}

void FilePlayback::endSeek(int value) {
    m_dragging = false;
    if (m_stopped || m_busy())
        return;
    const double f = std::clamp(value, 0, kSliderRange) / static_cast<double>(kSliderRange);
    seekTo(std::llround(static_cast<double>(m_total) * f));
}

void FilePlayback::seekTo(qint64 frame) {
    if (m_stopped || m_busy())
        return;
    const qint64 landed = m_file.seek(std::clamp<qint64>(frame, 0, m_total));
    m_base = landed >= 0 ? landed : m_base;
    onTimer(0);
    // A paused playback stays paused at the new place; Resume plays from there.
    if (m_paused)
        return;
    m_player.stop();
    m_player.start();
    feedStart();
}

void FilePlayback::onTimer(qint64 currentSamples) {
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
    m_player.recentSamples(m_spectrumFrames * m_channels, m_recentSpectrum);
    Q_EMIT spectrumReady(m_recentSpectrum, m_rate, m_channels);
    if (m_total < p + m_levelValues)
        return;
    m_player.recentSamples(m_levelValues, m_recentLevel);
    Q_EMIT levelReady(m_recentLevel, m_channels);
}
