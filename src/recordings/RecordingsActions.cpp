#include "recordings/RecordingsActions.h"

#include "recordings/RecordingsModel.h"

#include <QFile>
#include <QFileInfo>

namespace RecordingsActions {

void deleteFile(RecordingsModel& model, int row) {
    QFile::remove(model.path(row));
    model.removeRecording(row);
}

RenameResult rename(RecordingsModel& model, int row, const QString& newPath) {
    // QFile::rename never replaces an existing file, so a rename cannot destroy another recording.
    if (!QFile::rename(model.path(row), newPath))
        return RenameResult::Failed;
    if (!QFileInfo::exists(newPath))
        return RenameResult::NotVerified;
    model.setPath(row, newPath);
    return RenameResult::Renamed;
}

} // namespace RecordingsActions
