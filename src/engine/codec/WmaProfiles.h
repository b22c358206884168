#pragma once

#include "engine/codec/FileFormats.h"

#include <optional>

namespace codec {

constexpr int kWmaProfileCount = 52;

// The WMA format of profile `number` (0 to kWmaProfileCount - 1); nothing for other numbers.
std::optional<WmaFormat> wmaProfile(int number);

} // namespace codec
