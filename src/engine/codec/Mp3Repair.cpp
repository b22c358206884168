#include "engine/codec/RepairFile.h"

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <optional>

namespace codec::repair {

namespace {

// 1441 bytes at 320 kbit/s and 32 kHz, the largest Layer III frame.
constexpr std::int64_t kLargestFrame = 1441 + 1;
constexpr int kTocEntries = 100;
constexpr std::uint32_t kXingFrames = 0x1;
constexpr std::uint32_t kXingBytes = 0x2;
constexpr std::uint32_t kXingToc = 0x4;
constexpr std::uint32_t kXingQuality = 0x8;
constexpr int kLameTagBytes = 36;

// One Layer III frame header.
struct FrameHeader {
    int version = 0; // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
    int rate = 0;
    int channels = 0;
    int bitrateIndex = 0;
    int bytes = 0;
    int samples = 0;
    // Where a Xing or Info tag starts inside the frame.
    int tagAt = 0;

    bool sameStream(const FrameHeader& other) const { return version == other.version && rate == other.rate; }
};

std::optional<FrameHeader> parseHeader(const QByteArray& bytes) {
    if (bytes.size() < 4)
        return std::nullopt;
    const auto h = qFromBigEndian<std::uint32_t>(bytes.constData());
    FrameHeader f;
    f.version = static_cast<int>((h >> 19) & 3);
    const int layer = static_cast<int>((h >> 17) & 3);
    f.bitrateIndex = static_cast<int>((h >> 12) & 15);
    const int rateIndex = static_cast<int>((h >> 10) & 3);
    if ((h >> 21) != 0x7ff || f.version == 1 || layer != 1 || f.bitrateIndex == 0 || f.bitrateIndex == 15 ||
        rateIndex == 3)
        return std::nullopt;
    static constexpr std::array<std::array<int, 16>, 2> kKbps{
        {{0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},
         {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0}}};
    static constexpr std::array<int, 3> kRates{44100, 48000, 32000};
    const bool mpeg1 = f.version == 3;
    f.rate = kRates[static_cast<std::size_t>(rateIndex)] >> (mpeg1 ? 0 : f.version == 2 ? 1 : 2);
    f.channels = ((h >> 6) & 3) == 3 ? 1 : 2;
    const int kbps = kKbps[mpeg1 ? 0 : 1][static_cast<std::size_t>(f.bitrateIndex)];
    f.samples = mpeg1 ? 1152 : 576;
    f.bytes = (mpeg1 ? 144 : 72) * kbps * 1000 / f.rate + static_cast<int>((h >> 9) & 1);
    f.tagAt = 4 + (mpeg1 ? (f.channels == 1 ? 17 : 32) : (f.channels == 1 ? 9 : 17));
    return f;
}

// CRC-16 as the LAME tag uses it (polynomial 0x8005, reflected, starting at 0).
std::uint16_t lameCrc(const QByteArray& bytes, std::uint16_t crc = 0) {
    for (const char c : bytes) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xa001)
                            : static_cast<std::uint16_t>(crc >> 1);
    }
    return crc;
}

QByteArray be32(std::uint32_t value) {
    QByteArray bytes(4, Qt::Uninitialized);
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray be16(std::uint16_t value) {
    QByteArray bytes(2, Qt::Uninitialized);
    qToBigEndian(value, bytes.data());
    return bytes;
}

// The seek table of a Xing tag: for each percent of the audio, where it starts in 256ths of the bytes.
QByteArray seekTable(const std::vector<std::int64_t>& frameStarts, std::int64_t bytes) {
    QByteArray toc(kTocEntries, 0);
    if (frameStarts.empty() || bytes <= 0)
        return toc;
    for (int i = 1; i < kTocEntries; ++i) {
        const auto frame = static_cast<std::size_t>(static_cast<double>(i) / kTocEntries *
                                                    static_cast<double>(frameStarts.size()));
        const std::int64_t at = frameStarts[std::min(frame, frameStarts.size() - 1)];
        toc[i] = static_cast<char>(std::min<std::int64_t>(255, at * 256 / bytes));
    }
    return toc;
}

// Whether the Xing tag at `tagAt` counts other frames or bytes than the file holds.
bool statesOtherCounts(const QByteArray& frame, int tagAt, std::uint32_t frames, std::uint32_t bytes) {
    const auto flags = qFromBigEndian<std::uint32_t>(frame.constData() + tagAt + 4);
    int field = tagAt + 8;
    bool other = false;
    if (flags & kXingFrames) {
        other = other || qFromBigEndian<std::uint32_t>(frame.constData() + field) != frames;
        field += 4;
    }
    if (flags & kXingBytes)
        other = other || qFromBigEndian<std::uint32_t>(frame.constData() + field) != bytes;
    return other;
}

// Sets the fields the Xing tag at `tagAt` has; returns where they end.
int updateXingFields(QByteArray& frame, int tagAt, std::uint32_t frames, std::uint32_t bytes,
                     const std::vector<std::int64_t>& frameStarts) {
    const auto flags = qFromBigEndian<std::uint32_t>(frame.constData() + tagAt + 4);
    int field = tagAt + 8;
    if (flags & kXingFrames) {
        frame.replace(field, 4, be32(frames));
        field += 4;
    }
    if (flags & kXingBytes) {
        frame.replace(field, 4, be32(bytes));
        field += 4;
    }
    if ((flags & kXingToc) && field + kTocEntries <= frame.size()) {
        frame.replace(field, kTocEntries, seekTable(frameStarts, bytes));
        field += kTocEntries;
    }
    if (flags & kXingQuality)
        field += 4;
    return field;
}

// The CRC of the frames from `from` to `to`, read a mebibyte at a time.
std::uint16_t musicCrc(RepairFile& file, std::int64_t from, std::int64_t to) {
    constexpr std::int64_t kChunk = 1 << 20;
    std::uint16_t crc = 0;
    for (std::int64_t at = from; at < to; at += kChunk)
        crc = lameCrc(file.read(at, std::min(kChunk, to - at)), crc);
    return crc;
}

} // namespace

