#pragma once

#include "engine/dsp/SourceMixer.h"

#include <string>
#include <vector>

// The sources recorded together, by their server names, the first setting the pace; with
// fewer than two, one source is recorded as chosen in the lists.
struct SourceMix {
    static constexpr int kMaxLevel = 200;

    std::vector<std::string> serverNames;
    SourceMixer::Layout layout = SourceMixer::Layout::Mixed;
    // Percent of each source's level as captured, 0..kMaxLevel, one per name.
    std::vector<int> levels;

    bool several() const { return serverNames.size() >= 2; }
    bool operator==(const SourceMix&) const = default;
};
