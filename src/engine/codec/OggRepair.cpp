#include "engine/codec/RepairFile.h"

#include <QCoreApplication>
#include <QtEndian>
#include <array>
#include <optional>

namespace codec::repair {

namespace {

constexpr int kPageHeaderBytes = 27;
constexpr std::int64_t kLargestPage = kPageHeaderBytes + 255 + 255 * 255;
constexpr char kBeginOfStream = 0x02;
constexpr char kEndOfStream = 0x04;

// The Ogg page checksum: CRC-32, polynomial 0x04c11db7, not reflected, starting at 0.
std::uint32_t pageChecksum(const QByteArray& page) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t r = i << 24;
            for (int bit = 0; bit < 8; ++bit)
                r = (r & 0x80000000U) ? (r << 1) ^ 0x04c11db7U : r << 1;
            t[i] = r;
        }
        return t;
    }();
    std::uint32_t crc = 0;
    for (qsizetype i = 0; i < page.size(); ++i) {
        // The checksum field itself counts as zeros.
        const auto byte = static_cast<std::uint8_t>(i >= 22 && i < 26 ? 0 : page[i]);
        crc = (crc << 8) ^ table[((crc >> 24) ^ byte) & 0xff];
    }
    return crc;
}

struct Page {
    std::int64_t at = 0;
    QByteArray bytes;
    char flags() const { return bytes[5]; }
    std::int64_t granule() const { return qFromLittleEndian<std::int64_t>(bytes.constData() + 6); }
    std::uint32_t serial() const { return qFromLittleEndian<std::uint32_t>(bytes.constData() + 14); }
    int segments() const { return static_cast<std::uint8_t>(bytes[26]); }
    // A page whose last lacing value is 255 leaves its last packet to the next page.
    bool endsPacket() const {
        return segments() > 0 && static_cast<std::uint8_t>(bytes[kPageHeaderBytes + segments() - 1]) < 255;
    }
    QByteArray body() const { return bytes.mid(kPageHeaderBytes + segments()); }
};

// The whole page at `at` when it is complete and its checksum holds.
std::optional<Page> readPage(RepairFile& file, std::int64_t at) {
    Page page{at, file.read(at, kPageHeaderBytes)};
    if (page.bytes.size() < kPageHeaderBytes || !page.bytes.startsWith("OggS") || page.bytes[4] != 0)
        return std::nullopt;
    page.bytes += file.read(at + kPageHeaderBytes, page.segments());
    if (page.bytes.size() < kPageHeaderBytes + page.segments())
        return std::nullopt;
    std::int64_t bodyBytes = 0;
    for (int i = 0; i < page.segments(); ++i)
        bodyBytes += static_cast<std::uint8_t>(page.bytes[kPageHeaderBytes + i]);
    const std::int64_t headerBytes = page.bytes.size();
    page.bytes += file.read(at + headerBytes, bodyBytes);
    if (page.bytes.size() < headerBytes + bodyBytes ||
        pageChecksum(page.bytes) != qFromLittleEndian<std::uint32_t>(page.bytes.constData() + 22))
        return std::nullopt;
    return page;
}

} // namespace

RepairResult repairOgg(RepairFile& file, const RecordedFormat& format) {
    const std::optional<Page> first = readPage(file, 0);
    // The identification header: packet type 1, "vorbis", version, channels, rate.
    const QByteArray id = first ? first->body() : QByteArray();
    if (!first || !(first->flags() & kBeginOfStream) || id.size() < 16 || !id.startsWith("\x01vorbis"))
        return failure(RepairResult::Kind::NotOurs,
                       QCoreApplication::translate("OggRepair", "it does not start an Ogg Vorbis stream"));
    const int channels = static_cast<std::uint8_t>(id[11]);
    const auto rate = static_cast<int>(qFromLittleEndian<std::uint32_t>(id.constData() + 12));
    if (rate != format.rate || channels != format.channels)
        return failure(
            RepairResult::Kind::NotOurs,
            QCoreApplication::translate(
                "OggRepair", "it holds %1 Hz, %2 channels instead of the %3 Hz, %4 channels recorded")
                .arg(rate)
                .arg(channels)
                .arg(format.rate)
                .arg(format.channels));

    // The last page that completes a packet ends what can be kept.
    Page last = *first;
    std::int64_t at = 0;
    for (std::optional<Page> page = first; page && page->serial() == first->serial();
         page = readPage(file, at)) {
        at += page->bytes.size();
        if (page->endsPacket())
            last = *page;
        if (page->flags() & kEndOfStream)
            break;
    }
    const std::int64_t length = last.at + last.bytes.size();
    if (length < file.size() && !isDamagedTail(file.read(at, file.size() - at), kLargestPage))
        return failure(RepairResult::Kind::Damaged,
                       QCoreApplication::translate("OggRepair", "its pages break off at byte %1 of %2")
                           .arg(at)
                           .arg(file.size()));

    std::vector<Patch> patches;
    if (!(last.flags() & kEndOfStream)) {
        // Readers take the end-of-stream page as the end; its checksum then covers the new flag.
        last.bytes[5] = static_cast<char>(last.flags() | kEndOfStream);
        QByteArray checksum(4, Qt::Uninitialized);
        qToLittleEndian(pageChecksum(last.bytes), checksum.data());
        patches.push_back({last.at + 5, last.bytes.mid(5, 1)});
        patches.push_back({last.at + 22, checksum});
    }
    return apply(file, patches, length, std::max<std::int64_t>(last.granule(), 0));
}

} // namespace codec::repair
