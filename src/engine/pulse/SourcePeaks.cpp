#include "engine/pulse/SourcePeaks.h"

#include "engine/pulse/PulseContext.h"

#include <atomic>

namespace {

// Peaks per second the server hands over for each source.
constexpr std::uint32_t kPeaksPerSecond = 25;

} // namespace

struct SourcePeaks::Impl {
    struct Meter {
        pa_stream* stream = nullptr;
        std::atomic<float> peak{0.0F};
    };

    PulseContext server;
    std::vector<std::unique_ptr<Meter>> meters;

    static void onContextState(pa_context*, void* userdata) {
        pa_threaded_mainloop_signal(static_cast<Impl*>(userdata)->server.loop(), 0);
    }
    static void onRead(pa_stream* s, std::size_t, void* userdata) {
        auto* meter = static_cast<Meter*>(userdata);
        const void* data = nullptr;
        std::size_t bytes = 0;
        while (pa_stream_peek(s, &data, &bytes) == 0 && bytes > 0) {
            if (data && bytes >= sizeof(float))
                meter->peak.store(static_cast<const float*>(data)[bytes / sizeof(float) - 1],
                                  std::memory_order_relaxed);
            pa_stream_drop(s);
        }
    }
};

SourcePeaks::SourcePeaks(const std::vector<std::string>& serverNames)
    : d(std::make_unique<Impl>()) {
    for (std::size_t i = 0; i < serverNames.size(); ++i)
        d->meters.push_back(std::make_unique<Impl::Meter>());
    if (!d->server.connect(Impl::onContextState, d.get()))
        return;
    PulseLock lock(d->server.loop());
    const pa_sample_spec format{.format = PA_SAMPLE_FLOAT32NE, .rate = kPeaksPerSecond, .channels = 1};
    pa_channel_map map;
    pa_channel_map_init_mono(&map);
    pa_buffer_attr attr;
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.fragsize = sizeof(float);
    attr.tlength = attr.prebuf = attr.minreq = static_cast<std::uint32_t>(-1);
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_DONT_MOVE | PA_STREAM_PEAK_DETECT |
                                                      PA_STREAM_ADJUST_LATENCY);
    for (std::size_t i = 0; i < serverNames.size(); ++i) {
        Impl::Meter& meter = *d->meters[i];
        meter.stream = d->server.newStream("Tavrik level", format, map);
        if (!meter.stream)
            continue;
        pa_stream_set_read_callback(meter.stream, Impl::onRead, &meter);
        if (pa_stream_connect_record(meter.stream, serverNames[i].c_str(), &attr, flags) != 0) {
            pa_stream_unref(meter.stream);
            meter.stream = nullptr;
        }
    }
}

SourcePeaks::~SourcePeaks() {
    if (!d->server.loop())
        return;
    PulseLock lock(d->server.loop());
    for (const auto& meter : d->meters) {
        if (!meter->stream)
            continue;
        pa_stream_set_read_callback(meter->stream, nullptr, nullptr);
        pa_stream_disconnect(meter->stream);
        pa_stream_unref(meter->stream);
    }
}

double SourcePeaks::peak(int index) const {
    if (index < 0 || index >= static_cast<int>(d->meters.size()))
        return 0.0;
    return d->meters[static_cast<std::size_t>(index)]->peak.load(std::memory_order_relaxed);
}
