#include "engine/pulse/AudioRecorder.h"

#include "engine/dsp/SampleRing.h"
#include "engine/dsp/StallGap.h"
#include "engine/pulse/MixedStreams.h"
#include "engine/pulse/PulseContext.h"

#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kTickMs = 40;
// The writer thread looks for due blocks at least this often, and whenever one is due.
constexpr std::chrono::milliseconds kDrainWait{1000};
// How often a lost or absent server is looked for.
constexpr int kReconnectMs = 1000;
// The server hands sound over in fragments no longer than a tick, within these bounds:
// short ones keep the displays live, long ones spare wake-ups while nobody watches.
constexpr int kShortestFragmentMs = 50;
constexpr int kLongestFragmentMs = 1000;

// Why capture ended, handed from libpulse's thread to the owner thread.
enum Fault : int { kNoFault = 0, kStreamEnded, kDeviceGone, kServerGone };

} // namespace

struct AudioRecorder::Impl {
    explicit Impl(AudioRecorder* owner)
        : q(owner)
        , timer(new QTimer(owner))
        , reconnectTimer(new QTimer(owner)) {}

    AudioRecorder* q;
    QTimer* timer;
    QTimer* reconnectTimer;
    PulseContext server;
    // Set on libpulse's thread when the lists need reading again; one refresh runs for many.
    std::atomic<bool> refreshPending{false};
    pa_stream* stream = nullptr;

    SourceCatalog catalog;
    SourceMix mix;
    // While several sources are recorded: their other streams and the mixer.
    std::unique_ptr<MixedStreams> mixed;
    QString mixSummary;

    int rate = 44100;
    int channels = 2;
    int blockFrames = 0;
    int status = StatusOk;
    QString errorText;

    // Fixed while a stream exists; the producer reads them.
    int streamChannels = 2;
    QString streamName;
    std::vector<std::int16_t> ring;
    // Values written / consumed since Start; only ever grow.
    std::atomic<std::uint64_t> writePos{0};
    std::atomic<std::uint64_t> readPos{0};
    std::atomic<std::int64_t> dropped{0};
    // Spans the server dropped while the process stood still, reported by libpulse's thread
    // and filled with silence by the writer.
    StallGap stalls;
    std::atomic<int> fault{kNoFault};
    std::atomic<int> faultError{0};

    // The writer thread hands the ring's blocks on while a stream runs.
    std::thread drainer;
    std::atomic<bool> draining{false};
    std::mutex drainMutex;
    std::condition_variable drainWake;
    SampleBlock block; // writer thread only

    // Owner thread only.
    std::int64_t reportedDropped = 0;
    std::int64_t reportedFilled = 0;
    int session = 0;

    std::uint32_t fragmentBytes(const pa_sample_spec& sampleSpec) const {
        // Never longer than a block: a killed program loses what the server still holds too.
        const int blockMs =
            blockFrames > 0 ? static_cast<int>(std::int64_t{blockFrames} * 1000 / rate) : kLongestFragmentMs;
        const int ms =
            std::clamp(std::min(timer->interval(), blockMs), kShortestFragmentMs, kLongestFragmentMs);
        return static_cast<std::uint32_t>(
            pa_usec_to_bytes(static_cast<pa_usec_t>(ms) * PA_USEC_PER_MSEC, &sampleSpec));
    }
    std::size_t blockValues() const {
        return static_cast<std::size_t>(blockFrames > 0 ? blockFrames : rate) * streamChannels;
    }

    bool connectServer();
    void requestRefresh();
    void refresh();
    static void onSubscription(pa_context*, pa_subscription_event_type_t type, std::uint32_t, void* userdata);
    // Opens the recorder's own stream from `src`, captured in `captureChannels`; the ring holds
    // the recording's channels.
    bool openStream(const SourceCatalog::Source& src, int captureChannels);
    // The mix's sources the server has now, first to last; the missing ones in `missing`.
    std::vector<MixedStreams::Source> mixSources(QStringList* missing) const;
    bool openMixedStreams();
    void closeStream();
    // Closes every stream, the other sources' too.
    void closeStreamLocked();
    void closeOwnStreamLocked();

