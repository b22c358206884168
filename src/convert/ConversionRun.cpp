#include "convert/ConversionRun.h"

#include "engine/codec/AudioFileReader.h"
#include "engine/codec/AudioFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFuture>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtConcurrent>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

using convert::Target;

bool ConversionSettings::wants(Target target) const {
    switch (target) {
    case Target::Wma:
        return wma;
    case Target::Mp3:
        return mp3;
    case Target::Ogg:
        return ogg;
    }
    return false;
}

namespace {

QString systemText(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

// A file reserved beside its final name, hidden, with the same extension so the writer
// picks the same encoder. It is locked while reserved: an unlocked one is what a killed run
// left, and the next reservation for the same name removes it.
class AsideFile {
public:
    explicit AsideFile(QString finalPath)
        : m_final(std::move(finalPath)) {}
    AsideFile(const AsideFile&) = delete;
    AsideFile& operator=(const AsideFile&) = delete;
    ~AsideFile() { discard(); }

    // Empty when reserved, else why not.
    QString reserve() {
        const QFileInfo info(m_final);
        removeLeftovers(info);
        for (int attempt = 0; attempt < 16; ++attempt) {
            const QString name = QStringLiteral(".%1.%2.part.%3")
                                     .arg(info.completeBaseName())
                                     .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                                     .arg(info.suffix());
            const QString path = info.dir().filePath(name);
            const int fd =
                ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                ::flock(fd, LOCK_EX);
                m_lock = fd;
                m_path = path;
                return {};
            }
            if (errno != EEXIST)
                return QCoreApplication::translate("ConversionRun", "cannot write into %1: %2")
                    .arg(info.absolutePath(), systemText(errno));
        }
        return QCoreApplication::translate("ConversionRun", "cannot find a free name in %1")
            .arg(info.absolutePath());
    }

    const QString& path() const { return m_path; }
    const QString& finalPath() const { return m_final; }

    void discard() {
        if (!m_path.isEmpty())
            ::unlink(QFile::encodeName(m_path).constData());
        m_path.clear();
        unlock();
    }

    // Moves the complete file onto its final name in one step; empty when done.
    QString commit() {
        if (::rename(QFile::encodeName(m_path).constData(), QFile::encodeName(m_final).constData()) != 0)
            return QCoreApplication::translate("ConversionRun", "cannot name the file %1: %2")
                .arg(m_final, systemText(errno));
        m_path.clear();
        unlock();
        return {};
    }

private:
    // Reserved files of this final name that no run holds any more.
    static void removeLeftovers(const QFileInfo& info) {
        const QRegularExpression reserved(QStringLiteral("^\\.%1\\.[0-9a-f]{8}\\.part\\.%2$")
                                              .arg(QRegularExpression::escape(info.completeBaseName()),
                                                   QRegularExpression::escape(info.suffix())));
        const QDir dir = info.dir();
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
            if (!reserved.match(name).hasMatch())
                continue;
            const QByteArray path = QFile::encodeName(dir.filePath(name));
            const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                continue;
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
                ::unlink(path.constData());
            ::close(fd);
        }
    }

    void unlock() {
        if (m_lock >= 0)
            ::close(m_lock);
        m_lock = -1;
    }

    QString m_final;
    QString m_path;
    int m_lock = -1;
};

void configure(AudioFileWriter& writer, Target target, const ConversionSettings& s) {
    switch (target) {
    case Target::Mp3:
        writer.setMp3Format(44100, s.mp3Kbps, 2);
        break;
    case Target::Ogg:
        writer.setOggFormat(44100, 2, s.oggKbps, 0, 0, -1);
        break;
    case Target::Wma:
        writer.setWmaProfile(s.wmaProfile);
        break;
    }
}

// Why a writer stopped, in words for the log rather than the recorder's.
QString writeFailure(const AudioFileWriter& writer) {
    if (writer.status() == AudioFileWriter::kDiskFull)
        return QCoreApplication::translate("ConversionRun",
                                           "the disk is full; the older file of that name, if any, is kept");
    return writer.errorText();
}

} // namespace

// One target of one input: where it goes aside, its writer, and why it failed if it did.
struct ConversionRun::Job {
    Target target;
    AsideFile file;
    AudioFileWriter writer;
    QString failure;
    // The output would be the input itself: never opened.
    bool skipped = false;

    Job(Target t, const QString& finalPath)
        : target(t)
        , file(finalPath) {}
    bool live() const { return failure.isEmpty(); }
    // The first failure is the one reported.
    void fail(const QString& why) {
        if (live())
            failure = why.isEmpty() ? QCoreApplication::translate("ConversionRun", "unknown error") : why;
    }
};

ConversionRun::ConversionRun(QStringList inputs, const ConversionSettings& settings, QObject* parent)
    : QObject(parent)
    , m_inputs(std::move(inputs))
    , m_settings(settings) {}

void ConversionRun::run() {
    for (int i = 0; i < m_inputs.size() && !m_cancelled; ++i) {
        convertInput(m_inputs[i], i);
        Q_EMIT batchProgressChanged(100 * (i + 1) / static_cast<int>(m_inputs.size()));
    }
    if (m_jobs == 0 && m_settings.jobsPerInput() == 0)
        step(tr("Tasks is completed"));
    else
        step(tr("Tasks is completed: %1 of %2 jobs succeeded").arg(m_succeeded).arg(m_jobs));
    Q_EMIT finished(m_succeeded, m_jobs);
}

