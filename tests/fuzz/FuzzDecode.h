#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

// One fuzz input: its first byte picks the file type (and the headerless parameters),
// the rest is the file's content.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

// File types in the order the first byte of an input picks them.
const QStringList& extensions();

} // namespace fuzz
