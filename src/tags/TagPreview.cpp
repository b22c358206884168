#include "tags/TagPreview.h"

#include "engine/codec/AudioFileCodec.h"
#include "engine/pulse/AudioPlayer.h"
#include "tags/Id3v1Tag.h"
#include "tags/Id3v2Frames.h"
#include "tags/Mp3Info.h"
#include "tags/TagText.h"

#include <QFileInfo>
#include <algorithm>
#include <array>

namespace {

constexpr int kBlockMs = 200;

} // namespace

TagPreview::TagPreview(Box box, QObject* parent)
    : QObject(parent)
    , m_box(std::move(box))
    , m_file(std::make_unique<AudioFileCodec>())
    , m_player(new AudioPlayer(this)) {
    connect(m_player, &AudioPlayer::RequestOnLoadArray, this, &TagPreview::feed);
    connect(m_player, &AudioPlayer::EndArrayPlay, this, &TagPreview::feed);
    // The stream stays loaded after its end, as a finished channel leaves it.
    connect(m_player, &AudioPlayer::EndPlay, this, [this] {
        m_player->Stop();
        m_channel = 0;
    });
}

TagPreview::~TagPreview() {
    StreamUnload();
}

QString TagPreview::FmodErrorText(int code) {
    static const std::array<const char*, 20> kTexts = {
        "No errors",
        "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.",
        "This command failed because FSOUND_Init was not called",
        "Error initializing output device.",
        "The output device is already in use and cannot be reused.",
        "Playing the sound failed.",
        "Soundcard does not support the features needed for this soundsystem (16bit stereo output)",
        "Error setting cooperative level for hardware.",
        "Error creating hardware sound buffer.",
        "File not found",
        "Unknown file format",
        "Error loading file",
        "Not enough memory",
        "The version number of this file format is not supported",
        "An invalid parameter was passed to this function",
        "Tried to use an EAX command on a non EAX enabled channel or output.",
        "Failed to allocate a new channel",
        "Recording is not supported on this machine",
        "Required Mediaplayer codec is not installed",
        "An error occured trying to open the specified CD device"};
    if (code < 0 || code >= static_cast<int>(kTexts.size()))
        return QStringLiteral("Unknown error");
    return QLatin1String(kTexts[static_cast<std::size_t>(code)]);
}

void TagPreview::showError(int code) {
    m_error = code;
    if (m_box)
        m_box(false, FmodErrorText(code));
}

bool TagPreview::Init(int lMixrate, int lMaxChannels) {
    if (lMixrate <= 0 || lMaxChannels <= 0) {
        showError(14);
        return false;
    }
    // Probe the output once so that a missing sound server is reported at the start.
    m_player->SetPlayFormat(lMixrate, 2);
    m_player->Start();
    const bool ok = m_player->Status() >= 0;
    m_player->Stop();
    if (!ok) {
        showError(kErrInit);
        return false;
    }
    m_ready = true;
    m_error = kErrNone;
    return true;
}

bool TagPreview::StreamPlay(const QString& sFilename, bool bVBR, int bVolume) {
    Q_UNUSED(bVBR) // the decoder always seeks exactly
    Q_UNUSED(bVolume)
    StreamUnload();
    if (!m_ready) {
        showError(kErrUninitialised);
        return false;
    }
    if (QFileInfo(sFilename).isFile() && readMp3Info(sFilename).valid) {
        m_file->Open(sFilename, 0, 1);
        if (m_file->Status() >= 0 && m_file->Length() > 0)
            m_stream = 1;
    }
    if (m_stream == 0) {
        m_file->Close();
        m_error = QFileInfo(sFilename).isFile() ? kErrFormat : kErrFileNotFound;
        if (m_box)
            m_box(true, QStringLiteral("Could not recognize & play \"%1\".").arg(sFilename));
        return false;
    }
    m_rate = m_file->SampleRate();
    m_channels = m_file->Channels();
    m_base = 0;
    m_paused = false;
    m_player->SetPlayFormat(m_rate, m_channels);
    m_player->Start();
    if (m_player->Status() < 0) {
        m_player->Stop();
        showError(kErrPlay);
        return false;
    }
    m_channel = 1;
    m_error = kErrNone;
    feed();
    return true;
}

