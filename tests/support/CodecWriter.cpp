#include "TestSupport.h"
#include "engine/codec/AudioFileWriter.h"

#include <QFileInfo>
#include <cstdio>
#include <iostream>
#include <string>

// Writes a 1000 Hz sine to the file named by its first argument, in the format its
// extension names: one second per line read from standard input, printing the seconds
// written after each. It runs until killed (or until its input closes), as a recorder does.
// Optional arguments: rate and channels (44100 and 2 by default), and for WAV a codec
// ("adpcm", "gsm" or "dsp"; PCM otherwise).
int main(int argc, char* argv[]) {
    if (argc < 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int rate = argc > 2 ? std::atoi(argv[2]) : 44100;
    const int channels = argc > 3 ? std::atoi(argv[3]) : 2;
    const std::string wavCodec = argc > 4 ? argv[4] : "";
    AudioFileWriter codec;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("vox"))
        codec.setVoxFormat(rate);
    else if (suffix == QLatin1String("raw"))
        codec.setRawFormat(1, rate, channels, 16);
    else if (suffix == QLatin1String("g726"))
        codec.setG726Format(rate, 4);
    else if (wavCodec == "adpcm")
        codec.setWavAdpcm(rate, channels);
    else if (wavCodec == "gsm")
        codec.setWavGsm(rate);
    else if (wavCodec == "dsp")
        codec.setWavTelephone();
    else
        codec.setWavFormat(rate, channels, 16);
    codec.create(path);
    // A whole number of periods, so that consecutive blocks join without a seam.
    const SampleBlock second = testsupport::sine(1000, codec.sampleRate(), codec.channels(), 1.0);
    int seconds = 0;
    std::string line;
    while (codec.status() == 0 && std::getline(std::cin, line)) {
        codec.write(second);
        std::printf("%d\n", ++seconds);
        std::fflush(stdout);
    }
    codec.close();
    return codec.status() == 0 ? 0 : 1;
}
