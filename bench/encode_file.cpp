// Encodes raw signed 16-bit little-endian samples into FILE through the file codec, in
// one-second blocks as a recording does. The format follows FILE's extension:
//   encode_file KIND RATE CHANNELS INPUT.raw FILE
// KIND picks the settings: mp3 (128 kbit/s CBR), ogg (128 kbit/s nominal, no limits), oggq (quality 3.00),
// wma (profile 24),
// adpcm (IMA ADPCM WAV), g726 (4 bits), alaw (RAW A-law), vox.
// Exit codes: 0 done, 2 usage, 3 the codec cannot write this format, 4 an I/O failure.
#include "engine/codec/AudioFileWriter.h"

#include <QString>
#include <cstdio>
#include <cstring>

namespace {

bool configure(AudioFileWriter& codec, const char* kind, int rate, int channels) {
    if (!std::strcmp(kind, "mp3"))
        codec.setMp3Format(rate, 128, channels);
    else if (!std::strcmp(kind, "ogg"))
        codec.setOggFormat(rate, channels, 128, 0, 0, -1);
    else if (!std::strcmp(kind, "oggq"))
        codec.setOggFormat(rate, channels, 128, 0, 0, 300);
    else if (!std::strcmp(kind, "wma"))
        codec.setWmaProfile(24);
    else if (!std::strcmp(kind, "adpcm"))
        codec.setWavAdpcm(rate, channels);
    else if (!std::strcmp(kind, "g726"))
        codec.setG726Format(rate, 4);
    else if (!std::strcmp(kind, "alaw"))
        codec.setRawFormat(2, rate, channels, 16);
    else if (!std::strcmp(kind, "vox"))
        codec.setVoxFormat(rate);
    else
        return false;
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 6)
        return 2;
    const int rate = std::atoi(argv[2]);
    const int channels = std::atoi(argv[3]);
    AudioFileWriter codec;
    if (!configure(codec, argv[1], rate, channels))
        return 3;
    codec.create(QString::fromLocal8Bit(argv[5]));
    if (codec.status() < 0) {
        std::fprintf(stderr, "%s\n", qPrintable(codec.errorText()));
        return 3;
    }
    std::FILE* in = std::fopen(argv[4], "rb");
    if (!in)
        return 4;
    SampleBlock block(static_cast<size_t>(rate * channels));
    size_t got = 0;
    while ((got = std::fread(block.data(), sizeof(std::int16_t), block.size(), in)) > 0) {
        block.resize(got);
        codec.write(block);
        block.resize(static_cast<size_t>(rate * channels));
    }
    std::fclose(in);
    codec.close();
    return codec.status() < 0 ? 4 : 0;
}
