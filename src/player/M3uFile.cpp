#include "player/M3uFile.h"

#include "engine/codec/CdAudio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QUrl>

namespace m3u {

namespace {

// A list of a million entries stays well below this; larger files are no play list.
constexpr qint64 kMaxBytes = 256LL * 1024 * 1024;
const QString kExtInf = QStringLiteral("#EXTINF:");

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

ReadResult read(const QString& path) {
    ReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    if (file.size() > kMaxBytes) {
        result.error = QStringLiteral("the file is too large to be a play list");
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.contains('\0')) {
        result.error = QStringLiteral("the file is not a play list");
        return result;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    // Older lists are in a single-byte code page.
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    const QDir folder = QFileInfo(path).absoluteDir();
    Entry pending;
    for (QStringView raw : QStringView(text).split(QLatin1Char('\n'))) {
        const QStringView line = raw.trimmed();
        if (line.isEmpty() || isGarbage(line))
            continue;
        if (line.startsWith(kExtInf)) {
            const QStringView info = line.mid(kExtInf.size());
            const qsizetype comma = info.indexOf(QLatin1Char(','));
            bool ok = false;
            const int seconds = info.left(comma < 0 ? info.size() : comma).trimmed().toInt(&ok);
            pending.seconds = ok ? seconds : -1;
            pending.title = comma < 0 ? QString() : info.mid(comma + 1).trimmed().toString();
            continue;
        }
        if (line.startsWith(QLatin1Char('#')))
            continue;
        pending.location = resolve(line.toString(), folder);
        result.entries.append(pending);
        pending = Entry{};
    }
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
