#pragma once

#include "engine/codec/RecordingRepair.h"

#include <QByteArray>
#include <QFile>
#include <cstdint>
#include <vector>

// The file a repair works on: read at any offset, patched in place and cut at the end,
// then flushed to the disk. Internal to the repairs.
class RepairFile {
public:
    bool open(const QString& path);
    QString errorText() const;
    std::int64_t size() const { return m_size; }
    // Up to `bytes` bytes from `offset`; shorter at the end of the file.
    QByteArray read(std::int64_t offset, std::int64_t bytes);
    bool write(std::int64_t offset, const QByteArray& bytes);
    // Shortens the file to `length` bytes.
    bool cut(std::int64_t length);
    // Puts the changes on the disk.
    bool sync();

private:
    QFile m_file;
    // Why open() failed before a file was had.
    QString m_error;
    std::int64_t m_size = 0;
};

namespace codec::repair {

// Bytes past the last whole unit of a file may go when they are a torn unit (fewer than
// `largestUnit` bytes) or the zeros a power cut leaves in blocks never written.
bool isDamagedTail(const QByteArray& tail, std::int64_t largestUnit);

RepairResult failure(RepairResult::Kind kind, const QString& reason);
// Writes `patches` (offset, bytes), cuts the file to `length` and syncs; `frames` is the audio
// then held. Intact when nothing changes.
struct Patch {
    std::int64_t offset;
    QByteArray bytes;
};
RepairResult apply(RepairFile& file, const std::vector<Patch>& patches, std::int64_t length,
                   std::int64_t frames);

RepairResult repairWav(RepairFile& file, const RecordedFormat& format);
RepairResult repairMp3(RepairFile& file, const RecordedFormat& format);
RepairResult repairOgg(RepairFile& file, const RecordedFormat& format);

} // namespace codec::repair
