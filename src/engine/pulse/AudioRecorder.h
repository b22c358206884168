#pragma once

#include "engine/dsp/SampleBlock.h"
#include "engine/dsp/SignalChain.h"

#include <QObject>
#include <QString>
#include <memory>

// The recorder component on the PulseAudio server. A device is a sound card (plus one
// device "Other sources" for sources without a card); its sources are the server's
// sources of that card, monitors included. Capture runs on libpulse's own thread into
// a ring buffer of several seconds; blocks and timer events are delivered on the thread
// that owns this object, so a busy user-interface thread loses no sound.
class AudioRecorder : public QObject {
    Q_OBJECT
public:
    explicit AudioRecorder(QObject* parent = nullptr);
    ~AudioRecorder() override;

    // Devices: indexes 0 .. DeviceCount()-1 are real; DeviceCount() itself is probed
    // by callers and reports unusable. Below 1 means no recording device (or no server).
    int DeviceCount() const;
    int DefaultDevice() const;
    void SelectDevice(int device);
    bool DeviceUsable() const;
    QString DeviceName() const;

    // Sources of the selected device: the highest source index, below 0 when none.
    int SourceCount() const;
    int SourceIndex() const;
    void SelectSource(int source);
    QString SourceName() const;
    bool SourceActive() const;
    void SetSourceActive(bool active);

    void SetCaptureFormat(int sampleRate, int channels);
    int BlockSizeFor(int milliseconds) const;
    void SetBlockSize(int frames);
    void Start();
    void Stop();
    // 0 while fine; negative after a failed Start or when the stream died.
    int Status() const;
    qint64 SamplesToMs(qint64 frames) const;
    // Frames captured since the last Start, all of them handed out once Stop's blocks ran.
    qint64 CapturedFrames() const;
    // How often Timer is raised (and due blocks handed out), in milliseconds. Callers slow
    // it down while nobody watches the displays.
    void SetTimerInterval(int milliseconds);
    // The latest `values` interleaved values captured (fewer right after the start).
    SampleBlock RecentSamples(int values) const;
    // Why the last Start failed or the stream ended, for the user.
    QString ErrorText() const;
    // Frames the server delivered that did not fit into the ring because this object's
    // thread was blocked for too long; they are missing from the blocks, not replaced.
    qint64 DroppedFrames() const;

    // Filters and gain control, applied to the sound as it is captured, so the blocks and
    // the displays both carry it. They may change while recording. A setter that refuses
    // its value (frequency outside 10 to 48000 Hz, levels outside -90 to 0 dBFS, attack
    // outside 50 to 200 ms) returns false and keeps the previous one.
    bool NotchEnabled() const { return m_signal.filterEnabled(SignalChain::Notch); }
    void SetNotchEnabled(bool on) { m_signal.setFilterEnabled(SignalChain::Notch, on); }
    float NotchFrequency() const { return m_signal.filterFrequency(SignalChain::Notch); }
    bool SetNotchFrequency(float hz) { return m_signal.setFilterFrequency(SignalChain::Notch, hz); }
    bool HighPassEnabled() const { return m_signal.filterEnabled(SignalChain::HighPass); }
    void SetHighPassEnabled(bool on) { m_signal.setFilterEnabled(SignalChain::HighPass, on); }
    float HighPassFrequency() const { return m_signal.filterFrequency(SignalChain::HighPass); }
    bool SetHighPassFrequency(float hz) { return m_signal.setFilterFrequency(SignalChain::HighPass, hz); }
    bool LowPassEnabled() const { return m_signal.filterEnabled(SignalChain::LowPass); }
    void SetLowPassEnabled(bool on) { m_signal.setFilterEnabled(SignalChain::LowPass, on); }
    float LowPassFrequency() const { return m_signal.filterFrequency(SignalChain::LowPass); }
    bool SetLowPassFrequency(float hz) { return m_signal.setFilterFrequency(SignalChain::LowPass, hz); }
    bool AgcEnabled() const { return m_signal.agcEnabled(); }
    void SetAgcEnabled(bool on) { m_signal.setAgcEnabled(on); }
    int AgcLowLevel() const { return m_signal.agcLowLevel(); }
    bool SetAgcLowLevel(int dbfs) { return m_signal.setAgcLowLevel(dbfs); }
    int AgcHighLevel() const { return m_signal.agcHighLevel(); }
    bool SetAgcHighLevel(int dbfs) { return m_signal.setAgcHighLevel(dbfs); }
    int AgcAttackTime() const { return m_signal.agcAttackTime(); }
    bool SetAgcAttackTime(int ms) { return m_signal.setAgcAttackTime(ms); }

    // Values of Status().
    enum : int {
        StatusOk = 0,
        StatusNoServer = -1,
        StatusNoDevice = -2,
        StatusStreamFailed = -3,
        StatusDeviceLost = -4,
        StatusServerLost = -5,
    };

Q_SIGNALS:
    // One block of the set size, in capture order; the last one after Stop may be shorter.
    // The reference is valid during the emission only.
    void blockCaptured(const SampleBlock& block);
    void Timer(qint64 currentSamples, int levelLeft, int levelRight);
    // Capture ended on its own (device vanished, server gone); the blocks
    // captured until then have been delivered.
    void Failed(const QString& reason);

private:
    // Before d: the capture thread uses it until d closes the stream.
    SignalChain m_signal;
    struct Impl;
    std::unique_ptr<Impl> d;
};
