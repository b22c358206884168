#include "TestSupport.h"
#include "engine/codec/AudioFileWriter.h"
#include "record/RecordingJournal.h"

#include <QFileInfo>
#include <cstdio>
#include <iostream>
#include <string>

// Writes a 1000 Hz sine to the file named by its first argument, in the format its
// extension names: one second per line read from standard input, printing the seconds
// written after each. It runs until killed (or until its input closes), as a recorder does.
// Optional arguments: rate and channels (44100 and 2 by default), and for WAV a codec
// ("adpcm", "gsm" or "dsp"; PCM otherwise); then an application folder, where it keeps the
// recording journal as a recording session does.
int main(int argc, char* argv[]) {
    if (argc < 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int rate = argc > 2 ? std::atoi(argv[2]) : 44100;
    const int channels = argc > 3 ? std::atoi(argv[3]) : 2;
    const std::string wavCodec = argc > 4 ? argv[4] : "";
    const QString journalFolder = argc > 5 ? QString::fromLocal8Bit(argv[5]) : QString();
    AudioFileWriter codec;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("vox"))
        codec.setVoxFormat(rate);
    else if (suffix == QLatin1String("raw"))
        codec.setRawFormat(1, rate, channels, 16);
    else if (suffix == QLatin1String("g726"))
        codec.setG726Format(rate, 4);
    else if (suffix == QLatin1String("mp3"))
        codec.setMp3Format(rate, 128, channels);
    else if (suffix == QLatin1String("ogg"))
        codec.setOggFormat(rate, channels, 128, 0, 0, -1);
    else if (wavCodec == "adpcm")
        codec.setWavAdpcm(rate, channels);
    else if (wavCodec == "gsm")
        codec.setWavGsm(rate);
    else if (wavCodec == "dsp")
        codec.setWavTelephone();
    else
        codec.setWavFormat(rate, channels, 16);
    codec.create(path);
    if (!journalFolder.isEmpty() && RecordingJournal(journalFolder)
                                        .begin(journalEntryFor(path, QDateTime::currentDateTime(), codec))
                                        .failed())
        return 3;
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
