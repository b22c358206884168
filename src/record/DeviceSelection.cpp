#include "record/DeviceSelection.h"

#include "engine/pulse/AudioRecorder.h"

#include <algorithm>

namespace DeviceSelection {

DeviceList listDevices(AudioRecorder& recorder) {
    DeviceList list;
    const int count = recorder.sources().deviceCount();
    if (count < 1)
        return list;
    const int chosen = recorder.sources().deviceIndex();
    const int wanted = chosen >= 0 ? chosen : recorder.sources().defaultDevice();
    for (int i = 0; i <= count; ++i) {
        recorder.selectDevice(i);
        if (recorder.sources().usable()) {
            if (i == wanted)
                list.selected = static_cast<int>(list.devices.size());
            list.devices.push_back({recorder.sources().deviceName(), i});
        }
    }
    if (chosen >= 0)
        recorder.selectDevice(chosen);
    return list;
}

SourceList listSources(AudioRecorder& recorder) {
    SourceList list;
    const int highest = recorder.sources().lastSourceIndex();
    if (highest < 0)
        return list;
    list.selected = recorder.sources().sourceIndex();
    for (int i = 0; i <= highest; ++i) {
        recorder.selectSource(i);
        list.names.push_back(recorder.sources().sourceName());
        if (recorder.sources().sourceActive())
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
