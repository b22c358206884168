#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Puts several captured sources into one recording's frames. The first source (the primary)
// sets the pace: every call of mix() turns its frames into as many output frames. Each other
// source (a secondary) runs on a clock of its own; its frames wait in a queue and are
// resampled at a variable ratio, steered so that a secondary frame lands where the primary
// frame captured at the same moment lands, and the sources stay in time over hours.
//
// Capture times are in microseconds on one monotonic clock, each the moment the newest frame
// handed over was captured (the caller takes it from the sound server's timing). The primary
// is held back by a fixed delay, so that a secondary that delivers in lumps is still there
// when its frames are due; a secondary that is late or gone contributes silence, counted.
//
// configure() allocates; pushSecondary() and mix() allocate nothing for calls within the
// sizes configured, so that they may run on the sound server's callback thread. Calls must not
// overlap: one thread makes them all.
class SourceMixer {
public:
    enum class Layout {
        Mixed,            // every source summed into every output channel, each at its level
        ChannelPerSource, // source i alone in output channel i (stereo output, two sources)
    };
    struct Setup {
        int rate = 44100;       // of every source and of the output
        int outputChannels = 2; // 1 or 2
        Layout layout = Layout::Mixed;
        std::vector<int> sourceChannels; // interleaved channels of each source, primary first
        std::vector<double> levels;      // gain of each source, 1.0 = as captured
        // How far the primary is held back: the output's first delayFrames frames hold none of
        // it. To play without gaps, a secondary's lumps must fit in it with a mix call and some
        // ten milliseconds to spare.
        int delayFrames = 0;
        int largestCallFrames = 0; // the most frames one push or mix call hands over
    };

    SourceMixer();
    ~SourceMixer();
    SourceMixer(const SourceMixer&) = delete;
    SourceMixer& operator=(const SourceMixer&) = delete;

    // Starts afresh: empty queues, no drift known.
    void configure(const Setup& setup);
    int sourceCount() const;
    int outputChannels() const;

    // A secondary source's next `frames` frames (source >= 1), the newest captured at
    // `newestCapturedUs`.
    void pushSecondary(int source, const std::int16_t* data, std::size_t frames,
                       std::int64_t newestCapturedUs);
    // The primary's next `frames` frames, the newest captured at `newestCapturedUs`: writes
    // `frames` output frames (frames x outputChannels() values) to `out`.
    void mix(const std::int16_t* primary, std::size_t frames, std::int64_t newestCapturedUs,
             std::int16_t* out);
    // A secondary that vanished: silence from now on, and its queue is dropped.
    void loseSource(int source);

    // How much faster (positive) or slower the source's clock runs than the primary's, as
    // measured so far, in parts per million.
    double driftPpm(int source) const;
    // Output frames in which the source was silent because it was late or gone.
    std::uint64_t silentFrames(int source) const;
    // Where the source's frames land against the primary's, in microseconds (positive: later).
    double lagUs(int source) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
