#include "engine/dsp/SignalChain.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

constexpr std::size_t kChunkFrames = SignalChain::kDelayFrames;
// Filters fade in and out over this long when switched.
constexpr double kFadeSeconds = 0.02;
// Time constant of the gain control's level measurement.
constexpr double kLevelWindowSeconds = 0.05;
// Below this the input counts as silence: the gain holds instead of rising into the noise.
constexpr double kSilenceDb = -90.0;
// Peaks are kept below full scale, so a raised gain never clips.
constexpr double kCeiling = 32000.0;
constexpr double kFullScale = 32768.0;
// Narrow enough to leave twice the notch frequency within half a decibel.
constexpr double kNotchQ = 2.5;
// Two sections of these make a fourth-order Butterworth response.
constexpr std::array<double, 2> kButterworthQ = {0.54119610014619698, 1.3065629648763766};

struct Coefficients {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
};

struct History {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// Direct form I, so that coefficients can move between samples without the state jumping.
double runSection(const Coefficients& c, History& h, double x) {
    const double y = c.b0 * x + c.b1 * h.x1 + c.b2 * h.x2 - c.a1 * h.y1 - c.a2 * h.y2;
    h.x2 = h.x1;
    h.x1 = x;
    h.y2 = h.y1;
    h.y1 = y;
    return y;
}

Coefficients design(SignalChain::Filter filter, double hz, double q, int rate) {
    // Frequencies at or past half the rate are held just below it.
    const double w0 = 2 * std::numbers::pi * std::min(hz, 0.45 * rate) / rate;
    const double cosw = std::cos(w0);
    const double alpha = std::sin(w0) / (2 * q);
    const double a0 = 1 + alpha;
    Coefficients c;
    switch (filter) {
    case SignalChain::Notch:
        c.b0 = 1;
        c.b1 = -2 * cosw;
        c.b2 = 1;
        break;
    case SignalChain::HighPass:
        c.b0 = (1 + cosw) / 2;
        c.b1 = -(1 + cosw);
        c.b2 = c.b0;
        break;
    default:
        c.b0 = (1 - cosw) / 2;
        c.b1 = 1 - cosw;
        c.b2 = c.b0;
        break;
    }
    c.b0 /= a0;
    c.b1 /= a0;
    c.b2 /= a0;
    c.a1 = -2 * cosw / a0;
    c.a2 = (1 - alpha) / a0;
    return c;
}

std::int16_t toSample(double v) {
    return static_cast<std::int16_t>(std::lrint(std::clamp(v, -32768.0, 32767.0)));
}

double smoothing(std::size_t frames, int rate, double seconds) {
    return 1 - std::exp(-static_cast<double>(frames) / (rate * seconds));
}

// One filter on the capture side.
struct Stage {
    SignalChain::Filter kind = SignalChain::Notch;
    int sections = 1;
    std::array<Coefficients, 2> coeffs{};
    std::array<std::array<History, SignalChain::kMaxChannels>, 2> history{};
    bool wanted = false;
    double target = 1000;
    // What the coefficients were designed for; 0 until then.
    double frequency = 0;
    // 0 passes the input, 1 the filtered sound.
    double mix = 0;

    bool active() const { return wanted || mix > 0; }

    void redesign(int rate) {
        for (int s = 0; s < sections; ++s)
            coeffs[s] =
                design(kind, frequency, kind == SignalChain::Notch ? kNotchQ : kButterworthQ[s], rate);
    }

    void run(double* buf, std::size_t frames, int channels, int rate) {
        if (mix <= 0)
            history = {}; // switched on from off: start clean
        if (frequency != target) {
            frequency = target;
            redesign(rate);
        }
        const std::size_t values = frames * static_cast<std::size_t>(channels);
        const bool fading = !(wanted && mix >= 1);
        std::array<double, kChunkFrames * SignalChain::kMaxChannels> dry;
        if (fading)
            std::copy_n(buf, values, dry.begin());
        // One section and channel at a time keeps coefficients and state in registers.
        for (int s = 0; s < sections; ++s) {
            for (int ch = 0; ch < channels; ++ch) {
                const Coefficients c = coeffs[s];
                History h = history[s][ch];
                for (std::size_t i = static_cast<std::size_t>(ch); i < values;
                     i += static_cast<std::size_t>(channels))
                    buf[i] = runSection(c, h, buf[i]);
                history[s][ch] = h;
            }
        }
        if (!fading)
            return;
        const double step = (wanted ? 1 : -1) / (rate * kFadeSeconds);
        for (std::size_t i = 0; i < frames; ++i) {
            mix = std::clamp(mix + step, 0.0, 1.0);
            for (int ch = 0; ch < channels; ++ch) {
                const std::size_t at = i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(ch);
                buf[at] = dry[at] + mix * (buf[at] - dry[at]);
            }
        }
    }
};

// The automatic gain control: a level measured ahead of the gain steers it (no feedback
// loop to oscillate). The sound passes through a delay of one chunk, so the gain can fall
// before a peak arrives instead of clipping it or stepping down at it.
struct Gain {
    bool wanted = false;
    double lowDb = -24;
    double highDb = -12;
    double attackSeconds = 0.1;
    double gainDb = 0;
    // Linear gain reached at the end of the last chunk.
    double applied = 1;
    // Smoothed mean square of the loudest channel; below 0 until measured.
    double meanSquare = -1;
    std::array<double, kChunkFrames * SignalChain::kMaxChannels> delay{};
    std::size_t delayPos = 0;