RepairResult repairMp3(RepairFile& file, const RecordedFormat& format) {
    std::int64_t start = 0;
    const QByteArray id3 = file.read(0, 10);
    if (id3.size() == 10 && id3.startsWith("ID3")) {
        const auto* b = reinterpret_cast<const unsigned char*>(id3.constData());
        start = 10 + ((b[6] & 0x7f) << 21 | (b[7] & 0x7f) << 14 | (b[8] & 0x7f) << 7 | (b[9] & 0x7f)) +
                ((b[5] & 0x10) ? 10 : 0);
    }
    const std::optional<FrameHeader> first = parseHeader(file.read(start, 4));
    if (!first)
        return failure(RepairResult::Kind::NotOurs,
                       QCoreApplication::translate("Mp3Repair", "it does not start with an MP3 frame"));
    if (first->rate != format.rate || first->channels != format.channels)
        return failure(
            RepairResult::Kind::NotOurs,
            QCoreApplication::translate(
                "Mp3Repair", "it holds %1 Hz, %2 channels instead of the %3 Hz, %4 channels recorded")
                .arg(first->rate)
                .arg(first->channels)
                .arg(format.rate)
                .arg(format.channels));

    // Frame starts, relative to the first frame; the end is that of the last whole frame.
    std::vector<std::int64_t> starts;
    bool constantRate = true;
    std::int64_t at = start;
    for (std::optional<FrameHeader> frame = first; frame && frame->sameStream(*first);
         frame = parseHeader(file.read(at, 4))) {
        if (at + frame->bytes > file.size())
            break;
        constantRate = constantRate && (starts.size() < 2 || frame->bitrateIndex == first->bitrateIndex);
        starts.push_back(at - start);
        at += frame->bytes;
    }
    std::int64_t length = at;
    const QByteArray tail = file.read(at, file.size() - at);
    if (tail.size() == 128 && tail.startsWith("TAG"))
        length = file.size();
    else if (!tail.isEmpty() && !isDamagedTail(tail, kLargestFrame))
        return failure(RepairResult::Kind::Damaged,
                       QCoreApplication::translate("Mp3Repair", "its frames break off at byte %1 of %2")
                           .arg(at)
                           .arg(file.size()));

    // The first frame is either a tag, the silent frame LAME reserves for one, or audio.
    const QByteArray firstFrame = file.read(start, first->bytes);
    const QByteArray tagId = firstFrame.mid(first->tagAt, 4);
    const bool tagged = tagId == "Xing" || tagId == "Info";
    const bool reserved = !tagged && std::ranges::all_of(firstFrame.mid(4), [](char c) { return c == 0; });
    std::vector<Patch> patches;
    if (tagged || reserved) {
        const auto audioFrames = static_cast<std::uint32_t>(starts.size() - 1);
        const auto bytes = static_cast<std::uint32_t>(at - start);
        const std::vector<std::int64_t> audioStarts(starts.begin() + 1, starts.end());
        if (reserved) {
            // Fill in the tag the writer had no chance to write.
            const QByteArray tag = QByteArray(constantRate ? "Info" : "Xing") +
                                   be32(kXingFrames | kXingBytes | kXingToc) + be32(audioFrames) +
                                   be32(bytes) + seekTable(audioStarts, bytes);
            if (first->tagAt + tag.size() > firstFrame.size())
                return failure(
                    RepairResult::Kind::Damaged,
                    QCoreApplication::translate("Mp3Repair", "its first frame is too small for a tag"));
            patches.push_back({start + first->tagAt, tag});
        } else if (QByteArray frame = firstFrame;
                   statesOtherCounts(frame, first->tagAt, audioFrames, bytes)) {
            const int lameAt = updateXingFields(frame, first->tagAt, audioFrames, bytes, audioStarts);
            // A LAME tag after the Xing fields states the music's length and CRC, and guards itself
            // with a CRC of the frame before it.
            const QByteArray encoder = frame.mid(lameAt, 4);
            if (lameAt + kLameTagBytes <= frame.size() && (encoder == "LAME" || encoder.startsWith("Lav"))) {
                frame.replace(lameAt + 28, 4, be32(bytes));
                frame.replace(lameAt + 32, 2, be16(musicCrc(file, start + first->bytes, at)));
                frame.replace(lameAt + 34, 2, be16(lameCrc(frame.left(lameAt + 34))));
            }
            patches.push_back({start, frame});
        }
    }
    const std::int64_t samplesPerFrame = first->samples;
    const auto audio = static_cast<std::int64_t>(starts.size()) - (tagged || reserved ? 1 : 0);
    return apply(file, patches, length, std::max<std::int64_t>(audio, 0) * samplesPerFrame);
}

} // namespace codec::repair
