#include "engine/pulse/InputMixer.h"

#include "engine/pulse/PulseContext.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Port {
    std::string name;
    QString description;
};

// What the server last told about one line's source.
struct LineState {
    bool present = false;
    std::uint32_t index = PA_INVALID_INDEX;
    QString description;
    pa_cvolume volume{};
    pa_channel_map map{};
    bool muted = false;
    std::vector<Port> ports;
    int activePort = -1;

    bool showsSameAs(const LineState& o) const {
        if (present != o.present || description != o.description || muted != o.muted ||
            activePort != o.activePort || ports.size() != o.ports.size())
            return false;
        return !present || pa_cvolume_equal(&volume, &o.volume);
    }
};

struct Line {
    std::string serverName;
    LineState state;
};

pa_volume_t toServer(int volume) {
    const double scaled = std::clamp(volume, 0, InputMixer::kMaxVolume) *
                          static_cast<double>(PA_VOLUME_NORM) / InputMixer::kMaxVolume;
    return static_cast<pa_volume_t>(std::lround(scaled));
}

// Volumes above 0 dB (a control's boost) show as the top of the range.
int fromServer(pa_volume_t volume) {
    const double scaled = static_cast<double>(volume) * InputMixer::kMaxVolume / PA_VOLUME_NORM;
    return static_cast<int>(std::min<long>(std::lround(scaled), InputMixer::kMaxVolume));
}

struct InfoReply {
    pa_threaded_mainloop* loop;
    LineState state;
};

void onSourceInfo(pa_context*, const pa_source_info* info, int eol, void* userdata) {
    auto* reply = static_cast<InfoReply*>(userdata);
    if (eol != 0) {
        pa_threaded_mainloop_signal(reply->loop, 0);
        return;
    }
    LineState& s = reply->state;
    s.present = true;
    s.index = info->index;
    s.description = QString::fromUtf8(info->description);
    s.volume = info->volume;
    s.map = info->channel_map;
    s.muted = info->mute != 0;
    for (std::uint32_t i = 0; i < info->n_ports; ++i) {
        const pa_source_port_info* port = info->ports[i];
        s.ports.push_back(
            {port->name, QString::fromUtf8(port->description ? port->description : port->name)});
        if (info->active_port && port == info->active_port)
            s.activePort = static_cast<int>(i);
    }
}

void onSuccess(pa_context*, int, void* userdata) {
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(userdata), 0);
}

bool isOn(const ControlValue& value) {
    if (const bool* b = std::get_if<bool>(&value))
        return *b;
    if (const qint32* level = std::get_if<qint32>(&value))
        return *level != 0;
    return false;
}

} // namespace

struct InputMixer::Impl {
    explicit Impl(InputMixer* owner)
        : q(owner) {}

    InputMixer* q;
    PulseContext server;
    std::vector<Line> lines;

    const LineState* state(int line) const {
        return line >= 0 && line < static_cast<int>(lines.size()) && lines[line].state.present
                   ? &lines[line].state
                   : nullptr;
    }
    LineState fetchLocked(const std::string& serverName) const;
    // Reads line `line` again; true when what it shows changed.
    bool refresh(int line);
    void onServerEvent(std::uint32_t index, int type);
    // Runs a change on the server, then reads the line back.
    void change(int line, pa_operation* op);

    static void onContextState(pa_context* c, void* userdata);
    static void onEvent(pa_context*, pa_subscription_event_type_t type, std::uint32_t index, void* userdata);
};

void InputMixer::Impl::onContextState(pa_context*, void* userdata) {
    pa_threaded_mainloop_signal(static_cast<Impl*>(userdata)->server.loop(), 0);
}

// libpulse's thread: hands the event to the owner thread, which reads the source itself.
void InputMixer::Impl::onEvent(pa_context*, pa_subscription_event_type_t type, std::uint32_t index,
                               void* userdata) {
    if ((type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) != PA_SUBSCRIPTION_EVENT_SOURCE)
        return;
    auto* d = static_cast<Impl*>(userdata);
    const int kind = type & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
    QMetaObject::invokeMethod(
        d->q, [d, index, kind] { d->onServerEvent(index, kind); }, Qt::QueuedConnection);
}

LineState InputMixer::Impl::fetchLocked(const std::string& serverName) const {
    InfoReply reply{server.loop(), {}};
    if (!server.runLocked(
            pa_context_get_source_info_by_name(server.context(), serverName.c_str(), onSourceInfo, &reply)))
        return {};
    return reply.state;
}

bool InputMixer::Impl::refresh(int line) {
    LineState fresh;
    if (server.context()) {
        PulseLock lock(server.loop());
        fresh = fetchLocked(lines[line].serverName);
    }
    const bool changed = !fresh.showsSameAs(lines[line].state);
    lines[line].state = std::move(fresh);
    return changed;
}

void InputMixer::Impl::onServerEvent(std::uint32_t index, int type) {
    // A source that appears or goes may be one of the lines under a new index.
    const bool any = type != PA_SUBSCRIPTION_EVENT_CHANGE;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        if ((any || lines[i].state.index == index) && refresh(i))
            Q_EMIT q->lineChanged(i);
    }
}

