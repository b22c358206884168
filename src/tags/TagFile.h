#pragma once

#include <QString>

// A file opened for tag work by byte position; closed when the object ends.
class TagFile {
public:
    enum class Mode { Read, ReadWrite };
    TagFile(const QString& path, Mode mode);
    ~TagFile();
    TagFile(const TagFile&) = delete;
    TagFile& operator=(const TagFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    qint64 size() const { return m_size; }
    // Whole reads and writes only: a short transfer is a failure.
    bool readAt(qint64 offset, void* data, qint64 count) const;
    bool writeAt(qint64 offset, const void* data, qint64 count);
    bool truncate(qint64 length);

private:
    int m_fd = -1;
    qint64 m_size = 0;
};

// Size of the ID3v2 tag at the start of `file` as its header claims it, header and footer
// included (which may be more than the file holds); 0 when there is none.
qint64 leadingId3v2Size(const TagFile& file);

// True when `path` is, or links to, a regular file; told without opening it, since opening
// a FIFO, socket or device can block, and a dangling link has nothing to read.
bool isRegularFile(const QString& path);

// Copies the first `length` bytes of `path` (all of it when negative) to `temp`, keeping
// the file's permissions, and flushes the copy to disk. Removes `temp` on failure.
bool copyAside(const QString& path, const QString& temp, qint64 length = -1);

// Puts the flushed `temp` in place of `path` with one rename, so that a crash leaves either
// file whole. Removes `temp` on failure.
bool replaceWith(const QString& path, const QString& temp);

// copyAside of the first `length` bytes, then replaceWith.
bool replaceWithPrefix(const QString& path, const QString& temp, qint64 length);

// Flushes a file written through other code (for example a tag library) to disk.
bool syncFile(const QString& path);
