#include "engine/dsp/SourceMixer.h"

#include <algorithm>
#include <cmath>
#include <soxr.h>

namespace {

// The resampler is handed its input in pieces no longer than this, so that it holds little more
// than its filter needs and a late source shows as soon as its frames are about to be due.
constexpr std::size_t kPullFrames = 256;
// The widest clock difference followed, far beyond what real sound cards show.
constexpr double kLargestDrift = 0.01;
// The steering loop: a PI controller on the smoothed timing error. It starts wide, to settle in
// seconds, then narrows, so that jittery timestamps and lumpy deliveries barely move the ratio
// and the measured clock difference holds still. Bandwidths in radians per second.
constexpr double kSettlingBandwidth = 0.2;
constexpr double kHoldingBandwidth = 0.05;
constexpr double kSettlingSeconds = 30;
constexpr double kDamping = 0.9;
// 0.1 %: under two cents.
constexpr double kLargestPull = 0.001;

using Resampler = std::unique_ptr<soxr, decltype(&soxr_delete)>;

struct Secondary {
    enum class State {
        Waiting, // no frames due yet, or late: aligns anew once frames are queued
        Running,
        Lost,
    };

    int channels = 1;          // as pushed
    int resampledChannels = 1; // after the downmix the layout allows
    float level = 1.0F;
    Resampler resampler{nullptr, &soxr_delete};
    std::vector<float> queue; // ring of resampledChannels-wide frames
    std::size_t queueCapacity = 0;
    std::size_t queueStart = 0;
    std::size_t queueFrames = 0;
    std::vector<float> zeros;
    std::vector<float> resampled;
    State state = State::Waiting;
    std::int64_t newestCapturedUs = 0;
    std::size_t leadSilence = 0;     // frames of silence to hand over before the queue
    std::uint64_t pulledFrames = 0;  // handed to the resampler, silence included
    std::uint64_t pulledSilence = 0; // of those, silence because the source was late
    double landedFrames = 0;         // the input position the resampler's output has reached
    double ratio = 1.0;              // input frames per output frame
    double smoothedLateFrames = 0;
    double drift = 0; // the integral term: the clock difference
    double steeredSeconds = 0;
    std::uint64_t silentFrames = 0;
};

// The resampler's input: lead silence, then the queue; silence when the queue is dry.
std::size_t pullInput(void* state, soxr_in_t* data, std::size_t requested) {
    auto& source = *static_cast<Secondary*>(state);
    const std::size_t wanted = std::clamp<std::size_t>(requested, 1, kPullFrames);
    std::size_t given = wanted;
    if (source.leadSilence > 0) {
        given = std::min(wanted, source.leadSilence);
        source.leadSilence -= given;
        *data = source.zeros.data();
    } else if (source.queueFrames > 0) {
        given = std::min({wanted, source.queueFrames, source.queueCapacity - source.queueStart});
        *data = source.queue.data() + source.queueStart * static_cast<std::size_t>(source.resampledChannels);
        source.queueStart = (source.queueStart + given) % source.queueCapacity;
        source.queueFrames -= given;
    } else {
        *data = source.zeros.data();
        source.pulledSilence += given;
        if (source.state == Secondary::State::Running) {
            source.state = Secondary::State::Waiting;
        }
    }
    source.pulledFrames += given;
    return given;
}

// `frames` output frames at `ratio`, reached by a linear slew over them, which is how the
// resampler moves; the landing position follows the same path.
void resampleAt(Secondary& source, double ratio, std::size_t frames, float* out) {
    soxr_set_io_ratio(source.resampler.get(), ratio, frames);
    const std::size_t made = soxr_output(source.resampler.get(), out, frames);
    std::fill(out + made * static_cast<std::size_t>(source.resampledChannels),
              out + frames * static_cast<std::size_t>(source.resampledChannels), 0.0F);
    source.landedFrames += static_cast<double>(frames) * (source.ratio + ratio) / 2;
    source.ratio = ratio;
}

void dropQueued(Secondary& source, std::size_t frames) {
    source.queueStart = (source.queueStart + frames) % source.queueCapacity;
    source.queueFrames -= frames;
}

} // namespace

struct SourceMixer::Impl {
    Setup setup;
    std::size_t largestCall = 0;
    float primaryLevel = 1.0F;
    std::vector<std::int16_t> primaryRing; // the primary's last delayFrames + largestCall frames
    std::size_t primaryRingFrames = 0;
    std::vector<float> primaryDelayed;
    std::vector<float> sums;
    std::vector<Secondary> secondaries;
    std::uint64_t framesMixed = 0;