    // Steers the gain by the incoming chunk and returns the gain to reach by its end.
    double steer(const double* buf, std::size_t frames, int channels, int rate) {
        double peak = 0;
        double loudest = 0;
        for (int ch = 0; ch < channels; ++ch) {
            double sum = 0;
            for (std::size_t i = 0; i < frames; ++i) {
                const double v = buf[i * channels + ch];
                sum += v * v;
                peak = std::max(peak, std::abs(v));
            }
            loudest = std::max(loudest, sum / static_cast<double>(frames));
        }
        for (double v : delay)
            peak = std::max(peak, std::abs(v));

        double goal = 0;
        if (wanted) {
            meanSquare = meanSquare < 0 ? loudest
                                        : meanSquare + (loudest - meanSquare) *
                                                           smoothing(frames, rate, kLevelWindowSeconds);
            // A sine's RMS is 3 dB below its peak; dBFS counts a full-scale sine as 0.
            const double level = 10 * std::log10(std::max(meanSquare, 1e-12) * 2 / (kFullScale * kFullScale));
            goal = gainDb;
            if (level >= kSilenceDb) {
                const double low = std::min(lowDb, highDb);
                const double high = std::max(lowDb, highDb);
                if (level + gainDb < low)
                    goal = low - level;
                else if (level + gainDb > high)
                    goal = high - level;
            }
            goal = std::clamp(goal, -SignalChain::kMaxGainDb, SignalChain::kMaxGainDb);
        } else {
            meanSquare = -1;
        }
        gainDb += (goal - gainDb) * smoothing(frames, rate, attackSeconds);
        if (!wanted && std::abs(gainDb) < 0.01) {
            gainDb = 0;
            return 1;
        }
        // Everything leaving the delay before the next chunk is in `peak`: the gain can
        // reach this limit before any of it sounds, and a ramp between two values below
        // a sample's limit stays below it.
        return peak > 0 ? std::min(std::pow(10.0, gainDb / 20), kCeiling / peak)
                        : std::pow(10.0, gainDb / 20);
    }

    bool on() const { return wanted || applied != 1; }

    // Frames must not exceed the delay's length, so that every frame leaving was seen by the
    // previous steer().
    void run(double* buf, std::size_t frames, int channels, int rate) {
        const double start = applied;
        const double end = on() ? steer(buf, frames, channels, rate) : 1;
        const std::size_t length = kChunkFrames * static_cast<std::size_t>(channels);
        for (std::size_t i = 0; i < frames; ++i) {
            const double g = start + (end - start) * static_cast<double>(i + 1) / static_cast<double>(frames);
            for (int ch = 0; ch < channels; ++ch) {
                double& v = buf[i * channels + ch];
                const double out = delay[delayPos] * g;
                delay[delayPos] = v;
                v = out;
                if (++delayPos == length)
                    delayPos = 0;
            }
        }
        applied = end;
    }

    // Only the delay, straight on the samples: what recording costs while everything is off.
    void pass(std::int16_t* samples, std::size_t values, int channels) {
        const std::size_t length = kChunkFrames * static_cast<std::size_t>(channels);
        if (values < length) {
            for (std::size_t k = 0; k < values; ++k) {
                const double out = delay[delayPos];
                delay[delayPos] = samples[k];
                samples[k] = toSample(out);
                if (++delayPos == length)
                    delayPos = 0;
            }
            return;
        }
        std::array<std::int16_t, kChunkFrames * SignalChain::kMaxChannels> tail;
        std::copy_n(samples + values - length, length, tail.begin());
        std::memmove(samples + length, samples, (values - length) * sizeof(std::int16_t));
        // A whole turn of the ring: the oldest value and the write position stay at delayPos.
        for (std::size_t k = 0, at = delayPos; k < length; ++k, at = at + 1 == length ? 0 : at + 1) {
            samples[k] = toSample(delay[at]);
            delay[at] = tail[k];
        }
    }
};

} // namespace

struct SignalChain::Capture {
    int rate = 0;
    int channels = 1;
    std::uint32_t version = 0;
    std::array<Stage, FilterCount> stages;
    Gain gain;
};

