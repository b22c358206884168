#include "engine/codec/AudioFileReader.h"
#include "engine/playback/FilePlayback.h"
#include "engine/pulse/AudioPlayer.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

// Plays the file named by its last argument through the same file component, player and
// playback controller the main window uses, and exits when it has been heard. With
// --wait it first prints "ready" and waits for a line on standard input: that is the
// moment a user presses Play in the running program.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const bool wait = argc == 3 && std::strcmp(argv[1], "--wait") == 0;
    if (argc != 2 && !wait) {
        std::fprintf(stderr, "usage: %s [--wait] FILE\n", argv[0]);
        return 2;
    }
    AudioFileReader file;
    AudioPlayer player;
    FilePlayback playback(file, player, [] { return false; });
    QObject::connect(&playback, &FilePlayback::stopped, &app, &QCoreApplication::quit);
    if (wait) {
        std::puts("ready");
        std::fflush(stdout);
        std::string line;
        std::getline(std::cin, line);
    }
    playback.play(QString::fromLocal8Bit(argv[argc - 1]));
    if (!playback.isPlaying()) {
        std::fprintf(stderr, "cannot play %s\n", argv[1]);
        return 1;
    }
    return app.exec();
}
