#pragma once

#include "base/ReadOffThread.h"
#include "player/M3uFile.h"
#include "player/PlayList.h"
#include "player/PlayOrder.h"

#include <QObject>
#include <QString>
#include <QStringList>

class MediaControl;
class QTimer;

// What the audio player does with its play list and media control: playing entries,
// Next and Previous, what follows the end of a track, adding files, folders and discs,
// and loading and saving lists. The window and the desktop's media controls both drive it.
class PlayerController : public QObject {
    Q_OBJECT
public:
    PlayerController(MediaControl& media, PlayList& list, QObject* parent = nullptr);

    // Plays the selected entry; false when none is selected.
    bool playSelected();
    // Plays entry `row`. One that cannot be played is skipped for the next, with a line
    // in the title display, until the whole list has failed once.
    void playEntry(int row);
    void next();
    void previous();
    void pauseOrResume();
    void stop();

    // Adds `path` and plays it. A name ending in "cda" adds the disc found in the drives
    // and a ".cue" image adds that disc, track by track, playing the first track.
    void addAndPlay(const QString& path);
    // Adds the audio tracks of the disc in `device`; the first new row, or -1.
    int addDisc(const QString& device);
    // Adds the playable files of `folder` in name order; how many were added.
    int addDirectory(const QString& folder);
    // A play-list file read for the list, at most `room` entries.
    struct ListFile {
        QList<PlayList::Entry> entries;
        // Why the file is no list; empty when it was read.
        QString error;
        // True when the file held more entries than there was room for.
        bool cut = false;
    };
    // Reads a play-list file; safe on any thread, so that a large one can be read off the
    // window's. `progress` is told now and then.
    static ListFile readList(const QString& path, qsizetype room, const m3u::Progress& progress = {});
    // Appends what readList read from `path`; false, shown in the title display, when the
    // file could not be read as a list. A list cut to the room left says so.
    bool appendList(const QString& path, const ListFile& read);
    // Reads on another thread while this one goes on handling its events, so that a window
    // stays responsive through a huge list.
    bool loadList(const QString& path, const PercentDone& percent = {});
    bool saveList(const QString& path);

    playorder::Mode mode() const { return m_mode; }
    void setMode(playorder::Mode mode);
    bool repeat() const { return m_repeat; }
    void setRepeat(bool on);

    // The name of what is open in the media control, empty when nothing is.
    QString title() const { return m_title; }
    // The path of what is open (a file or a CD track locator).
    QString openPath() const { return m_openPath; }
    MediaControl& media() { return m_media; }
    PlayList& list() { return m_list; }

    // File name endings Add Directory takes as playable.
    static const QStringList& playableSuffixes();

Q_SIGNALS:
    // A title or a notice line for the title display.
    void displayText(const QString& text);
    // What is open changed (title empty when nothing is).
    void titleChanged(const QString& title);
    void modeChanged();

private:
    // Appends what fits; says so when some entries were left out (or `cut` says they were).
    // The first new row, or -1 when the list is full.
    int append(const QList<PlayList::Entry>& entries, bool cut = false);
    void tryEntry(int row);
    void onEndOfStream();
    void show(const QString& text);

    MediaControl& m_media;
    PlayList& m_list;
    QTimer* m_skipTimer;
    playorder::Mode m_mode = playorder::Mode::Normal;
    bool m_repeat = false;
    QString m_title;
    QString m_openPath;
    // Entries that failed in a row since the last one that played or the user's last choice.
    int m_failures = 0;
};
