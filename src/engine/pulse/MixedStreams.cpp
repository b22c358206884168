#include "engine/pulse/MixedStreams.h"

#include "engine/pulse/PulseContext.h"

#include <QObject>
#include <algorithm>
#include <chrono>

namespace {

// The most frames one call hands to the mixer: a read after a stall may hold seconds.
constexpr int kLargestCallMs = 250;
// The other sources deliver in fragments this short, so that the delay covers their lumps.
constexpr int kSecondaryFragmentMs = 50;
// How fast a capture clock's reading may rise: far beyond a sound card running slow.
constexpr double kLargestSlowDrift = 0.005;

std::int64_t nowUs() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The source's own latency, from the server's timing: a frame reaches us as soon as the source
// has captured it and this much has passed. Read as the server last said, not interpolated,
// which drifts between its updates.
std::int64_t sourceLatencyUs(pa_stream* s) {
    const pa_timing_info* timing = pa_stream_get_timing_info(s);
    return timing ? static_cast<std::int64_t>(timing->source_usec) : 0;
}

} // namespace

struct MixedStreams::Stream {
    MixedStreams* owner;
    CaptureClock clock;
    int index; // in the mixer: 1 onwards
    int channels;
    QString description;
    pa_stream* stream = nullptr;
    std::atomic<bool> lost{false};
    bool lossReported = false; // owner thread
};

MixedStreams::MixedStreams(const PulseContext& server, Output output, Ended ended)
    : m_server(server)
    , m_output(std::move(output))
    , m_ended(std::move(ended)) {}

MixedStreams::~MixedStreams() = default;

QString MixedStreams::open(const std::vector<Source>& sources, int rate, int outputChannels,
                           SourceMixer::Layout layout) {
    m_rate = rate;
    m_primaryChannels = sources.front().channels;
    m_firstDescription = sources.front().description;
    m_firstLost = false;
    m_firstLossReported = false;
    m_pacer = 0;
    m_primaryClock = {};
    m_leadingSilence = static_cast<std::size_t>(rate * kDelayMs / 1000);
    const int largest = rate * kLargestCallMs / 1000;
    SourceMixer::Setup setup;
    setup.rate = rate;
    setup.outputChannels = outputChannels;
    setup.layout = layout;
    setup.delayFrames = rate * kDelayMs / 1000;
    setup.largestCallFrames = largest;
    for (const Source& src : sources) {
        setup.sourceChannels.push_back(src.channels);
        setup.levels.push_back(src.level);
    }
    m_mixer.configure(setup);
    m_silence.assign(static_cast<std::size_t>(largest) * 2, 0);
    m_mixed.assign(static_cast<std::size_t>(largest) * static_cast<std::size_t>(outputChannels), 0);

    for (std::size_t i = 1; i < sources.size(); ++i) {
        const Source& src = sources[i];
        auto stream = std::make_unique<Stream>();
        stream->owner = this;
        stream->index = static_cast<int>(i);
        stream->channels = src.channels;
        stream->description = src.description;
        const pa_sample_spec format{.format = PA_SAMPLE_S16LE,
                                    .rate = static_cast<std::uint32_t>(rate),
                                    .channels = static_cast<std::uint8_t>(src.channels)};
        pa_channel_map map;
        pa_channel_map_init_auto(&map, format.channels, PA_CHANNEL_MAP_DEFAULT);
        pa_buffer_attr attr;
        attr.maxlength = static_cast<std::uint32_t>(-1);
        attr.fragsize =
            static_cast<std::uint32_t>(pa_usec_to_bytes(kSecondaryFragmentMs * PA_USEC_PER_MSEC, &format));
        attr.tlength = attr.prebuf = attr.minreq = static_cast<std::uint32_t>(-1);
        stream->stream = m_server.newStream("Tavrik recording", format, map);
        if (!stream->stream) {
            close();
            return QString::fromUtf8(pa_strerror(pa_context_errno(m_server.context())));
        }
        pa_stream_set_read_callback(stream->stream, onRead, stream.get());
        pa_stream_set_state_callback(stream->stream, onState, stream.get());
        const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_DONT_MOVE | PA_STREAM_ADJUST_LATENCY |
                                                          PA_STREAM_AUTO_TIMING_UPDATE);
        pa_stream* s = stream->stream;
        m_streams.push_back(std::move(stream));
        const bool ready =
            pa_stream_connect_record(s, src.serverName.c_str(), &attr, flags) == 0 &&
            m_server.waitLocked(PulseContext::kServerWaitMs,
                                [s] {
                                    const pa_stream_state_t state = pa_stream_get_state(s);
                                    return state != PA_STREAM_UNCONNECTED && state != PA_STREAM_CREATING;
                                }) &&
            pa_stream_get_state(s) == PA_STREAM_READY;
        if (!ready) {
            const QString why = QString::fromUtf8(pa_strerror(pa_context_errno(m_server.context())));
            close();
            return QStringLiteral("\"%1\": %2").arg(src.description, why);
        }
    }
    return {};
}

