#include "engine/pulse/SourceCatalog.h"

#include "engine/pulse/AudioRecorder.h"
#include "engine/pulse/PulseContext.h"

#include <algorithm>
#include <utility>

namespace {

using Source = SourceCatalog::Source;
using Device = SourceCatalog::Device;

// Labels that two or more items share get the item's server name appended, so that two
// "Monitor of Null Output" (or two cards of one model) can be told apart in the lists.
template <typename Item> void labelApart(std::vector<Item>& items, QString Item::*label) {
    std::vector<QString> labels;
    for (const Item& item : items)
        labels.push_back(item.*label);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (std::count(labels.begin(), labels.end(), labels[i]) > 1 && !items[i].serverName.empty())
            items[i].*label += QStringLiteral(" (%1)").arg(QString::fromStdString(items[i].serverName));
    }
}

struct Listing {
    pa_threaded_mainloop* loop;
    std::vector<std::pair<std::uint32_t, Device>> cards;
    std::vector<Source> sources;
    std::string defaultSource;
};

void onCard(pa_context*, const pa_card_info* info, int eol, void* userdata) {
    auto* listing = static_cast<Listing*>(userdata);
    if (eol != 0) {
        pa_threaded_mainloop_signal(listing->loop, 0);
        return;
    }
    const char* description = pa_proplist_gets(info->proplist, PA_PROP_DEVICE_DESCRIPTION);
    listing->cards.emplace_back(
        info->index, Device{QString::fromUtf8(description ? description : info->name), {}, 0, info->name});
}

void onSource(pa_context*, const pa_source_info* info, int eol, void* userdata) {
    auto* listing = static_cast<Listing*>(userdata);
    if (eol != 0) {
        pa_threaded_mainloop_signal(listing->loop, 0);
        return;
    }
    listing->sources.push_back({info->name, QString::fromUtf8(info->description), info->card});
}

void onServer(pa_context*, const pa_server_info* info, void* userdata) {
    auto* listing = static_cast<Listing*>(userdata);
    if (info->default_source_name)
        listing->defaultSource = info->default_source_name;
    pa_threaded_mainloop_signal(listing->loop, 0);
}

} // namespace

bool SourceCatalog::usable() const {
    return m_device >= 0 && m_device < deviceCount() && !m_devices[m_device].sources.empty();
}

void SourceCatalog::selectDevice(int device) {
    m_device = device;
    m_source = usable() ? m_devices[device].active : -1;
}

void SourceCatalog::selectSource(int source) {
    if (usable() && source >= 0 && source < static_cast<int>(m_devices[m_device].sources.size()))
        m_source = source;
}

const Source* SourceCatalog::selectedSource() const {
    return usable() && m_source >= 0 && m_source < static_cast<int>(m_devices[m_device].sources.size())
               ? &m_devices[m_device].sources[m_source]
               : nullptr;
}

void SourceCatalog::activateSelectedSource() {
    if (!selectedSource())
        return;
    m_devices[m_device].active = m_source;
    chooseRecordedSource();
}

const Source* SourceCatalog::findSource(const std::string& serverName) const {
    for (const Device& dev : m_devices)
        for (const Source& src : dev.sources)
            if (src.serverName == serverName)
                return &src;
    return nullptr;
}

const Source* SourceCatalog::recordedSource() const {
    return usable() ? &m_devices[m_device].sources[m_devices[m_device].active] : nullptr;
}

void SourceCatalog::chooseRecordedSource() {
    if (const Source* src = recordedSource())
        m_chosen = *src;
}

bool SourceCatalog::chosenSourceReplaced() const {
    const Source* src = recordedSource();
    return src && !m_chosen.serverName.empty() && src->serverName != m_chosen.serverName;
}

void SourceCatalog::clear() {
    m_devices.clear();
    m_device = m_source = -1;
}

