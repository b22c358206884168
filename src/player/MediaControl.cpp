#include "player/MediaControl.h"

#include "engine/codec/AudioFileReader.h"
#include "engine/playback/FilePlayback.h"
#include "engine/pulse/AudioPlayer.h"

#include <algorithm>
#include <cmath>

namespace {

double gainOf(int hundredthsDb) {
    return hundredthsDb <= MediaControl::kMinVolume ? 0.0 : std::pow(10.0, hundredthsDb / 2000.0);
}

} // namespace

MediaControl::MediaControl(QObject* parent)
    : QObject(parent)
    , m_reader(std::make_unique<AudioFileReader>())
    , m_player(std::make_unique<AudioPlayer>())
    , m_playback(new FilePlayback(*m_reader, *m_player, {}, this)) {
    connect(m_playback, &FilePlayback::stopped, this, &MediaControl::onPlaybackStopped);
}

MediaControl::~MediaControl() {
    m_commanding = true;
    m_playback->stop();
}

MediaControl::Open MediaControl::setFileName(const QString& path) {
    m_commanding = true;
    m_playback->stop();
    m_commanding = false;
    m_fileName = path;
    m_duration = 0;
    m_rate = 0;
    m_error.clear();
    setState(State::Closed);
    return start(0);
}

MediaControl::Open MediaControl::start(qint64 from) {
    m_commanding = true;
    const FilePlayback::Start result = m_playback->play(m_fileName, from);
    m_commanding = false;
    m_startFrame = 0;
    switch (result) {
    case FilePlayback::Start::Playing:
        m_rate = m_playback->sampleRate();
        m_duration = m_rate > 0 ? static_cast<double>(m_playback->length()) / m_rate : 0;
        applyVolume();
        setState(State::Playing);
        return Open::Playing;
    case FilePlayback::Start::OutputFailed:
        m_error = m_player->errorText();
        break;
    default:
        m_error = m_reader->errorText().isEmpty() ? tr("%1 cannot be found or read.").arg(m_fileName)
                                                  : m_reader->errorText();
        break;
    }
    if (m_state != State::Stopped)
        setState(State::Closed);
    return result == FilePlayback::Start::OutputFailed ? Open::OutputFailed : Open::Unreadable;
}

double MediaControl::currentPosition() const {
    if (m_state == State::Closed || m_rate <= 0)
        return -1;
    if (m_state == State::Stopped)
        return static_cast<double>(m_startFrame) / m_rate;
    return static_cast<double>(m_playback->position()) / m_rate;
}

void MediaControl::setCurrentPosition(double seconds) {
    if (m_state == State::Closed || m_rate <= 0)
        return;
    const qint64 frame =
        std::llround(std::clamp(seconds, 0.0, std::max(m_duration, 0.0)) * static_cast<double>(m_rate));
    if (m_state == State::Stopped)
        m_startFrame = frame;
    else
        m_playback->seekTo(frame);
    Q_EMIT positionMoved();
}

void MediaControl::setVolume(int hundredthsDb) {
    m_volume = std::clamp(hundredthsDb, kMinVolume, 0);
    applyVolume();
}

void MediaControl::setBalance(int value) {
    m_balance = std::clamp(value, -kBalanceRange, kBalanceRange);
    applyVolume();
}

void MediaControl::applyVolume() {
    const double gain = gainOf(m_volume);
    const double left = m_balance > 0 ? gain * gainOf(-m_balance) : gain;
    const double right = m_balance < 0 ? gain * gainOf(m_balance) : gain;
    m_player->setVolume(left, right);
}

void MediaControl::play() {
    if (m_state == State::Paused) {
        m_playback->pauseOrResume();
        setState(State::Playing);
    } else if (m_state == State::Stopped) {
        start(m_startFrame);
    }
}

void MediaControl::pause() {
    if (m_state != State::Playing)
        return;
    m_playback->pauseOrResume();
    setState(State::Paused);
}

void MediaControl::stop() {
    if (m_state == State::Playing || m_state == State::Paused) {
        m_commanding = true;
        m_playback->stop();
        m_commanding = false;
        setState(State::Stopped);
    }
    m_startFrame = 0;
}

void MediaControl::onPlaybackStopped() {
    if (m_commanding)
        return;
    m_startFrame = 0;
    setState(State::Stopped);
    if (m_player->status() < 0)
        Q_EMIT outputFailed(m_player->errorText());
    else
        Q_EMIT endOfStream();
}

void MediaControl::setState(State state) {
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}
