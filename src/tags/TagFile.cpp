#include "tags/TagFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Non-blocking, so that a FIFO in place of a file cannot hang the open; regular files
// ignore the flag.
int openPath(const QString& path, int flags, mode_t mode = 0) {
    const QByteArray name = QFile::encodeName(path);
    int fd;
    do
        fd = ::open(name.constData(), flags | O_CLOEXEC | O_NONBLOCK, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Reads `count` bytes at `offset`, retrying short and interrupted reads; false on an error
// or an early end of file.
bool preadAll(int fd, void* data, qint64 count, qint64 offset) {
    auto* p = static_cast<char*>(data);
    while (count > 0) {
        const ssize_t n = ::pread(fd, p, static_cast<size_t>(count), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        offset += n;
        count -= n;
    }
    return true;
}

// Writes `count` bytes at `offset`, retrying short and interrupted writes; returns how
// many were written.
qint64 pwriteAll(int fd, const void* data, qint64 count, qint64 offset) {
    const auto* p = static_cast<const char*>(data);
    qint64 done = 0;
    while (done < count) {
        const ssize_t n = ::pwrite(fd, p + done, static_cast<size_t>(count - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

bool copyRange(int in, int out, qint64 length) {
    off_t inOffset = 0;
    qint64 left = length;
    while (left > 0) {
        const ssize_t n = ::copy_file_range(in, &inOffset, out, nullptr, static_cast<size_t>(left), 0);
        if (n > 0) {
            left -= n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || (errno != EXDEV && errno != ENOSYS && errno != EOPNOTSUPP && errno != EINVAL))
            return false;
        // No in-kernel copy between these file systems: copy through a buffer.
        char buffer[1 << 16];
        while (left > 0) {
            const qint64 chunk = std::min<qint64>(left, sizeof buffer);
            if (!preadAll(in, buffer, chunk, inOffset) || pwriteAll(out, buffer, chunk, inOffset) != chunk)
                return false;
            inOffset += chunk;
            left -= chunk;
        }
    }
    return true;
}

void syncFolderOf(const QString& path) {
    const int fd = openPath(QFileInfo(path).absolutePath(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

TagFile::TagFile(const QString& path, Mode mode) {
    m_fd = openPath(path, mode == Mode::Read ? O_RDONLY : O_RDWR);
    struct stat st {};
    if (m_fd >= 0 && (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_size = m_fd >= 0 ? st.st_size : 0;
}

TagFile::~TagFile() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool TagFile::readAt(qint64 offset, void* data, qint64 count) const {
    return preadAll(m_fd, data, count, offset);
}

bool TagFile::writeAt(qint64 offset, const void* data, qint64 count) {
    const qint64 written = pwriteAll(m_fd, data, count, offset);
    if (written > 0)
        m_size = std::max(m_size, offset + written);
    return written == count;
}

bool TagFile::truncate(qint64 length) {
    if (::ftruncate(m_fd, length) != 0)
        return false;
    m_size = length;
    return true;
}

qint64 leadingId3v2Size(const TagFile& file) {
    std::uint8_t h[10];
    if (file.size() < 10 || !file.readAt(0, h, 10) || std::memcmp(h, "ID3", 3) != 0)
        return 0;
    if ((h[6] | h[7] | h[8] | h[9]) & 0x80)
        return 0;
    const qint64 size = (qint64(h[6]) << 21) | (qint64(h[7]) << 14) | (qint64(h[8]) << 7) | h[9];
    return 10 + size + ((h[5] & 0x10) ? 10 : 0);
}

bool isRegularFile(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool copyAside(const QString& path, const QString& temp, qint64 length) {
    const int in = openPath(path, O_RDONLY);
    if (in < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(in, &st) == 0 && S_ISREG(st.st_mode);
    const int out = ok ? openPath(temp, O_WRONLY | O_CREAT | O_TRUNC, st.st_mode & 07777) : -1;
    ok = ok && out >= 0 && copyRange(in, out, length < 0 ? st.st_size : std::min<qint64>(length, st.st_size));
    ok = ok && ::fsync(out) == 0;
    if (out >= 0)
        ok = ::close(out) == 0 && ok;
    ::close(in);
    if (!ok)
        QFile::remove(temp);
    return ok;
}

bool replaceWith(const QString& path, const QString& temp) {
    if (::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temp);
        return false;
    }
    syncFolderOf(path);
    return true;
}

bool replaceWithPrefix(const QString& path, const QString& temp, qint64 length) {
    return copyAside(path, temp, length) && replaceWith(path, temp);
}

bool syncFile(const QString& path) {
    const int fd = openPath(path, O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}
