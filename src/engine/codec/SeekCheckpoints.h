#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

// Byte positions of packets read in order, about one gap of time stamps apart, so that a
// seek can jump to the last one well before its target instead of reading from the top.
class SeekCheckpoints {
public:
    struct Point {
        std::int64_t stamp;
        std::int64_t pos;
    };

    void setGap(std::int64_t gap) { m_gap = gap; }

    // Packets must come in order; ones before the last point add nothing.
    void note(std::int64_t stamp, std::int64_t pos) {
        if (pos >= 0 && (m_points.empty() || stamp >= m_points.back().stamp + m_gap))
            m_points.push_back({stamp, pos});
    }

    // The last point a gap or more before `stamp` and after `floor`.
    std::optional<Point> before(std::int64_t stamp, std::int64_t floor) const {
        const auto after = std::upper_bound(m_points.begin(), m_points.end(), stamp - m_gap,
                                            [](std::int64_t at, const Point& p) { return at < p.stamp; });
        if (after == m_points.begin() || std::prev(after)->stamp <= floor)
            return std::nullopt;
        return *std::prev(after);
    }

private:
    std::vector<Point> m_points;
    std::int64_t m_gap = 0;
};