SignalChain::SignalChain()
    : m_capture(std::make_unique<Capture>()) {
    m_frequency[Notch] = 50.0f;
    m_frequency[HighPass] = 400.0f;
    m_frequency[LowPass] = 4000.0f;
    for (int f = 0; f < FilterCount; ++f) {
        m_enabled[f] = false;
        m_capture->stages[f].kind = static_cast<Filter>(f);
        m_capture->stages[f].sections = f == Notch ? 1 : 2;
    }
}

SignalChain::~SignalChain() = default;

void SignalChain::changed() {
    m_version.fetch_add(1, std::memory_order_release);
}

bool SignalChain::filterEnabled(Filter filter) const {
    return m_enabled[filter].load(std::memory_order_relaxed);
}

void SignalChain::setFilterEnabled(Filter filter, bool on) {
    m_enabled[filter].store(on, std::memory_order_relaxed);
    changed();
}

float SignalChain::filterFrequency(Filter filter) const {
    return m_frequency[filter].load(std::memory_order_relaxed);
}

bool SignalChain::setFilterFrequency(Filter filter, float hz) {
    // Written this way round so that NaN is refused too.
    if (!(hz >= kMinFrequency && hz <= kMaxFrequency))
        return false;
    m_frequency[filter].store(hz, std::memory_order_relaxed);
    changed();
    return true;
}

bool SignalChain::agcEnabled() const {
    return m_agcEnabled.load(std::memory_order_relaxed);
}

void SignalChain::setAgcEnabled(bool on) {
    m_agcEnabled.store(on, std::memory_order_relaxed);
    changed();
}

int SignalChain::agcLowLevel() const {
    return m_agcLow.load(std::memory_order_relaxed);
}

bool SignalChain::setAgcLowLevel(int dbfs) {
    if (dbfs < kMinLevel || dbfs > kMaxLevel)
        return false;
    m_agcLow.store(dbfs, std::memory_order_relaxed);
    changed();
    return true;
}

int SignalChain::agcHighLevel() const {
    return m_agcHigh.load(std::memory_order_relaxed);
}

bool SignalChain::setAgcHighLevel(int dbfs) {
    if (dbfs < kMinLevel || dbfs > kMaxLevel)
        return false;
    m_agcHigh.store(dbfs, std::memory_order_relaxed);
    changed();
    return true;
}

int SignalChain::agcAttackTime() const {
    return m_agcAttack.load(std::memory_order_relaxed);
}

bool SignalChain::setAgcAttackTime(int ms) {
    if (ms < kMinAttackMs || ms > kMaxAttackMs)
        return false;
    m_agcAttack.store(ms, std::memory_order_relaxed);
    changed();
    return true;
}

void SignalChain::prepare(int sampleRate, int channels) {
    Capture& c = *m_capture;
    c.rate = std::max(1, sampleRate);
    c.channels = std::clamp(channels, 1, kMaxChannels);
    // Forces a fresh read of the settings at the first process().
    c.version = m_version.load(std::memory_order_acquire) - 1;
    for (Stage& s : c.stages) {
        s.mix = 0;
        s.frequency = 0; // designed afresh for this rate
    }
    c.gain = Gain{};
}

void SignalChain::process(std::int16_t* samples, std::size_t frames) {
    Capture& c = *m_capture;
    const std::uint32_t version = m_version.load(std::memory_order_acquire);
    if (version != c.version) {
        c.version = version;
        for (int f = 0; f < FilterCount; ++f) {
            c.stages[f].wanted = m_enabled[f].load(std::memory_order_relaxed);
            c.stages[f].target = m_frequency[f].load(std::memory_order_relaxed);
        }
        c.gain.wanted = m_agcEnabled.load(std::memory_order_relaxed);
        c.gain.lowDb = m_agcLow.load(std::memory_order_relaxed);
        c.gain.highDb = m_agcHigh.load(std::memory_order_relaxed);
        c.gain.attackSeconds = m_agcAttack.load(std::memory_order_relaxed) / 1000.0;
    }
    if (c.rate <= 0)
        return;
    const bool filtering =
        std::any_of(c.stages.begin(), c.stages.end(), [](const Stage& s) { return s.active(); });
    if (!filtering && !c.gain.on()) {
        c.gain.pass(samples, frames * static_cast<std::size_t>(c.channels), c.channels);
        return;
    }

    std::array<double, kChunkFrames * kMaxChannels> buf;
    for (std::size_t done = 0; done < frames;) {
        const std::size_t n = std::min(kChunkFrames, frames - done);
        std::int16_t* chunk = samples + done * static_cast<std::size_t>(c.channels);
        const std::size_t values = n * static_cast<std::size_t>(c.channels);
        std::copy_n(chunk, values, buf.begin());
        for (Stage& s : c.stages) {
            if (s.active())
                s.run(buf.data(), n, c.channels, c.rate);
        }
        c.gain.run(buf.data(), n, c.channels, c.rate);
        for (std::size_t i = 0; i < values; ++i)
            chunk[i] = toSample(buf[i]);
        done += n;
    }
}

double SignalChain::agcGainDb() const {
    return m_capture->gain.gainDb;
}