void InputMixer::Impl::change(int line, pa_operation* op) {
    server.runLocked(op);
    LineState fresh = fetchLocked(lines[line].serverName);
    lines[line].state = std::move(fresh);
}

InputMixer::InputMixer(QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Impl>(this)) {
    if (!d->server.connect(Impl::onContextState, d.get()))
        return;
    PulseLock lock(d->server.loop());
    pa_context_set_subscribe_callback(d->server.context(), Impl::onEvent, d.get());
    d->server.runLocked(
        pa_context_subscribe(d->server.context(), PA_SUBSCRIPTION_MASK_SOURCE, onSuccess, d->server.loop()));
}

InputMixer::~InputMixer() {
    // After this no event is posted; those already posted die with this object.
    if (d->server.context()) {
        PulseLock lock(d->server.loop());
        pa_context_set_subscribe_callback(d->server.context(), nullptr, nullptr);
    }
}

bool InputMixer::isConnected() const {
    return d->server.ready();
}

void InputMixer::setLines(const QStringList& serverNames) {
    d->lines.clear();
    for (const QString& name : serverNames)
        d->lines.push_back({name.toStdString(), {}});
    for (int i = 0; i < static_cast<int>(d->lines.size()); ++i)
        d->refresh(i);
}

int InputMixer::lineCount() const {
    return static_cast<int>(d->lines.size());
}

bool InputMixer::linePresent(int line) const {
    return d->state(line) != nullptr;
}

QString InputMixer::lineName(int line) const {
    const LineState* s = d->state(line);
    return s ? s->description : QString();
}

bool InputMixer::hasVolume(int line) const {
    // The server keeps a volume for every source, in software where the hardware has none.
    return d->state(line) != nullptr;
}

int InputMixer::volume(int line) const {
    const LineState* s = d->state(line);
    return s ? fromServer(pa_cvolume_max(&s->volume)) : 0;
}

int InputMixer::setVolume(int line, int volume) {
    // Built on the source as it is now: a source that just appeared may have been told in
    // a passing state (another channel map), which the server refuses to be set from.
    d->refresh(line);
    const LineState* s = d->state(line);
    if (!s)
        return 0;
    pa_cvolume cv = s->volume;
    // Scaling keeps the channels' proportions, and with them the balance.
    pa_cvolume_scale(&cv, toServer(volume));
    PulseLock lock(d->server.loop());
    d->change(line,
              pa_context_set_source_volume_by_name(d->server.context(), d->lines[line].serverName.c_str(),
                                                   &cv, onSuccess, d->server.loop()));
    return this->volume(line);
}

bool InputMixer::hasBalance(int line) const {
    const LineState* s = d->state(line);
    return s && s->map.channels >= 2 && pa_channel_map_can_balance(&s->map);
}

int InputMixer::balance(int line) const {
    if (!hasBalance(line))
        return 50;
    const LineState* s = d->state(line);
    return static_cast<int>(std::lround((pa_cvolume_get_balance(&s->volume, &s->map) + 1.0) * 50.0));
}

int InputMixer::setBalance(int line, int balance) {
    d->refresh(line);
    if (!hasBalance(line))
        return this->balance(line);
    const LineState* s = d->state(line);
    pa_cvolume cv = s->volume;
    const float toward = static_cast<float>(std::clamp(balance, 0, 100) - 50) / 50.0f;
    if (pa_cvolume_set_balance(&cv, &s->map, toward)) {
        PulseLock lock(d->server.loop());
        d->change(line,
                  pa_context_set_source_volume_by_name(d->server.context(), d->lines[line].serverName.c_str(),
                                                       &cv, onSuccess, d->server.loop()));
    }
    return this->balance(line);
}

int InputMixer::advancedCount(int line) const {
    const LineState* s = d->state(line);
    return s ? 1 + static_cast<int>(s->ports.size()) : 0;
}

QString InputMixer::advancedName(int line, int control) const {
    if (control < 0 || control >= advancedCount(line))
        return {};
    return control == 0 ? tr("Mute") : d->state(line)->ports[control - 1].description;
}

ControlValue InputMixer::advancedValue(int line, int control) const {
    if (control < 0 || control >= advancedCount(line))
        return {};
    const LineState* s = d->state(line);
    return control == 0 ? s->muted : s->activePort == control - 1;
}

ControlValue InputMixer::setAdvancedValue(int line, int control, ControlValue value) {
    if (control < 0 || control >= advancedCount(line) || std::holds_alternative<std::monostate>(value))
        return advancedValue(line, control);
    const LineState* s = d->state(line);
    const char* name = d->lines[line].serverName.c_str();
    pa_context* c = d->server.context();
    PulseLock lock(d->server.loop());
    if (control == 0)
        d->change(line,
                  pa_context_set_source_mute_by_name(c, name, isOn(value), onSuccess, d->server.loop()));
    else if (isOn(value) && s->activePort != control - 1)
        d->change(line, pa_context_set_source_port_by_name(c, name, s->ports[control - 1].name.c_str(),
                                                           onSuccess, d->server.loop()));
    return advancedValue(line, control);
}
