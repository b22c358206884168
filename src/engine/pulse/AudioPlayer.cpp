#include "engine/pulse/AudioPlayer.h"

#include "engine/dsp/SampleRing.h"
#include "engine/pulse/PulseContext.h"

#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kTickMs = 40;
constexpr int kSlowestTickMs = 250;
// What waits in our ring before the player asks for more, and how much the ring holds.
constexpr int kAheadMs = 1000;
constexpr int kRingSeconds = 5;
// Heard sound kept behind the server for RecentSamples.
constexpr int kHistoryMs = 2000;
// The server's own buffer: short at the start, because a longer one makes the server
// rewind the sink when playback starts, which cuts the start off what "what you hear"
// records. Once sound is heard it grows, so that the server asks for more a few times a
// second rather than dozens.
constexpr pa_usec_t kStartTargetUsec = 150 * PA_USEC_PER_MSEC;
constexpr pa_usec_t kStartUsec = 20 * PA_USEC_PER_MSEC;
constexpr pa_usec_t kTargetUsec = 1000 * PA_USEC_PER_MSEC;
constexpr pa_usec_t kRequestUsec = 250 * PA_USEC_PER_MSEC;

} // namespace

struct AudioPlayer::Impl {
    explicit Impl(AudioPlayer* owner)
        : q(owner)
        , timer(new QTimer(owner)) {}

    AudioPlayer* q;
    QTimer* timer;
    PulseContext server;
    pa_stream* stream = nullptr;

    int rate = 44100;
    int channels = 2;
    int status = StatusOk;
    QString errorText;

    // Fixed while a stream exists.
    int streamChannels = 2;
    int streamRate = 44100;
    std::vector<std::int16_t> ring;
    // Values queued / handed to the server since Start; only ever grow.
    std::atomic<std::uint64_t> queued{0};
    std::atomic<std::uint64_t> sent{0};
    std::atomic<bool> drained{false};
    std::atomic<bool> failed{false};

    // Owner thread only.
    bool volumeSet = false;
    double gains[2] = {1.0, 1.0};
    bool inputEnded = false;
    bool draining = false;
    bool endReported = false;
    bool widened = false;
    SampleBlock recent; // the last tick's, for the levels

    std::size_t aheadValues() const {
        return static_cast<std::size_t>(rate) * streamChannels * kAheadMs / 1000;
    }
    std::size_t historyValues() const {
        return static_cast<std::size_t>(streamRate) * streamChannels * kHistoryMs / 1000;
    }

    pa_cvolume volume() const;
    pa_sample_spec sampleSpec() const;
    // The server's buffer for the stream: `target` long, asked for in pieces of `request`
    // (0: the server picks).
    pa_buffer_attr bufferAttr(pa_usec_t target, pa_usec_t request) const;
    bool openStream();
    void widenBuffer();
    void closeStream();
    void sendLocked(std::size_t bytes);
    std::uint64_t heardValues() const;
    void tick();
    void requestMore();

    static void onContextState(pa_context* c, void* userdata);
    static void onStreamState(pa_stream* s, void* userdata);
    static void onWrite(pa_stream* s, std::size_t bytes, void* userdata);
    static void onDrained(pa_stream* s, int success, void* userdata);
};

void AudioPlayer::Impl::onContextState(pa_context* c, void* userdata) {
    auto* d = static_cast<Impl*>(userdata);
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(c)))
        d->failed.store(true, std::memory_order_release);
    pa_threaded_mainloop_signal(d->server.loop(), 0);
}

void AudioPlayer::Impl::onStreamState(pa_stream* s, void* userdata) {
    auto* d = static_cast<Impl*>(userdata);
    const pa_stream_state_t state = pa_stream_get_state(s);
    if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED)
        d->failed.store(true, std::memory_order_release);
    pa_threaded_mainloop_signal(d->server.loop(), 0);
}

// libpulse's thread (or the owner with the lock held): no allocation, no Qt objects.
void AudioPlayer::Impl::onWrite(pa_stream*, std::size_t bytes, void* userdata) {
    static_cast<Impl*>(userdata)->sendLocked(bytes);
}

