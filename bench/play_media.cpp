#include "player/MediaControl.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

// Plays the file named by its last argument through the audio player's media control and
// exits at its end of stream. With --wait it first prints "ready" and waits for a line on
// standard input: that is the moment a user presses Play in the open player window.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const bool wait = argc == 3 && std::strcmp(argv[1], "--wait") == 0;
    if (argc != 2 && !wait) {
        std::fprintf(stderr, "usage: %s [--wait] FILE\n", argv[0]);
        return 2;
    }
    MediaControl media;
    QObject::connect(&media, &MediaControl::endOfStream, &app, &QCoreApplication::quit);
    QObject::connect(&media, &MediaControl::outputFailed, &app, [] { QCoreApplication::exit(1); });
    if (wait) {
        std::puts("ready");
        std::fflush(stdout);
        std::string line;
        std::getline(std::cin, line);
    }
    if (media.setFileName(QString::fromLocal8Bit(argv[argc - 1])) != MediaControl::Open::Playing) {
        std::fprintf(stderr, "%s\n", qPrintable(media.errorText()));
        return 1;
    }
    return app.exec();
}
