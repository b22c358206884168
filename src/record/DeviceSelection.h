#pragma once

#include <QString>
#include <vector>

class AudioRecorder;

// Filling the device and source lists from the recorder.
namespace DeviceSelection {

struct Device {
    QString name;
    int index; // the recorder's device number
};

struct DeviceList {
    std::vector<Device> devices; // usable devices only, probed 0..deviceCount()
    int selected = 0;            // position to select: the chosen device, else the default one
};
// Empty when the recorder reports no device. Leaves the recorder's chosen device chosen.
DeviceList listDevices(AudioRecorder& recorder);

struct SourceList {
    std::vector<QString> names; // empty when the device has no sources
    int selected = 0;           // the source being recorded
};
// Sources of the recorder's selected device.
SourceList listSources(AudioRecorder& recorder);

// Makes source `position` of the selected device the one recorded.
void activateSource(AudioRecorder& recorder, int position);

} // namespace DeviceSelection
