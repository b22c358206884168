#include "FuzzDecode.h"
#include "engine/codec/AudioFileReader.h"
#include "engine/codec/AudioFileWriter.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// Enough to reach the end of anything a small input decodes to, not so much that one
// input that expands a lot stalls the run.
constexpr qint64 kMaxValues = 4'000'000;

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_decode: %s\n", what);
        std::abort();
    }
}

void readSome(AudioFileReader& codec, qint64 limit) {
    const int channels = codec.channels();
    check(channels == 1 || channels == 2, "channels outside 1..2");
    for (qint64 total = 0; total < limit;) {
        const int wanted = 4096;
        const SampleBlock block = codec.read(wanted);
        if (block.empty())
            return;
        check(static_cast<int>(block.size()) <= wanted, "read returned more than asked");
        check(block.size() % static_cast<std::size_t>(channels) == 0, "read returned part of a frame");
        total += static_cast<qint64>(block.size());
    }
}

} // namespace

namespace fuzz {

const QStringList& extensions() {
    static const QStringList list{QStringLiteral("wav"), QStringLiteral("mp3"), QStringLiteral("ogg"),
                                  QStringLiteral("wma"), QStringLiteral("vox"), QStringLiteral("raw"),
                                  QStringLiteral("g726")};
    return list;
}

} // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const unsigned pick = data[0];
    const QStringList& types = fuzz::extensions();
    const QString path = QDir::temp().filePath(QStringLiteral("tavrik-fuzz-%1.%2")
                                                   .arg(static_cast<qint64>(getpid()))
                                                   .arg(types[static_cast<int>(pick) % types.size()]));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data + 1), static_cast<qint64>(size - 1));
    }
    AudioFileWriter formats;
    const int variant = static_cast<int>(pick) / types.size();
    formats.setRawFormat(1 + variant % 3, variant % 2 ? 8000 : 44100, 1 + variant / 3 % 2, 16);
    formats.setVoxFormat(variant % 2 ? 8000 : 6000);
    formats.setG726Format(8000, 2 + variant % 4);
    AudioFileReader codec;
    codec.setHeaderlessFormats(formats.formats().headerless());
    codec.open(path);
    if (codec.status() >= 0) {
        check(codec.sampleRate() > 0 && codec.length() >= 0, "bad format after a successful open");
        readSome(codec, kMaxValues);
        const qint64 length = codec.length();
        const qint64 middle = codec.seek(length / 2);
        check(middle <= std::max<qint64>(length, length / 2) + 65536, "seek went far past the end");
        readSome(codec, 65536);
        codec.seek(0);
        readSome(codec, 65536);
        codec.seek(-5);
        codec.seek(length + 100000);
        readSome(codec, 65536);
    } else {
        check(!codec.errorText().isEmpty(), "failed open without a message");
    }
    codec.close();
    QFile::remove(path);
    return 0;
}
