#pragma once

#include <QString>

class RecordingsModel;

// File operations behind the recordings list's Edit menu. Questions and messages are
// the caller's; these only act.
namespace RecordingsActions {

// Deletes the row's file (a failure is ignored) and removes the row.
void deleteFile(RecordingsModel& model, int row);

enum class RenameResult {
    Renamed,     // the file now has the new name; the row shows it
    NotVerified, // the rename call succeeded but no file has the new name
    Failed,      // the file system refused (target exists, bad name, ...)
};
// Renames the row's file to `newPath` (relative names are taken from the current folder).
RenameResult rename(RecordingsModel& model, int row, const QString& newPath);

} // namespace RecordingsActions
