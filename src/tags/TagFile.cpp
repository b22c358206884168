#include "tags/TagFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int openPath(const QString& path, int flags, mode_t mode = 0) {
    const QByteArray name = QFile::encodeName(path);
    int fd;
    do
        fd = ::open(name.constData(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
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
            const ssize_t r =
                ::pread(in, buffer, static_cast<size_t>(std::min<qint64>(left, sizeof buffer)), inOffset);
            if (r < 0 && errno == EINTR)
                continue;
            if (r <= 0)
                return false;
            for (ssize_t done = 0; done < r;) {
                const ssize_t w = ::write(out, buffer + done, static_cast<size_t>(r - done));
                if (w < 0 && errno == EINTR)
                    continue;
                if (w <= 0)
                    return false;
                done += w;
            }
            inOffset += r;
            left -= r;
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
    auto* p = static_cast<char*>(data);
    while (count > 0) {
        const ssize_t n = ::pread(m_fd, p, static_cast<size_t>(count), offset);
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

bool TagFile::writeAt(qint64 offset, const void* data, qint64 count) {
    const auto* p = static_cast<const char*>(data);
    while (count > 0) {
        const ssize_t n = ::pwrite(m_fd, p, static_cast<size_t>(count), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        offset += n;
        count -= n;
        m_size = std::max(m_size, offset);
    }
    return true;
}

bool TagFile::truncate(qint64 length) {
    if (::ftruncate(m_fd, length) != 0)
        return false;
    m_size = length;
    return true;
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