    void produce(const std::int16_t* data, std::size_t values);
    void startDraining();
    // Joins the writer thread once it handed on everything the ring holds, the partial last
    // block included. The stream must be closed first.
    void stopDraining();
    void drainLoop();
    void handOut(bool tailToo);
    void fillGap(std::size_t blockSize);
    void tick();
    void fail();

    static void onContextState(pa_context* c, void* userdata);
    static void onStreamState(pa_stream* s, void* userdata);
    static void onRead(pa_stream* s, std::size_t, void* userdata);
};

void AudioRecorder::Impl::onContextState(pa_context* c, void* userdata) {
    auto* d = static_cast<Impl*>(userdata);
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(c))) {
        int expected = kNoFault;
        d->fault.compare_exchange_strong(expected, kServerGone, std::memory_order_release);
        d->requestRefresh();
    }
    pa_threaded_mainloop_signal(d->server.loop(), 0);
}

void AudioRecorder::Impl::onStreamState(pa_stream* s, void* userdata) {
    auto* d = static_cast<Impl*>(userdata);
    const pa_stream_state_t state = pa_stream_get_state(s);
    if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) {
        const int error = pa_context_errno(d->server.context());
        int why = kStreamEnded;
        if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(d->server.context())))
            why = kServerGone;
        else if (error == PA_ERR_KILLED || error == PA_ERR_NOENTITY)
            why = kDeviceGone;
        // Of several sources, the others go on without the first.
        if (why != kServerGone && d->mixed && d->mixed->primaryLost()) {
            pa_threaded_mainloop_signal(d->server.loop(), 0);
            return;
        }
        d->faultError.store(error, std::memory_order_relaxed);
        int expected = kNoFault;
        d->fault.compare_exchange_strong(expected, why, std::memory_order_release);
    }
    pa_threaded_mainloop_signal(d->server.loop(), 0);
}

// libpulse's thread: no allocation, no locks, no Qt objects.
void AudioRecorder::Impl::onRead(pa_stream* s, std::size_t, void* userdata) {
    auto* d = static_cast<Impl*>(userdata);
    d->stalls.noteDelivery(std::chrono::steady_clock::now().time_since_epoch(),
                           d->writePos.load(std::memory_order_relaxed) /
                               static_cast<std::uint64_t>(d->streamChannels));
    const void* data = nullptr;
    std::size_t bytes = 0;
    if (d->mixed) {
        d->mixed->primaryReadable(s);
        return;
    }
    while (pa_stream_peek(s, &data, &bytes) == 0 && bytes > 0) {
        d->produce(static_cast<const std::int16_t*>(data), bytes / sizeof(std::int16_t));
        pa_stream_drop(s);
    }
}

void AudioRecorder::Impl::produce(const std::int16_t* data, std::size_t values) {
    const std::size_t cap = ring.size();
    const std::size_t frame = static_cast<std::size_t>(streamChannels);
    const std::uint64_t w = writePos.load(std::memory_order_relaxed);
    const std::uint64_t r = readPos.load(std::memory_order_acquire);
    std::size_t n = std::min(values, cap - static_cast<std::size_t>(w - r));
    n -= n % frame;
    const samplering::Spans span = samplering::spans(cap, w, n);
    // A hole (no data) is written as silence so the recording keeps its length.
    if (data) {
        samplering::write(ring, w, data, n);
    } else {
        std::fill_n(ring.data() + span.at, span.first, std::int16_t{0});
        std::fill_n(ring.data(), span.rest, std::int16_t{0});
    }
    // Filtered in place, so every reader of the ring gets the same sound.
    q->m_signal.process(ring.data() + span.at, span.first / frame);
    q->m_signal.process(ring.data(), span.rest / frame);
    writePos.store(w + n, std::memory_order_release);
    if (n < values)
        dropped.fetch_add(static_cast<std::int64_t>((values - n) / frame), std::memory_order_relaxed);
    // Wakes the writer, without taking its lock, only when it has work: a block is due or a
    // stall is being handled. A missed wake costs one kDrainWait.
    if (w + n - r >= blockValues() || stalls.gapAt() != StallGap::kNoGap)
        drainWake.notify_one();
}

void AudioRecorder::Impl::startDraining() {
    draining.store(true);
    drainer = std::thread([this] { drainLoop(); });
}

void AudioRecorder::Impl::stopDraining() {
    if (!drainer.joinable())
        return;
    draining.store(false);
    drainWake.notify_one();
    drainer.join();
}

