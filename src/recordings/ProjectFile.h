#pragma once

#include "base/TabSeparatedFile.h"

#include <QString>

class RecordingsModel;

// Recording project files: the recordings list as text, one row per line, its five
// cells joined by TAB, CR LF after every line, no header.
namespace ProjectFile {

using Result = TabSeparatedFile::Result;

// Writes every row of `list` to `path`, replacing the file only once all of it is written.
Result save(const QString& path, const RecordingsModel& list);

// Appends the rows of the project at `path` to `list`. A line with fewer than five
// fields is added as it stands and ends the loading; fields past the fifth are ignored.
Result open(const QString& path, RecordingsModel& list);

} // namespace ProjectFile
