#include "tags/TagText.h"

#include <QDir>
#include <algorithm>

QString textBeforeNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

QString pathParts(const QString& path, int parts) {
    // Where the name and the extension begin; an extension start of 0 means no dot at all.
    const qsizetype extensionStart = path.lastIndexOf(QLatin1Char('.')) + 1;
    const qsizetype nameStart = path.lastIndexOf(QDir::separator()) + 1;
    QString result;
    if ((parts & kPathFolder) && nameStart > 0)
        result = path.left(nameStart);
    if (parts & kPathName) {
        if (extensionStart == 0 || nameStart >= extensionStart)
            result += path.mid(nameStart);
        else
            result += path.mid(nameStart, extensionStart - 1 - nameStart);
    }
    if (parts & kPathExtension) {
        const QString ext = extensionStart > nameStart ? path.mid(extensionStart) : QString();
        if (!result.isEmpty())
            result += QLatin1Char('.') + ext;
        else
            result = ext;
    }
    return result;
}

QString properCase(const QString& text) {
    QString out = text;
    bool wordStart = true;
    for (QChar& c : out) {
        c = wordStart ? c.toUpper() : c.toLower();
        wordStart = c == QLatin1Char(' ');
    }
    return out;
}

QString tidyTitle(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('_'), QLatin1Char(' '));
    out.replace(QLatin1String("%20"), QLatin1String(" "));
    out = properCase(out);
    static const QString kOpeners = QStringLiteral("[({./\\-");
    for (qsizetype i = 0; i + 1 < out.size(); ++i) {
        if (kOpeners.contains(out.at(i)))
            out[i + 1] = out.at(i + 1).toUpper();
    }
    return out;
}

int filterKey(int key, int flags) {
    if (!(flags & kFilterDigits))
        return key;
    if (key == 8 || key == 13 || key == 27 || key == 46 || (key >= '0' && key <= '9'))
        return key;
    return 0;
}

qint64 leadingNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 value = 0;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i) {
        // Saturate: a track box may hold any number of digits.
        constexpr qint64 kCap = 1'000'000'000'000LL;
        value = std::min(kCap, value * 10 + (text.at(i).unicode() - '0'));
    }
    return negative ? -value : value;
}

QString clampTrackText(const QString& text) {
    const qint64 value = leadingNumber(text);
    if (value < 0)
        return QStringLiteral("0");
    return value > 255 ? QStringLiteral("255") : text;
}

bool isNumber(const QString& text) {
    bool ok = false;
    trimBlanks(text).toLongLong(&ok);
    return ok;
}

QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

QByteArray toLatin1Lossy(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4())
        out.append(c <= 0xFF ? static_cast<char>(c) : '?');
    return out;
}