void AudioRecorder::Impl::drainLoop() {
    while (draining.load()) {
        {
            std::unique_lock lock(drainMutex);
            drainWake.wait_for(lock, kDrainWait);
        }
        handOut(false);
    }
    handOut(true);
}

// Writer thread: every whole block in the ring, and at the end the rest. A block ends
// early where a dropped span belongs, and the span follows as silence.
void AudioRecorder::Impl::handOut(bool tailToo) {
    const std::size_t size = blockValues();
    const auto channelCount = static_cast<std::uint64_t>(streamChannels);
    const std::uint64_t w = writePos.load(std::memory_order_acquire);
    std::uint64_t r = readPos.load(std::memory_order_relaxed);
    for (;;) {
        const std::uint64_t gapFrame = stalls.gapAt();
        const std::uint64_t gap = gapFrame == StallGap::kNoGap ? StallGap::kNoGap : gapFrame * channelCount;
        if (gap <= w && r == gap) {
            if (stalls.measuring()) {
                if (!tailToo)
                    return;
                stalls.abandon();
            } else {
                fillGap(size);
            }
            continue;
        }
        const std::uint64_t end = std::min(w, gap > r ? gap : w);
        const bool due = end - r >= size || (r < end && (tailToo || end == gap));
        if (!due)
            return;
        const std::size_t n = std::min<std::size_t>(size, static_cast<std::size_t>(end - r));
        block.resize(n);
        samplering::read(ring, r, n, block.data());
        r += n;
        readPos.store(r, std::memory_order_release);
        Q_EMIT q->blockCaptured(block);
    }
}

void AudioRecorder::Impl::fillGap(std::size_t blockSize) {
    auto values = static_cast<std::uint64_t>(stalls.takeGap()) * static_cast<std::uint64_t>(streamChannels);
    while (values > 0) {
        const std::size_t n = std::min<std::size_t>(blockSize, static_cast<std::size_t>(values));
        block.assign(n, 0);
        values -= n;
        Q_EMIT q->blockCaptured(block);
    }
}

bool AudioRecorder::Impl::connectServer() {
    if (!server.connect(onContextState, this))
        return false;
    {
        PulseLock lock(server.loop());
        pa_context_set_subscribe_callback(server.context(), onSubscription, this);
        const auto mask = static_cast<pa_subscription_mask_t>(
            PA_SUBSCRIPTION_MASK_SOURCE | PA_SUBSCRIPTION_MASK_CARD | PA_SUBSCRIPTION_MASK_SERVER);
        if (pa_operation* op = pa_context_subscribe(server.context(), mask, nullptr, nullptr))
            pa_operation_unref(op);
    }
    catalog.clear();
    catalog.reread(server);
    return true;
}

// libpulse's thread: a source or card came or went, or the default source changed.
void AudioRecorder::Impl::onSubscription(pa_context*, pa_subscription_event_type_t type, std::uint32_t,
                                         void* userdata) {
    const auto facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
    const auto kind = type & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
    // Volume and mute changes of a source are the mixer's business.
    if (facility == PA_SUBSCRIPTION_EVENT_SOURCE && kind == PA_SUBSCRIPTION_EVENT_CHANGE)
        return;
    static_cast<Impl*>(userdata)->requestRefresh();
}

void AudioRecorder::Impl::requestRefresh() {
    if (!refreshPending.exchange(true))
        QMetaObject::invokeMethod(
            q, [this] { refresh(); }, Qt::QueuedConnection);
}

// Reads the lists again, connecting first when the server was lost.
void AudioRecorder::Impl::refresh() {
    refreshPending.store(false);
    if (!server.ready()) {
        if (!connectServer()) {
            const bool had = catalog.deviceCount() > 0;
            catalog.clear();
            if (!reconnectTimer->isActive())
                reconnectTimer->start(kReconnectMs);
            if (had)
                Q_EMIT q->devicesChanged();
            return;
        }
        reconnectTimer->stop();
    } else {
        catalog.reread(server);
    }
    Q_EMIT q->devicesChanged();
}

