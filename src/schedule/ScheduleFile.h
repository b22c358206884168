#pragma once

#include "base/TabSeparatedFile.h"

#include <QString>

class ScheduleModel;

// `schedule.dat`: one line per schedule row, its five cells joined by TAB, CR LF after
// every line, in the locale's encoding, no header.
namespace ScheduleFile {

using Result = TabSeparatedFile::Result;

QString path(const QString& appFolder);

// Nobody schedules more recordings than this; a longer file is cut to it on loading.
constexpr int kMostEntries = 100000;
// Where loading keeps a copy of a file it cut, so that the next save loses nothing for good.
QString wholeCopyPath(const QString& path);

// Replaces the rows of `list` with the file's lines; a missing file is created empty.
// A line with fewer than five fields gives a row whose other cells are empty; fields
// past the fifth are ignored; empty lines are skipped. An entry still "Recording" was
// cut short by the end of the program: it reads "Done". A file that cannot be read
// leaves the list empty.
Result load(const QString& path, ScheduleModel& list);

// Writes the list beside the file and renames it into place, so that a crash leaves
// either the old list or the new one, never a part.
Result save(const QString& path, const ScheduleModel& list);

} // namespace ScheduleFile
