#include "TestSupport.h"
#include "record/audio/AudioFileCodec.h"

#include <cstdio>
#include <iostream>
#include <string>

// Writes a 1000 Hz sine, 44100 Hz stereo, to the file named by its argument, in the format
// its extension chooses at that format's first settings: one second per line read from
// standard input, printing the seconds written after each.
// It runs until killed (or until its input closes), as a recorder does.
int main(int argc, char* argv[]) {
    if (argc != 2)
        return 2;
    AudioFileCodec codec;
    codec.SetWavFormat(44100, 2, 16);
    codec.Create(QString::fromLocal8Bit(argv[1]), 0);
    // A whole number of periods, so that consecutive blocks join without a seam.
    const SampleBlock second = testsupport::sine(1000, 44100, 2, 1.0);
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