bool AudioRecorder::Impl::openStream(const SourceCatalog::Source& src, int captureChannels) {
    streamChannels = channels;
    streamName = src.description;
    q->m_signal.prepare(rate, channels);
    ring.assign(static_cast<std::size_t>(rate) * channels * kRingSeconds, 0);
    writePos.store(0);
    readPos.store(0);
    dropped.store(0);
    stalls.reset(rate);
    reportedDropped = 0;
    reportedFilled = 0;
    ++session;

    const pa_sample_spec sampleSpec{.format = PA_SAMPLE_S16LE,
                                    .rate = static_cast<std::uint32_t>(rate),
                                    .channels = static_cast<std::uint8_t>(captureChannels)};
    pa_channel_map map;
    pa_channel_map_init_auto(&map, sampleSpec.channels, PA_CHANNEL_MAP_DEFAULT);
    pa_buffer_attr attr;
    attr.maxlength =
        static_cast<std::uint32_t>(pa_usec_to_bytes(kServerBufferSeconds * PA_USEC_PER_SEC, &sampleSpec));
    attr.fragsize = fragmentBytes(sampleSpec);
    attr.tlength = attr.prebuf = attr.minreq = static_cast<std::uint32_t>(-1);

    PulseLock lock(server.loop());
    fault.store(kNoFault);
    stream = server.newStream("Tavrik recording", sampleSpec, map);
    bool answered = false;
    if (stream) {
        pa_stream_set_state_callback(stream, onStreamState, this);
        pa_stream_set_read_callback(stream, onRead, this);
        // Never moved: recording silently from another device is worse than stopping.
        auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_DONT_MOVE | PA_STREAM_ADJUST_LATENCY);
        // The mixer places the sources by the server's timing.
        if (mixed)
            flags = static_cast<pa_stream_flags_t>(flags | PA_STREAM_AUTO_TIMING_UPDATE);
        answered = pa_stream_connect_record(stream, src.serverName.c_str(), &attr, flags) == 0 &&
                   server.waitLocked(PulseContext::kServerWaitMs, [this] {
                       const pa_stream_state_t s = pa_stream_get_state(stream);
                       return s != PA_STREAM_UNCONNECTED && s != PA_STREAM_CREATING;
                   });
    }
    const bool ready = stream && pa_stream_get_state(stream) == PA_STREAM_READY;
    const QString why = answered ? QString::fromUtf8(pa_strerror(pa_context_errno(server.context())))
                                 : AudioRecorder::tr("the sound server did not answer");
    if (ready)
        return true;
    closeStreamLocked();
    status = StatusStreamFailed;
    errorText = AudioRecorder::tr("Recording from \"%1\" could not start: %2.").arg(src.description, why);
    return false;
}

std::vector<MixedStreams::Source> AudioRecorder::Impl::mixSources(QStringList* missing) const {
    std::vector<MixedStreams::Source> found;
    for (std::size_t i = 0; i < mix.serverNames.size(); ++i) {
        const SourceCatalog::Source* src = catalog.findSource(mix.serverNames[i]);
        if (!src) {
            if (missing)
                *missing << QString::fromStdString(mix.serverNames[i]);
            continue;
        }
        const int level = i < mix.levels.size() ? mix.levels[i] : 100;
        found.push_back({src->serverName, src->description, channels, level / 100.0});
    }
    return found;
}

bool AudioRecorder::Impl::openMixedStreams() {
    QStringList missing;
    std::vector<MixedStreams::Source> sources = mixSources(&missing);
    // A channel each needs two sources and two channels; otherwise the sources are summed.
    const bool apart =
        mix.layout == SourceMixer::Layout::ChannelPerSource && sources.size() == 2 && channels == 2;
    QStringList names;
    for (MixedStreams::Source& src : sources) {
        names << src.description;
        if (apart)
            src.channels = 1;
    }
    mixed = std::make_unique<MixedStreams>(
        server, [this](const std::int16_t* values, std::size_t count) { produce(values, count); },
        [this] {
            int expected = kNoFault;
            fault.compare_exchange_strong(expected, kDeviceGone, std::memory_order_release);
        });
    QString why;
    {
        PulseLock lock(server.loop());
        why = mixed->open(sources, rate, channels,
                          apart ? SourceMixer::Layout::ChannelPerSource : SourceMixer::Layout::Mixed);
    }
    const SourceCatalog::Source first{sources.front().serverName, sources.front().description, 0};
    // A failed open of the first source's stream closes the others and says why.
    if (why.isEmpty() && !openStream(first, sources.front().channels))
        return false;
    if (!why.isEmpty()) {
        closeStream();
        status = StatusStreamFailed;
        errorText = AudioRecorder::tr("Recording from %1 could not start: %2.")
                        .arg(names.join(QStringLiteral(" + ")), why);
        return false;
    }
    streamName = names.join(QStringLiteral(" + "));
    for (const QString& name : missing)
        QMetaObject::invokeMethod(
            q, [q = q, name] { Q_EMIT q->mixSourceLost(name); }, Qt::QueuedConnection);
    return true;
}

