#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class AudioFileReader;
class AudioPlayer;

// The tag editor's preview and tag look-up layer: one preview stream at a time on the
// decoder and the sound output, plus short-lived handles for reading a file's tags.
// Members return booleans and never throw; problems are shown through the box callback
// with the error texts of the sound library the editor was written against.
class TagPreview : public QObject {
    Q_OBJECT
public:
    // Tag kinds of GetStreamTag.
    enum TagKind { kId3v1 = 1, kId3v2 = 2 };
    // Error codes the members report (the index into FmodErrorText).
    enum ErrorCode {
        kErrNone = 0,
        kErrUninitialised = 2,
        kErrInit = 3,
        kErrPlay = 5,
        kErrFileNotFound = 9,
        kErrFormat = 10
    };

    // `warning` is false for an error box, true for a warning box; the caption is "FMOD Error".
    using Box = std::function<void(bool warning, const QString& text)>;

    explicit TagPreview(Box box = {}, QObject* parent = nullptr);
    ~TagPreview() override;

    bool Init(int lMixrate, int lMaxChannels);
    bool StreamPlay(const QString& sFilename, bool bVBR, int bVolume);
    bool StreamPausePlay();
    bool StreamUnload();
    bool StreamIsLoaded() const { return m_stream != 0; }
    bool StreamIsPlaying() const { return m_channel != 0 && !m_paused; }
    qint64 StreamSongLen() const;
    qint64 StreamSongPos() const;
    void setStreamSongPos(qint64 ms);

    // A handle (not 0) for tag reading when the file is an MPEG audio file, else 0.
    int GetStreamOpenFile(const QString& sFilename, bool bVBR);
    void GetStreamCloseFile(int lHandle);
    // ID3v1 fields by name ("TITLE", "ARTIST", ... "GENRE" as its number) or ID3v2 frames by
    // identifier; "" when the field is absent.
    QString GetStreamTag(int lHandle, int eTag, const QString& sTagName) const;

    // The code of the last failure, kErrNone after a success.
    int GetError() const { return m_error; }
    // Frames heard of the current preview since it last started or moved.
    qint64 PlayedSamples() const;

    static QString FmodErrorText(int code);
    // An ID3v2 frame body as the editor reads it (comment and URL frames: the text after the
    // last NUL; other frames: NULs as blanks, trimmed).
    static QString frameText(const QString& id, const QByteArray& body);

    static constexpr int kPlainMode = 0x130;
    static constexpr int kAccurateMode = 0x20130;

private:
    void feed();
    void restart();
    void showError(int code);

    Box m_box;
    std::unique_ptr<AudioFileReader> m_file;
    AudioPlayer* m_player = nullptr;
    bool m_ready = false;
    int m_error = kErrNone;
    int m_stream = 0;
    int m_channel = 0;
    bool m_paused = false;
    qint64 m_base = 0; // frame the output started from
    int m_rate = 0;
    int m_channels = 0;
    int m_nextHandle = 1;
    QHash<int, QString> m_handles;
};
