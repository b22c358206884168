#include "tags/Mp3Info.h"

#include "tags/TagFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// How far past the ID3v2 tag the first frame is looked for.
constexpr qint64 kSearchBytes = 64 * 1024;

constexpr int kBitrates[5][15] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448}, // MPEG-1 layer I
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},    // MPEG-1 layer II
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},     // MPEG-1 layer III
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},    // MPEG-2/2.5 layer I
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},         // MPEG-2/2.5 layer II, III
};
constexpr int kSampleRates[3] = {44100, 48000, 32000};

struct Header {
    int version = 0;
    int layer = 0;
    int bitrate = 0;
    int sampleRate = 0;
    int mode = 0;
    bool padding = false;
    bool crc = false;
    bool copyrighted = false;
    bool original = false;

    int samplesPerFrame() const {
        if (layer == 1)
            return 384;
        return layer == 3 && version != 10 ? 576 : 1152;
    }
    int frameBytes() const {
        if (layer == 1)
            return (12 * bitrate * 1000 / sampleRate + padding) * 4;
        return samplesPerFrame() / 8 * bitrate * 1000 / sampleRate + padding;
    }
    bool sameStream(const Header& o) const {
        return version == o.version && layer == o.layer && sampleRate == o.sampleRate;
    }
};

bool parseHeader(const std::uint8_t* p, Header& h) {
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0)
        return false;
    const int versionBits = (p[1] >> 3) & 3;
    const int layerBits = (p[1] >> 1) & 3;
    const int bitrateIndex = p[2] >> 4;
    const int rateIndex = (p[2] >> 2) & 3;
    // Free-format streams are left out: their frame length cannot be computed.
    if (versionBits == 1 || layerBits == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
        return false;
    h.version = versionBits == 3 ? 10 : versionBits == 2 ? 20 : 25;
    h.layer = 4 - layerBits;
    const int table = h.version == 10 ? h.layer - 1 : (h.layer == 1 ? 3 : 4);
    h.bitrate = kBitrates[table][bitrateIndex];
    h.sampleRate = kSampleRates[rateIndex] / (h.version == 10 ? 1 : h.version == 20 ? 2 : 4);
    h.crc = !(p[1] & 1);
    h.padding = (p[2] >> 1) & 1;
    h.mode = p[3] >> 6;
    h.copyrighted = (p[3] >> 3) & 1;
    h.original = (p[3] >> 2) & 1;
    return true;
}

quint32 bigEndian(const std::uint8_t* p) {
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

// Frame count from a Xing/Info or VBRI header inside the first frame; 0 when absent.
qint64 vbrFrames(const std::uint8_t* frame, qint64 available, const Header& h, bool* isVbr) {
    const bool mono = h.mode == 3;
    const qint64 xing = 4 + (h.version == 10 ? (mono ? 17 : 32) : (mono ? 9 : 17));
    if (available >= xing + 12 &&
        (std::memcmp(frame + xing, "Xing", 4) == 0 || std::memcmp(frame + xing, "Info", 4) == 0)) {
        // "Info" is the same header written for a constant bit rate.
        *isVbr = std::memcmp(frame + xing, "Xing", 4) == 0;
        return (bigEndian(frame + xing + 4) & 1) ? bigEndian(frame + xing + 8) : 0;
    }
    if (available >= 36 + 18 && std::memcmp(frame + 36, "VBRI", 4) == 0) {
        *isVbr = true;
        return bigEndian(frame + 36 + 14);
    }
    return 0;
}

} // namespace

QString Mp3Info::versionText() const {
    return version == 10   ? QStringLiteral("MPEG-1")
           : version == 20 ? QStringLiteral("MPEG-2")
                           : QStringLiteral("MPEG-2.5");
}

QString Mp3Info::modeText() const {
    switch (mode) {
    case Mode::Stereo:
        return QCoreApplication::translate("Mp3Info", "Stereo");
    case Mode::JointStereo:
        return QCoreApplication::translate("Mp3Info", "Joint stereo");
    case Mode::DualChannel:
        return QCoreApplication::translate("Mp3Info", "Dual channel");
    case Mode::Mono:
        return QCoreApplication::translate("Mp3Info", "Mono");
    }
    return {};
}

Mp3Info readMp3Info(const QString& path) {
    Mp3Info info;
    TagFile file(path, TagFile::Mode::Read);
    if (!file.isOpen())
        return info;
    const qint64 start = leadingId3v2Size(file);
    if (start >= file.size())
        return info;
    QByteArray window(static_cast<qsizetype>(std::min(kSearchBytes, file.size() - start)), '\0');
    if (!file.readAt(start, window.data(), window.size()))
        return info;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(window.constData());
    const qint64 n = window.size();

    qint64 end = file.size();
    std::uint8_t marker[3];
    if (end - start >= 128 && file.readAt(end - 128, marker, 3) && std::memcmp(marker, "TAG", 3) == 0)
        end -= 128;

    for (qint64 at = 0; at + 4 <= n; ++at) {
        Header h;
        if (!parseHeader(bytes + at, h))
            continue;
        const qint64 length = h.frameBytes();
        // A lone sync pattern is often inside other data: the next frame must agree.
        if (at + length + 4 <= n) {
            Header next;
            if (!parseHeader(bytes + at + length, next) || !next.sameStream(h))
                continue;
        } else if (start + at + length > end) {
            continue; // a frame cut off by the end of the file
        }
        info.valid = true;
        info.version = h.version;
        info.layer = h.layer;
        info.sampleRate = h.sampleRate;
        info.mode = static_cast<Mp3Info::Mode>(h.mode);
        info.crcProtected = h.crc;
        info.copyrighted = h.copyrighted;
        info.original = h.original;
        info.audioStart = start + at;
        info.audioBytes = std::max<qint64>(0, end - info.audioStart);
        info.frames = vbrFrames(bytes + at, n - at, h, &info.vbr);
        if (info.frames > 0) {
            info.lengthMs = info.frames * h.samplesPerFrame() * 1000 / h.sampleRate;
            info.bitrate =
                info.lengthMs > 0 ? static_cast<int>(info.audioBytes * 8 / info.lengthMs) : h.bitrate;
        } else {
            info.bitrate = h.bitrate;
            info.lengthMs = info.audioBytes * 8 / h.bitrate;
            info.frames = info.audioBytes / std::max<qint64>(1, length);
        }
        if (!info.vbr)
            info.bitrate = h.bitrate;
        return info;
    }
    return info;
}
