#pragma once

#include <pulse/pulseaudio.h>

// One connection to the sound server, run on libpulse's own thread. Shared by the
// recorder and the player; only their .cpp files include this.
class PulseContext {
public:
    PulseContext() = default;
    ~PulseContext();
    PulseContext(const PulseContext&) = delete;
    PulseContext& operator=(const PulseContext&) = delete;

    // Connects, waiting a few seconds at most; `onState` runs on libpulse's thread
    // whenever the connection changes (after the mainloop was signalled).
    bool connect(pa_context_notify_cb_t onState, void* userdata);
    bool ready() const;
    pa_threaded_mainloop* loop() const { return m_loop; }
    pa_context* context() const { return m_context; }

    // Waits, with the mainloop lock held, until ready() or `ms` passed. Whatever changes
    // what ready() reads must signal the mainloop.
    template <typename Ready> bool waitLocked(int ms, Ready ready) const;
    // Runs `op` to its end with the lock held; false when it failed or timed out.
    bool runLocked(pa_operation* op) const;
    // A new stream that mixes channels up and down the same way on PulseAudio and PipeWire.
    // Call with the lock held.
    pa_stream* newStream(const char* name, const pa_sample_spec& format, const pa_channel_map& map) const;

    static constexpr int kServerWaitMs = 3000;

private:
    struct Deadline {
        pa_threaded_mainloop* loop;
        bool expired = false;
    };
    static void onDeadline(pa_mainloop_api*, pa_time_event*, const timeval*, void* userdata);
    void disconnect();

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
};

// Holds the mainloop lock for a scope.
class PulseLock {
public:
    explicit PulseLock(pa_threaded_mainloop* loop)
        : m_loop(loop) {
        pa_threaded_mainloop_lock(m_loop);
    }
    ~PulseLock() { pa_threaded_mainloop_unlock(m_loop); }
    PulseLock(const PulseLock&) = delete;
    PulseLock& operator=(const PulseLock&) = delete;

private:
    pa_threaded_mainloop* m_loop;
};

template <typename Ready> bool PulseContext::waitLocked(int ms, Ready ready) const {
    Deadline deadline{m_loop};
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_loop);
    timeval when;
    pa_timeval_add(pa_gettimeofday(&when), static_cast<pa_usec_t>(ms) * PA_USEC_PER_MSEC);
    pa_time_event* event = api->time_new(api, &when, onDeadline, &deadline);
    while (!ready() && !deadline.expired)
        pa_threaded_mainloop_wait(m_loop);
    api->time_free(event);
    return ready();
}
