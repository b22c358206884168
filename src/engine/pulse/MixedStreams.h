#pragma once

#include "engine/dsp/SourceMixer.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class PulseContext;
struct pa_stream;

// When a stream's frames were captured. Each delivery says its newest frame was captured at the
// latest when it arrived, less the source's latency; a delivery the process took up late says
// a later moment than the truth, never an earlier one. So the clock keeps the earliest reading
// and lets it rise no faster than a sound card's clock can run slow.
struct CaptureClock {
    // Capture time of `frames` frames counted from the stream's first, given a delivery up to
    // there arriving (less the source's latency) at `arrivedUs`.
    std::int64_t newestUs(std::uint64_t frames, std::int64_t arrivedUs, int rate);

    std::uint64_t framesRead = 0;
    bool started = false;
    double offsetUs = 0; // capture time of frame 0
    std::int64_t lastArrivedUs = 0;
};

// The streams of a recording of several sources after the first, and the mixer that puts
// them with the first one's sound. The recorder's own stream delivers the first source and
// hands it over by primaryReadable(); mixed frames come out of `output`, on libpulse's
// thread, in place of the first source's. When the first source goes, the next one still
// there sets the pace; the recording ends only when every source is gone.
class MixedStreams {
public:
    struct Source {
        std::string serverName;
        QString description;
        int channels; // as captured
        double level;
    };
    // Mixed frames, interleaved, `values` in all; runs on libpulse's thread.
    using Output = std::function<void(const std::int16_t* values, std::size_t count)>;
    // Every source is gone; runs on libpulse's thread.
    using Ended = std::function<void()>;

    MixedStreams(const PulseContext& server, Output output, Ended ended);
    ~MixedStreams();
    MixedStreams(const MixedStreams&) = delete;
    MixedStreams& operator=(const MixedStreams&) = delete;

    // Opens the streams of `sources` after the first (which the recorder opens) at `rate`,
    // mixed into `outputChannels` by `layout`. With the server's lock held. Empty on success,
    // else why not.
    QString open(const std::vector<Source>& sources, int rate, int outputChannels,
                 SourceMixer::Layout layout);
    // With the server's lock held.
    void close();

    // libpulse's thread: reads what the first source's stream holds and mixes it.
    void primaryReadable(pa_stream* stream);
    // With the server's lock held, once the first source's stream is read for the last time:
    // mixes the frames the mixer still holds back.
    void finish();
    // libpulse's thread: the first source's stream ended. False when no source is left.
    bool primaryLost();

    // Owner thread: names of sources lost since the last call.
    QStringList takeLostSources();
    // One line on how the sources kept in time, for the log; once the streams are closed.
    QString summary() const;
    // How far the first source is held back, so that the others' lumps arrive in time.
    static constexpr int kDelayMs = 500;

private:
    struct Stream;
    static void onRead(pa_stream* s, std::size_t, void* userdata);
    // Hands `frames` at a time at most to `take`, with the newest frame's capture time.
    template <typename Take> void readAll(pa_stream* s, int channels, CaptureClock& clock, Take take);
    static void onState(pa_stream* s, void* userdata);
    void secondaryDelivered(Stream& stream);
    void secondaryLost(Stream& stream);
    // The first source still there after the first, or -1.
    int nextPacer() const;
    // Mixes `frames` of the pace setter (null: silence) and hands them to the output.
    void mixAndOutput(const std::int16_t* primary, std::size_t frames, std::int64_t newestCapturedUs);

    const PulseContext& m_server;
    Output m_output;
    Ended m_ended;
    SourceMixer m_mixer;
    int m_rate = 44100;
    int m_primaryChannels = 2;
    CaptureClock m_primaryClock;
    std::vector<std::unique_ptr<Stream>> m_streams; // source 1 onwards
    // 0 while the first source sets the pace, else the source that does; -1 when none is left.
    std::atomic<int> m_pacer{0};
    std::vector<std::int16_t> m_silence;
    std::vector<std::int16_t> m_mixed;
    std::int64_t m_lastNewestUs = 0;
    std::size_t m_leadingSilence = 0;
    QString m_firstDescription;
    std::atomic<bool> m_firstLost{false};
    bool m_firstLossReported = false; // owner thread
};
