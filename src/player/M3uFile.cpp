#include "player/M3uFile.h"

#include "engine/codec/CdAudio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QUrl>
#include <algorithm>

namespace m3u {

namespace {

// A list of a million entries stays well below this; larger files are no play list.
constexpr qint64 kMaxBytes = 256LL * 1024 * 1024;
constexpr qint64 kChunkBytes = 1024 * 1024;
// No path is this long: a longer line is skipped.
constexpr qsizetype kLongestLine = 64 * 1024;
const QString kExtInf = QStringLiteral("#EXTINF:");

bool isBlank(char c) {
    return c == '\n' || c == '\r' || c == ' ' || c == '\t';
}

bool isGarbage(QStringView line) {
    for (const QChar c : line)
        if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
            return true;
    return false;
}

QString resolve(const QString& line, const QDir& folder) {
    if (cdaudio::isLocator(line))
        return line;
    if (line.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return QUrl(line).toLocalFile();
    QString path = line;
    // Lists written on Windows separate with backslashes.
    if (path.contains(QLatin1Char('\\')) && !path.contains(QLatin1Char('/')))
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(folder.absoluteFilePath(path));
}

} // namespace

ReadResult read(const QString& path, qsizetype maxEntries, const Progress& progress) {
    ReadResult result;
    QFile file(path);
    // A FIFO or a device would block the open or never end.
    if (file.exists() && !QFileInfo(path).isFile()) {
        result.error = QCoreApplication::translate("M3uFile", "it is not a regular file");
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const qint64 total = file.size();
    if (total > kMaxBytes) {
        result.error = QCoreApplication::translate("M3uFile", "the file is too large to be a play list");
        return result;
    }

    const QDir folder = QFileInfo(path).absoluteDir();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    Entry pending;
    bool firstLine = true;
    // False once the list is full.
    const auto take = [&](QByteArrayView bytes) {
        if (firstLine && bytes.startsWith("\xef\xbb\xbf"))
            bytes = bytes.sliced(3);
        firstLine = false;
        bytes = bytes.trimmed();
        if (bytes.isEmpty())
            return true;
        QString line = utf8(bytes);
        // Older lists are in a single-byte code page.
        if (utf8.hasError()) {
            utf8.resetState();
            line = QString::fromLatin1(bytes);
        }
        if (isGarbage(line))
            return true;
        if (line.startsWith(kExtInf)) {
            const QStringView info = QStringView(line).mid(kExtInf.size());
            const qsizetype comma = info.indexOf(QLatin1Char(','));
            bool ok = false;
            const int seconds = info.left(comma < 0 ? info.size() : comma).trimmed().toInt(&ok);
            pending.seconds = ok ? seconds : -1;
            pending.title = comma < 0 ? QString() : info.mid(comma + 1).trimmed().toString();
            return true;
        }
        if (line.startsWith(QLatin1Char('#')))
            return true;
        if (result.entries.size() >= maxEntries) {
            result.cut = true;
            return false;
        }
        pending.location = resolve(line, folder);
        result.entries.append(pending);
        pending = Entry{};
        return true;
    };

    // Read in chunks, so that only the entries are kept. A line split between two chunks is
    // gathered first; an overlong one is skipped.
    QByteArray partial;
    bool full = false;
    for (qint64 done = 0; !full;) {
        const QByteArray chunk = file.read(kChunkBytes);
        if (chunk.isEmpty())
            break;
        done += chunk.size();
        if (chunk.contains('\0')) {
            result.entries.clear();
            result.cut = false;
            result.error = QCoreApplication::translate("M3uFile", "the file is not a play list");
            return result;
        }
        qsizetype at = 0;
        while (!full) {
            // Blank lines, and the blanks that start a line, are passed over byte by byte.
            while (partial.isEmpty() && at < chunk.size() && isBlank(chunk[at]))
                ++at;
            const qsizetype end = chunk.indexOf('\n', at);
            QByteArrayView line = QByteArrayView(chunk).sliced(at, (end < 0 ? chunk.size() : end) - at);
            if (end < 0 || !partial.isEmpty()) {
                partial += line.first(std::min(line.size(), kLongestLine - partial.size()));
                line = partial;
            }
            if (end < 0)
                break;
            full = line.size() < kLongestLine && !take(line);
            partial.resize(0);
            at = end + 1;
        }
        if (progress)
            progress(done, total);
    }
    if (!full && !partial.isEmpty() && partial.size() < kLongestLine)
        take(partial);
    return result;
}

QString write(const QString& path, const QList<Entry>& entries) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QDir folder = QFileInfo(path).absoluteDir();
    QString text = QStringLiteral("#EXTM3U\n");
    for (const Entry& e : entries) {
        // A line break in a name cannot be stored in a line-based list.
        if (e.location.contains(QLatin1Char('\n')) || e.location.contains(QLatin1Char('\r')))
            continue;
        QString title = e.title;
        title.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
        text += kExtInf + QString::number(e.seconds) + QLatin1Char(',') + title + QLatin1Char('\n');
        QString location = e.location;
        if (!cdaudio::isLocator(location)) {
            const QString relative = folder.relativeFilePath(location);
            if (!relative.startsWith(QLatin1String("../")) && !QDir::isAbsolutePath(relative))
                location = relative;
        }
        text += location + QLatin1Char('\n');
    }
    file.write(text.toUtf8());
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace m3u
