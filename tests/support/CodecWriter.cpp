#include "TestSupport.h"
#include "engine/codec/AudioFileCodec.h"

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
    AudioFileCodec codec;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("vox"))
        codec.SetVoxFormat(rate);
    else if (suffix == QLatin1String("raw"))
        codec.SetRawFormat(1, rate, channels, 16);
    else if (suffix == QLatin1String("g726"))
        codec.SetG726Format(rate, 4);
    else if (wavCodec == "adpcm")
        codec.SetWavAdpcm(rate, channels);
    else if (wavCodec == "gsm")
        codec.SetWavGsm(rate);
    else if (wavCodec == "dsp")
        codec.SetWavDsp();
    else
        codec.SetWavFormat(rate, channels, 16);
    codec.Create(path, 0);
    // A whole number of periods, so that consecutive blocks join without a seam.
    const SampleBlock second = testsupport::sine(1000, codec.SampleRate(), codec.Channels(), 1.0);
    int seconds = 0;
    std::string line;
    while (codec.Status() == 0 && std::getline(std::cin, line)) {
        codec.Write(second);
        std::printf("%d\n", ++seconds);
        std::fflush(stdout);
    }
    codec.Close();
    return codec.Status() == 0 ? 0 : 1;
}
