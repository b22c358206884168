#pragma once

#include "base/ReadOffThread.h"
#include "base/TabSeparatedFile.h"
#include "recordings/RecordingsModel.h"

#include <QString>
#include <vector>

// Recording project files: the recordings list as text, one row per line, its five
// cells joined by TAB, CR LF after every line, no header.
namespace ProjectFile {

using Result = TabSeparatedFile::Result;

// `typed` with ".rpf" added when its file name has no extension, so that the open dialog,
// which lists project files by that extension, shows it.
QString withExtension(const QString& typed);

// Writes every row of `list` to `path`, replacing the file only once all of it is written.
Result save(const QString& path, const RecordingsModel& list);

// The rows of the project at `path`. A line with fewer than five fields is taken as it
// stands and ends the reading; fields past the fifth are ignored. Safe on any thread.
Result read(const QString& path, std::vector<RecordingsModel::Row>& rows,
            const TabSeparatedFile::Progress& progress = {});
// Appends the rows of the project at `path` to `list`. Reads on another thread while this one
// goes on handling its events, so that a window stays responsive through a huge file.
Result open(const QString& path, RecordingsModel& list, const PercentDone& percent = {});

} // namespace ProjectFile
