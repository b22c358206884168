#include "engine/codec/FfmpegResampler.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <QCoreApplication>
#include <algorithm>

namespace {

struct ResamplerCloser {
    void operator()(SwrContext* context) const { swr_free(&context); }
};

class FfmpegResampler final : public Resampler {
public:
    FfmpegResampler(SwrContext* context, int inChannels, int outChannels)
        : m_context(context)
        , m_inChannels(inChannels)
        , m_outChannels(outChannels) {}

    SampleBlock convert(const SampleBlock& in) override {
        return run(in.data(), static_cast<int>(in.size()) / m_inChannels);
    }
    SampleBlock flush() override { return run(nullptr, 0); }

private:
    SampleBlock run(const std::int16_t* in, int frames) {
        const int room = swr_get_out_samples(m_context.get(), frames);
        if (room <= 0)
            return {};
        SampleBlock out(static_cast<std::size_t>(room) * static_cast<std::size_t>(m_outChannels));
        auto* to = reinterpret_cast<std::uint8_t*>(out.data());
        const auto* from = reinterpret_cast<const std::uint8_t*>(in);
        const int converted = swr_convert(m_context.get(), &to, room, in ? &from : nullptr, frames);
        out.resize(static_cast<std::size_t>(std::max(converted, 0)) *
                   static_cast<std::size_t>(m_outChannels));
        return out;
    }

    std::unique_ptr<SwrContext, ResamplerCloser> m_context;
    int m_inChannels;
    int m_outChannels;
};

} // namespace

std::unique_ptr<Resampler> makeResampler(int inRate, int inChannels, int outRate, int outChannels,
                                         QString& error) {
    if (inRate <= 0 || outRate <= 0 || inChannels < 1 || inChannels > 2 || outChannels < 1 ||
        outChannels > 2) {
        error = QCoreApplication::translate("FfmpegResampler",
                                            "cannot convert %1 Hz with %2 channels to %3 Hz with %4 channels")
                    .arg(inRate)
                    .arg(inChannels)
                    .arg(outRate)
                    .arg(outChannels);
        return nullptr;
    }
    AVChannelLayout in{};
    AVChannelLayout out{};
    av_channel_layout_default(&in, inChannels);
    av_channel_layout_default(&out, outChannels);
    SwrContext* context = nullptr;
    const int allocated = swr_alloc_set_opts2(&context, &out, AV_SAMPLE_FMT_S16, outRate, &in,
                                              AV_SAMPLE_FMT_S16, inRate, 0, nullptr);
    // Mono goes to both sides at full level and stereo folds to their mean, not the
    // library's -3 dB centre mix.
    const double upmix[2] = {1.0, 1.0};
    const double downmix[2] = {0.5, 0.5};
    bool matrixSet = true;
    if (allocated >= 0 && inChannels != outChannels)
        matrixSet = swr_set_matrix(context, inChannels == 1 ? upmix : downmix, inChannels) >= 0;
    if (allocated < 0 || !matrixSet || swr_init(context) < 0) {
        swr_free(&context);
        error = QCoreApplication::translate("FfmpegResampler", "the resampler does not start");
        return nullptr;
    }
    return std::make_unique<FfmpegResampler>(context, inChannels, outChannels);
}
