#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// An INI-style profile file with the semantics our settings rely on: section and key
// names match case-insensitively, values are trimmed, every other line (comments,
// foreign sections, garbage) and the order of lines are kept, and the file is created
// by the first write. A read sees the file as it is on disk now, but a file is parsed
// again only when it changed; writes replace it atomically.
class ProfileFile {
public:
    explicit ProfileFile(QString path);

    // The value of `key` in `section`, or `fallback` when the file, section or key is
    // missing; at most `bufferSize` - 1 characters, as a fixed buffer would hold.
    QString readString(const QString& section, const QString& key, const QString& fallback,
                       int bufferSize) const;
    // Sets `key` in `section`, adding the section or key when missing. False when the
    // file could not be written; the old file then stays as it was.
    bool writeString(const QString& section, const QString& key, const QString& value) const;

private:
    QString m_path;
};
