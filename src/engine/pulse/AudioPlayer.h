#pragma once

#include "engine/dsp/SampleBlock.h"

#include <QObject>
#include <QString>
#include <memory>

// The player component on the PulseAudio server's default output. Blocks queued on the
// owner thread go into a ring that libpulse's thread drains; the player asks for more
// (RequestOnLoadArray, or EndArrayPlay once a queued block went out) while less than
// a second is waiting, and raises EndPlay after the last queued sound was heard.
class AudioPlayer : public QObject {
    Q_OBJECT
public:
    explicit AudioPlayer(QObject* parent = nullptr);
    ~AudioPlayer() override;

    void SetPlayFormat(int sampleRate, int channels);
    // Frames in `milliseconds` of sound at the play format.
    int BlockSizeFor(int milliseconds) const;
    void Start();
    void Stop();
    // 0 while fine; negative after a failed Start or when the output died.
    int Status() const;
    // Appends interleaved values (whole frames) to the output.
    void Queue(const SampleBlock& block);
    // Frames heard since the last Start.
    qint64 PlayedSamples() const;
    qint64 SamplesToMs(qint64 frames) const;
    // How often Timer is raised and more blocks are asked for, in milliseconds (at most
    // 250: the player keeps a second queued). Callers slow it down while nobody watches.
    void SetTimerInterval(int milliseconds);
    // The latest `values` interleaved values heard (fewer right after the start).
    SampleBlock RecentSamples(int values) const;
    QString ErrorText() const;

    enum : int {
        StatusOk = 0,
        StatusNoServer = -1,
        StatusStreamFailed = -3,
        StatusServerLost = -5,
    };

Q_SIGNALS:
    void Timer(qint64 currentSamples, int levelLeft, int levelRight);
    void EndPlay();
    void EndArrayPlay();
    void RequestOnLoadArray();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
