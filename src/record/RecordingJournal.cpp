#include "record/RecordingJournal.h"

#include "engine/codec/AudioFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

const QString kJournalName = QStringLiteral("recording.journal");
const QString kMagic = QStringLiteral("tavrik recording");
// A journal is a few hundred bytes; anything much larger is not one.
constexpr qint64 kLargestJournal = 64 * 1024;
// A crash leaves the journal and perhaps a save's temporary copy; far more are not ours to
// spend the start on. The newest are read, the rest left as they are.
constexpr qsizetype kMostLeftovers = 32;

// A rename or unlink reaches the disk only with its folder.
void syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

QByteArray serialize(const JournalEntry& entry) {
    const QJsonObject json{
        {QStringLiteral("journal"), kMagic},
        {QStringLiteral("path"), entry.path},
        {QStringLiteral("format"), QFileInfo(entry.path).suffix().toLower()},
        {QStringLiteral("start"), entry.start.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("rate"), entry.format.rate},
        {QStringLiteral("channels"), entry.format.channels},
        {QStringLiteral("unitBytes"), entry.format.unitBytes},
        {QStringLiteral("unitFrames"), entry.format.unitFrames},
        {QStringLiteral("file"), entry.fileIdentity},
    };
    return QJsonDocument(json).toJson(QJsonDocument::Compact) + '\n';
}

// The bytes of the journal `path`: only a regular file is read, never a link, a FIFO or a device,
// which could name a file elsewhere or block the start for ever.
std::optional<QByteArray> readJournal(const QString& path, QString& problem) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        problem = errno == ELOOP ? QCoreApplication::translate("RecordingJournal", "it is a link")
                                 : QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    QFile file;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        problem = QCoreApplication::translate("RecordingJournal", "it is not a regular file");
    else if (status.st_size > kLargestJournal)
        problem = QCoreApplication::translate("RecordingJournal", "too large for a recording journal");
    else if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        problem = file.errorString();
    else
        return file.read(kLargestJournal);
    ::close(fd);
    return std::nullopt;
}

std::optional<JournalEntry> parse(const QByteArray& bytes, QString& problem) {
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(bytes, &error).object();
    if (error.error != QJsonParseError::NoError ||
        json.value(QStringLiteral("journal")).toString() != kMagic) {
        problem = QCoreApplication::translate("RecordingJournal", "not a recording journal");
        return std::nullopt;
    }
    JournalEntry entry;
    entry.path = json.value(QStringLiteral("path")).toString();
    const auto type =
        codec::fileTypeFor(QStringLiteral("a.") + json.value(QStringLiteral("format")).toString());
    entry.start = QDateTime::fromString(json.value(QStringLiteral("start")).toString(), Qt::ISODateWithMs);
    // Earlier versions wrote a stray "%3" into the identity; the numbers around it are right.
    entry.fileIdentity = json.value(QStringLiteral("file")).toString().remove(QStringLiteral(":%3"));
    entry.format.rate = json.value(QStringLiteral("rate")).toInt();
    entry.format.channels = json.value(QStringLiteral("channels")).toInt();
    entry.format.unitBytes = json.value(QStringLiteral("unitBytes")).toInt();
    entry.format.unitFrames = json.value(QStringLiteral("unitFrames")).toInt();
    if (!type || !QFileInfo(entry.path).isAbsolute() || !entry.start.isValid() || entry.format.rate <= 0 ||
        entry.format.channels <= 0 || entry.format.unitBytes <= 0 || entry.format.unitFrames <= 0) {
        problem = QCoreApplication::translate("RecordingJournal",
                                              "a recording journal with missing or impossible values");
        return std::nullopt;
    }
    entry.format.type = *type;
    return entry;
}

} // namespace

JournalEntry journalEntryFor(const QString& path, const QDateTime& start, const AudioFileWriter& file) {
    const codec::FileType type = codec::fileTypeFor(path).value_or(codec::FileType::Wav);
    return {path,
            codec::recordedFormat(type, file.sampleRate(), file.channels(), file.formats().headerless()),
            start, fileIdentity(path)};
}

QString fileIdentity(const QString& path) {
    // A freed inode number is handed to the next new file at once; the birth time tells them apart.
    struct statx status {};
    if (::statx(AT_FDCWD, QFile::encodeName(path).constData(), AT_SYMLINK_NOFOLLOW, STATX_INO | STATX_BTIME,
                &status) != 0)
        return {};
    QString identity =
        QStringLiteral("%1:%2").arg(makedev(status.stx_dev_major, status.stx_dev_minor)).arg(status.stx_ino);
    if (status.stx_mask & STATX_BTIME)
        identity += QStringLiteral(":%1.%2").arg(status.stx_btime.tv_sec).arg(status.stx_btime.tv_nsec);
    return identity;
}

RecordingJournal::RecordingJournal(QString appFolder)
    : m_appFolder(std::move(appFolder)) {}

QString RecordingJournal::path() const {
    return QDir(m_appFolder).filePath(kJournalName);
}

JournalError RecordingJournal::begin(const JournalEntry& entry) {
    QSaveFile file(path());
    const QByteArray bytes = serialize(entry);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                         file.flush() && ::fsync(file.handle()) == 0 && file.commit();
    if (!written)
        return {JournalError::Kind::CannotWrite,
                QCoreApplication::translate("RecordingJournal", "Cannot write the recording journal %1: %2")
                    .arg(path(), file.errorString())};
    syncFolder(m_appFolder);
    m_written = true;
    return {};
}

JournalError RecordingJournal::end() {
    if (!m_written)
        return {};
    m_written = false;
    return remove(path());
}

RecordingJournal::Leftovers RecordingJournal::leftovers() const {
    Leftovers found;
    // QSaveFile writes beside the journal under its name and a random suffix.
    QFileInfoList files = QDir(m_appFolder)
                              .entryInfoList({kJournalName, kJournalName + QStringLiteral(".*")},
                                             QDir::Files | QDir::Hidden | QDir::System, QDir::Time);
    if (files.size() > kMostLeftovers) {
        // The journal itself is read whatever its time.
        const auto own = std::ranges::find(files, kJournalName, &QFileInfo::fileName);
        if (own != files.end())
            std::rotate(files.begin(), own, own + 1);
        found.unread = files.size() - kMostLeftovers;
        files.resize(kMostLeftovers);
    }
    for (const QFileInfo& info : files) {
        Leftover leftover{info.absoluteFilePath(), std::nullopt, {}};
        if (const auto bytes = readJournal(leftover.file, leftover.problem))
            leftover.entry = parse(*bytes, leftover.problem);
        found.read.push_back(std::move(leftover));
    }
    return found;
}

JournalError RecordingJournal::remove(const QString& file) const {
    JournalError removed = unlink(file);
    syncFolder(m_appFolder);
    return removed;
}

JournalError RecordingJournal::remove(const Leftovers& leftovers) const {
    JournalError first;
    for (const Leftover& leftover : leftovers.read)
        if (JournalError removed = unlink(leftover.file); removed.failed() && !first.failed())
            first = removed;
    syncFolder(m_appFolder);
    return first;
}

JournalError RecordingJournal::unlink(const QString& file) {
    QFile journal(file);
    if (!journal.remove())
        return {JournalError::Kind::CannotRemove,
                QCoreApplication::translate("RecordingJournal", "Cannot remove the recording journal %1: %2")
                    .arg(file, journal.errorString())};
    return {};
}
