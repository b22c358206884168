#include "engine/codec/OutputFile.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

EncoderError systemError(int code) {
    EncoderError error;
    switch (code) {
    case ENOSPC:
    case EDQUOT:
        error.kind = EncoderError::Kind::NoSpace;
        break;
    case EFBIG:
        error.kind = EncoderError::Kind::TooLarge;
        break;
    default:
        error.kind = EncoderError::Kind::System;
    }
    error.reason = qt_error_string(code);
    return error;
}

OutputFile::~OutputFile() {
    close();
}

EncoderError OutputFile::open(const QString& path) {
    close();
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (m_fd < 0)
        return systemError(errno);
    m_path = path;
    m_length = 0;
    return {};
}

EncoderError OutputFile::writeAt(std::int64_t offset, const void* data, std::int64_t size) {
    if (m_fd < 0)
        return systemError(EBADF);
    const auto* bytes = static_cast<const char*>(data);
    std::int64_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(m_fd, bytes + done, static_cast<size_t>(size - done), offset + done);
        if (n > 0) {
            done += n;
        } else if (n == 0 || errno != EINTR) {
            const EncoderError error = systemError(n == 0 ? ENOSPC : errno);
            if (offset + done > m_length && ::ftruncate(m_fd, std::max(offset, m_length)) != 0)
                m_length = offset + done;
            return error;
        }
    }
    m_length = std::max(m_length, offset + size);
    return {};
}

std::int64_t OutputFile::readAt(std::int64_t offset, void* data, std::int64_t size) const {
    const ssize_t n = ::pread(m_fd, data, static_cast<size_t>(size), offset);
    return n > 0 ? n : 0;
}

EncoderError OutputFile::close() {
    if (m_fd < 0)
        return {};
    const int result = ::close(m_fd);
    m_fd = -1;
    return result == 0 ? EncoderError{} : systemError(errno);
}

void OutputFile::discard() {
    close();
    if (!m_path.isEmpty())
        ::unlink(QFile::encodeName(m_path).constData());
}
