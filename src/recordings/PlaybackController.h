#pragma once

#include "engine/dsp/SampleBlock.h"

#include <QObject>
#include <QString>
#include <functional>

class AudioFileReader;
class AudioPlayer;

// Block-fed playback of one recording: the file codec decodes, the player asks for the
// next block and reports how much was heard. The window shows what this reports. Nothing
// here acts while a recording runs.
class PlaybackController : public QObject {
    Q_OBJECT
public:
    PlaybackController(AudioFileReader& file, AudioPlayer& player, std::function<bool()> recording,
                       QObject* parent = nullptr);

    // Plays `path` (empty when no row is selected), stopping what plays first. A file that
    // is missing, empty or cannot be decoded is skipped without a word.
    void play(const QString& path);
    void pauseOrResume();
    void stop();
    // The position slider: held by the user, then let go at `value` (0 to 1000).
    void beginSeek();
    void endSeek(int value);

    bool isPlaying() const { return m_playing; }
    bool isPaused() const { return m_paused; }
    bool isStopped() const { return m_stopped; }
    qint64 position() const { return m_base; }

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
    void feed();
    void onTimer(qint64 currentSamples);

    AudioFileReader& m_file;
    AudioPlayer& m_player;
    std::function<bool()> m_recording;

    bool m_stopped = true;
    bool m_playing = false;
    bool m_paused = false;
    bool m_dragging = false;
    qint64 m_base = 0;
    qint64 m_total = 0;
    int m_blockFrames = 0;
    int m_rate = 0;
    int m_channels = 0;
    int m_spectrumFrames = 0;
    int m_levelValues = 0;
};
