#include "schedule/ScheduleTime.h"

namespace ScheduleTime {

namespace {

// A date-time format split into the fields the quick reader knows and the text between them.
struct Token {
    enum Kind { Text, Day, Month, MonthName, Year, Hour12, Hour24, Minute, Second, AmPm };
    Kind kind;
    int width = 0;
    QString text;
};
using Tokens = std::vector<Token>;

// What the quick reader needs of a locale, looked up once.
struct QuickReader {
    QString localeName;
    Tokens tokens;
    QStringList months;
    QString am;
    QString pm;
};

// Empty when the format holds a field the quick reader does not know (quoted text, weekday
// or month names spelt out, time zones): such texts go to the locale's own reader.
Tokens compile(const QString& format) {
    Tokens out;
    for (qsizetype i = 0; i < format.size();) {
        const char16_t c = format[i].unicode();
        qsizetype n = 1;
        while (i + n < format.size() && format[i + n] == format[i])
            ++n;
        const int width = static_cast<int>(n);
        if ((c == u'A' || c == u'a') && n == 1 && i + 1 < format.size() &&
            (format[i + 1] == QLatin1Char('P') || format[i + 1] == QLatin1Char('p')))
            n = 2;
        switch (c) {
        case u'd':
            if (width > 2)
                return {};
            out.push_back({Token::Day, width, {}});
            break;
        case u'M':
            if (width > 3)
                return {};
            out.push_back({width == 3 ? Token::MonthName : Token::Month, width, {}});
            break;
        case u'y':
            if (width != 4)
                return {};
            out.push_back({Token::Year, width, {}});
            break;
        case u'h':
        case u'H':
        case u'm':
        case u's':
            if (width > 2)
                return {};
            out.push_back({c == u'h'   ? Token::Hour12
                           : c == u'H' ? Token::Hour24
                           : c == u'm' ? Token::Minute
                                       : Token::Second,
                           width,
                           {}});
            break;
        case u'A':
        case u'a':
            out.push_back({Token::AmPm, 0, {}});
            break;
        default:
            if (QChar(c).isLetter() || c == u'\'')
                return {};
            out.push_back({Token::Text, 0, format.mid(i, n)});
        }
        i += n;
    }
    return out;
}

// The quick reader for the formats of `compile`: a list of thousands of entries is read in
// milliseconds where the locale's general reader takes seconds.
std::optional<qint64> quickSeconds(QStringView text, const QuickReader& reader) {
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
    bool twelveHour = false;
    int pm = -1;
    qsizetype at = 0;
    // One or two digits for a one-letter field, exactly the width otherwise.
    const auto number = [&](int width) {
        const int most = width == 1 ? 2 : width;
        int digits = 0, value = 0;
        while (digits < most && at < text.size() && text[at] >= QLatin1Char('0') &&
               text[at] <= QLatin1Char('9')) {
            value = value * 10 + (text[at].unicode() - u'0');
            ++at;
            ++digits;
        }
        return digits == 0 || (width > 1 && digits != width) ? -1 : value;
    };
    const auto word = [&](const QString& w) {
        if (w.isEmpty() || !text.mid(at).startsWith(w, Qt::CaseInsensitive))
            return false;
        at += w.size();
        return true;
    };
    for (const Token& t : reader.tokens) {
        int value = 0;
        switch (t.kind) {
        case Token::Text:
            if (!text.mid(at).startsWith(t.text))
                return std::nullopt;
            at += t.text.size();
            continue;
        case Token::MonthName:
            for (month = 1; month <= 12 && !word(reader.months[month - 1]); ++month) {
            }
            if (month > 12)
                return std::nullopt;
            continue;
        case Token::AmPm:
            if (word(reader.am))
                pm = 0;
            else if (word(reader.pm))
                pm = 1;
            else
                return std::nullopt;
            continue;
        default:
            value = number(t.width);
            if (value < 0)
                return std::nullopt;
        }
        switch (t.kind) {
        case Token::Day:
            day = value;
            break;
        case Token::Month:
            month = value;
            break;
        case Token::Year:
            year = value;
            break;
        case Token::Hour12:
            twelveHour = true;
            hour = value;
            break;
        case Token::Hour24:
            hour = value;
            break;
        case Token::Minute:
            minute = value;
            break;
        default:
            second = value;
        }
    }
    if (at != text.size())
        return std::nullopt;
    if (twelveHour) {
        if (hour < 1 || hour > 12 || pm < 0)
            return std::nullopt;
        hour = hour % 12 + (pm == 1 ? 12 : 0);
    }
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return date.toJulianDay() * 86400 + time.msecsSinceStartOfDay() / 1000;
}

} // namespace

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

qint64 wallSeconds(const QDateTime& when) {
    const QDateTime local = when.toLocalTime();
    return local.date().toJulianDay() * 86400 + local.time().msecsSinceStartOfDay() / 1000;
}

std::optional<qint64> seconds(const QString& text, const QLocale& locale) {
    thread_local QuickReader reader;
    if (reader.localeName != locale.name()) {
        reader.localeName = locale.name();
        reader.tokens = compile(dateFormat(locale) + QLatin1Char(' ') + timeFormat(locale));
        reader.months.clear();
        for (int m = 1; m <= 12; ++m)
            reader.months << locale.monthName(m, QLocale::ShortFormat);
        reader.am = locale.amText();
        reader.pm = locale.pmText();
    }
    if (!reader.tokens.empty())
        if (const std::optional<qint64> quick = quickSeconds(QStringView(text).trimmed(), reader))
            return quick;
    const QDateTime when = read(text, locale);
    if (!when.isValid())
        return std::nullopt;
    return wallSeconds(when);
}

} // namespace ScheduleTime
