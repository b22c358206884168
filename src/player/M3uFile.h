#pragma once

#include <QList>
#include <QString>

// Play-list files in the extended M3U form, UTF-8 (".m3u" and ".m3u8" alike).
namespace m3u {

struct Entry {
    // An absolute path, or a CD track locator.
    QString location;
    // The #EXTINF title, empty when the list gives none.
    QString title;
    // The #EXTINF length in seconds, -1 when unknown.
    int seconds = -1;
};

struct ReadResult {
    QList<Entry> entries;
    // Empty when the file was read as a play list.
    QString error;
};

// Reads the list at `path`; relative entries are taken below the list's folder. A file
// that is not text (it holds NUL bytes) or is too large to be a list is refused.
ReadResult read(const QString& path);

// Writes the list to `path` (aside, then renamed over it), entries below the list's
// folder as relative paths. Empty when written, else what went wrong.
QString write(const QString& path, const QList<Entry>& entries);

} // namespace m3u
