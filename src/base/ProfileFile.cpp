#include "base/ProfileFile.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <memory>
#include <mutex>
#include <optional>
#include <sys/stat.h>

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

// What tells a changed file: a write in place changes the time or the size, a replacement
// (our own writes rename a new file into place) the inode.
struct FileSignature {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    static FileSignature of(const QString& path) {
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0)
            return {};
        return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
    }
    bool operator==(const FileSignature& o) const {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec &&
               changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
    }
};

// A file's lines and the values a read finds in them (the first section of a name, the
// first key of a name in it), kept until the file changes on disk: a large file is not
// parsed again for every value read.
struct Snapshot {
    FileSignature signature;
    QList<QByteArray> lines;
    QHash<QString, QHash<QString, QString>> values;
};

std::shared_ptr<const Snapshot> parse(const QString& path, const FileSignature& signature) {
    auto snap = std::make_shared<Snapshot>();
    snap->signature = signature;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return snap;
    snap->lines = f.readAll().split('\n');
    for (QByteArray& l : snap->lines)
        if (l.endsWith('\r'))
            l.chop(1);
    if (!snap->lines.isEmpty() && snap->lines.back().isEmpty())
        snap->lines.removeLast();
    // The section being read; empty while in none, or in a repeat of one already read.
    QString section;
    for (const QByteArray& line : snap->lines) {
        if (const auto name = sectionOf(line)) {
            section = name->toCaseFolded();
            if (snap->values.contains(section))
                section.clear();
            else
                snap->values.insert(section, {});
        } else if (!section.isEmpty()) {
            const auto entry = entryOf(line);
            QHash<QString, QString>& values = snap->values[section];
            if (entry && !values.contains(entry->first.toCaseFolded()))
                values.insert(entry->first.toCaseFolded(), unquoted(QString::fromUtf8(entry->second)));
        }
    }
    return snap;
}

std::shared_ptr<const Snapshot> snapshot(const QString& path) {
    static std::mutex mutex;
    static QHash<QString, std::shared_ptr<const Snapshot>> cache;
    const FileSignature now = FileSignature::of(path);
    {
        const std::lock_guard lock(mutex);
        const auto kept = cache.constFind(path);
        if (kept != cache.constEnd() && (*kept)->signature == now)
            return *kept;
    }
    std::shared_ptr<const Snapshot> fresh = parse(path, now);
    const std::lock_guard lock(mutex);
    cache.insert(path, fresh);
    return fresh;
}

} // namespace

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path)) {}

QString ProfileFile::readString(const QString& section, const QString& key, const QString& fallback,
                                int bufferSize) const {
    const std::shared_ptr<const Snapshot> snap = snapshot(m_path);
    QString value = fallback;
    if (const auto found = snap->values.constFind(section.toCaseFolded()); found != snap->values.constEnd())
        value = found->value(key.toCaseFolded(), fallback);
    return value.left(std::max(0, bufferSize - 1));
}

bool ProfileFile::writeString(const QString& section, const QString& key, const QString& value) const {
    QList<QByteArray> lines = snapshot(m_path)->lines;
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
