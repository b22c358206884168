#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

// The date-time texts of the schedule: the locale's short date with a four-digit year, one
// space, the locale's time with seconds ("12/6/2026 5:03:00 PM" in US English). Stored
// files hold them as text, so they are read back with the same locale; the ISO form
// ("2026-12-06 17:03:00" or with a "T") is read as well, so a file moved between locales loads.
namespace ScheduleTime {

QString dateFormat(const QLocale& locale);
QString timeFormat(const QLocale& locale);

QString text(const QDateTime& when, const QLocale& locale);
// The text a date picker and a time picker give together.
QString text(QDate date, QTime time, const QLocale& locale);

// The local date-time the text names, or an invalid one when it names none.
QDateTime read(const QString& text, const QLocale& locale);
// The local date and time read as a count of seconds (the wall clock, as the user set the
// entry): what the scheduler compares. Nothing when the text names no time.
std::optional<qint64> seconds(const QString& text, const QLocale& locale);
qint64 wallSeconds(const QDateTime& when);

} // namespace ScheduleTime
