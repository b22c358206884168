#pragma once

#include <QList>
#include <QString>
#include <functional>

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
    // True when the list held more than was asked for: the rest was not read.
    bool cut = false;
};

// Told the bytes read so far and the file's size, now and then.
using Progress = std::function<void(qint64 done, qint64 total)>;

// Reads at most `maxEntries` entries of the list at `path`; relative entries are taken below
// the list's folder. What is no regular file, not text (it holds NUL bytes) or too large to
// be a list is refused. Blank lines cost nothing. Safe on any thread.
ReadResult read(const QString& path, qsizetype maxEntries, const Progress& progress = {});

// Writes the list to `path` (aside, then renamed over it), entries below the list's
// folder as relative paths. Empty when written, else what went wrong.
QString write(const QString& path, const QList<Entry>& entries);

} // namespace m3u
