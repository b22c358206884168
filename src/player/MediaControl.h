#pragma once

#include <QObject>
#include <QString>
#include <memory>

class AudioFileReader;
class AudioPlayer;
class FilePlayback;

// The audio player window's media control: one file or CD track at a time through our
// decoder and a player stream of its own, independent of the main window's playback.
class MediaControl : public QObject {
    Q_OBJECT
public:
    explicit MediaControl(QObject* parent = nullptr);
    ~MediaControl() override;

    enum class State { Closed, Stopped, Playing, Paused };
    enum class Open { Playing, Unreadable, OutputFailed };

    static constexpr int kMinVolume = -10000;
    static constexpr int kBalanceRange = 10000;

    // Opens `path` and starts it; "CDAUDIO:" is the first track of the disc in the drive.
    // What cannot be opened leaves nothing open and says why in errorText().
    Open setFileName(const QString& path);
    QString fileName() const { return m_fileName; }
    // Seconds; -1 with nothing open.
    double currentPosition() const;
    // Moves there; a stopped control starts there at the next play.
    void setCurrentPosition(double seconds);
    double duration() const { return m_duration; }
    // Hundredths of a decibel: 0 is the loudest, kMinVolume silent.
    int volume() const { return m_volume; }
    void setVolume(int hundredthsDb);
    // -kBalanceRange (left only) to kBalanceRange (right only); the other side is
    // attenuated by as many hundredths of a decibel.
    int balance() const { return m_balance; }
    void setBalance(int value);

    void play();
    void pause();
    // Stops and rewinds to 0.
    void stop();

    State state() const { return m_state; }
    QString errorText() const { return m_error; }

Q_SIGNALS:
    // The open file or track played to its end.
    void endOfStream();
    void stateChanged(MediaControl::State state);
    // The position was set, playing or not.
    void positionMoved();
    // The sound output failed while playing; the text says why.
    void outputFailed(const QString& text);

private:
    void setState(State state);
    void applyVolume();
    void onPlaybackStopped();
    Open start(qint64 from);

    std::unique_ptr<AudioFileReader> m_reader;
    std::unique_ptr<AudioPlayer> m_player;
    FilePlayback* m_playback;
    QString m_fileName;
    QString m_error;
    State m_state = State::Closed;
    double m_duration = 0;
    int m_rate = 0;
    qint64 m_startFrame = 0;
    int m_volume = 0;
    int m_balance = 0;
    // Set while our own calls stop the playback, which is then no end of stream.
    bool m_commanding = false;
};
