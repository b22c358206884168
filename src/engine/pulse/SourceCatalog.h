#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <vector>

class PulseContext;

// The server's recording devices as the lists show them: a device is a sound card (plus
// "Other sources" for sources without a card) with its sources, monitors included; and the
// device and each device's source chosen in them. Read on the owner thread only.
class SourceCatalog {
public:
    struct Source {
        std::string serverName;
        QString description;
        std::uint32_t card = 0;
    };
    struct Device {
        QString name;
        std::vector<Source> sources;
        // The source this device records.
        int active = 0;
        // The card's server name; empty for "Other sources".
        std::string serverName;
    };

    // Reads the lists again, keeping the chosen device and each device's chosen source
    // where they still exist (indexes may move). Takes the server's lock.
    void reread(const PulseContext& server);
    void clear();

    int deviceCount() const { return static_cast<int>(m_devices.size()); }
    const std::vector<Device>& devices() const { return m_devices; }
    // The source of any device with this server name; null when the server has none.
    const Source* findSource(const std::string& serverName) const;
    int defaultDevice() const { return m_defaultDevice; }
    bool usable() const;
    // The selected device, -1 when none is usable.
    int deviceIndex() const { return usable() ? m_device : -1; }
    void selectDevice(int device);
    const Device* selectedDevice() const { return usable() ? &m_devices[m_device] : nullptr; }
    // Empty when no device is usable.
    QString deviceName() const;
    // The highest source index of the selected device, below 0 when none.
    int lastSourceIndex() const;
    int sourceIndex() const { return m_source; }
    void selectSource(int source);
    const Source* selectedSource() const;
    // Empty when no source is selected.
    QString sourceName() const;
    // Whether the selected source is the one its device records.
    bool sourceActive() const;
    // Makes the selected source the one its device records, and the one chosen.
    void activateSelectedSource();
    // The source the selected device records.
    const Source* recordedSource() const;
    QString recordedSourceName() const;
    // The user's choice: the source picked in the lists or last recorded from. A reading that
    // finds it again selects it again; while it is gone another one is recorded in its place.
    void chooseRecordedSource();
    const Source& chosenSource() const { return m_chosen; }
    // Whether the source recorded is not the chosen one (it vanished).
    bool chosenSourceReplaced() const;
    // The server's names of the selected device's sources, in source order: how the input
    // mixer finds the lines.
    QStringList sourceServerNames() const;

private:
    void readLocked(const PulseContext& server);

    std::vector<Device> m_devices;
    int m_defaultDevice = 0;
    int m_device = -1;
    int m_source = -1;
    Source m_chosen;
};