void AudioPlayer::Impl::sendLocked(std::size_t bytes) {
    const std::uint64_t s = sent.load(std::memory_order_relaxed);
    const std::uint64_t w = queued.load(std::memory_order_acquire);
    const std::size_t frame = static_cast<std::size_t>(streamChannels);
    std::size_t n = std::min(bytes / sizeof(std::int16_t), static_cast<std::size_t>(w - s));
    n -= n % frame;
    if (n == 0)
        return;
    const samplering::Spans span = samplering::spans(ring.size(), s, n);
    // Two writes where the ring wraps; the server copies each.
    pa_stream_write(stream, ring.data() + span.at, span.first * sizeof(std::int16_t), nullptr, 0,
                    PA_SEEK_RELATIVE);
    if (span.rest > 0)
        pa_stream_write(stream, ring.data(), span.rest * sizeof(std::int16_t), nullptr, 0, PA_SEEK_RELATIVE);
    sent.store(s + n, std::memory_order_release);
}

void AudioPlayer::Impl::onDrained(pa_stream*, int, void* userdata) {
    auto* d = static_cast<Impl*>(userdata);
    d->drained.store(true, std::memory_order_release);
    // Once per stream: the end is reported now rather than at the next (slow) tick, so the
    // next file of a list follows without a gap.
    QMetaObject::invokeMethod(
        d->timer, [d] { d->tick(); }, Qt::QueuedConnection);
}

pa_cvolume AudioPlayer::Impl::volume() const {
    pa_cvolume v;
    if (streamChannels == 1) {
        pa_cvolume_set(&v, 1, pa_sw_volume_from_linear(std::max(gains[0], gains[1])));
        return v;
    }
    v.channels = 2;
    v.values[0] = pa_sw_volume_from_linear(gains[0]);
    v.values[1] = pa_sw_volume_from_linear(gains[1]);
    return v;
}

pa_sample_spec AudioPlayer::Impl::sampleSpec() const {
    return {.format = PA_SAMPLE_S16LE,
            .rate = static_cast<std::uint32_t>(streamRate),
            .channels = static_cast<std::uint8_t>(streamChannels)};
}

pa_buffer_attr AudioPlayer::Impl::bufferAttr(pa_usec_t target, pa_usec_t request) const {
    const pa_sample_spec format = sampleSpec();
    const auto bytes = [&format](pa_usec_t usec) {
        return static_cast<std::uint32_t>(pa_usec_to_bytes(usec, &format));
    };
    const auto serverChoice = static_cast<std::uint32_t>(-1);
    return {.maxlength = serverChoice,
            .tlength = bytes(target),
            .prebuf = bytes(kStartUsec),
            .minreq = request > 0 ? bytes(request) : serverChoice,
            .fragsize = serverChoice};
}

bool AudioPlayer::Impl::openStream() {
    streamChannels = channels;
    streamRate = rate;
    ring.assign(static_cast<std::size_t>(rate) * channels * kRingSeconds, 0);
    queued.store(0);
    sent.store(0);
    drained.store(false);
    failed.store(false);
    inputEnded = draining = endReported = widened = false;

    const pa_sample_spec format = sampleSpec();
    pa_channel_map map;
    pa_channel_map_init_auto(&map, format.channels, PA_CHANNEL_MAP_DEFAULT);
    const pa_buffer_attr attr = bufferAttr(kStartTargetUsec, 0);

    PulseLock lock(server.loop());
    stream = server.newStream("Tavrik playback", format, map);
    if (!stream)
        return false;
    pa_stream_set_state_callback(stream, onStreamState, this);
    pa_stream_set_write_callback(stream, onWrite, this);
    const auto flags = static_cast<pa_stream_flags_t>(
        PA_STREAM_ADJUST_LATENCY | PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE);
    const pa_cvolume startVolume = volume();
    const bool answered = pa_stream_connect_playback(stream, nullptr, &attr, flags,
                                                     volumeSet ? &startVolume : nullptr, nullptr) == 0 &&
                          server.waitLocked(PulseContext::kServerWaitMs, [this] {
                              const pa_stream_state_t s = pa_stream_get_state(stream);
                              return s != PA_STREAM_UNCONNECTED && s != PA_STREAM_CREATING;
                          });
    if (answered && pa_stream_get_state(stream) == PA_STREAM_READY)
        return true;
    errorText = answered ? AudioPlayer::tr("Playback could not start: %1.")
                               .arg(QString::fromUtf8(pa_strerror(pa_context_errno(server.context()))))
                         : AudioPlayer::tr("Playback could not start: the sound server did not answer.");
    return false;
}

