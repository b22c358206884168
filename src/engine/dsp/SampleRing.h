#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

// A ring of 16-bit values addressed by ever-growing positions, shared by the recorder and
// the player between libpulse's thread and the owner. Nothing here allocates.
namespace samplering {

// Where `n` values from position `pos` lie: `first` of them from index `at`, the rest
// from index 0.
struct Spans {
    std::size_t at;
    std::size_t first;
    std::size_t rest;
};

inline Spans spans(std::size_t capacity, std::uint64_t pos, std::size_t n) {
    const auto at = static_cast<std::size_t>(pos % capacity);
    const std::size_t first = std::min(n, capacity - at);
    return {at, first, n - first};
}

inline void write(std::vector<std::int16_t>& ring, std::uint64_t pos, const std::int16_t* data,
                  std::size_t n) {
    const Spans s = spans(ring.size(), pos, n);
    std::memcpy(ring.data() + s.at, data, s.first * sizeof(std::int16_t));
    std::memcpy(ring.data(), data + s.first, s.rest * sizeof(std::int16_t));
}

inline void read(const std::vector<std::int16_t>& ring, std::uint64_t pos, std::size_t n, std::int16_t* out) {
    const Spans s = spans(ring.size(), pos, n);
    std::memcpy(out, ring.data() + s.at, s.first * sizeof(std::int16_t));
    std::memcpy(out + s.first, ring.data(), s.rest * sizeof(std::int16_t));
}

} // namespace samplering
