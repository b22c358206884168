#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

// A recording that ended unexpectedly and was repaired, for the recordings list.
struct RecoveredRecording {
    QString path;
    QString duration;
    QDateTime start;
};

struct RecoveryReport {
    std::vector<RecoveredRecording> recovered;
    // One line for the user per journal found: what was recovered, or why not.
    QStringList notices;
};

// Finds the journals an unexpected end left in `appFolder`, repairs the recordings they name
// where the file is still the recording written, and removes the journals. A file that is
// gone, replaced, changed by another program, of another format, a link, or outside
// `recordingFolders` (the folders recordings go to) is reported and left untouched.
RecoveryReport recoverRecordings(const QString& appFolder, const QStringList& recordingFolders);
