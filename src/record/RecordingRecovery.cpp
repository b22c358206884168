#include "record/RecordingRecovery.h"

#include "base/TimeText.h"
#include "record/RecordingJournal.h"

#include <QFileInfo>
#include <QSet>

namespace {

// Clocks are set now and then; a file stamped this much before its recording began is not it.
constexpr qint64 kClockSlackSeconds = 120;

// Why the file an entry names cannot be that recording any more; empty when it can.
QString mismatch(const JournalEntry& entry) {
    const QFileInfo info(entry.path);
    if (!info.isFile())
        return QStringLiteral("it is not a file");
    if (codec::fileTypeFor(entry.path) != entry.format.type)
        return QStringLiteral("its extension is not that of the format recorded");
    if (fileIdentity(entry.path) != entry.fileIdentity)
        return QStringLiteral("it was replaced by another file");
    if (info.lastModified() < entry.start.addSecs(-kClockSlackSeconds))
        return QStringLiteral("it was last changed before the recording began");
    return {};
}

QString recover(const JournalEntry& entry, RecoveryReport& report) {
    if (!QFileInfo::exists(entry.path))
        return QStringLiteral("The recording %1, which ended unexpectedly, is gone.").arg(entry.path);
    if (const QString why = mismatch(entry); !why.isEmpty())
        return QStringLiteral("Left %1 as it is: %2.").arg(entry.path, why);
    const codec::RepairResult repair = codec::repairRecording(entry.path, entry.format);
    if (!repair.usable())
        return QStringLiteral("Left %1 as it is: %2.").arg(entry.path, repair.reason);
    const QString duration = elapsedText(repair.frames * 1000 / entry.format.rate);
    report.recovered.push_back({entry.path, duration, entry.start.toLocalTime()});
    return QStringLiteral("Recovered %1 (%2) after an unexpected end.").arg(entry.path, duration);
}

} // namespace

RecoveryReport recoverRecordings(const QString& appFolder) {
    RecoveryReport report;
    const RecordingJournal journal(appFolder);
    QSet<QString> seen;
    for (const RecordingJournal::Leftover& leftover : journal.leftovers()) {
        if (!leftover.entry)
            report.notices << QStringLiteral("Ignored the unreadable recording journal %1: %2.")
                                  .arg(leftover.file, leftover.problem);
        else if (!seen.contains(leftover.entry->path))
            report.notices << recover(*leftover.entry, report);
        if (leftover.entry)
            seen.insert(leftover.entry->path);
        if (const JournalError removed = journal.remove(leftover.file); removed.failed())
            report.notices << removed.reason + QLatin1Char('.');
    }
    return report;
}
