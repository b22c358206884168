#pragma once

#include "engine/dsp/SampleBlock.h"

#include <cstdint>
#include <vector>

// Finds where sound starts and ends in a stream of captured blocks, as frame positions
// counted from the first frame fed (frame 0), so that the caller can cut one file per event.
//
// The level is the peak of a sliding 10 ms window over all channels: the sound is above the
// threshold from a sample that reaches it until 10 ms pass without one. That keeps a tone of
// any audible pitch continuously above while its peaks do, and makes the result independent
// of how the stream is cut into blocks.
//
// An event starts once the sound has been above the threshold for 50 ms on end. Its file
// begins `prerollSeconds` before the first sample of that sound, but never before frame 0
// nor before the previous event's end, so that no frame lands in two files. While an event
// runs, any sample that reaches the threshold counts as sound; the event ends `holdSeconds`
// after the last one, its end frame being the first frame not in the file.
class SoundActivation {
public:
    // Hold at least 0.5 s, as the settings allow, keeps the events of a block few.
    struct Parameters {
        double thresholdDb;
        double holdSeconds;
        double prerollSeconds;
    };
    struct Event {
        enum Kind { Started, Ended };
        Kind kind;
        std::uint64_t frame;
    };

    SoundActivation(int rate, int channels, const Parameters& parameters);

    // Starts afresh at frame 0, with no event running.
    void reset();
    // Takes the next block of whole interleaved frames; returns the events it completed, in
    // order, valid until the next call. Allocates nothing for blocks shorter than about 15 s.
    const std::vector<Event>& feed(const SampleBlock& block);

    bool inEvent() const { return m_inEvent; }
    std::uint64_t framesFed() const { return m_frame; }

private:
    int m_channels;
    int m_level;
    std::uint64_t m_onsetFrames;
    std::uint64_t m_gapFrames;
    std::uint64_t m_holdFrames;
    std::uint64_t m_prerollFrames;

    std::uint64_t m_frame = 0;
    bool m_sounding = false;
    std::uint64_t m_soundSince = 0;
    std::uint64_t m_lastLoud = 0;
    bool m_inEvent = false;
    std::uint64_t m_previousEnd = 0;
    std::vector<Event> m_events;
};
