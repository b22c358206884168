#include "engine/codec/RepairFile.h"

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <limits>

namespace codec::repair {

namespace {

constexpr std::uint32_t kSizeInDs64 = std::numeric_limits<std::uint32_t>::max();
// Room a JUNK chunk must have to become the ds64 chunk of an RF64 file.
constexpr std::uint32_t kDs64Bytes = 28;
// The chunks before the data lie within this many bytes in every file we write.
constexpr std::int64_t kHeaderScan = 64 * 1024;

// Format tags whose blocks hold several frames, counted in the fmt chunk's extension.
bool codesFramesInBlocks(std::uint16_t tag) {
    return tag == 0x0002 || tag == 0x0011 || tag == 0x0031;
}

QByteArray le32(std::uint32_t value) {
    QByteArray bytes(4, Qt::Uninitialized);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le64(std::uint64_t value) {
    QByteArray bytes(8, Qt::Uninitialized);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

struct WavLayout {
    bool rf64 = false;
    std::int64_t junkAt = -1; // a JUNK chunk right after "WAVE" with room for ds64
    std::int64_t ds64At = -1;
    std::int64_t factAt = -1;
    std::int64_t dataAt = -1; // the data chunk's header
    std::uint32_t dataSize32 = 0;
    bool hasFmt = false;
    std::uint16_t tag = 0;
    int channels = 0;
    int rate = 0;
    int blockAlign = 0;
    int framesPerBlock = 1;
};

WavLayout readLayout(const QByteArray& head) {
    WavLayout layout;
    layout.rf64 = head.startsWith("RF64");
    const char* bytes = head.constData();
    std::int64_t at = 12;
    while (at + 8 <= head.size()) {
        const char* id = bytes + at;
        const auto size = qFromLittleEndian<std::uint32_t>(bytes + at + 4);
        if (std::memcmp(id, "data", 4) == 0) {
            layout.dataAt = at;
            layout.dataSize32 = size;
            break;
        }
        if (std::memcmp(id, "JUNK", 4) == 0 && at == 12 && size == kDs64Bytes)
            layout.junkAt = at;
        else if (std::memcmp(id, "ds64", 4) == 0 && size >= kDs64Bytes)
            layout.ds64At = at;
        else if (std::memcmp(id, "fact", 4) == 0 && size >= 4)
            layout.factAt = at;
        else if (std::memcmp(id, "fmt ", 4) == 0 && size >= 16 && at + 8 + 16 <= head.size()) {
            const char* fmt = bytes + at + 8;
            layout.hasFmt = true;
            layout.tag = qFromLittleEndian<std::uint16_t>(fmt);
            layout.channels = qFromLittleEndian<std::uint16_t>(fmt + 2);
            layout.rate = static_cast<int>(qFromLittleEndian<std::uint32_t>(fmt + 4));
            layout.blockAlign = qFromLittleEndian<std::uint16_t>(fmt + 12);
            if (codesFramesInBlocks(layout.tag) && size >= 20 && at + 8 + 20 <= head.size())
                layout.framesPerBlock = qFromLittleEndian<std::uint16_t>(fmt + 18);
        }
        at += 8 + static_cast<std::int64_t>(size) + (size & 1);
    }
    return layout;
}

// Whether the bytes from `at` to the end of the file are whole chunks (a LIST, an id3, a cue): what
// a program that finished the file appends after the sound. The sound a stale header leaves out
// is not: its first bytes would have to spell a chunk name whose size ends exactly at the end.
bool wholeChunksFrom(RepairFile& file, std::int64_t at) {
    if (at < 0 || at >= file.size())
        return false;
    while (at + 8 <= file.size()) {
        const QByteArray header = file.read(at, 8);
        if (header.size() < 8 ||
            !std::all_of(header.begin(), header.begin() + 4, [](char c) { return c >= 0x20 && c <= 0x7e; }))
            return false;
        const auto size = qFromLittleEndian<std::uint32_t>(header.constData() + 4);
        at += 8 + static_cast<std::int64_t>(size);
        // The last chunk may lack its pad byte.
        if (at < file.size())
            at += size & 1;
    }
    return at == file.size();
}

} // namespace

RepairResult repairWav(RepairFile& file, const RecordedFormat& format) {
    const QByteArray head = file.read(0, kHeaderScan);
    if (head.size() < 12 || !(head.startsWith("RIFF") || head.startsWith("RF64")) || head.mid(8, 4) != "WAVE")
        return failure(RepairResult::Kind::NotOurs,
                       QCoreApplication::translate("WavRepair", "it has no WAV header"));
    const WavLayout layout = readLayout(head);
    if (!layout.hasFmt || layout.dataAt < 0)
        return failure(
            RepairResult::Kind::NotOurs,
            QCoreApplication::translate("WavRepair", "its WAV header has no format or data chunk"));
    if (layout.rate != format.rate || layout.channels != format.channels || layout.blockAlign <= 0 ||
        layout.framesPerBlock <= 0)
        return failure(
            RepairResult::Kind::NotOurs,
            QCoreApplication::translate(
                "WavRepair", "it holds %1 Hz, %2 channels instead of the %3 Hz, %4 channels recorded")
                .arg(layout.rate)
                .arg(layout.channels)
                .arg(format.rate)
                .arg(format.channels));
    if (layout.rf64 && layout.ds64At < 0)
        return failure(RepairResult::Kind::Damaged,
                       QCoreApplication::translate("WavRepair", "its RF64 header has no ds64 chunk"));

    const std::int64_t dataStart = layout.dataAt + 8;
    // The recording's data chunk ends the file. One that ends before it, followed by other chunks,
    // was finished by something else and is no longer as the recording left it.
    const std::int64_t statedData =
        layout.rf64 ? qFromLittleEndian<std::int64_t>(
                          file.read(layout.ds64At + 16, 8).leftJustified(8, '\0').constData())
                    : std::int64_t{layout.dataSize32};
    if (wholeChunksFrom(file, dataStart + statedData + (statedData & 1)) ||
        (statedData & 1 && wholeChunksFrom(file, dataStart + statedData)))
        return failure(RepairResult::Kind::NotOurs,
                       QCoreApplication::translate(
                           "WavRepair", "another program finished it, adding to it after the sound"));
    std::int64_t available = file.size() - dataStart;
    // A closed file with an odd data chunk ends in a pad byte, which is no audio.
    if (!layout.rf64 && layout.dataSize32 % 2 != 0 && available == std::int64_t{layout.dataSize32} + 1)
        available = layout.dataSize32;
    const std::int64_t blocks = std::max<std::int64_t>(available, 0) / layout.blockAlign;
    const std::int64_t dataBytes = blocks * layout.blockAlign;
    const std::int64_t length = dataStart + dataBytes + (file.size() - dataStart - available);
    const std::int64_t frames = blocks * layout.framesPerBlock;
    const std::int64_t riffBytes = length - 8;

    std::vector<Patch> patches;
    const bool rf64 = layout.rf64 || riffBytes > std::int64_t{kSizeInDs64};
    if (rf64 && !layout.rf64 && layout.junkAt < 0)
        return failure(RepairResult::Kind::Damaged,
                       QCoreApplication::translate(
                           "WavRepair", "it is larger than 4 GiB and its header has no room for the sizes"));
    if (rf64) {
        patches.push_back({0, QByteArrayLiteral("RF64") + le32(kSizeInDs64)});
        if (!layout.rf64)
            patches.push_back({layout.junkAt, QByteArrayLiteral("ds64")});
        const std::int64_t ds64At = layout.rf64 ? layout.ds64At : layout.junkAt;
        patches.push_back({ds64At + 8, le64(riffBytes) + le64(dataBytes) + le64(frames)});
        patches.push_back({layout.dataAt + 4, le32(kSizeInDs64)});
    } else {
        patches.push_back({4, le32(static_cast<std::uint32_t>(riffBytes))});
        patches.push_back({layout.dataAt + 4, le32(static_cast<std::uint32_t>(dataBytes))});
    }
    if (layout.factAt >= 0)
        patches.push_back({layout.factAt + 8,
                           le32(static_cast<std::uint32_t>(std::min<std::int64_t>(frames, kSizeInDs64)))});
    return apply(file, patches, length, frames);
}

} // namespace codec::repair
