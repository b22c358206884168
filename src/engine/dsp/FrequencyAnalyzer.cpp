#include "engine/dsp/FrequencyAnalyzer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <fftw3.h>
#include <numbers>

namespace {

// One transform size with its buffers; FFTW plans are costly to make, cheap to reuse.
class Plan {
public:
    explicit Plan(int size)
        : m_size(size)
        , m_in(fftwf_alloc_real(static_cast<size_t>(size)))
        , m_out(fftwf_alloc_complex(static_cast<size_t>(size / 2 + 1)))
        , m_plan(fftwf_plan_dft_r2c_1d(size, m_in, m_out, FFTW_ESTIMATE)) {}
    ~Plan() {
        fftwf_destroy_plan(m_plan);
        fftwf_free(m_out);
        fftwf_free(m_in);
    }
    Plan(const Plan&) = delete;
    Plan& operator=(const Plan&) = delete;

    int size() const { return m_size; }
    float* input() { return m_in; }
    void execute() { fftwf_execute(m_plan); }
    float power(int bin) const { return m_out[bin][0] * m_out[bin][0] + m_out[bin][1] * m_out[bin][1]; }

private:
    int m_size;
    float* m_in;
    fftwf_complex* m_out;
    fftwf_plan m_plan;
};

float toDb(float amplitude) {
    return std::max(kSpectrumFloorDb, 20 * std::log10(std::max(amplitude, 1e-7f)));
}

} // namespace

struct FrequencyAnalyzer::Impl {
    int bands = 1;
    float lowestHz = 1;
    std::vector<std::unique_ptr<Plan>> plans;
    // Hann window for the last sample count, and its sum.
    std::vector<float> window;
    float windowSum = 0;
    std::vector<float> power;
    Spectrum result;
    // Band edges for the last sample rate.
    std::vector<float> edges;
    int edgesRate = -1;

    const std::vector<float>& edgesFor(int sampleRate) {
        if (sampleRate != edgesRate) {
            edgesRate = sampleRate;
            const float nyquist = std::max(sampleRate, 2) / 2.0f;
            const float low = std::min(lowestHz, nyquist / 2);
            edges.resize(static_cast<size_t>(bands) + 1);
            for (int i = 0; i <= bands; ++i)
                edges[static_cast<size_t>(i)] = low * std::pow(nyquist / low, static_cast<float>(i) / bands);
        }
        return edges;
    }

    const std::vector<float>& windowFor(int count) {
        if (window.size() != static_cast<size_t>(count)) {
            window.resize(static_cast<size_t>(count));
            windowSum = 0;
            for (int i = 0; i < count; ++i) {
                window[static_cast<size_t>(i)] =
                    0.5f - 0.5f * std::cos(2 * std::numbers::pi_v<float> * i / (count - 1));
                windowSum += window[static_cast<size_t>(i)];
            }
        }
        return window;
    }

    Plan& planFor(int size) {
        const auto found = std::ranges::find_if(plans, [size](const auto& p) { return p->size() == size; });
        if (found != plans.end())
            return **found;
        plans.push_back(std::make_unique<Plan>(size));
        return *plans.back();
    }
};

FrequencyAnalyzer::FrequencyAnalyzer(int bands, float lowestHz)
    : d(std::make_unique<Impl>()) {
    d->bands = std::max(1, bands);
    d->lowestHz = std::max(1.0f, lowestHz);
}

FrequencyAnalyzer::~FrequencyAnalyzer() = default;

const Spectrum& FrequencyAnalyzer::analyze(const SampleBlock& mono, int sampleRate) {
    Spectrum& result = d->result;
    result.bandDb.assign(static_cast<size_t>(d->bands), kSpectrumFloorDb);
    result.edgeHz = d->edgesFor(sampleRate);
    result.peakHz = 0;
    result.peakDb = kSpectrumFloorDb;
    if (mono.size() < 2 || sampleRate <= 0)
        return result;

    const int count = static_cast<int>(std::min<size_t>(mono.size(), kMaxSamples));
    const std::int16_t* samples = mono.data() + (mono.size() - static_cast<size_t>(count));
    Plan& plan = d->planFor(static_cast<int>(std::bit_ceil(static_cast<unsigned>(count))));
    float* in = plan.input();
    const std::vector<float>& window = d->windowFor(count);
    for (int i = 0; i < count; ++i)
        in[i] = window[static_cast<size_t>(i)] * samples[i] / 32768.0f;
    std::fill(in + count, in + plan.size(), 0.0f);
    plan.execute();

    // Levels are compared as powers; only the results are turned into dB. One pass fills
    // the powers and finds the strongest bin; each band then takes its strongest power.
    const int bins = plan.size() / 2 + 1;
    std::vector<float>& power = d->power;
    power.resize(static_cast<size_t>(bins));
    int k = 1;
    for (int b = 0; b < bins; ++b) {
        power[static_cast<size_t>(b)] = plan.power(b);
        if (b > 0 && power[static_cast<size_t>(b)] > power[static_cast<size_t>(k)])
            k = b;
    }
    // A full-scale sine reads 0 dB: its bin holds half the window's sum.
    const float scale = 2 / d->windowSum;
    const auto levelOfPower = [scale](float p) { return toDb(scale * std::sqrt(p)); };
    const auto levelOf = [&](int bin) { return levelOfPower(power[static_cast<size_t>(bin)]); };

    const float binHz = static_cast<float>(sampleRate) / plan.size();
    const float peak = levelOf(k);
    float offset = 0;
    if (k + 1 < bins) {
        // The parabola through the top bin and its neighbours finds the peak between bins.
        const float a = levelOf(k - 1), c = levelOf(k + 1);
        const float denominator = a - 2 * peak + c;
        if (denominator < 0)
            offset = 0.5f * (a - c) / denominator;
    }
    result.peakHz = (static_cast<float>(k) + offset) * binHz;
    result.peakDb = peak;

    for (int b = 0; b < d->bands; ++b) {
        const auto first = static_cast<int>(std::ceil(result.edgeHz[static_cast<size_t>(b)] / binHz));
        const int last = std::min(
            bins - 1, static_cast<int>(std::ceil(result.edgeHz[static_cast<size_t>(b) + 1] / binHz)) - 1);
        float& band = result.bandDb[static_cast<size_t>(b)];
        if (first <= last) {
            float strongest = 0;
            for (int i = first; i <= last; ++i)
                strongest = std::max(strongest, power[static_cast<size_t>(i)]);
            band = levelOfPower(strongest);
        } else {
            // Narrower than a bin: the bin at its centre speaks for it.
            const float centre =
                std::sqrt(result.edgeHz[static_cast<size_t>(b)] * result.edgeHz[static_cast<size_t>(b) + 1]);
            band = levelOf(std::min(bins - 1, static_cast<int>(std::lround(centre / binHz))));
        }
    }
    return result;
}
