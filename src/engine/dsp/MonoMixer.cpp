#include "engine/dsp/MonoMixer.h"

#include <cstddef>

void MonoMixer::mixInto(const SampleBlock& stereo, SampleBlock& mono) const {
    mono.resize(stereo.size() / 2);
    for (std::size_t i = 0; i < mono.size(); ++i) {
        // Summed in int so that two loud samples cannot overflow.
        const int sum = int{stereo[2 * i]} + int{stereo[2 * i + 1]};
        mono[i] = static_cast<std::int16_t>(sum / 2);
    }
}
