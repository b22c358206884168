#pragma once

#include "engine/dsp/SampleBlock.h"

#include <QObject>
#include <QString>
#include <memory>

// The player component on the PulseAudio server's default output. Blocks queued on the
// owner thread go into a ring that libpulse's thread drains; the player asks for more
// (moreWanted) while less than a second is waiting, and raises finished after the last
// queued sound was heard.
class AudioPlayer : public QObject {
    Q_OBJECT
public:
    explicit AudioPlayer(QObject* parent = nullptr);
    ~AudioPlayer() override;

    void setPlayFormat(int sampleRate, int channels);
    // Frames in `milliseconds` of sound at the play format.
    int blockSizeFor(int milliseconds) const;
    void start();
    void stop();
    // 0 while fine; negative after a failed start or when the output died.
    int status() const;
    // Appends interleaved values (whole frames) to the output.
    void queue(const SampleBlock& block);
    // Frames heard since the last start.
    qint64 playedFrames() const;
    qint64 framesToMs(qint64 frames) const;
    // How often tick is raised and more blocks are asked for, in milliseconds (at most
    // 250: the player keeps a second queued). Callers slow it down while nobody watches.
    void setTimerInterval(int milliseconds);
    // Gains from 0 to 1 of the left and right channel, kept across starts; a mono stream
    // takes the larger. Until set, the server's own volume for the stream stands.
    void setVolume(double left, double right);
    // The latest `values` interleaved values heard into `into`, reusing its storage (fewer right
    // after the start).
    void recentSamples(int values, SampleBlock& into) const;
    QString errorText() const;

    enum : int {
        StatusOk = 0,
        StatusNoServer = -1,
        StatusStreamFailed = -3,
        StatusServerLost = -5,
    };

Q_SIGNALS:
    // Frames heard since the last start, and the latest levels heard.
    void tick(qint64 playedFrames, int levelLeft, int levelRight);
    void finished();
    // Less than a second waits: queue the next block, or nothing at the end.
    void moreWanted();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
