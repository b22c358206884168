#pragma once

#include <algorithm>
#include <cmath>

// The smallest 16-bit sample magnitude (0..32768) that reaches `dbfs`, full scale being
// 32768: a sample is at or above a level in dBFS when its magnitude is at least this.
inline int magnitudeAtDbfs(double dbfs) {
    const double magnitude = 32768.0 * std::pow(10.0, dbfs / 20.0);
    // Rounded up, less a hair, so that the magnitude that equals the level counts.
    return std::clamp(static_cast<int>(std::ceil(magnitude - 1e-9)), 1, 32768);
}