void ConversionRun::convertInput(const QString& input, int index) {
    AudioFileReader reader;
    Jobs jobs = prepare(input, reader);
    if (jobs.empty())
        return;
    pump(reader, jobs, index);
    finish(jobs);
}

ConversionRun::Jobs ConversionRun::prepare(const QString& input, AudioFileReader& reader) {
    Jobs jobs;
    const std::optional<QString> base = convert::outputBase(input);
    if (m_settings.jobsPerInput() > 0 && (!base || !QFileInfo(input).isFile())) {
        m_jobs += m_settings.jobsPerInput();
        failed(tr("Invalid input file name: %1").arg(input));
        return jobs;
    }
    for (const Target target : convert::kTargets) {
        if (!m_settings.wants(target))
            continue;
        ++m_jobs;
        auto job = std::make_unique<Job>(
            target, convert::outputPath(*base, target, m_settings.mp3Kbps, m_settings.wmaProfile));
        job->skipped = convert::sameFile(input, job->file.finalPath());
        jobs.push_back(std::move(job));
    }
    if (jobs.empty())
        return jobs;

    reader.setHeaderlessFormats(m_settings.headerless);
    reader.open(input);
    for (auto& job : jobs) {
        if (job->skipped)
            continue;
        if (reader.status() < 0) {
            job->fail(reader.errorText());
            continue;
        }
        if (const QString why = job->file.reserve(); !why.isEmpty()) {
            job->fail(why);
            continue;
        }
        configure(job->writer, job->target, m_settings);
        job->writer.setTags(reader.tags());
        job->writer.create(job->file.path());
        if (job->writer.status() >= 0)
            job->writer.setInputFormat(reader.sampleRate(), reader.channels());
        if (job->writer.status() < 0)
            job->fail(job->writer.errorText());
    }
    return jobs;
}

void ConversionRun::pump(AudioFileReader& reader, const Jobs& jobs, int index) {
    std::vector<Job*> live;
    for (const auto& job : jobs)
        if (job->live() && !job->skipped)
            live.push_back(job.get());
    Q_EMIT progressChanged(0);
    if (live.empty())
        return;
    const int block = reader.sampleRate() * reader.channels();
    const qint64 length = reader.length();
    qint64 done = 0;
    bool decodedAny = false;
    // The next block is decoded while the encoders work on this one.
    QFuture<SampleBlock> next = QtConcurrent::run([&reader, block] { return reader.read(block); });
    while (!m_cancelled) {
        const SampleBlock samples = next.result();
        if (samples.empty())
            break;
        decodedAny = true;
        next = QtConcurrent::run([&reader, block] { return reader.read(block); });
        if (live.size() == 1)
            live.front()->writer.write(samples);
        else
            QtConcurrent::blockingMap(live, [&samples](Job* job) { job->writer.write(samples); });
        for (Job* job : live)
            if (job->writer.status() < 0)
                job->fail(writeFailure(job->writer));
        std::erase_if(live, [](Job* job) { return !job->live(); });
        if (live.empty())
            break;
        done = std::min(done + static_cast<qint64>(samples.size()) / reader.channels(), length);
        if (length > 0)
            Q_EMIT progressChanged(static_cast<int>(100 * done / length));
        Q_EMIT batchProgressChanged(
            static_cast<int>((100 * index + (length > 0 ? 100 * done / length : 0)) / m_inputs.size()));
    }
    next.waitForFinished();
    // A header may promise sound that no frame delivers: an output of nothing is no success.
    const QString why = reader.status() < 0 ? reader.errorText()
                        : !decodedAny && !m_cancelled
                            ? QCoreApplication::translate("ConversionRun", "no sound in it could be decoded")
                            : QString();
    if (!why.isEmpty())
        for (Job* job : live)
            job->fail(why);
}

void ConversionRun::finish(const Jobs& jobs) {
    // The targets were encoded together; the log tells each job start to end, in turn.
    for (const auto& job : jobs) {
        const QString name = convert::targetName(job->target);
        step(tr("Start Convert To %1").arg(name));
        if (job->skipped) {
            step(tr("Convert To %1 skipped: the output %2 is the input file itself")
                     .arg(name, job->file.finalPath()));
            continue;
        }
        if (m_cancelled && job->live()) {
            job->writer.close();
            job->file.discard();
            step(tr("Convert To %1 cancelled; its unfinished file was removed").arg(name));
            continue;
        }
        if (job->live()) {
            job->writer.close();
            if (job->writer.status() < 0)
                job->fail(writeFailure(job->writer));
        }
        const bool replaces = QFileInfo::exists(job->file.finalPath());
        if (job->live())
            if (const QString why = job->file.commit(); !why.isEmpty())
                job->fail(why);
        if (!job->live()) {
            job->file.discard();
            failed(tr("Convert To %1 failed: %2").arg(name, job->failure));
            continue;
        }
        ++m_succeeded;
        step(tr("complete Convert To %1").arg(name));
        if (replaces)
            step(tr("The older %1 was replaced").arg(job->file.finalPath()));
    }
    Q_EMIT progressChanged(m_cancelled ? 0 : 100);
}