void MixedStreams::close() {
    for (const auto& stream : m_streams) {
        pa_stream_set_read_callback(stream->stream, nullptr, nullptr);
        pa_stream_set_state_callback(stream->stream, nullptr, nullptr);
        if (pa_stream_get_state(stream->stream) == PA_STREAM_READY)
            pa_stream_disconnect(stream->stream);
        pa_stream_unref(stream->stream);
    }
    m_streams.clear();
}

std::int64_t CaptureClock::newestUs(std::uint64_t frames, std::int64_t arrivedUs, int rate) {
    const double frameUs = 1e6 / rate;
    const double reading = static_cast<double>(arrivedUs) - static_cast<double>(frames) * frameUs;
    offsetUs =
        started
            ? std::min(reading, offsetUs + static_cast<double>(arrivedUs - lastArrivedUs) * kLargestSlowDrift)
            : reading;
    started = true;
    lastArrivedUs = arrivedUs;
    return static_cast<std::int64_t>(std::llround(offsetUs + static_cast<double>(frames) * frameUs));
}

template <typename Take>
void MixedStreams::readAll(pa_stream* s, int channels, CaptureClock& clock, Take take) {
    const std::size_t frameBytes = sizeof(std::int16_t) * static_cast<std::size_t>(channels);
    const auto largest = static_cast<std::size_t>(m_rate * kLargestCallMs / 1000);
    // The newest frame readable now arrived just now, a source latency after it was captured.
    const std::uint64_t readable = pa_stream_readable_size(s) / frameBytes;
    const std::int64_t newestUs =
        clock.newestUs(clock.framesRead + readable, nowUs() - sourceLatencyUs(s), m_rate);
    std::size_t after = readable;
    const void* data = nullptr;
    std::size_t bytes = 0;
    while (pa_stream_peek(s, &data, &bytes) == 0 && bytes > 0) {
        const std::size_t frames = bytes / frameBytes;
        for (std::size_t done = 0; done < frames;) {
            const std::size_t n = std::min(largest, frames - done);
            const auto* values = data ? static_cast<const std::int16_t*>(data) + done * channels : nullptr;
            done += n;
            after -= std::min(after, n);
            take(values, n, newestUs - static_cast<std::int64_t>(after) * 1000000 / m_rate);
        }
        clock.framesRead += frames;
        pa_stream_drop(s);
    }
}

void MixedStreams::primaryReadable(pa_stream* stream) {
    readAll(stream, m_primaryChannels, m_primaryClock,
            [this](const std::int16_t* values, std::size_t frames, std::int64_t newest) {
                if (m_pacer.load(std::memory_order_relaxed) == 0)
                    mixAndOutput(values, frames, newest);
            });
}

