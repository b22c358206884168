#pragma once

#include "base/TabSeparatedFile.h"

#include <QString>

class ScheduleModel;

// `schedule.dat`: one line per schedule row, its five cells joined by TAB, CR LF after
// every line, in the locale's encoding, no header.
namespace ScheduleFile {

using Result = TabSeparatedFile::Result;

QString path(const QString& appFolder);

// Replaces the rows of `list` with the file's lines; a missing file is created empty.
// A line with fewer than five fields gives a row whose other cells are empty; fields
// past the fifth are ignored. A file that cannot be read leaves the list empty.
Result load(const QString& path, ScheduleModel& list);

// Writes the list beside the file and renames it into place, so that a crash leaves
// either the old list or the new one, never a part.
Result save(const QString& path, const ScheduleModel& list);

} // namespace ScheduleFile
