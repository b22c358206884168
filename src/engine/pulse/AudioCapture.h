#pragma once

#include "engine/dsp/SampleBlock.h"

#include <QObject>
#include <QString>

// What a recording session needs of the capture: a format, a block size, start and stop,
// and the sound and news that come out of it. The sound server's recorder implements it;
// tests drive a session with a fake in-process one.
class AudioCapture : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // What a start needs short of opening the stream; false, with errorText() saying why,
    // when something is missing.
    virtual bool canStart() = 0;
    virtual void setCaptureFormat(int sampleRate, int channels) = 0;
    virtual void setBlockSize(int frames) = 0;
    virtual void start() = 0;
    // Returns once every captured block was handed out.
    virtual void stop() = 0;
    // 0 while fine; negative after a failed start or when capture died.
    virtual int status() const = 0;
    virtual QString errorText() const = 0;
    // Frames captured since the last start, filled-in silence included.
    virtual qint64 capturedFrames() const = 0;
    // Frames of silence handed out in place of spans the server dropped.
    virtual qint64 filledFrames() const = 0;

Q_SIGNALS:
    // One block of the set size, in capture order; the last one after stop may be shorter.
    // Emitted on the capture's writer thread: a receiver connected directly runs there (and
    // must not call the capture), one with a context object elsewhere gets queued copies.
    // stop() returns after the direct receivers got the last block. The reference is valid
    // during the emission only.
    void blockCaptured(const SampleBlock& block);
    void tick(qint64 capturedFrames);
    // Capture ended on its own (device vanished, server gone); the blocks captured until
    // then have been delivered.
    void failed(const QString& reason);
    // More silence was filled in; `frames` is the total since start.
    void silenceFilled(qint64 frames);
};
