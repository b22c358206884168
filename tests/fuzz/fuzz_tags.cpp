// Mutates small tagged MP3 files at random and reads (and sometimes saves) their tags through
// every reading path; a crash, hang or sanitizer report is the failure. Arguments: the number
// of seconds to run (default 25) and the random seed (default 1).

#include "tags/FileEntry.h"
#include "tags/Id3v1Tag.h"
#include "tags/Id3v2Tag.h"
#include "tags/Mp3Info.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

// Four MPEG-1 layer III frames (128 kbit/s, 44.1 kHz) of silence.
QByteArray frames() {
    QByteArray frame(417, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x90);
    frame[3] = char(0x64);
    return frame.repeated(4);
}

// Seeds made by our own writers: ID3v2 only, ID3v1 only, both, with long and non-Latin texts.
QList<QByteArray> makeSeeds(const QString& dir) {
    QList<QByteArray> seeds;
    const QString path = dir + QStringLiteral("/seed.mp3");
    for (int kind = 0; kind < 4; ++kind) {
        writeAll(path, frames());
        if (kind != 1) {
            Id3v2Tag v2;
            v2.setPath(path);
            for (int i = 0; i < kId3v2FieldCount; ++i)
                v2.setField(static_cast<Id3v2Field>(i),
                            QStringLiteral("v%1 \u00e9\u4e2d").arg(i).repeated(kind + 1));
            v2.save();
        }
        if (kind != 0) {
            Id3v1Tag v1;
            v1.setPath(path);
            v1.setTitle(QStringLiteral("title"));
            v1.setComment(QString(30, QLatin1Char('c')));
            v1.save();
        }
        seeds.append(readAll(path));
    }
    seeds.append(QByteArray());
    seeds.append(QByteArray("TAG").leftJustified(127, 'x'));
    seeds.append(QByteArray("ID3\x03\x00\x00\x7f\x7f\x7f\x7f", 10));
    return seeds;
}

QByteArray mutate(QByteArray data, QRandomGenerator& rng) {
    const int steps = 1 + int(rng.bounded(4));
    for (int s = 0; s < steps; ++s) {
        const int size = int(data.size());
        const int at = size ? int(rng.bounded(size)) : 0;
        switch (rng.bounded(8)) {
        case 0: // flip bits
            if (size)
                data[at] = char(data.at(at) ^ (1 << rng.bounded(8)));
            break;
        case 1: // random byte
            if (size)
                data[at] = char(rng.bounded(256));
            break;
        case 2: // tag size field: huge, not synchsafe, or past the end
            if (size >= 10) {
                for (int i = 6; i < 10; ++i)
                    data[i] = char(rng.bounded(2) ? 0xFF : rng.bounded(128));
            }
            break;
        case 3: // a frame's size field (frame headers follow the 10-byte tag header)
            if (size >= 20) {
                const int frame = 10 + int(rng.bounded(std::min(size - 18, 400)));
                for (int i = 4; i < 8; ++i)
                    data[frame + i] = char(rng.bounded(256));
            }
            break;
        case 4: // cut the file short
            data.truncate(int(rng.bounded(size + 1)));
            break;
        case 5: // drop a run of bytes
            data.remove(at, int(rng.bounded(64)));
            break;
        case 6: // duplicate a run of bytes
            data.insert(at, data.mid(at, int(rng.bounded(64))));
            break;
        default: // flags and version bytes
            if (size >= 6)
                data[3 + int(rng.bounded(3))] = char(rng.bounded(256));
            break;
        }
    }
    return data;
}

} // namespace

int main(int argc, char* argv[]) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 25;
    QRandomGenerator rng(argc > 2 ? quint32(std::atoi(argv[2])) : 1u);
    // Memory-backed when possible: the saves flush every file to disk.
    const bool shm = QFileInfo(QStringLiteral("/dev/shm")).isWritable();
    QTemporaryDir dir(shm ? QStringLiteral("/dev/shm/fuzz_tags-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/fuzz_tags-XXXXXX"));
    if (!dir.isValid())
        return 2;
    const QList<QByteArray> seeds = makeSeeds(dir.path());
    const QString path = dir.filePath(QStringLiteral("fuzz.mp3"));
    QElapsedTimer clock;
    clock.start();
    long runs = 0;
    while (clock.elapsed() < seconds * 1000LL) {
        const QByteArray input = mutate(seeds.at(int(rng.bounded(int(seeds.size())))), rng);
        writeAll(path, input);
        const FileEntry entry = readFileEntry(path);
        readMp3Info(path);
        Id3v1Tag v1;
        v1.setPath(path);
        v1.read();
        Id3v2Tag v2;
        v2.setPath(path);
        v2.read();
        // Saving into a damaged file must not crash either, and must leave a readable file.
        if (runs % 8 == 0) {
            v2.setTitle(entry.v2[1] + QStringLiteral("!"));
            v2.save();
            v2.read();
            v1.save();
            v1.remove();
            v2.remove();
        }
        ++runs;
    }
    std::printf("%ld inputs\n", runs);
    return 0;
}