void AudioPlayer::Impl::widenBuffer() {
    widened = true;
    const pa_buffer_attr attr = bufferAttr(kTargetUsec, kRequestUsec);
    PulseLock lock(server.loop());
    if (pa_operation* op = pa_stream_set_buffer_attr(stream, &attr, nullptr, nullptr))
        pa_operation_unref(op);
}

void AudioPlayer::Impl::closeStream() {
    if (!stream)
        return;
    PulseLock lock(server.loop());
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    if (pa_stream_get_state(stream) == PA_STREAM_READY)
        pa_stream_disconnect(stream);
    pa_stream_unref(stream);
    stream = nullptr;
}

std::uint64_t AudioPlayer::Impl::heardValues() const {
    if (!stream)
        return 0;
    // Once drained, everything sent was heard; the interpolated clock may still lag.
    if (drained.load(std::memory_order_acquire))
        return sent.load(std::memory_order_acquire);
    pa_usec_t usec = 0;
    {
        PulseLock lock(server.loop());
        if (pa_stream_get_time(stream, &usec) < 0)
            return 0;
    }
    const auto frames =
        static_cast<std::uint64_t>(usec * static_cast<std::uint64_t>(streamRate) / PA_USEC_PER_SEC);
    return std::min(frames * static_cast<std::uint64_t>(streamChannels),
                    sent.load(std::memory_order_acquire));
}

void AudioPlayer::Impl::requestMore() {
    while (stream && !inputEnded &&
           queued.load(std::memory_order_relaxed) - sent.load(std::memory_order_acquire) < aheadValues()) {
        const std::uint64_t before = queued.load(std::memory_order_relaxed);
        Q_EMIT q->moreWanted();
        // No answer means the caller has nothing more to play.
        if (stream && queued.load(std::memory_order_relaxed) == before)
            inputEnded = true;
    }
}

void AudioPlayer::Impl::tick() {
    if (failed.load(std::memory_order_acquire)) {
        closeStream();
        timer->stop();
        status = server.ready() ? StatusStreamFailed : StatusServerLost;
        errorText =
            status == StatusServerLost
                ? AudioPlayer::tr("The sound server (PulseAudio) stopped or can no longer be reached.")
                : AudioPlayer::tr("Playback stopped unexpectedly.");
        Q_EMIT q->finished();
        return;
    }
    const std::uint64_t heard = heardValues();
    q->recentSamples(rate * streamChannels * kTickMs / 1000, recent);
    int peaks[2] = {0, 0};
    for (std::size_t i = 0; i < recent.size(); ++i) {
        int& peak = peaks[streamChannels == 2 && i % 2 == 1 ? 1 : 0];
        peak = std::max(peak, std::min(32767, std::abs(static_cast<int>(recent[i]))));
    }
    if (streamChannels == 1)
        peaks[1] = peaks[0];
    Q_EMIT q->tick(static_cast<qint64>(heard / static_cast<std::uint64_t>(streamChannels)), peaks[0],
                   peaks[1]);
    if (!stream)
        return;
    if (!widened && heard > 0)
        widenBuffer();
    requestMore();
    if (!stream)
        return;
    if (inputEnded && !draining &&
        sent.load(std::memory_order_acquire) == queued.load(std::memory_order_relaxed)) {
        draining = true;
        PulseLock lock(server.loop());
        pa_operation* op = pa_stream_drain(stream, onDrained, this);
        if (op)
            pa_operation_unref(op);
        else
            drained.store(true);
    }
    if (draining && drained.load(std::memory_order_acquire) && !endReported) {
        endReported = true;
        Q_EMIT q->finished();
    }
}

