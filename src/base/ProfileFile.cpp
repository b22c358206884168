#include "base/ProfileFile.h"

#include <QFile>
#include <QSaveFile>
#include <optional>

namespace {

// Section name of a "[name]" line, if it is one.
std::optional<QString> sectionOf(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    if (t.size() < 2 || !t.startsWith('[') || !t.endsWith(']'))
        return std::nullopt;
    return QString::fromUtf8(t.mid(1, t.size() - 2)).trimmed();
}

// Key and raw value of a "key=value" line, if it is one.
std::optional<std::pair<QString, QByteArray>> entryOf(const QByteArray& line) {
    const qsizetype eq = line.indexOf('=');
    if (eq <= 0 || line.trimmed().startsWith(';'))
        return std::nullopt;
    return std::make_pair(QString::fromUtf8(line.left(eq)).trimmed(), line.mid(eq + 1));
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString unquoted(QString value) {
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path)) {}

QList<QByteArray> ProfileFile::readLines() const {
    QFile f(m_path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = f.readAll().split('\n');
    for (QByteArray& l : lines)
        if (l.endsWith('\r'))
            l.chop(1);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

QString ProfileFile::readString(const QString& section, const QString& key, const QString& fallback,
                                int bufferSize) const {
    bool inSection = false;
    QString value = fallback;
    for (const QByteArray& line : readLines()) {
        if (const auto name = sectionOf(line)) {
            if (inSection)
                break;
            inSection = sameName(*name, section);
        } else if (inSection) {
            const auto entry = entryOf(line);
            if (entry && sameName(entry->first, key)) {
                value = unquoted(QString::fromUtf8(entry->second));
                break;
            }
        }
    }
    return value.left(std::max(0, bufferSize - 1));
}

bool ProfileFile::writeString(const QString& section, const QString& key, const QString& value) const {
    QList<QByteArray> lines = readLines();
    const QByteArray newLine = key.toUtf8() + '=' + value.toUtf8();

    qsizetype sectionLine = -1, lastEntry = -1;
    bool done = false;
    for (qsizetype i = 0; i < lines.size() && !done; ++i) {
        if (const auto name = sectionOf(lines[i])) {
            if (sectionLine >= 0)
                break;
            if (sameName(*name, section))
                sectionLine = lastEntry = i;
        } else if (sectionLine >= 0) {
            const auto entry = entryOf(lines[i]);
            if (entry && sameName(entry->first, key)) {
                lines[i] = newLine;
                done = true;
            } else if (!lines[i].trimmed().isEmpty()) {
                lastEntry = i;
            }
        }
    }
    if (!done) {
        if (sectionLine < 0) {
            lines.append('[' + section.toUtf8() + ']');
            lines.append(newLine);
        } else {
            lines.insert(lastEntry + 1, newLine);
        }
    }

    QSaveFile out(m_path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray& l : lines) {
        out.write(l);
        out.write("\n");
    }
    return out.commit();
}
