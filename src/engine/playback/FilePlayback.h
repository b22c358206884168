#pragma once

#include "engine/dsp/SampleBlock.h"

#include <QObject>
#include <QString>
#include <functional>

class AudioFileReader;
class AudioPlayer;

// Block-fed playback of one file: the reader decodes, the player asks for the next block
// and reports how much was heard. Windows show what this reports. Nothing here acts while
// `busy` says so (a recording runs).
class FilePlayback : public QObject {
    Q_OBJECT
public:
    FilePlayback(AudioFileReader& file, AudioPlayer& player, std::function<bool()> busy = {},
                 QObject* parent = nullptr);

    enum class Start { Playing, Unreadable, OutputFailed, Busy };
    // Plays `path` (empty when no row is selected) from frame `from`, stopping what plays
    // first. A file that is missing, empty or cannot be decoded is Unreadable; nothing is
    // shown here. A CD track locator plays that track.
    Start play(const QString& path, qint64 from = 0);
    void pauseOrResume();
    void stop();
    // The position slider: held by the user, then let go at `value` (0 to 1000).
    void beginSeek();
    void endSeek(int value);
    // Moves to `frame`, clamped to the file; a paused playback stays paused there.
    void seekTo(qint64 frame);

    bool isPlaying() const { return m_playing; }
    bool isPaused() const { return m_paused; }
    bool isStopped() const { return m_stopped; }
    // Frames of the file and the frame heard now.
    qint64 length() const { return m_stopped ? 0 : m_total; }
    qint64 position() const;
    int sampleRate() const { return m_rate; }

    // Frames the spectrum wants and values the level display wants per update; 0 and 0
    // while nobody watches them (the default): the player then ticks slowly and the
    // displays get nothing.
    void setDisplayDemand(int spectrumFrames, int levelValues);

    static constexpr int kSliderRange = 1000;

Q_SIGNALS:
    void started(const QString& path, const QString& description, int sampleRate, int channels);
    void positionChanged(const QString& text);
    void sliderChanged(int value);
    void spectrumReady(const SampleBlock& values, int sampleRate, int channels);
    void levelReady(const SampleBlock& values, int channels);
    void stopped();

private:
    // The next block, when the player asks; the first of a start is larger.
    void feed();
    void feedStart();
    void feedFrames(int frames);
    void onTimer(qint64 currentSamples);

    AudioFileReader& m_file;
    AudioPlayer& m_player;
    std::function<bool()> m_busy;

    bool m_stopped = true;
    bool m_playing = false;
    bool m_paused = false;
    bool m_dragging = false;
    qint64 m_base = 0;
    qint64 m_total = 0;
    int m_rate = 0;
    int m_channels = 0;
    int m_spectrumFrames = 0;
    int m_levelValues = 0;
    // Reused on every tick.
    SampleBlock m_recentSpectrum;
    SampleBlock m_recentLevel;
};
