#include "engine/codec/RecordingRepair.h"

#include "engine/codec/RepairFile.h"

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool RepairFile::open(const QString& path) {
    // Never creates: a file that is gone stays gone. A read-only file can still be found intact.
    // Never follows a link, and never waits on a FIFO or device: only a regular file is repaired.
    const QByteArray name = QFile::encodeName(path);
    const int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(name.constData(), O_RDWR | flags);
    if (fd < 0 && (errno == EACCES || errno == EROFS))
        fd = ::open(name.constData(), O_RDONLY | flags);
    if (fd < 0) {
        m_error = errno == ELOOP ? QCoreApplication::translate("RecordingRepair", "it is a link")
                                 : QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        m_error = QCoreApplication::translate("RecordingRepair", "it is not a regular file");
        return false;
    }
    const int mode = ::fcntl(fd, F_GETFL) & O_ACCMODE;
    if (!m_file.open(fd, mode == O_RDWR ? QIODevice::ReadWrite : QIODevice::ReadOnly,
                     QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        m_error = m_file.errorString();
        return false;
    }
    m_size = m_file.size();
    return true;
}

QString RepairFile::errorText() const {
    return m_error.isEmpty() ? m_file.errorString() : m_error;
}

QByteArray RepairFile::read(std::int64_t offset, std::int64_t bytes) {
    if (offset < 0 || offset >= m_size || !m_file.seek(offset))
        return {};
    return m_file.read(std::min(bytes, m_size - offset));
}

bool RepairFile::write(std::int64_t offset, const QByteArray& bytes) {
    return m_file.seek(offset) && m_file.write(bytes) == bytes.size();
}

bool RepairFile::cut(std::int64_t length) {
    if (!m_file.resize(length))
        return false;
    m_size = length;
    return true;
}

bool RepairFile::sync() {
    return m_file.flush() && ::fsync(m_file.handle()) == 0;
}

namespace codec {

namespace repair {

bool isDamagedTail(const QByteArray& tail, std::int64_t largestUnit) {
    return tail.size() < largestUnit || std::ranges::all_of(tail, [](char c) { return c == 0; });
}

RepairResult failure(RepairResult::Kind kind, const QString& reason) {
    RepairResult result;
    result.kind = kind;
    result.reason = reason;
    return result;
}

RepairResult apply(RepairFile& file, const std::vector<Patch>& patches, std::int64_t length,
                   std::int64_t frames) {
    RepairResult result;
    result.frames = frames;
    result.bytesCut = file.size() - length;
    bool changed = result.bytesCut != 0;
    for (const Patch& patch : patches) {
        if (file.read(patch.offset, patch.bytes.size()) == patch.bytes)
            continue;
        changed = true;
        if (!file.write(patch.offset, patch.bytes))
            return failure(RepairResult::Kind::CannotOpen, file.errorText());
    }
    if (result.bytesCut != 0 && !file.cut(length))
        return failure(RepairResult::Kind::CannotOpen, file.errorText());
    if (changed && !file.sync())
        return failure(RepairResult::Kind::CannotOpen, file.errorText());
    result.kind = changed ? RepairResult::Kind::Repaired : RepairResult::Kind::Intact;
    return result;
}

} // namespace repair

namespace {

// VOX, RAW and G.726 carry no header: only a torn unit at the end can be wrong.
RepairResult repairHeaderless(RepairFile& file, const RecordedFormat& format) {
    const std::int64_t units = file.size() / format.unitBytes;
    return repair::apply(file, {}, units * format.unitBytes, units * format.unitFrames);
}

} // namespace

RecordedFormat recordedFormat(FileType type, int rate, int channels, const HeaderlessFormats& headerless) {
    RecordedFormat format{type, rate, channels, 1, 1};
    switch (type) {
    case FileType::Vox:
        // Two 4-bit codes to a byte.
        format.unitFrames = 2;
        break;
    case FileType::Raw:
        format.unitBytes =
            channels * (headerless.raw.coding == RawFormat::Pcm16 && headerless.raw.bits == 16 ? 2 : 1);
        break;
    case FileType::G726:
        // Eight codes of `bits` bits fill `bits` whole bytes.
        format.unitBytes = headerless.g726.bits;
        format.unitFrames = 8;
        break;
    default:
        break;
    }
    return format;
}

RepairResult repairRecording(const QString& path, const RecordedFormat& format) {
    RepairFile file;
    if (!file.open(path))
        return repair::failure(RepairResult::Kind::CannotOpen, file.errorText());
    switch (format.type) {
    case FileType::Wav:
        return repair::repairWav(file, format);
    case FileType::Mp3:
        return repair::repairMp3(file, format);
    case FileType::Ogg:
        return repair::repairOgg(file, format);
    case FileType::Vox:
    case FileType::Raw:
    case FileType::G726:
        return repairHeaderless(file, format);
    case FileType::Wma:
        break;
    }
    return repair::failure(RepairResult::Kind::Damaged,
                           QCoreApplication::translate("RecordingRepair", "WMA files are not repaired"));
}

} // namespace codec