void AudioRecorder::Impl::closeStream() {
    if (!stream && !mixed)
        return;
    PulseLock lock(server.loop());
    closeStreamLocked();
}

void AudioRecorder::Impl::closeStreamLocked() {
    closeOwnStreamLocked();
    if (mixed) {
        // As the recording ended, before the held-back frames go out.
        mixSummary = mixed->summary();
        mixed->finish();
        mixed->close();
        mixed.reset();
    }
}

void AudioRecorder::Impl::closeOwnStreamLocked() {
    if (!stream)
        return;
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_set_read_callback(stream, nullptr, nullptr);
    if (pa_stream_get_state(stream) == PA_STREAM_READY) {
        onRead(stream, 0, this);
        pa_stream_disconnect(stream);
    }
    pa_stream_unref(stream);
    stream = nullptr;
}

void AudioRecorder::Impl::tick() {
    const int current = session;
    const std::uint64_t w = writePos.load(std::memory_order_acquire);
    Q_EMIT q->tick(static_cast<qint64>(w / static_cast<std::uint64_t>(streamChannels)) +
                   stalls.filledFrames());
    if (session != current || !stream)
        return;

    const std::int64_t lost = dropped.load(std::memory_order_relaxed);
    if (lost != reportedDropped) {
        reportedDropped = lost;
        errorText = AudioRecorder::tr("%1 s of sound were lost because Tavrik was too busy to collect it.")
                        .arg(static_cast<double>(lost) / rate, 0, 'f', 1);
    }
    const std::int64_t silence = stalls.filledFrames();
    if (silence != reportedFilled) {
        reportedFilled = silence;
        Q_EMIT q->silenceFilled(static_cast<qint64>(silence));
        if (session != current || !stream)
            return;
    }
    if (mixed)
        for (const QString& name : mixed->takeLostSources()) {
            Q_EMIT q->mixSourceLost(name);
            if (session != current || !stream)
                return;
        }
    if (fault.load(std::memory_order_acquire) != kNoFault)
        fail();
}

void AudioRecorder::Impl::fail() {
    const int why = fault.load(std::memory_order_acquire);
    const int error = faultError.load(std::memory_order_relaxed);
    closeStream();
    stopDraining();
    timer->stop();
    switch (why) {
    case kDeviceGone:
        status = StatusDeviceLost;
        errorText = AudioRecorder::tr("The recording device \"%1\" is no longer available.").arg(streamName);
        break;
    case kServerGone:
        status = StatusServerLost;
        errorText = AudioRecorder::tr("The sound server (PulseAudio) stopped or can no longer be reached.");
        break;
    default:
        status = StatusStreamFailed;
        errorText = AudioRecorder::tr("Recording from \"%1\" stopped unexpectedly: %2.")
                        .arg(streamName, QString::fromUtf8(pa_strerror(error)));
        break;
    }
    // Queued behind the blocks that receivers on this thread still get as queued copies.
    QMetaObject::invokeMethod(
        q, [q = q, reason = errorText] { Q_EMIT q->failed(reason); }, Qt::QueuedConnection);
}

AudioRecorder::AudioRecorder(QObject* parent)
    : AudioCapture(parent)
    , d(std::make_unique<Impl>(this)) {
    d->timer->setInterval(kTickMs);
    connect(d->timer, &QTimer::timeout, this, [this] { d->tick(); });
    connect(d->reconnectTimer, &QTimer::timeout, this, [this] { d->refresh(); });
    if (!d->connectServer())
        d->reconnectTimer->start(kReconnectMs);
}

AudioRecorder::~AudioRecorder() {
    d->closeStream();
    d->stopDraining();
}

const SourceCatalog& AudioRecorder::sources() const {
    return d->catalog;
}

void AudioRecorder::selectDevice(int device) {
    d->catalog.selectDevice(device);
}

