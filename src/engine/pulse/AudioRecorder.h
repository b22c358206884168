#pragma once

#include "engine/dsp/SignalChain.h"
#include "engine/pulse/AudioCapture.h"
#include "engine/pulse/SourceCatalog.h"
#include "engine/pulse/SourceMix.h"

#include <QString>
#include <memory>

// The recorder component on the PulseAudio server. A device is a sound card (plus one
// device "Other sources" for sources without a card); its sources are the server's
// sources of that card, monitors included. Capture runs on libpulse's own thread into
// a ring buffer of several seconds; a writer thread of this object hands the blocks on,
// so a busy or frozen user-interface thread loses no sound. Ticks come on the thread that
// owns this object.
class AudioRecorder : public AudioCapture {
    Q_OBJECT
public:
    explicit AudioRecorder(QObject* parent = nullptr);
    ~AudioRecorder() override;

    // The server keeps this much of the stream for us, dropping the rest; some sources post two
    // seconds at once.
    static constexpr int kServerBufferSeconds = 10;
    // Room for the writer thread (a slow encoder, a slow disk) to stall this long without
    // losing sound.
    static constexpr int kRingSeconds = 30;

    // The server's devices and sources, and the ones selected. Devices 0 .. deviceCount()-1
    // are real; deviceCount() itself is probed by callers and reports unusable.
    const SourceCatalog& sources() const;
    void selectDevice(int device);
    void selectSource(int source);
    // Makes the selected source the one its device records; a device always records one.
    void setSourceActive(bool active);

    // Sources recorded together from the next start on; with fewer than two, the one chosen
    // in the lists is recorded.
    void setSourceMix(const SourceMix& mix);
    const SourceMix& sourceMix() const;
    // The descriptions of the mix's sources that the server has now, joined as the lists show
    // them ("Microphone + Monitor of Built-in Audio"); empty without a mix.
    QString sourceMixName() const;
    // How the sources of the last recording of several kept in time; empty after one source.
    QString mixSummary() const;

    void setCaptureFormat(int sampleRate, int channels) override;
    void setBlockSize(int frames) override;
    // A start needs a server and a chosen source; status() also says which one is missing.
    bool canStart() override;
    // Whether the sound server is there now; devicesChanged tells when that changes.
    bool serverConnected() const;
    void start() override;
    void stop() override;
    int status() const override;
    // All captured frames are handed out once stop returns.
    qint64 capturedFrames() const override;
    // Silence stands in for spans the server dropped while this process stood still
    // (stopped, suspended), so the recording keeps its length.
    qint64 filledFrames() const override;
    // How often tick is raised, in milliseconds; the server's fragments follow it. Callers
    // slow it down while nobody watches the displays.
    void setTimerInterval(int milliseconds);
    // The latest `values` interleaved values captured into `into`, reusing its storage (fewer
    // right after the start).
    void recentSamples(int values, SampleBlock& into) const;
    // Why the last start failed or the stream ended, for the user.
    QString errorText() const override;
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
    // The server's devices or sources changed, or the server went away or came back. The
    // lists are read again; the chosen device and sources are kept where they still exist
    // (indexes may have moved). A running capture is never moved to another source.
    void devicesChanged();
    // One source of several vanished or was missing at the start; the others go on, with
    // silence in its place.
    void mixSourceLost(const QString& description);

private:
    // Before d: the capture thread uses it until d closes the stream.
    SignalChain m_signal;
    struct Impl;
    std::unique_ptr<Impl> d;
};
