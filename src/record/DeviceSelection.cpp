#include "record/DeviceSelection.h"

#include "engine/pulse/AudioRecorder.h"

#include <algorithm>

namespace DeviceSelection {

DeviceList listDevices(AudioRecorder& recorder) {
    DeviceList list;
    const int count = recorder.DeviceCount();
    if (count < 1)
        return list;
    list.selected = recorder.DefaultDevice();
    for (int i = 0; i <= count; ++i) {
        recorder.SelectDevice(i);
        if (recorder.DeviceUsable())
            list.devices.push_back({recorder.DeviceName(), i});
    }
    list.selected = std::clamp(list.selected, 0, std::max(0, static_cast<int>(list.devices.size()) - 1));
    return list;
}

SourceList listSources(AudioRecorder& recorder) {
    SourceList list;
    const int highest = recorder.SourceCount();
    if (highest < 0)
        return list;
    list.selected = recorder.SourceIndex();
    for (int i = 0; i <= highest; ++i) {
        recorder.SelectSource(i);
        list.names.push_back(recorder.SourceName());
        if (recorder.SourceActive())
            list.selected = i;
    }
    recorder.SelectSource(list.selected);
    return list;
}

void activateSource(AudioRecorder& recorder, int position) {
    recorder.SelectSource(position);
    recorder.SetSourceActive(true);
}

} // namespace DeviceSelection
