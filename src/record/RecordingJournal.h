#pragma once

#include "engine/codec/RecordingRepair.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

class AudioFileWriter;

// The recording being written, as its journal names it.
struct JournalEntry {
    QString path;
    codec::RecordedFormat format;
    QDateTime start;
    // Device, inode and birth time of the file when it was created: a file replaced since differs.
    QString fileIdentity;
};

// The entry for `path`, just created by `file` at `start`.
JournalEntry journalEntryFor(const QString& path, const QDateTime& start, const AudioFileWriter& file);

// Device, inode and (where the file system keeps it) birth time of `path`; empty when it cannot be read.
QString fileIdentity(const QString& path);

struct JournalError {
    enum class Kind { None, CannotWrite, CannotRemove };
    Kind kind = Kind::None;
    QString reason;

    bool failed() const { return kind != Kind::None; }
};

// `recording.journal` in the application folder names the file while it is written, so that
// a recording ended by a crash or a power cut can be found and repaired at the next start.
// It is replaced atomically and flushed to the disk before recording goes on.
class RecordingJournal {
public:
    explicit RecordingJournal(QString appFolder);

    QString path() const;
    JournalError begin(const JournalEntry& entry);
    // The recording was closed normally.
    JournalError end();

    // A journal file left behind: the journal itself or an interrupted save's temporary copy.
    struct Leftover {
        QString file;
        std::optional<JournalEntry> entry;
        // Why `entry` is empty.
        QString problem;
    };
    struct Leftovers {
        std::vector<Leftover> read;
        // Journal files past the most one start reads, left as they are.
        qsizetype unread = 0;
    };
    Leftovers leftovers() const;
    JournalError remove(const QString& file) const;
    // Removes the leftovers read, putting the folder on the disk once; the first failure.
    JournalError remove(const Leftovers& leftovers) const;

private:
    static JournalError unlink(const QString& file);

    QString m_appFolder;
    bool m_written = false;
};
