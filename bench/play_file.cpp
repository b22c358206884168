#include "PlayCommand.h"
#include "engine/codec/AudioFileReader.h"
#include "engine/playback/FilePlayback.h"
#include "engine/pulse/AudioPlayer.h"

#include <QCoreApplication>

// Plays a file through the same file component, player and playback controller the main
// window uses, and exits when it has been heard; with --wait, once they are set up, it
// starts at a line on standard input.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const PlayCommand command(argc, argv);
    if (command.file.isEmpty())
        return 2;
    AudioFileReader file;
    AudioPlayer player;
    FilePlayback playback(file, player, [] { return false; });
    QObject::connect(&playback, &FilePlayback::stopped, &app, &QCoreApplication::quit);
    command.waitForPlay();
    playback.play(command.file);
    if (!playback.isPlaying()) {
        std::fprintf(stderr, "cannot play %s\n", qPrintable(command.file));
        return 1;
    }
    return app.exec();
}