void AudioRecorder::selectSource(int source) {
    d->catalog.selectSource(source);
}

void AudioRecorder::setSourceActive(bool active) {
    // A device always records one of its sources, so only switching to one is meaningful.
    if (active)
        d->catalog.activateSelectedSource();
}

void AudioRecorder::setSourceMix(const SourceMix& mix) {
    d->mix = mix;
}

const SourceMix& AudioRecorder::sourceMix() const {
    return d->mix;
}

QString AudioRecorder::sourceMixName() const {
    if (!d->mix.several())
        return {};
    QStringList names;
    for (const MixedStreams::Source& src : d->mixSources(nullptr))
        names << src.description;
    return names.join(QStringLiteral(" + "));
}

QString AudioRecorder::mixSummary() const {
    return d->mixSummary;
}

void AudioRecorder::setCaptureFormat(int sampleRate, int channels) {
    d->rate = std::clamp(sampleRate, 1000, static_cast<int>(PA_RATE_MAX));
    d->channels = std::clamp(channels, 1, 2);
}

void AudioRecorder::setBlockSize(int frames) {
    d->blockFrames = std::max(1, frames);
}

bool AudioRecorder::serverConnected() const {
    return d->server.ready();
}

bool AudioRecorder::canStart() {
    d->status = StatusOk;
    d->errorText.clear();
    if (!d->server.ready()) {
        d->status = StatusNoServer;
        d->errorText = tr("No sound server (PulseAudio) is running, so there is nothing to record from.");
    } else if (d->mix.several() && d->mixSources(nullptr).empty()) {
        d->status = StatusNoDevice;
        d->errorText = tr("None of the sources chosen to record together is available.");
    } else if (!d->mix.several() && !d->catalog.recordedSource()) {
        d->status = StatusNoDevice;
        d->errorText = tr("No recording device is selected.");
    }
    return d->status == StatusOk;
}

void AudioRecorder::start() {
    if (d->stream || !canStart())
        return;
    d->mixSummary.clear();
    const bool opened =
        d->mix.several() ? d->openMixedStreams() : d->openStream(*d->catalog.recordedSource(), d->channels);
    if (!opened)
        return;
    if (!d->mixed)
        d->catalog.chooseRecordedSource();
    d->startDraining();
    d->timer->start();
}

void AudioRecorder::stop() {
    if (!d->stream)
        return;
    d->closeStream();
    d->stopDraining();
    d->timer->stop();
}

int AudioRecorder::status() const {
    return d->status;
}

qint64 AudioRecorder::capturedFrames() const {
    return d->streamChannels > 0
               ? static_cast<qint64>(d->writePos.load(std::memory_order_acquire)) / d->streamChannels +
                     d->stalls.filledFrames()
               : 0;
}

qint64 AudioRecorder::filledFrames() const {
    return d->stalls.filledFrames();
}

void AudioRecorder::setTimerInterval(int milliseconds) {
    d->timer->setInterval(std::max(1, milliseconds));
    if (!d->stream)
        return;
    PulseLock lock(d->server.loop());
    const pa_buffer_attr* now =
        pa_stream_get_state(d->stream) == PA_STREAM_READY ? pa_stream_get_buffer_attr(d->stream) : nullptr;
    if (!now)
        return;
    pa_buffer_attr attr = *now;
    attr.fragsize = d->fragmentBytes(*pa_stream_get_sample_spec(d->stream));
    if (pa_operation* op = pa_stream_set_buffer_attr(d->stream, &attr, nullptr, nullptr))
        pa_operation_unref(op);
}

void AudioRecorder::recentSamples(int values, SampleBlock& into) const {
    const std::uint64_t w = d->writePos.load(std::memory_order_acquire);
    if (values <= 0 || d->ring.empty()) {
        into.clear();
        return;
    }
    // Half the ring behind the write index stays untouched far longer than this copy takes.
    const std::size_t n =
        std::min({static_cast<std::size_t>(values), static_cast<std::size_t>(w), d->ring.size() / 2});
    into.resize(n);
    samplering::read(d->ring, w - n, n, into.data());
}

QString AudioRecorder::errorText() const {
    return d->errorText;
}

qint64 AudioRecorder::droppedFrames() const {
    return d->dropped.load(std::memory_order_relaxed);
}
