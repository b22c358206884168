#include "record/DeviceSelection.h"

#include "engine/pulse/AudioRecorder.h"

#include <algorithm>

namespace DeviceSelection {

DeviceList listDevices(AudioRecorder& recorder) {
    DeviceList list;
    const int count = recorder.deviceCount();
    if (count < 1)
        return list;
    const int chosen = recorder.deviceIndex();
    const int wanted = chosen >= 0 ? chosen : recorder.defaultDevice();
    for (int i = 0; i <= count; ++i) {
        recorder.selectDevice(i);
        if (recorder.deviceUsable()) {
            if (i == wanted)
                list.selected = static_cast<int>(list.devices.size());
            list.devices.push_back({recorder.deviceName(), i});
        }
    }
    if (chosen >= 0)
        recorder.selectDevice(chosen);
    return list;
}

SourceList listSources(AudioRecorder& recorder) {
    SourceList list;
    const int highest = recorder.lastSourceIndex();
    if (highest < 0)
        return list;
    list.selected = recorder.sourceIndex();
    for (int i = 0; i <= highest; ++i) {
        recorder.selectSource(i);
        list.names.push_back(recorder.sourceName());
        if (recorder.sourceActive())
            list.selected = i;
    }
    recorder.selectSource(list.selected);
    return list;
}

void activateSource(AudioRecorder& recorder, int position) {
    recorder.selectSource(position);
    recorder.setSourceActive(true);
}

} // namespace DeviceSelection
