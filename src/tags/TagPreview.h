#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class AudioFileReader;
class AudioPlayer;
class FilePlayback;

// The tag editor's preview: one MP3 file at a time through the shared file playback, its
// own output stream. Positions are in milliseconds. Problems are shown through the box
// callback; nothing throws.
class TagPreview : public QObject {
    Q_OBJECT
public:
    // `warning` is false for an error box, true for a warning box.
    using Box = std::function<void(bool warning, const QString& text)>;

    // Probes the sound output once, so that a missing server is told at the start and
    // previews stay off for this object's life.
    explicit TagPreview(Box box = {}, QObject* parent = nullptr);
    ~TagPreview() override;

    bool ready() const { return m_ready; }
    // Plays `path` from its start, unloading what played before.
    bool play(const QString& path);
    void pauseOrResume();
    void unload();
    bool isLoaded() const;
    bool isPlaying() const;
    qint64 lengthMs() const;
    qint64 positionMs() const;
    // Clamped to the file; a paused preview stays paused there.
    void setPositionMs(qint64 ms);

private:
    Box m_box;
    std::unique_ptr<AudioFileReader> m_file;
    std::unique_ptr<AudioPlayer> m_player;
    std::unique_ptr<FilePlayback> m_playback;
    bool m_ready = false;
};