AudioPlayer::AudioPlayer(QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Impl>(this)) {
    d->timer->setInterval(kTickMs);
    connect(d->timer, &QTimer::timeout, this, [this] { d->tick(); });
}

AudioPlayer::~AudioPlayer() {
    d->closeStream();
}

void AudioPlayer::setPlayFormat(int sampleRate, int channels) {
    d->rate = std::clamp(sampleRate, 1000, static_cast<int>(PA_RATE_MAX));
    d->channels = std::clamp(channels, 1, 2);
}

int AudioPlayer::blockSizeFor(int milliseconds) const {
    return std::max(1, static_cast<int>(static_cast<qint64>(d->rate) * milliseconds / 1000));
}

void AudioPlayer::start() {
    if (d->stream)
        return;
    d->status = StatusOk;
    d->errorText.clear();
    if (!d->server.ready() && !d->server.connect(Impl::onContextState, d.get())) {
        d->status = StatusNoServer;
        d->errorText = tr("No sound server (PulseAudio) is running, so nothing can be played.");
        return;
    }
    if (!d->openStream()) {
        d->closeStream();
        d->status = StatusStreamFailed;
        return;
    }
    d->timer->start();
}

void AudioPlayer::stop() {
    d->timer->stop();
    d->closeStream();
}

int AudioPlayer::status() const {
    return d->status;
}

void AudioPlayer::queue(const SampleBlock& block) {
    if (!d->stream || block.empty())
        return;
    const std::size_t frame = static_cast<std::size_t>(d->streamChannels);
    const std::uint64_t w = d->queued.load(std::memory_order_relaxed);
    const std::uint64_t s = d->sent.load(std::memory_order_acquire);
    const std::size_t cap = d->ring.size();
    // Room left once what waits and the history behind the server are kept.
    const std::size_t room = cap - std::min(cap, static_cast<std::size_t>(w - s) + d->historyValues());
    std::size_t n = std::min(block.size(), room);
    n -= n % frame;
    samplering::write(d->ring, w, block.data(), n);
    d->queued.store(w + n, std::memory_order_release);
    d->inputEnded = false;
    // The server may be waiting already: it asked while the ring was empty.
    PulseLock lock(d->server.loop());
    const std::size_t writable = pa_stream_writable_size(d->stream);
    if (writable != static_cast<std::size_t>(-1) && writable > 0)
        d->sendLocked(writable);
}

void AudioPlayer::setVolume(double left, double right) {
    d->gains[0] = std::clamp(left, 0.0, 1.0);
    d->gains[1] = std::clamp(right, 0.0, 1.0);
    d->volumeSet = true;
    if (!d->stream)
        return;
    PulseLock lock(d->server.loop());
    if (pa_stream_get_state(d->stream) != PA_STREAM_READY)
        return;
    const pa_cvolume v = d->volume();
    pa_operation* op = pa_context_set_sink_input_volume(d->server.context(), pa_stream_get_index(d->stream),
                                                        &v, nullptr, nullptr);
    if (op)
        pa_operation_unref(op);
}

qint64 AudioPlayer::playedFrames() const {
    return static_cast<qint64>(d->heardValues() / static_cast<std::uint64_t>(d->streamChannels));
}

void AudioPlayer::setTimerInterval(int milliseconds) {
    d->timer->setInterval(std::clamp(milliseconds, 1, kSlowestTickMs));
}

qint64 AudioPlayer::framesToMs(qint64 frames) const {
    return frames * 1000 / d->rate;
}

void AudioPlayer::recentSamples(int values, SampleBlock& into) const {
    if (!d->stream || values <= 0) {
        into.clear();
        return;
    }
    const std::uint64_t heard = d->heardValues();
    std::size_t n =
        std::min({static_cast<std::size_t>(values), static_cast<std::size_t>(heard), d->historyValues()});
    n -= n % static_cast<std::size_t>(d->streamChannels);
    into.resize(n);
    samplering::read(d->ring, heard - n, n, into.data());
}

QString AudioPlayer::errorText() const {
    return d->errorText;
}