    // The secondary `source` counts from the primary (0); null for the primary or beyond.
    Secondary* secondary(int source) {
        const bool valid = source >= 1 && static_cast<std::size_t>(source) <= secondaries.size();
        return valid ? &secondaries[static_cast<std::size_t>(source - 1)] : nullptr;
    }
    void createResampler(Secondary& source);
    void delayPrimary(const std::int16_t* primary, std::size_t frames);
    double lateFrames(const Secondary& source, std::size_t frames, std::int64_t primaryNewestUs) const;
    void align(Secondary& source, std::size_t frames, std::int64_t primaryNewestUs);
    double steer(Secondary& source, double late, std::size_t frames) const;
    void addSource(const float* samples, int channels, float level, int index, std::size_t frames);
    void mixPiece(const std::int16_t* primary, std::size_t frames, std::int64_t newestCapturedUs,
                  std::int16_t* out);
};

void SourceMixer::Impl::createResampler(Secondary& source) {
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, SOXR_VR);
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_runtime_spec_t runtime = soxr_runtime_spec(1);
    // In variable-rate mode the first rate is the largest input/output ratio to be asked for.
    source.resampler.reset(soxr_create(1 + 4 * kLargestDrift, 1,
                                       static_cast<unsigned>(source.resampledChannels), nullptr, &io,
                                       &quality, &runtime));
    if (!source.resampler) {
        source.state = Secondary::State::Lost;
        return;
    }
    soxr_set_io_ratio(source.resampler.get(), 1.0, 0);
    soxr_set_input_fn(source.resampler.get(), pullInput, &source, kPullFrames);
    // The resampler grows its buffers as it meets longer requests and other ratios; meeting
    // them here keeps it from allocating in a capture callback. What it holds after is silence
    // that the alignment counts with the rest.
    const std::size_t warmUpFrames = std::max<std::size_t>(16384, 4 * largestCall);
    std::vector<float> scratch(warmUpFrames * static_cast<std::size_t>(source.resampledChannels));
    for (const double ratio : {1 - 2 * kLargestDrift, 1 + 2 * kLargestDrift, 1.0}) {
        resampleAt(source, ratio, warmUpFrames, scratch.data());
    }
}

void SourceMixer::Impl::delayPrimary(const std::int16_t* primary, std::size_t frames) {
    const auto channels = static_cast<std::size_t>(setup.sourceChannels[0]);
    const auto delay = static_cast<std::size_t>(setup.delayFrames);
    for (std::size_t i = 0; i < frames; ++i) {
        const std::size_t slot = (framesMixed + i) % primaryRingFrames;
        std::copy_n(primary + i * channels, channels,
                    primaryRing.begin() + static_cast<std::ptrdiff_t>(slot * channels));
    }
    // Frames from before the first call read the ring's initial silence.
    for (std::size_t i = 0; i < frames; ++i) {
        const std::size_t slot = (framesMixed + primaryRingFrames - delay + i) % primaryRingFrames;
        for (std::size_t c = 0; c < channels; ++c) {
            primaryDelayed[i * channels + c] = primaryRing[slot * channels + c];
        }
    }
}

// How many frames later than the primary frame captured at the same moment the secondary's next
// frame lands, as of a mix of `frames` frames whose newest was captured at `primaryNewestUs`.
double SourceMixer::Impl::lateFrames(const Secondary& source, std::size_t frames,
                                     std::int64_t primaryNewestUs) const {
    const double queued = static_cast<double>(source.leadSilence + source.queueFrames);
    const double behindNewest = queued + static_cast<double>(source.pulledFrames) - source.landedFrames;
    const double apartSeconds = static_cast<double>(primaryNewestUs - source.newestCapturedUs) * 1e-6;
    return apartSeconds * setup.rate -
           static_cast<double>(frames - 1 + static_cast<std::size_t>(setup.delayFrames)) +
           behindNewest / (1 + source.drift);
}

// Drops the frames that are already past due, or starts with silence until the first is due.
void SourceMixer::Impl::align(Secondary& source, std::size_t frames, std::int64_t primaryNewestUs) {
    const double late = lateFrames(source, frames, primaryNewestUs);
    source.smoothedLateFrames = 0;
    if (late < 0) {
        source.leadSilence = static_cast<std::size_t>(std::llround(-late));
        source.state = Secondary::State::Running;
        return;
    }
    const auto stale = static_cast<std::size_t>(std::llround(late));
    if (stale >= source.queueFrames) {
        dropQueued(source, source.queueFrames);
        return;
    }
    dropQueued(source, stale);
    source.state = Secondary::State::Running;
}