void MixedStreams::finish() {
    if (m_pacer.load(std::memory_order_relaxed) < 0)
        return;
    const auto largest = static_cast<std::size_t>(m_rate * kLargestCallMs / 1000);
    for (std::size_t left = static_cast<std::size_t>(m_rate * kDelayMs / 1000); left > 0;) {
        const std::size_t n = std::min(largest, left);
        left -= n;
        mixAndOutput(nullptr, n, m_lastNewestUs + static_cast<std::int64_t>(n) * 1000000 / m_rate);
    }
}

void MixedStreams::mixAndOutput(const std::int16_t* primary, std::size_t frames,
                                std::int64_t newestCapturedUs) {
    m_lastNewestUs = newestCapturedUs;
    m_mixer.mix(primary ? primary : m_silence.data(), frames, newestCapturedUs, m_mixed.data());
    // The mixer's first frames are the silence before the first source's own: the recording
    // starts with its sound, and finish() hands out what is held back.
    const std::size_t skipped = std::min(m_leadingSilence, frames);
    m_leadingSilence -= skipped;
    const auto channels = static_cast<std::size_t>(m_mixer.outputChannels());
    if (skipped < frames)
        m_output(m_mixed.data() + skipped * channels, (frames - skipped) * channels);
}

void MixedStreams::onRead(pa_stream*, std::size_t, void* userdata) {
    auto* stream = static_cast<Stream*>(userdata);
    stream->owner->secondaryDelivered(*stream);
}

void MixedStreams::secondaryDelivered(Stream& stream) {
    const bool paces = m_pacer.load(std::memory_order_relaxed) == stream.index;
    readAll(stream.stream, stream.channels, stream.clock,
            [&](const std::int16_t* values, std::size_t frames, std::int64_t newest) {
                if (values)
                    m_mixer.pushSecondary(stream.index, values, frames, newest);
                // With the first source gone, this one's frames set the pace.
                if (paces)
                    mixAndOutput(nullptr, frames, newest);
            });
}

void MixedStreams::onState(pa_stream* s, void* userdata) {
    const pa_stream_state_t state = pa_stream_get_state(s);
    auto* stream = static_cast<Stream*>(userdata);
    if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED)
        stream->owner->secondaryLost(*stream);
    pa_threaded_mainloop_signal(stream->owner->m_server.loop(), 0);
}

void MixedStreams::secondaryLost(Stream& stream) {
    if (stream.lost.exchange(true))
        return;
    m_mixer.loseSource(stream.index);
    if (m_pacer.load(std::memory_order_relaxed) != stream.index)
        return;
    const int next = nextPacer();
    m_pacer.store(next, std::memory_order_relaxed);
    if (next < 0)
        m_ended();
}

bool MixedStreams::primaryLost() {
    m_firstLost = true;
    const int next = nextPacer();
    m_pacer.store(next, std::memory_order_relaxed);
    return next > 0;
}

int MixedStreams::nextPacer() const {
    for (const auto& stream : m_streams)
        if (!stream->lost)
            return stream->index;
    return -1;
}

QStringList MixedStreams::takeLostSources() {
    QStringList lost;
    if (m_firstLost && !m_firstLossReported) {
        m_firstLossReported = true;
        lost << m_firstDescription;
    }
    for (const auto& stream : m_streams)
        if (stream->lost && !stream->lossReported) {
            stream->lossReported = true;
            lost << stream->description;
        }
    return lost;
}

QString MixedStreams::summary() const {
    QStringList parts;
    for (const auto& stream : m_streams)
        parts << QStringLiteral("\"%1\" %2 ppm, %3 ms, %4 s")
                     .arg(stream->description)
                     .arg(m_mixer.driftPpm(stream->index), 0, 'f', 1)
                     .arg(m_mixer.lagUs(stream->index) / 1000.0, 0, 'f', 1)
                     .arg(static_cast<double>(m_mixer.silentFrames(stream->index)) / m_rate, 0, 'f', 2);
    return QObject::tr("Sources kept in time with \"%1\" (clock drift, lag, silence filled in): %2")
        .arg(m_firstDescription, parts.join(QStringLiteral("; ")));
}
