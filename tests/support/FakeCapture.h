#pragma once

#include "engine/pulse/AudioCapture.h"

// An in-process capture: the test hands out the blocks, ticks and failures itself, on its
// own thread, as the sound server's recorder would on its writer thread.
class FakeCapture : public AudioCapture {
public:
    // Why the next start fails; empty for a start that succeeds.
    QString refuseStart;

    bool canStart() override { return true; }
    void setCaptureFormat(int sampleRate, int channelCount) override {
        rate = sampleRate;
        channels = channelCount;
    }
    void setBlockSize(int frames) override { blockFrames = frames; }
    void start() override {
        m_error = refuseStart;
        m_running = m_error.isEmpty();
        m_frames = 0;
    }
    void stop() override { m_running = false; }
    int status() const override { return m_error.isEmpty() ? 0 : -3; }
    QString errorText() const override { return m_error; }
    qint64 capturedFrames() const override { return m_frames; }
    qint64 filledFrames() const override { return 0; }

    // Hands out `seconds` of a constant value in blocks of the set size, while running.
    void deliver(int seconds, std::int16_t value = 1000) {
        if (!m_running)
            return;
        const SampleBlock block(static_cast<std::size_t>(blockFrames) * channels, value);
        for (qint64 left = static_cast<qint64>(seconds) * rate; left > 0; left -= blockFrames) {
            Q_EMIT blockCaptured(block);
            m_frames += blockFrames;
        }
        Q_EMIT tick(m_frames);
    }

    int rate = 0;
    int channels = 0;
    int blockFrames = 0;

private:
    bool m_running = false;
    QString m_error;
    qint64 m_frames = 0;
};
