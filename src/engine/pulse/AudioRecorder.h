#pragma once

#include "engine/dsp/SampleBlock.h"
#include "engine/dsp/SignalChain.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

// The recorder component on the PulseAudio server. A device is a sound card (plus one
// device "Other sources" for sources without a card); its sources are the server's
// sources of that card, monitors included. Capture runs on libpulse's own thread into
// a ring buffer of several seconds; a writer thread of this object hands the blocks on,
// so a busy or frozen user-interface thread loses no sound. Ticks come on the thread that
// owns this object.
class AudioRecorder : public QObject {
    Q_OBJECT
public:
    explicit AudioRecorder(QObject* parent = nullptr);
    ~AudioRecorder() override;

    // The server keeps this much of the stream for us, dropping the rest; some sources post two
    // seconds at once.
    static constexpr int kServerBufferSeconds = 10;

    // Devices: indexes 0 .. deviceCount()-1 are real; deviceCount() itself is probed
    // by callers and reports unusable. Below 1 means no recording device (or no server).
    int deviceCount() const;
    int defaultDevice() const;
    // The selected device, -1 when none is.
    int deviceIndex() const;
    void selectDevice(int device);
    bool deviceUsable() const;
    QString deviceName() const;

    // Sources of the selected device: the highest source index, below 0 when none.
    int lastSourceIndex() const;
    int sourceIndex() const;
    void selectSource(int source);
    QString sourceName() const;
    bool sourceActive() const;
    void setSourceActive(bool active);
    // The source the user chose (in the lists, or by recording from it); empty when none was.
    QString chosenSourceName() const;
    // The source a start records now; it is not the chosen one when that one vanished.
    QString recordedSourceName() const;
    bool chosenSourceReplaced() const;
    // The server's names of the selected device's sources, in source order: how the
    // input mixer finds the lines.
    QStringList sourceServerNames() const;

    void setCaptureFormat(int sampleRate, int channels);
    int blockSizeFor(int milliseconds) const;
    void setBlockSize(int frames);
    // What a start needs short of opening the stream: a server and a chosen source. False,
    // with status() and errorText() saying why, when one is missing.
    bool canStart();
    // Whether the sound server is there now; devicesChanged tells when that changes.
    bool serverConnected() const;
    void start();
    void stop();
    // 0 while fine; negative after a failed start or when the stream died.
    int status() const;
    qint64 framesToMs(qint64 frames) const;
    // Frames captured since the last start, silence filled in for dropped spans included;
    // all of them are handed out once stop returns.
    qint64 capturedFrames() const;
    // Frames of silence handed out in place of spans the server dropped while this process
    // stood still (stopped, suspended), so the recording keeps its length.
    qint64 filledFrames() const;
    // How often tick is raised, in milliseconds; the server's fragments follow it. Callers
    // slow it down while nobody watches the displays.
    void setTimerInterval(int milliseconds);
    // The latest `values` interleaved values captured (fewer right after the start).
    SampleBlock recentSamples(int values) const;
    // Why the last start failed or the stream ended, for the user.
    QString errorText() const;
    // Frames the server delivered that did not fit into the ring because this object's
    // thread was blocked for too long; they are missing from the blocks, not replaced.
    qint64 droppedFrames() const;

    // Filters and gain control, applied to the sound as it is captured, so the blocks and
    // the displays both carry it. They may change while recording.
    SignalChain& signalChain() { return m_signal; }
    const SignalChain& signalChain() const { return m_signal; }

    // Values of status().
    enum : int {
        StatusOk = 0,
        StatusNoServer = -1,
        StatusNoDevice = -2,
        StatusStreamFailed = -3,
        StatusDeviceLost = -4,
        StatusServerLost = -5,
    };

Q_SIGNALS:
    // One block of the set size, in capture order; the last one after stop may be shorter.
    // Emitted on the writer thread: a receiver connected directly runs there (and must not
    // call this object), one with a context object elsewhere gets queued copies. stop()
    // returns after the direct receivers got the last block. The reference is valid during
    // the emission only.
    void blockCaptured(const SampleBlock& block);
    void tick(qint64 capturedFrames, int levelLeft, int levelRight);
    // Capture ended on its own (device vanished, server gone); the blocks
    // captured until then have been delivered.
    void failed(const QString& reason);
    // The server's devices or sources changed, or the server went away or came back. The
    // lists are read again; the chosen device and sources are kept where they still exist
    // (indexes may have moved). A running capture is never moved to another source.
    void devicesChanged();
    // More silence was filled in; `frames` is the total since start.
    void silenceFilled(qint64 frames);

private:
    // Before d: the capture thread uses it until d closes the stream.
    SignalChain m_signal;
    struct Impl;
    std::unique_ptr<Impl> d;
};
