#include "PlayCommand.h"
#include "player/MediaControl.h"

#include <QCoreApplication>

// Plays a file through the audio player's media control and exits at its end of stream;
// with --wait, once the player is set up, it starts at a line on standard input.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const PlayCommand command(argc, argv);
    if (command.file.isEmpty())
        return 2;
    MediaControl media;
    QObject::connect(&media, &MediaControl::endOfStream, &app, &QCoreApplication::quit);
    QObject::connect(&media, &MediaControl::outputFailed, &app, [] { QCoreApplication::exit(1); });
    command.waitForPlay();
    if (media.setFileName(command.file) != MediaControl::Open::Playing) {
        std::fprintf(stderr, "%s\n", qPrintable(media.errorText()));
        return 1;
    }
    return app.exec();
}
