// Times what playback asks of the decoder on one file: Open (with its length), seeks to
// spread-out positions each followed by a 0.2 s read, and decoding the whole file.
#include "engine/codec/AudioFileReader.h"
#include "engine/codec/AudioFileWriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: decode_bench FILE [vox-or-raw-rate]\n");
        return 2;
    }
    AudioFileWriter formats;
    if (args.size() > 2) {
        formats.setVoxFormat(args[2].toInt());
        formats.setRawFormat(1, args[2].toInt(), 1, 16);
    }
    AudioFileReader codec;
    codec.setHeaderlessFormats(formats.formats().headerless());
    QElapsedTimer clock;
    clock.start();
    codec.open(args[1]);
    const double openMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (codec.status() < 0) {
        std::fprintf(stderr, "%s\n", qPrintable(codec.errorText()));
        return 1;
    }
    const qint64 length = codec.length();
    const int rate = codec.sampleRate();
    const int seeks = 10;
    clock.restart();
    for (int i = 0; i < seeks; ++i) {
        codec.seek(length * (2 * i + 1) / (2 * seeks));
        codec.read(rate / 5 * codec.channels());
    }
    const double seekMs = static_cast<double>(clock.nsecsElapsed()) / 1e6 / seeks;
    codec.seek(0);
    clock.restart();
    qint64 values = 0;
    for (SampleBlock block = codec.read(rate * codec.channels()); !block.empty();
         block = codec.read(rate * codec.channels()))
        values += static_cast<qint64>(block.size());
    const double decodeS = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const double seconds = static_cast<double>(length) / rate;
    std::printf("%s (%s): %.0f s of sound; open %.1f ms; seek + 0.2 s read %.1f ms (mean of %d); "
                "decode all %.2f s (%.0fx real time, %lld values)\n",
                qPrintable(args[1]), qPrintable(codec.formatDescription()), seconds, openMs, seekMs, seeks,
                decodeS, seconds / decodeS, static_cast<long long>(values));
    return 0;
}
