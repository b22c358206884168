#include "record/RecordingRecovery.h"

#include "base/TimeText.h"
#include "record/RecordingJournal.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace {

// Clocks are set now and then; a file stamped this much before its recording began is not it.
constexpr qint64 kClockSlackSeconds = 120;

// Whether `path` lies in one of `folders` or below, links in its folders resolved.
bool inside(const QString& path, const QStringList& folders) {
    const QString folder = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    return !folder.isEmpty() && std::ranges::any_of(folders, [&](const QString& f) {
        const QString canonical = QFileInfo(f).canonicalFilePath();
        return !canonical.isEmpty() &&
               (folder == canonical ||
                folder.startsWith(canonical.endsWith(QLatin1Char('/')) ? canonical
                                                                       : canonical + QLatin1Char('/')));
    });
}

// Why the file an entry names cannot be that recording any more; empty when it can.
QString mismatch(const JournalEntry& entry, const QStringList& recordingFolders) {
    const QFileInfo info(entry.path);
    if (info.isSymLink())
        return QCoreApplication::translate("RecordingRecovery", "it is a link");
    if (!info.isFile())
        return QCoreApplication::translate("RecordingRecovery", "it is not a file");
    if (!inside(entry.path, recordingFolders))
        return QCoreApplication::translate("RecordingRecovery", "it is not in a folder recordings go to");
    if (codec::fileTypeFor(entry.path) != entry.format.type)
        return QCoreApplication::translate("RecordingRecovery",
                                           "its extension is not that of the format recorded");
    if (fileIdentity(entry.path) != entry.fileIdentity)
        return QCoreApplication::translate("RecordingRecovery", "it was replaced by another file");
    if (info.lastModified() < entry.start.addSecs(-kClockSlackSeconds))
        return QCoreApplication::translate("RecordingRecovery",
                                           "it was last changed before the recording began");
    return {};
}

QString recover(const JournalEntry& entry, const QStringList& recordingFolders, RecoveryReport& report) {
    if (!QFileInfo::exists(entry.path) && !QFileInfo(entry.path).isSymLink())
        return QCoreApplication::translate("RecordingRecovery",
                                           "The recording %1, which ended unexpectedly, is gone.")
            .arg(entry.path);
    if (const QString why = mismatch(entry, recordingFolders); !why.isEmpty())
        return QCoreApplication::translate("RecordingRecovery", "Left %1 as it is: %2.").arg(entry.path, why);
    const codec::RepairResult repair = codec::repairRecording(entry.path, entry.format);
    if (!repair.usable())
        return QCoreApplication::translate("RecordingRecovery", "Left %1 as it is: %2.")
            .arg(entry.path, repair.reason);
    const QString duration = elapsedText(repair.frames * 1000 / entry.format.rate);
    report.recovered.push_back({entry.path, duration, entry.start.toLocalTime()});
    return QCoreApplication::translate("RecordingRecovery", "Recovered %1 (%2) after an unexpected end.")
        .arg(entry.path, duration);
}

} // namespace

RecoveryReport recoverRecordings(const QString& appFolder, const QStringList& recordingFolders) {
    RecoveryReport report;
    const RecordingJournal journal(appFolder);
    const RecordingJournal::Leftovers leftovers = journal.leftovers();
    QSet<QString> seen;
    for (const RecordingJournal::Leftover& leftover : leftovers.read) {
        if (!leftover.entry)
            report.notices << QCoreApplication::translate("RecordingRecovery",
                                                          "Ignored the unreadable recording journal %1: %2.")
                                  .arg(leftover.file, leftover.problem);
        else if (!seen.contains(leftover.entry->path))
            report.notices << recover(*leftover.entry, recordingFolders, report);
        if (leftover.entry)
            seen.insert(leftover.entry->path);
    }
    if (const JournalError removed = journal.remove(leftovers); removed.failed())
        report.notices << removed.reason + QLatin1Char('.');
    if (leftovers.unread > 0)
        report.notices << QCoreApplication::translate(
                              "RecordingRecovery",
                              "Left %1 more recording journals in %2 unread: more than an unexpected "
                              "end leaves.")
                              .arg(leftovers.unread)
                              .arg(appFolder);
    return report;
}
