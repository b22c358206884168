#include "schedule/ScheduleTime.h"

namespace ScheduleTime {

QString dateFormat(const QLocale& locale) {
    // A two-digit year reads back in the wrong century.
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString timeFormat(const QLocale& locale) {
    // Entries start and stop by the second.
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1Char('s')))
        format.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
    return format;
}

QString text(const QDateTime& when, const QLocale& locale) {
    return text(when.date(), when.time(), locale);
}

QString text(QDate date, QTime time, const QLocale& locale) {
    return locale.toString(date, dateFormat(locale)) + QLatin1Char(' ') +
           locale.toString(time, timeFormat(locale));
}

QDateTime read(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    QDateTime when = locale.toDateTime(trimmed, dateFormat(locale) + QLatin1Char(' ') + timeFormat(locale));
    if (!when.isValid() && trimmed.size() >= 19 && trimmed[4] == QLatin1Char('-'))
        when = QDateTime::fromString(trimmed, Qt::ISODate);
    if (!when.isValid())
        return {};
    when.setTime(QTime(when.time().hour(), when.time().minute(), when.time().second()));
    return when;
}

std::optional<qint64> seconds(const QString& text, const QLocale& locale) {
    const QDateTime when = read(text, locale);
    if (!when.isValid())
        return std::nullopt;
    return when.toSecsSinceEpoch();
}

} // namespace ScheduleTime
