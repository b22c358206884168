#include "tags/TagPreview.h"

#include "engine/codec/AudioFileReader.h"
#include "engine/playback/FilePlayback.h"
#include "engine/pulse/AudioPlayer.h"
#include "tags/Mp3Info.h"

#include <QFileInfo>

TagPreview::TagPreview(Box box, QObject* parent)
    : QObject(parent)
    , m_box(std::move(box))
    , m_file(std::make_unique<AudioFileReader>())
    , m_player(std::make_unique<AudioPlayer>())
    , m_playback(std::make_unique<FilePlayback>(*m_file, *m_player)) {
    m_player->setPlayFormat(44100, 2);
    m_player->start();
    m_ready = m_player->status() >= 0;
    const QString reason = m_player->errorText();
    m_player->stop();
    if (!m_ready && m_box)
        m_box(false, tr("The sound output cannot be opened, so previews are off: %1").arg(reason));
}

TagPreview::~TagPreview() {
    unload();
}

bool TagPreview::play(const QString& path) {
    unload();
    if (!m_ready)
        return false;
    // Only MPEG audio is previewed, whatever else the decoder could read.
    const FilePlayback::Start start = QFileInfo(path).isFile() && readMp3Info(path).valid
                                          ? m_playback->play(path)
                                          : FilePlayback::Start::Unreadable;
    if (start == FilePlayback::Start::Unreadable && m_box)
        m_box(true, tr("Could not recognize & play \"%1\".").arg(path));
    else if (start == FilePlayback::Start::OutputFailed && m_box)
        m_box(false, tr("The preview cannot be played: %1").arg(m_player->errorText()));
    return start == FilePlayback::Start::Playing;
}

void TagPreview::pauseOrResume() {
    m_playback->pauseOrResume();
}

void TagPreview::unload() {
    m_playback->stop();
}

bool TagPreview::isLoaded() const {
    return !m_playback->isStopped();
}

bool TagPreview::isPlaying() const {
    return isLoaded() && !m_playback->isPaused();
}

qint64 TagPreview::lengthMs() const {
    const int rate = m_playback->sampleRate();
    return isLoaded() && rate > 0 ? m_playback->length() * 1000 / rate : 0;
}

qint64 TagPreview::positionMs() const {
    const int rate = m_playback->sampleRate();
    return isLoaded() && rate > 0 ? m_playback->position() * 1000 / rate : 0;
}

void TagPreview::setPositionMs(qint64 ms) {
    m_playback->seekTo(ms * m_playback->sampleRate() / 1000);
}
