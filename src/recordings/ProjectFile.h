#pragma once

#include <QString>

class RecordingsModel;

// Recording project files: the recordings list as text, one row per line, its five
// cells joined by TAB, CR LF after every line, no header.
namespace ProjectFile {

struct Result {
    bool ok = true;
    // Why it failed, for the user.
    QString error;
};

// Writes every row of `list` to `path`, replacing the file only once all of it is written.
Result save(const QString& path, const RecordingsModel& list);

// Appends the rows of the project at `path` to `list`. A line with fewer than five
// fields is added as it stands and ends the loading; fields past the fifth are ignored.
Result open(const QString& path, RecordingsModel& list);

} // namespace ProjectFile
