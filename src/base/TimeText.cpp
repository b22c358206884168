#include "base/TimeText.h"

QString elapsedText(qint64 ms) {
    const qint64 minutes = ms / 60000;
    const qint64 seconds = ms / 1000 - minutes * 60;
    const qint64 millis = ms - 1000 * (ms / 1000);
    // Put together by hand: the running time is shown many times a second.
    QString text = QString::number(minutes);
    const auto digit = [](qint64 value) { return QChar(u'0' + static_cast<char16_t>(value % 10)); };
    text.append(QChar(u':')).append(digit(seconds / 10)).append(digit(seconds));
    text.append(QChar(u'.')).append(digit(millis / 100)).append(digit(millis / 10)).append(digit(millis));
    return text;
}
