#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

// Notch, high-pass and low-pass filters and an automatic gain control on interleaved
// 16-bit samples, in that order. The settings may change from any thread at any time:
// process() picks them up at its next call without locks or allocation; filters fade in
// and out and the gain moves smoothly, so no change clicks.
// The sound comes out kDelayFrames late: the gain control looks that far ahead, so that it
// lowers the gain before a peak arrives.
class SignalChain {
public:
    enum Filter : int { Notch, HighPass, LowPass, FilterCount };

    static constexpr float kMinFrequency = 10.0f;
    static constexpr float kMaxFrequency = 48000.0f;
    static constexpr int kMinLevel = -90;
    static constexpr int kMaxLevel = 0;
    static constexpr int kMinAttackMs = 50;
    static constexpr int kMaxAttackMs = 200;
    static constexpr int kMaxChannels = 2;
    static constexpr int kDelayFrames = 32;
    // The gain control never raises or lowers the sound by more than this.
    static constexpr double kMaxGainDb = 40.0;

    SignalChain();
    ~SignalChain();
    SignalChain(const SignalChain&) = delete;
    SignalChain& operator=(const SignalChain&) = delete;

    // Settings, from any thread. A refused value (outside its range, or not finite)
    // returns false and leaves the previous one in place.
    bool filterEnabled(Filter filter) const;
    void setFilterEnabled(Filter filter, bool on);
    float filterFrequency(Filter filter) const;
    bool setFilterFrequency(Filter filter, float hz);

    // Levels are in dBFS (a full-scale sine is 0 dBFS); the gain rises while the level is
    // below the low level and falls while it is above the high level, following the
    // attack time (ms) as its time constant. Low above high counts as the same range. On
    // silence (below -90 dBFS) the gain holds; it stays within kMaxGainDb either way, and
    // peaks are held just below full scale.
    bool agcEnabled() const;
    void setAgcEnabled(bool on);
    int agcLowLevel() const;
    bool setAgcLowLevel(int dbfs);
    int agcHighLevel() const;
    bool setAgcHighLevel(int dbfs);
    int agcAttackTime() const;
    bool setAgcAttackTime(int ms);

    // Capture side, one thread at a time. prepare() starts afresh for a stream of this
    // rate and 1 or 2 channels; process() works in place.
    void prepare(int sampleRate, int channels);
    void process(std::int16_t* samples, std::size_t frames);
    // The gain control's current gain, in dB.
    double agcGainDb() const;

private:
    void changed();

    std::array<std::atomic<bool>, FilterCount> m_enabled;
    std::array<std::atomic<float>, FilterCount> m_frequency;
    std::atomic<bool> m_agcEnabled{false};
    std::atomic<int> m_agcLow{-24};
    std::atomic<int> m_agcHigh{-12};
    std::atomic<int> m_agcAttack{100};
    // Bumped after every change, so the capture side re-reads only when something moved.
    std::atomic<std::uint32_t> m_version{1};

    struct Capture;
    std::unique_ptr<Capture> m_capture;
};
