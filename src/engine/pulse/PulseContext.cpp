#include "engine/pulse/PulseContext.h"

PulseContext::~PulseContext() {
    if (!m_loop)
        return;
    disconnect();
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

void PulseContext::onDeadline(pa_mainloop_api*, pa_time_event*, const timeval*, void* userdata) {
    auto* deadline = static_cast<Deadline*>(userdata);
    deadline->expired = true;
    pa_threaded_mainloop_signal(deadline->loop, 0);
}

bool PulseContext::connect(pa_context_notify_cb_t onState, void* userdata) {
    if (!m_loop) {
        m_loop = pa_threaded_mainloop_new();
        if (!m_loop)
            return false;
        if (pa_threaded_mainloop_start(m_loop) < 0) {
            pa_threaded_mainloop_free(m_loop);
            m_loop = nullptr;
            return false;
        }
    }
    disconnect();
    PulseLock lock(m_loop);
    // The desktop's sound settings show our streams under this name and icon.
    pa_proplist* props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Tavrik");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "org.tavrik.Tavrik");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, "tavrik");
    m_context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(m_loop), "Tavrik", props);
    pa_proplist_free(props);
    if (!m_context)
        return false;
    pa_context_set_state_callback(m_context, onState, userdata);
    const bool ok = pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) == 0 &&
                    waitLocked(kServerWaitMs,
                               [this] {
                                   const pa_context_state_t s = pa_context_get_state(m_context);
                                   return s == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(s);
                               }) &&
                    pa_context_get_state(m_context) == PA_CONTEXT_READY;
    if (!ok) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    return ok;
}

void PulseContext::disconnect() {
    PulseLock lock(m_loop);
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
}

bool PulseContext::ready() const {
    if (!m_context)
        return false;
    PulseLock lock(m_loop);
    return pa_context_get_state(m_context) == PA_CONTEXT_READY;
}

bool PulseContext::runLocked(pa_operation* op) const {
    if (!op)
        return false;
    waitLocked(kServerWaitMs, [op] { return pa_operation_get_state(op) != PA_OPERATION_RUNNING; });
    const pa_operation_state_t state = pa_operation_get_state(op);
    if (state == PA_OPERATION_RUNNING)
        pa_operation_cancel(op);
    pa_operation_unref(op);
    return state == PA_OPERATION_DONE;
}

pa_stream* PulseContext::newStream(const char* name, const pa_sample_spec& format,
                                   const pa_channel_map& map) const {
    pa_proplist* props = pa_proplist_new();
    // PipeWire mixes channels down at -3 dB each unless told to normalise: a mono recording of a
    // stereo source came out 3 dB louder than on PulseAudio, and a loud one clipped. PulseAudio
    // ignores the property and averages anyway.
    pa_proplist_sets(props, "channelmix.normalize", "true");
    pa_stream* stream = pa_stream_new_with_proplist(m_context, name, &format, &map, props);
    pa_proplist_free(props);
    return stream;
}