// The ratio for the next `frames` frames, from a PI loop on the smoothed timing error.
double SourceMixer::Impl::steer(Secondary& source, double late, std::size_t frames) const {
    const double seconds = static_cast<double>(frames) / setup.rate;
    source.steeredSeconds += seconds;
    const double bandwidth =
        source.steeredSeconds < kSettlingSeconds ? kSettlingBandwidth : kHoldingBandwidth;
    // Smoothing well inside the loop's bandwidth, so that it costs little phase.
    const double smoothingSeconds = 0.1 / bandwidth;
    source.smoothedLateFrames +=
        (late - source.smoothedLateFrames) * std::min(1.0, seconds / smoothingSeconds);
    const double lateSeconds = source.smoothedLateFrames / setup.rate;
    source.drift = std::clamp(source.drift + bandwidth * bandwidth * lateSeconds * seconds, -kLargestDrift,
                              kLargestDrift);
    // A lag is taken back no faster than this, so that the pitch never audibly bends.
    const double pull = std::clamp(2 * kDamping * bandwidth * lateSeconds, -kLargestPull, kLargestPull);
    return std::clamp(1 + source.drift + pull, 1 - 2 * kLargestDrift, 1 + 2 * kLargestDrift);
}

void SourceMixer::Impl::addSource(const float* samples, int channels, float level, int index,
                                  std::size_t frames) {
    const int outputs = setup.outputChannels;
    const auto downmixed = [&](std::size_t frame) {
        const float* f = samples + frame * static_cast<std::size_t>(channels);
        return channels == 1 ? f[0] : (f[0] + f[1]) / 2;
    };
    float* sum = sums.data();
    if (setup.layout == Layout::ChannelPerSource) {
        if (index >= outputs) {
            return;
        }
        for (std::size_t i = 0; i < frames; ++i) {
            sum[i * static_cast<std::size_t>(outputs) + static_cast<std::size_t>(index)] +=
                level * downmixed(i);
        }
        return;
    }
    for (std::size_t i = 0; i < frames; ++i) {
        for (int c = 0; c < outputs; ++c) {
            const float value =
                channels == outputs
                    ? samples[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)]
                    : downmixed(i);
            sum[i * static_cast<std::size_t>(outputs) + static_cast<std::size_t>(c)] += level * value;
        }
    }
}

void SourceMixer::Impl::mixPiece(const std::int16_t* primary, std::size_t frames,
                                 std::int64_t newestCapturedUs, std::int16_t* out) {
    const auto outputs = static_cast<std::size_t>(setup.outputChannels);
    std::fill_n(sums.begin(), frames * outputs, 0.0F);
    delayPrimary(primary, frames);
    addSource(primaryDelayed.data(), setup.sourceChannels[0], primaryLevel, 0, frames);
    // Before the primary's own first frame is out, a missing secondary is no loss.
    const bool counting = framesMixed >= static_cast<std::uint64_t>(setup.delayFrames);
    int index = 1;
    for (Secondary& source : secondaries) {
        const int sourceIndex = index++;
        if (source.state == Secondary::State::Lost) {
            source.silentFrames += counting ? frames : 0;
            continue;
        }
        if (source.state == Secondary::State::Waiting && source.queueFrames > 0) {
            align(source, frames, newestCapturedUs);
        }
        double ratio = 1 + source.drift;
        if (source.state == Secondary::State::Running) {
            ratio = steer(source, lateFrames(source, frames, newestCapturedUs), frames);
        }
        const std::uint64_t silenceBefore = source.pulledSilence;
        resampleAt(source, ratio, frames, source.resampled.data());
        source.silentFrames += counting ? source.pulledSilence - silenceBefore : 0;
        addSource(source.resampled.data(), source.resampledChannels, source.level, sourceIndex, frames);
    }
    for (std::size_t i = 0; i < frames * outputs; ++i) {
        out[i] = static_cast<std::int16_t>(std::clamp(std::lround(sums[i]), -32768L, 32767L));
    }
    framesMixed += frames;
}

SourceMixer::SourceMixer()
    : d(std::make_unique<Impl>()) {}

SourceMixer::~SourceMixer() = default;

