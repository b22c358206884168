#pragma once

#include <cstdint>
#include <vector>

// Signed 16-bit samples, channels interleaved. An empty block means end of data,
// or "clear" when handed to a display.
using SampleBlock = std::vector<std::int16_t>;