void SourceCatalog::reread(const PulseContext& server) {
    const std::string chosenDevice = usable() ? m_devices[m_device].serverName : std::string();
    const QString chosenName = usable() ? m_devices[m_device].name : QString();
    std::vector<std::pair<QString, std::string>> chosenSources;
    for (const Device& dev : m_devices)
        chosenSources.emplace_back(dev.name, dev.sources[dev.active].serverName);
    {
        PulseLock lock(server.loop());
        readLocked(server);
    }
    for (Device& dev : m_devices) {
        const auto chosen = std::find_if(chosenSources.begin(), chosenSources.end(),
                                         [&](const auto& c) { return c.first == dev.name; });
        if (chosen == chosenSources.end())
            continue;
        const auto src = std::find_if(dev.sources.begin(), dev.sources.end(),
                                      [&](const Source& s) { return s.serverName == chosen->second; });
        if (src != dev.sources.end())
            dev.active = static_cast<int>(src - dev.sources.begin());
    }
    const auto kept = std::find_if(m_devices.begin(), m_devices.end(), [&](const Device& dev) {
        return dev.name == chosenName && dev.serverName == chosenDevice;
    });
    m_device = kept != m_devices.end() ? static_cast<int>(kept - m_devices.begin()) : -1;
    // A chosen source that is back (a card plugged in again) is recorded again.
    for (std::size_t i = 0; i < m_devices.size() && !m_chosen.serverName.empty(); ++i) {
        auto& sources = m_devices[i].sources;
        const auto back = std::find_if(sources.begin(), sources.end(),
                                       [&](const Source& s) { return s.serverName == m_chosen.serverName; });
        if (back != sources.end()) {
            m_device = static_cast<int>(i);
            m_devices[i].active = static_cast<int>(back - sources.begin());
        }
    }
    m_source = usable() ? m_devices[m_device].active : -1;
}

void SourceCatalog::readLocked(const PulseContext& server) {
    Listing listing{server.loop(), {}, {}, {}};
    if (!server.runLocked(pa_context_get_card_info_list(server.context(), onCard, &listing)) ||
        !server.runLocked(pa_context_get_source_info_list(server.context(), onSource, &listing)) ||
        !server.runLocked(pa_context_get_server_info(server.context(), onServer, &listing)))
        return;

    std::vector<Device> found;
    for (const auto& [index, card] : listing.cards)
        found.push_back(card);
    Device other{AudioRecorder::tr("Other sources"), {}, 0, {}};
    for (const Source& src : listing.sources) {
        const auto card = std::find_if(listing.cards.begin(), listing.cards.end(),
                                       [&src](const auto& c) { return c.first == src.card; });
        Device& owner = card == listing.cards.end() ? other : found[card - listing.cards.begin()];
        owner.sources.push_back(src);
    }
    found.push_back(std::move(other));
    std::erase_if(found, [](const Device& dev) { return dev.sources.empty(); });
    labelApart(found, &Device::name);
    for (Device& dev : found)
        labelApart(dev.sources, &Source::description);

    for (std::size_t i = 0; i < found.size(); ++i) {
        auto& sources = found[i].sources;
        const auto def = std::find_if(sources.begin(), sources.end(),
                                      [&](const Source& s) { return s.serverName == listing.defaultSource; });
        if (def != sources.end()) {
            found[i].active = static_cast<int>(def - sources.begin());
            m_defaultDevice = static_cast<int>(i);
        }
    }
    m_devices = std::move(found);
}

QString SourceCatalog::deviceName() const {
    const Device* dev = selectedDevice();
    return dev ? dev->name : QString();
}

int SourceCatalog::lastSourceIndex() const {
    const Device* dev = selectedDevice();
    return dev ? static_cast<int>(dev->sources.size()) - 1 : -1;
}

QString SourceCatalog::sourceName() const {
    const Source* src = selectedSource();
    return src ? src->description : QString();
}

bool SourceCatalog::sourceActive() const {
    const Source* src = selectedSource();
    return src && src == recordedSource();
}

QString SourceCatalog::recordedSourceName() const {
    const Source* src = recordedSource();
    return src ? src->description : QString();
}

QStringList SourceCatalog::sourceServerNames() const {
    QStringList names;
    if (const Device* dev = selectedDevice())
        for (const Source& src : dev->sources)
            names.push_back(QString::fromStdString(src.serverName));
    return names;
}