void SourceMixer::configure(const Setup& setup) {
    d = std::make_unique<Impl>();
    Impl& m = *d;
    m.setup = setup;
    m.setup.outputChannels = std::clamp(setup.outputChannels, 1, 2);
    m.setup.delayFrames = std::max(setup.delayFrames, 0);
    for (int& channels : m.setup.sourceChannels) {
        channels = std::clamp(channels, 1, 2);
    }
    m.setup.levels.resize(m.setup.sourceChannels.size(), 1.0);
    for (double& level : m.setup.levels) {
        level = std::clamp(level, 0.0, 2.0);
    }
    if (m.setup.sourceChannels.empty()) {
        return;
    }
    m.largestCall = static_cast<std::size_t>(std::max(setup.largestCallFrames, 1));
    const auto delay = static_cast<std::size_t>(m.setup.delayFrames);
    const auto outputs = static_cast<std::size_t>(m.setup.outputChannels);
    const auto primaryChannels = static_cast<std::size_t>(m.setup.sourceChannels[0]);
    m.primaryLevel = static_cast<float>(m.setup.levels[0]);
    m.primaryRingFrames = delay + m.largestCall;
    m.primaryRing.assign(m.primaryRingFrames * primaryChannels, 0);
    m.primaryDelayed.resize(m.largestCall * primaryChannels);
    m.sums.resize(m.largestCall * outputs);
    // Sized once: each resampler keeps a pointer to its source.
    m.secondaries.resize(m.setup.sourceChannels.size() - 1);
    for (std::size_t i = 0; i < m.secondaries.size(); ++i) {
        Secondary& source = m.secondaries[i];
        source.channels = m.setup.sourceChannels[i + 1];
        const bool downmixed = m.setup.layout == Layout::ChannelPerSource || outputs == 1;
        source.resampledChannels = downmixed ? 1 : source.channels;
        source.level = static_cast<float>(m.setup.levels[i + 1]);
        const auto width = static_cast<std::size_t>(source.resampledChannels);
        // A full delay, a lump and a call on top, and room for timing jitter.
        source.queueCapacity = delay + 2 * m.largestCall + static_cast<std::size_t>(m.setup.rate / 5);
        source.queue.resize(source.queueCapacity * width);
        source.zeros.assign(kPullFrames * width, 0.0F);
        source.resampled.resize(m.largestCall * width);
        m.createResampler(source);
    }
}

int SourceMixer::sourceCount() const {
    return static_cast<int>(d->setup.sourceChannels.size());
}

int SourceMixer::outputChannels() const {
    return d->setup.outputChannels;
}

void SourceMixer::pushSecondary(int source, const std::int16_t* data, std::size_t frames,
                                std::int64_t newestCapturedUs) {
    Secondary* found = d->secondary(source);
    if (found == nullptr || found->state == Secondary::State::Lost) {
        return;
    }
    Secondary& s = *found;
    // Frames beyond the queue's room push out the oldest, which are stale by then: align anew.
    const std::size_t kept = std::min(frames, s.queueCapacity);
    const std::size_t overflow =
        (s.queueFrames + kept > s.queueCapacity) ? s.queueFrames + kept - s.queueCapacity : 0;
    if (overflow > 0) {
        dropQueued(s, overflow);
        s.state = Secondary::State::Waiting;
    }
    const auto channels = static_cast<std::size_t>(s.channels);
    const auto width = static_cast<std::size_t>(s.resampledChannels);
    const std::int16_t* frame = data + (frames - kept) * channels;
    for (std::size_t i = 0; i < kept; ++i, frame += channels) {
        float* slot = s.queue.data() + ((s.queueStart + s.queueFrames + i) % s.queueCapacity) * width;
        if (width == channels) {
            std::copy_n(frame, channels, slot);
        } else {
            slot[0] = (static_cast<float>(frame[0]) + static_cast<float>(frame[1])) / 2;
        }
    }
    s.queueFrames += kept;
    s.newestCapturedUs = newestCapturedUs;
}

void SourceMixer::mix(const std::int16_t* primary, std::size_t frames, std::int64_t newestCapturedUs,
                      std::int16_t* out) {
    const auto outputs = static_cast<std::size_t>(d->setup.outputChannels);
    if (sourceCount() == 0) {
        std::fill_n(out, frames * outputs, std::int16_t{0});
        return;
    }
    const auto primaryChannels = static_cast<std::size_t>(d->setup.sourceChannels[0]);
    // Longer calls go in pieces the buffers were made for, each with its own newest frame's time.
    while (frames > 0) {
        const std::size_t piece = std::min(frames, d->largestCall);
        const std::size_t after = frames - piece;
        const auto afterUs = static_cast<std::int64_t>(static_cast<double>(after) * 1e6 / d->setup.rate);
        d->mixPiece(primary, piece, newestCapturedUs - afterUs, out);
        primary += piece * primaryChannels;
        out += piece * outputs;
        frames = after;
    }
}

void SourceMixer::loseSource(int source) {
    if (Secondary* s = d->secondary(source)) {
        s->state = Secondary::State::Lost;
        dropQueued(*s, s->queueFrames);
        s->leadSilence = 0;
    }
}

double SourceMixer::driftPpm(int source) const {
    const Secondary* s = d->secondary(source);
    return s != nullptr ? s->drift * 1e6 : 0;
}

std::uint64_t SourceMixer::silentFrames(int source) const {
    const Secondary* s = d->secondary(source);
    return s != nullptr ? s->silentFrames : 0;
}

double SourceMixer::lagUs(int source) const {
    const Secondary* s = d->secondary(source);
    return s != nullptr ? s->smoothedLateFrames * 1e6 / d->setup.rate : 0;
}
