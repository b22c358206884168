#include "player/PlayOrder.h"

#include <algorithm>
#include <cmath>

namespace playorder {

int next(int current, int count) {
    if (count <= 0)
        return -1;
    return current < 0 || current >= count - 1 ? 0 : current + 1;
}

int previous(int current, int count) {
    if (count <= 0)
        return -1;
    return current <= 0 || current >= count ? count - 1 : current - 1;
}

int afterEnd(Mode mode, bool repeat, int current, int count, double random) {
    if (count <= 0)
        return -1;
    if (repeat && current >= 0 && current < count)
        return current;
    switch (mode) {
    case Mode::Shuffle:
        return std::clamp(static_cast<int>(std::floor(count * std::clamp(random, 0.0, 1.0))), 0, count - 1);
    case Mode::StopAtEnd:
        return -1;
    case Mode::Normal:
        break;
    }
    // From the last entry the list starts over, as Next does.
    return next(current, count);
}

QString positionText(double seconds) {
    const qint64 whole = seconds < 0 || !std::isfinite(seconds) ? 0 : static_cast<qint64>(seconds);
    return QStringLiteral("%1:%2")
        .arg(whole / 60, 2, 10, QLatin1Char('0'))
        .arg(whole % 60, 2, 10, QLatin1Char('0'));
}

} // namespace playorder
