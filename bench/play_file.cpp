#include "record/audio/AudioFileCodec.h"
#include "record/audio/AudioPlayer.h"
#include "recordings/PlaybackController.h"

#include <QCoreApplication>
#include <cstdio>

// Plays the file named by its argument through the same file component, player and
// playback controller the main window uses, and exits when it has been heard.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    AudioFileCodec file;
    AudioPlayer player;
    PlaybackController playback(file, player, [] { return false; });
    QObject::connect(&playback, &PlaybackController::stopped, &app, &QCoreApplication::quit);
    playback.play(QString::fromLocal8Bit(argv[1]));
    if (!playback.isPlaying()) {
        std::fprintf(stderr, "cannot play %s\n", argv[1]);
        return 1;
    }
    return app.exec();
}
