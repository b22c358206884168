#include "base/TimeText.h"

QString elapsedText(qint64 ms) {
    const qint64 minutes = ms / 60000;
    const qint64 seconds = ms / 1000 - minutes * 60;
    const qint64 millis = ms - 1000 * (ms / 1000);
    return QStringLiteral("%1:%2.%3")
        .arg(minutes)
        .arg(seconds, 2, 10, QLatin1Char('0'))
        .arg(millis, 3, 10, QLatin1Char('0'));
}