void TagPreview::feed() {
    if (m_channel == 0 || m_paused)
        return;
    const SampleBlock block = m_file->Read(m_player->BlockSizeFor(kBlockMs) * m_channels);
    if (block.size() > 1)
        m_player->Queue(block);
}

bool TagPreview::StreamPausePlay() {
    if (m_stream == 0 || m_channel == 0)
        return false;
    if (!m_paused) {
        m_base += m_player->PlayedSamples();
        m_paused = true;
        m_player->Stop();
        return true;
    }
    m_paused = false;
    restart();
    return true;
}

// Starts the output again from m_base.
void TagPreview::restart() {
    m_file->Seek(m_base, 3);
    m_player->Stop();
    m_player->Start();
    feed();
}

bool TagPreview::StreamUnload() {
    m_player->Stop();
    if (m_stream != 0)
        m_file->Close();
    m_stream = 0;
    m_channel = 0;
    m_paused = false;
    m_base = 0;
    return true;
}

qint64 TagPreview::StreamSongLen() const {
    if (m_stream == 0 || m_rate <= 0)
        return 0;
    return m_file->Length() * 1000 / m_rate;
}

qint64 TagPreview::PlayedSamples() const {
    return m_channel != 0 && !m_paused ? m_player->PlayedSamples() : 0;
}

qint64 TagPreview::StreamSongPos() const {
    if (m_stream == 0 || m_channel == 0 || m_rate <= 0)
        return 0;
    return (m_base + PlayedSamples()) * 1000 / m_rate;
}

void TagPreview::setStreamSongPos(qint64 ms) {
    if (m_stream == 0 || m_channel == 0 || m_rate <= 0)
        return;
    // Outside the file the decoder stops at its ends.
    const qint64 frame = std::clamp<qint64>(ms * m_rate / 1000, 0, m_file->Length());
    const qint64 landed = m_file->Seek(frame, 3);
    m_base = landed >= 0 ? landed : frame;
    if (!m_paused)
        restart();
}

int TagPreview::GetStreamOpenFile(const QString& sFilename, bool bVBR) {
    Q_UNUSED(bVBR)
    if (!QFileInfo(sFilename).isFile() || !readMp3Info(sFilename).valid)
        return 0;
    const int handle = m_nextHandle++;
    m_handles.insert(handle, sFilename);
    return handle;
}

void TagPreview::GetStreamCloseFile(int lHandle) {
    m_handles.remove(lHandle);
}

QString TagPreview::frameText(const QString& id, const QByteArray& body) {
    QString value = QString::fromLatin1(body) + QChar(0);
    if (id == QLatin1String("COMM") || id.startsWith(QLatin1Char('W'))) {
        // The last data byte decides whether a closing NUL of the frame is dropped too.
        value.chop(value.size() >= 2 && value.at(value.size() - 2) == QChar(0) ? 2 : 1);
        return value.mid(value.lastIndexOf(QChar(0)) + 1);
    }
    value.replace(QChar(0), QLatin1Char(' '));
    return trimBlanks(value);
}

QString TagPreview::GetStreamTag(int lHandle, int eTag, const QString& sTagName) const {
    const auto it = m_handles.constFind(lHandle);
    if (it == m_handles.cend())
        return {};
    if (eTag == kId3v2)
        return frameText(sTagName, readId3v2FrameData(*it, sTagName.toLatin1().constData()));
    Id3v1Tag tag;
    tag.setPath(*it);
    if (!tag.read())
        return {};
    const QString name = sTagName.toUpper();
    QString value;
    if (name == QLatin1String("TITLE"))
        value = tag.title();
    else if (name == QLatin1String("ARTIST"))
        value = tag.artist();
    else if (name == QLatin1String("ALBUM"))
        value = tag.album();
    else if (name == QLatin1String("YEAR"))
        value = tag.year();
    else if (name == QLatin1String("COMMENT"))
        value = tag.comment();
    else if (name == QLatin1String("TRACK"))
        value = tag.track() ? QString::number(tag.track()) : QString();
    else if (name == QLatin1String("GENRE"))
        value = QString::number(tag.genre());
    return trimBlanks(value);
}
