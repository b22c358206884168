#include "TestSupport.h"
#include "base/AppFolder.h"
#include "base/SettingsFile.h"
#include "engine/codec/FileFormats.h"
#include "engine/codec/OutputFormats.h"
#include "formats/FormatSettings.h"
#include "record/RecordingJournal.h"
#include "recordings/RecordingsModel.h"
#include "shell/ApplicationCore.h"
#include "shell/ui/MainWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>
#include <algorithm>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;

namespace {

// How the end of the file looks after the writer died.
enum class Tail {
    Killed,
    // A power cut in the middle of a write: the last write reached the disk only in part.
    Torn,
    // A power cut after the file grew: its last blocks never got their data and read as zeros.
    Zeros,
};

// What one recording is, for the writer and for the tools that read it back.
struct Take {
    Take() = default;
    Take(QString fileName, int sampleRate = 44100, int channelCount = 2, QString codec = {})
        : name(std::move(fileName))
        , rate(sampleRate)
        , channels(channelCount)
        , wavCodec(std::move(codec)) {}
    QString name;
    int rate = 44100;
    int channels = 2;
    QString wavCodec;
};

QString toolOutput(const QString& program, const QStringList& args) {
    QString out;
    return run(program, args, &out) == 0 ? out.trimmed() : QString();
}

double soxiSeconds(const QString& wav) {
    const QString out = toolOutput(QStringLiteral("soxi"), {QStringLiteral("-D"), wav});
    return out.isEmpty() ? -1 : out.toDouble();
}

// Decodes with `program` (its arguments name `wav` as the output) and returns the seconds sox counts.
double decodedSeconds(const QString& program, const QStringList& args, const QString& wav) {
    QFile::remove(wav);
    return run(program, args) == 0 ? soxiSeconds(wav) : -1;
}

// Seconds ffprobe (or ffmpeg, for a format it only decodes) and a second reader give the file.
std::pair<double, double> readersSeconds(const QString& file, const Take& take) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    const QString rate = QString::number(take.rate);
    const QString channels = QString::number(take.channels);
    const QString wav = file + QStringLiteral(".decoded.wav");
    const auto ffprobe = [&](QStringList input) {
        const QString out =
            toolOutput(QStringLiteral("ffprobe"),
                       QStringList{QStringLiteral("-v"), QStringLiteral("error")} + input +
                           QStringList{QStringLiteral("-show_entries"), QStringLiteral("format=duration"),
                                       QStringLiteral("-of"), QStringLiteral("csv=p=0"), file});
        return out.isEmpty() ? -1 : out.toDouble();
    };
    if (suffix == QLatin1String("wav"))
        return {ffprobe({}), soxiSeconds(file)};
    if (suffix == QLatin1String("mp3"))
        return {ffprobe({}), decodedSeconds(QStringLiteral("mpg123"),
                                            {QStringLiteral("-q"), QStringLiteral("-w"), wav, file}, wav)};
    if (suffix == QLatin1String("ogg"))
        return {ffprobe({}), decodedSeconds(QStringLiteral("oggdec"),
                                            {QStringLiteral("-Q"), file, QStringLiteral("-o"), wav}, wav)};
    if (suffix == QLatin1String("raw"))
        return {ffprobe({QStringLiteral("-f"), QStringLiteral("s16le"), QStringLiteral("-ar"), rate,
                         QStringLiteral("-ac"), channels}),
                decodedSeconds(QStringLiteral("sox"),
                               {QStringLiteral("-t"), QStringLiteral("raw"), QStringLiteral("-r"), rate,
                                QStringLiteral("-c"), channels, QStringLiteral("-b"), QStringLiteral("16"),
                                QStringLiteral("-e"), QStringLiteral("signed-integer"), file, wav},
                               wav)};
    if (suffix == QLatin1String("vox"))
        // ffprobe has no VOX demuxer; ffmpeg decodes the codes as OKI ADPCM behind a byte stream.
        return {decodedSeconds(QStringLiteral("ffmpeg"),
                               {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"),
                                QStringLiteral("u8"), QStringLiteral("-ar"), rate, QStringLiteral("-ac"),
                                QStringLiteral("1"), QStringLiteral("-c:a"), QStringLiteral("adpcm_ima_oki"),
                                QStringLiteral("-i"), file, QStringLiteral("-y"), wav},
                               wav),
                decodedSeconds(
                    QStringLiteral("sox"),
                    {QStringLiteral("-t"), QStringLiteral("vox"), QStringLiteral("-r"), rate, file, wav},
                    wav)};
    // G.726: sox has no reader, and ffprobe guesses its length from a bit rate at 8000 Hz. What ffmpeg
    // decodes, then, against the codes the file holds: four bits a sample.
    return {
        decodedSeconds(QStringLiteral("ffmpeg"),
                       {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"),
                        QStringLiteral("g726le"), QStringLiteral("-code_size"), QStringLiteral("4"),
                        QStringLiteral("-ar"), rate, QStringLiteral("-i"), file, QStringLiteral("-y"), wav},
                       wav),
        QFileInfo(file).size() * 2.0 / take.rate};
}

// "m:ss.mmm" in seconds.
double listedSeconds(const QString& text) {
    return text.section(QLatin1Char(':'), 0, 0).toDouble() * 60 +
           text.section(QLatin1Char(':'), 1).toDouble();
}

QString journalPath(const QString& app) {
    return RecordingJournal(app).path();
}

QJsonObject readJournal(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
}

void writeFile(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What another program does when it finishes a WAV in place: sizes set to what the file holds,
// and a LIST chunk with a title appended.
void finishWavElsewhere(const QString& file) {
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadWrite));
    const qint64 dataSize = f.size() - (findChunk(file, "data").start);
    const QByteArray list = QByteArrayLiteral("LIST\x12\0\0\0INFOINAM\x06\0\0\0Title\0");
    const auto le32 = [](qint64 value) {
        QByteArray bytes(4, Qt::Uninitialized);
        qToLittleEndian(static_cast<quint32>(value), bytes.data());
        return bytes;
    };
    QVERIFY(f.seek(findChunk(file, "data").start - 4) && f.write(le32(dataSize)) == 4);
    QVERIFY(f.seek(f.size()) && f.write(list) == list.size());
    QVERIFY(f.seek(4) && f.write(le32(f.size() - 8)) == 4);
}

// Runs the recovery as the program does at its start and collects its status lines.
struct Restart {
    explicit Restart(const QString& app)
        : core(app) {
        QSignalSpy spy(&core, &ApplicationCore::notice);
        core.load();
        QTest::qWait(0);
        for (const QList<QVariant>& args : spy)
            notices << args.at(0).toString();
    }
    ApplicationCore core;
    QStringList notices;
};

using Setup = std::function<void(const QString& app, const QString& file)>;

// Where a recording and its journal lie, seen from the application folder.
enum class Place { Outside, JournalLink, FileLink };

} // namespace

Q_DECLARE_METATYPE(Take)
Q_DECLARE_METATYPE(Tail)
Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(Place)

class TestRecovery : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_app;
    std::promise<void> m_done;

    // Records `seconds` through the writer in a child process that keeps the journal in the
    // application folder, and kills it; returns the seconds it wrote.
    int recordThenKill(const Take& take, int seconds) {
        return writeThenKill(QStringLiteral(CODEC_WRITER),
                             {QDir(m_app->path()).filePath(take.name), QString::number(take.rate),
                              QString::number(take.channels), take.wavCodec, m_app->path()},
                             seconds);
    }

private Q_SLOTS:
    void init() {
        m_app = std::make_unique<QTemporaryDir>();
        m_done = {};
    }

    void killedRecordingIsRecovered_data() {
        QTest::addColumn<Take>("take");
        QTest::addColumn<Tail>("tail");
        // Bytes a torn tail loses to the tear, and the most the repair may cut after it.
        QTest::addColumn<int>("tear");
        QTest::addColumn<int>("largestCut");
        // Seconds that may be missing of those written.
        QTest::addColumn<double>("loss");
        const Take wav{QStringLiteral("take.wav")};
        const Take ima{QStringLiteral("take.wav"), 22050, 1, QStringLiteral("adpcm")};
        const Take mp3{QStringLiteral("take.mp3")};
        const Take ogg{QStringLiteral("take.ogg")};
        const Take vox{QStringLiteral("take.vox"), 16000, 1};
        const Take raw{QStringLiteral("take.raw")};
        const Take g726{QStringLiteral("take.g726"), 11025, 1};
        QTest::newRow("wav killed") << wav << Tail::Killed << 0 << 0 << 1.0;
        QTest::newRow("wav torn") << wav << Tail::Torn << 3001 << 3 << 1.0;
        QTest::newRow("wav ima torn") << ima << Tail::Torn << 100 << 2047 << 1.0;
        QTest::newRow("mp3 killed") << mp3 << Tail::Killed << 0 << 1442 << 1.0;
        QTest::newRow("mp3 torn") << mp3 << Tail::Torn << 150 << 1442 << 1.0;
        QTest::newRow("mp3 zeros") << mp3 << Tail::Zeros << 0 << 4096 + 1442 << 1.0;
        QTest::newRow("ogg killed") << ogg << Tail::Killed << 0 << 0 << 1.0;
        QTest::newRow("ogg torn") << ogg << Tail::Torn << 150 << 65307 << 1.0;
        QTest::newRow("ogg zeros") << ogg << Tail::Zeros << 0 << 65307 + 4096 << 1.0;
        QTest::newRow("vox killed") << vox << Tail::Killed << 0 << 0 << 1.0;
        QTest::newRow("raw torn") << raw << Tail::Torn << 1001 << 3 << 1.0;
        QTest::newRow("g726 killed") << g726 << Tail::Killed << 0 << 3 << 1.0;
        QTest::newRow("g726 torn") << g726 << Tail::Torn << 1 << 3 << 1.0;
    }

    void killedRecordingIsRecovered() {
        // Guards against a recording cut short by a kill or a power cut staying unlisted, keeping
        // header sizes or a partial last frame that readers disagree on, or losing more than its tail.
        QFETCH(Take, take);
        QFETCH(Tail, tail);
        QFETCH(int, tear);
        QFETCH(int, largestCut);
        QFETCH(double, loss);
        const QString file = m_app->filePath(take.name);
        const int written = recordThenKill(take, 3);
        QCOMPARE(written, 3);
        QVERIFY(QFileInfo::exists(journalPath(m_app->path())));
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            if (tail == Tail::Torn)
                QVERIFY(f.resize(f.size() - tear));
            else if (tail == Tail::Zeros)
                QVERIFY(f.seek(f.size()) && f.write(QByteArray(4096, 0)) == 4096);
        }
        const qint64 damagedSize = QFileInfo(file).size();

        Restart restart(m_app->path());
        RecordingsModel& list = restart.core.recordings();
        QCOMPARE(list.rowCount(), 1);
        QCOMPARE(list.path(0), file);
        QVERIFY2(restart.notices.value(0).startsWith(QStringLiteral("Recovered %1 (").arg(file)),
                 qPrintable(restart.notices.join(QLatin1Char('\n'))));
        QVERIFY(!QFileInfo::exists(journalPath(m_app->path())));
        const qint64 cut = damagedSize - QFileInfo(file).size();
        QVERIFY2(cut >= 0 && cut <= largestCut, qPrintable(QString::number(cut)));

        const auto [probed, other] = readersSeconds(file, take);
        const double listed = listedSeconds(list.row(0)[RecordingsModel::Duration]);
        qInfo("%s: %d s written, %.3f s listed, ffprobe/ffmpeg %.3f s, second reader %.3f s, %lld bytes cut",
              QTest::currentDataTag(), written, listed, probed, other, cut);
        QVERIFY2(probed > 0 && other > 0, "a reader refused the recovered file");
        QVERIFY2(qAbs(probed - other) <= 0.1, "the readers disagree on the length");
        QVERIFY2(qAbs(listed - probed) <= 0.1, "the list states another length than the readers");
        // The decoders count the MP3 encoder's delay and padding, some 0.05 s beyond what was written.
        QVERIFY2(probed >= written - loss && probed <= written + 0.1,
                 "lost more than a second or invented sound");
    }

    void journalFaultsLeaveFilesAlone_data() {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<int>("listed");
        QTest::addColumn<QString>("notice");
        // Whether the recording's bytes must be the same after the recovery.
        QTest::addColumn<bool>("untouched");
        const auto editJournal = [](const char* key, const QJsonValue& value) {
            return Setup([=](const QString& app, const QString&) {
                QJsonObject json = readJournal(journalPath(app));
                json.insert(QLatin1String(key), value);
                writeFile(journalPath(app), QJsonDocument(json).toJson());
            });
        };
        QTest::newRow("garbage") << Setup([](const QString& app, const QString&) {
            writeFile(journalPath(app), QByteArray("\x00\x01{\"journal\":", 13));
        }) << 0 << QStringLiteral("unreadable recording journal")
                                 << true;
        QTest::newRow("empty") << Setup([](const QString& app, const QString&) {
            writeFile(journalPath(app), {});
        }) << 0 << QStringLiteral("unreadable recording journal")
                               << true;
        QTest::newRow("impossible values")
            << editJournal("rate", 0) << 0 << QStringLiteral("impossible values") << true;
        QTest::newRow("file missing")
            << Setup([](const QString&, const QString& file) { QFile::remove(file); }) << 0
            << QStringLiteral("is gone") << true;
        QTest::newRow("file replaced") << Setup([](const QString&, const QString& file) {
            const QByteArray bytes = readFile(file);
            QFile::remove(file);
            writeFile(file, bytes);
        }) << 0 << QStringLiteral("replaced by another file")
                                       << true;
        QTest::newRow("foreign content in place") << Setup([](const QString&, const QString& file) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.write("Dear diary, ") == 12);
        }) << 0 << QStringLiteral("no WAV header") << true;
        QTest::newRow("other rate") << editJournal("rate", 22050) << 0 << QStringLiteral("22050 Hz") << true;
        QTest::newRow("other format")
            << editJournal("format", QStringLiteral("ogg")) << 0 << QStringLiteral("extension") << true;
        QTest::newRow("a folder") << editJournal("path", QDir::tempPath()) << 0
                                  << QStringLiteral("not a file") << true;
        QTest::newRow("leftover temporary journal") << Setup([](const QString& app, const QString&) {
            writeFile(journalPath(app) + QStringLiteral(".Ab12Cd"), "{\"journal\":\"tavrik rec");
        }) << 1 << QStringLiteral("unreadable recording journal")
                                                    << false;
        QTest::newRow("two journals, one file") << Setup([](const QString& app, const QString&) {
            QVERIFY(QFile::copy(journalPath(app), journalPath(app) + QStringLiteral(".Ab12Cd")));
        }) << 1 << QStringLiteral("Recovered") << false;
        QTest::newRow("finished by another program")
            << Setup([](const QString&, const QString& file) { finishWavElsewhere(file); }) << 0
            << QStringLiteral("another program finished it") << true;
        QTest::newRow("journal of the previous version") << Setup([](const QString& app, const QString&) {
            QJsonObject json = readJournal(journalPath(app));
            const QString identity = json.value(QStringLiteral("file")).toString();
            json.insert(QStringLiteral("file"), identity.section(QLatin1Char(':'), 0, 1) +
                                                    QStringLiteral(":%3:") +
                                                    identity.section(QLatin1Char(':'), 2));
            writeFile(journalPath(app), QJsonDocument(json).toJson());
        }) << 1 << QStringLiteral("Recovered") << false;
        QTest::newRow("journal is a FIFO") << Setup([](const QString& app, const QString&) {
            QVERIFY(QFile::remove(journalPath(app)));
            QCOMPARE(::mkfifo(QFile::encodeName(journalPath(app)).constData(), 0600), 0);
        }) << 0 << QStringLiteral("not a regular file")
                                           << true;
    }

    void journalFaultsLeaveFilesAlone() {
        // Guards against a journal that is garbage, stale or names a file that is no longer the
        // recording making the start crash, or a repair touching a file it cannot prove is ours.
        QFETCH(Setup, setup);
        QFETCH(int, listed);
        QFETCH(QString, notice);
        QFETCH(bool, untouched);
        const Take take{QStringLiteral("take.wav")};
        const QString file = m_app->filePath(take.name);
        QCOMPARE(recordThenKill(take, 1), 1);
        // A header a tail behind, so that any repair shows in the bytes.
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(f.size() - 1001));
        }
        setup(m_app->path(), file);
        const QByteArray before = readFile(file);

        // A journal that blocks its reader must fail the test, not hang it.
        const QString journal = journalPath(m_app->path());
        auto rescue = std::async(std::launch::async, [&journal, done = m_done.get_future()]() mutable {
            if (done.wait_for(std::chrono::seconds(10)) == std::future_status::timeout)
                ::close(::open(QFile::encodeName(journal).constData(), O_WRONLY | O_NONBLOCK));
        });
        QElapsedTimer clock;
        clock.start();
        Restart restart(m_app->path());
        m_done.set_value();
        QVERIFY2(clock.elapsed() < 5000, "the start waited on the journal");
        QCOMPARE(restart.core.recordings().rowCount(), listed);
        QVERIFY2(restart.notices.join(QLatin1Char('\n')).contains(notice),
                 qPrintable(restart.notices.join(QLatin1Char('\n'))));
        if (untouched)
            QVERIFY(readFile(file) == before);
        QVERIFY(QDir(m_app->path()).entryList({QStringLiteral("recording.journal*")}, QDir::Files).isEmpty());
    }

    void foreignPlacesAreLeftAlone_data() {
        QTest::addColumn<Place>("place");
        QTest::addColumn<QString>("notice");
        QTest::newRow("file outside the recording folders")
            << Place::Outside << QStringLiteral("not in a folder recordings go to");
        QTest::newRow("journal is a link to one elsewhere")
            << Place::JournalLink << QStringLiteral("is a link");
        QTest::newRow("file is a link to one outside") << Place::FileLink << QStringLiteral("is a link");
    }

    void foreignPlacesAreLeftAlone() {
        // Guards against a journal, or a link, making the recovery rewrite a file outside the
        // folders recordings go to.
        QFETCH(Place, place);
        QFETCH(QString, notice);
        QTemporaryDir outside;
        const Take take{outside.filePath(QStringLiteral("take.wav"))};
        const QString journalFolder = place == Place::JournalLink ? outside.path() : m_app->path();
        QCOMPARE(
            writeThenKill(
                QStringLiteral(CODEC_WRITER),
                {take.name, QString::number(take.rate), QString::number(take.channels), {}, journalFolder},
                1),
            1);
        {
            QFile f(take.name);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(f.size() - 1001));
        }
        if (place == Place::JournalLink)
            QVERIFY(QFile::link(journalPath(outside.path()), journalPath(m_app->path())));
        if (place == Place::FileLink) {
            const QString link = m_app->filePath(QStringLiteral("take.wav"));
            QVERIFY(QFile::link(take.name, link));
            QJsonObject json = readJournal(journalPath(m_app->path()));
            json.insert(QStringLiteral("path"), link);
            writeFile(journalPath(m_app->path()), QJsonDocument(json).toJson());
        }
        const QByteArray before = readFile(take.name);

        Restart restart(m_app->path());
        QCOMPARE(restart.core.recordings().rowCount(), 0);
        QVERIFY2(restart.notices.join(QLatin1Char('\n')).contains(notice),
                 qPrintable(restart.notices.join(QLatin1Char('\n'))));
        QVERIFY(readFile(take.name) == before);
    }

    void manyLeftoverJournalsAreBounded() {
        // Guards against thousands of leftover journals holding up the start (a notice, a removal
        // and a disk sync each) while the journal of the last recording still gets recovered.
        const Take take{QStringLiteral("take.wav")};
        QCOMPARE(recordThenKill(take, 1), 1);
        const QByteArray real = readFile(journalPath(m_app->path()));
        // Older than the real one, as leftovers of long ago are.
        const QDateTime longAgo = QDateTime::currentDateTime().addDays(-1);
        constexpr int kLeftovers = 10000;
        for (int i = 0; i < kLeftovers; ++i) {
            QFile leftover(journalPath(m_app->path()) +
                           QStringLiteral(".%1").arg(i, 6, 10, QLatin1Char('0')));
            QVERIFY(leftover.open(QIODevice::WriteOnly));
            leftover.write(i % 2 ? real : QByteArrayLiteral("{\"journal\":"));
            QVERIFY(leftover.setFileTime(longAgo, QFileDevice::FileModificationTime));
        }
        QElapsedTimer clock;
        clock.start();
        Restart restart(m_app->path());
        qInfo("%d leftover journals: the start took %lld ms, %lld notices", kLeftovers, clock.elapsed(),
              static_cast<qlonglong>(restart.notices.size()));
        QCOMPARE(restart.core.recordings().rowCount(), 1);
        QVERIFY2(restart.notices.value(0).startsWith(QStringLiteral("Recovered")),
                 qPrintable(restart.notices.value(0)));
        QVERIFY2(restart.notices.size() <= 40, qPrintable(restart.notices.last()));
        QVERIFY2(restart.notices.last().contains(QStringLiteral("more recording journals")),
                 qPrintable(restart.notices.last()));
        QVERIFY(!QFileInfo::exists(journalPath(m_app->path())));
    }

    void twoJournalsRecoverBothFiles() {
        // Guards against a journal saved but not yet renamed into place hiding the recording it names.
        const Take first{QStringLiteral("first.ogg")};
        const Take second{QStringLiteral("second.raw")};
        QCOMPARE(recordThenKill(first, 2), 2);
        QVERIFY(QFile::rename(journalPath(m_app->path()),
                              journalPath(m_app->path()) + QStringLiteral(".Qw3rTy")));
        QCOMPARE(recordThenKill(second, 2), 2);
        Restart restart(m_app->path());
        QCOMPARE(restart.core.recordings().rowCount(), 2);
        QStringList paths{restart.core.recordings().path(0), restart.core.recordings().path(1)};
        paths.sort();
        QCOMPARE(paths, (QStringList{m_app->filePath(first.name), m_app->filePath(second.name)}));
    }

    void readOnlyFolderStillRecords() {
        // Guards against a read-only application folder stopping recordings, or its journal
        // being recovered without the user hearing that it cannot be removed.
        QTemporaryDir output;
        writeSetting(settingsFile(m_app->path()), QStringLiteral("set"), QStringLiteral("outputfolder"),
                     output.path());
        writeSetting(settingsFile(m_app->path()), QStringLiteral("set"), QStringLiteral("filename"),
                     QStringLiteral("take"));
        writeSetting(settingsFile(m_app->path()), QStringLiteral("set"), QStringLiteral("datetime"),
                     QStringLiteral("0"));
        const QString app = m_app->path();
        // Root writes through permissions: only a read-only mount makes the folder read-only.
        if (run(QStringLiteral("mount"), {QStringLiteral("--bind"), app, app}) != 0)
            QSKIP("cannot bind-mount the application folder");
        const auto unmount = qScopeGuard([&] { run(QStringLiteral("umount"), {app}); });
        QCOMPARE(run(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,bind,ro"), app}),
                 0);
        QVERIFY(!QFile(app + QStringLiteral("/probe")).open(QIODevice::WriteOnly));

        ApplicationCore core(app);
        QSignalSpy notices(&core, &ApplicationCore::notice);
        QVERIFY(core.load());
        core.chooseDevice(core.devices().devices.at(static_cast<std::size_t>(core.devices().selected)).index);
        const RecordingSession::StartResult started = core.startRecording(QStringLiteral("WAV"));
        QVERIFY2(started.ok, qPrintable(started.text));
        QTRY_COMPARE(notices.size(), 1);
        QVERIFY2(
            notices.at(0).at(0).toString().startsWith(QStringLiteral("Cannot write the recording journal")),
            qPrintable(notices.at(0).at(0).toString()));
        QTRY_VERIFY_WITH_TIMEOUT(core.session().elapsed() >= QLatin1String("0:02"), 5000);
        core.stopRecording();
        QCOMPARE(core.recordings().rowCount(), 1);
        const QString file = core.recordings().path(0);
        QVERIFY(file.startsWith(output.path()));
        QVERIFY2(soxInfo(file).seconds > 1.0, qPrintable(file));
    }

    void leftJournalInReadOnlyFolderIsReported() {
        // Guards against a journal that cannot be removed going unmentioned (it comes back at every start).
        QTemporaryDir output;
        const Take take{output.filePath(QStringLiteral("take.vox")), 8000, 1};
        writeSetting(settingsFile(m_app->path()), QStringLiteral("set"), QStringLiteral("outputfolder"),
                     output.path());
        QCOMPARE(recordThenKill(take, 1), 1);
        const QString app = m_app->path();
        if (run(QStringLiteral("mount"), {QStringLiteral("--bind"), app, app}) != 0)
            QSKIP("cannot bind-mount the application folder");
        const auto unmount = qScopeGuard([&] { run(QStringLiteral("umount"), {app}); });
        QCOMPARE(run(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,bind,ro"), app}),
                 0);
        Restart restart(app);
        QCOMPARE(restart.core.recordings().rowCount(), 1);
        QVERIFY2(restart.notices.join(QLatin1Char('\n'))
                     .contains(QStringLiteral("Cannot remove the recording journal")),
                 qPrintable(restart.notices.join(QLatin1Char('\n'))));
    }

    void mainWindowSaysWhatWasRecovered() {
        // Guards against a recovery the user is never told about.
        const Take take{QStringLiteral("take.mp3")};
        QCOMPARE(recordThenKill(take, 2), 2);
        MainWindow window(m_app->path());
        QTRY_VERIFY(window.messageStatusText().startsWith(
            QStringLiteral("Recovered %1 (0:0").arg(m_app->filePath(take.name))));
        QVERIFY(window.messageStatusText().endsWith(QStringLiteral(") after an unexpected end.")));
    }

    void killedProgramLosesLittle_data() {
        QTest::addColumn<int>("format");
        const QStringList names = outputFormatTexts();
        for (int i = 0; i < names.size(); ++i)
            QTest::newRow(qPrintable(names[i])) << i;
    }

    void killedProgramLosesLittle() {
        // Guards against the file getting its sound in long blocks, so that a kill or a power cut
        // takes more than a fraction of a second of what was recorded, before or after the repair.
        QFETCH(int, format);
        const QString settings = settingsFile(m_app->path());
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("filename"), QStringLiteral("killed"));
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("datetime"), QStringLiteral("0"));
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("outputformat"),
                     QString::number(format));
        codec::OutputFormats formats;
        loadFormatSettings(settings, formats);
        const QString file = m_app->filePath(QStringLiteral("killed.") + outputFormatTexts().at(format));
        const auto [rate, channels] = formats.rateAndChannels(codec::fileTypeFor(file).value());
        const Take take{QFileInfo(file).fileName(), rate, channels};
        // Paced by the server's clock, as a sound card is; the default source runs ahead of it.
        QCOMPARE(run(QStringLiteral("pactl"),
                     {QStringLiteral("set-default-source"), QStringLiteral("tonesink.monitor")}),
                 0);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TAVRIK_UNATTENDED"), QStringLiteral("1"));
        program.setProcessEnvironment(env);
        program.start(qEnvironmentVariable("TAVRIK_BINARY"),
                      {QStringLiteral("--app-dir"), m_app->path(), QStringLiteral("--record"),
                       QStringLiteral("--minimized")});
        QVERIFY(program.waitForStarted());

        // Every growth of the file past what it held when it appeared is a hand-over of sound. A copy
        // taken at one tells when the sound began: that long before it. The encoders hold back more
        // at first (Vorbis's look-ahead), so the copy is the last one of the first second.
        QElapsedTimer clock;
        clock.start();
        const auto now = [&] { return static_cast<double>(clock.nsecsElapsed()) / 1e9; };
        const QString firstPart = m_app->filePath(QStringLiteral("first.") + QFileInfo(file).suffix());
        std::vector<double> growths;
        double copiedAt = 0;
        qint64 size = -1;
        const auto watchUntil = [&](const std::function<bool()>& done) {
            while (!done() && clock.elapsed() < 30000) {
                if (const QFileInfo info(file); info.exists() && info.size() > size) {
                    if (size >= 0 && (growths.empty() || now() - growths.front() < 1)) {
                        copiedAt = now();
                        QFile::remove(firstPart);
                        QFile::copy(file, firstPart);
                    }
                    if (size >= 0)
                        growths.push_back(now());
                    size = info.size();
                }
                QThread::usleep(500);
            }
        };
        watchUntil([&] { return growths.size() > 2 && growths.back() - growths.front() >= 3; });
        QVERIFY2(growths.size() > 2, "the file never got sound");
        std::vector<double> gaps;
        for (std::size_t i = 1; i < growths.size(); ++i)
            gaps.push_back(growths[i] - growths[i - 1]);
        std::nth_element(gaps.begin(), gaps.begin() + static_cast<std::ptrdiff_t>(gaps.size() / 2),
                         gaps.end());
        const double handOver = gaps[gaps.size() / 2];
        // The worst moment: just before the next hand-over is due.
        watchUntil([&] { return now() >= growths.back() + 0.9 * handOver; });
        const double killedAt = now();
        program.kill();
        QVERIFY(program.waitForFinished());
        const double recorded = killedAt - (copiedAt - readersSeconds(firstPart, take).first);

        const auto checkLoss = [&](const char* when) {
            const auto [probed, other] = readersSeconds(file, take);
            qInfo("%s %s: a hand-over every %.3f s, %.3f s recorded, ffprobe/ffmpeg %.3f s, second reader "
                  "%.3f s",
                  QTest::currentDataTag(), when, handOver, recorded, probed, other);
            QVERIFY2(recorded - std::min(probed, other) <= 0.3, "more than 0.3 s of the recording lost");
            QVERIFY2(recorded - std::max(probed, other) >= -0.15, "sound that was never recorded");
        };
        checkLoss("killed");
        Restart restart(m_app->path());
        QCOMPARE(restart.core.recordings().rowCount(), 1);
        checkLoss("repaired");
    }

    void killedProgramIsRecoveredAtNextStart() {
        // Guards against the session not journalling what the real program records, or writing a
        // stray placeholder into the file's identity.
        const QString settings = settingsFile(m_app->path());
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("filename"), QStringLiteral("killed"));
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("datetime"), QStringLiteral("0"));
        const QString file = m_app->filePath(QStringLiteral("killed.WAV"));
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TAVRIK_UNATTENDED"), QStringLiteral("1"));
        program.setProcessEnvironment(env);
        program.start(qEnvironmentVariable("TAVRIK_BINARY"),
                      {QStringLiteral("--app-dir"), m_app->path(), QStringLiteral("--record")});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(file).size() > 2 * 44100 * 2 * 2, 15000);
        const QJsonObject journal = readJournal(journalPath(m_app->path()));
        QCOMPARE(journal.value(QStringLiteral("path")).toString(), file);
        // Device, inode and birth time, and nothing else.
        const QString identity = journal.value(QStringLiteral("file")).toString();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d+:\\d+(:\\d+\\.\\d+)?$")).match(identity).hasMatch(),
                 qPrintable(identity));
        program.kill();
        QVERIFY(program.waitForFinished());

        Restart restart(m_app->path());
        QCOMPARE(restart.core.recordings().rowCount(), 1);
        QCOMPARE(restart.core.recordings().path(0), file);
        QVERIFY(listedSeconds(restart.core.recordings().row(0)[RecordingsModel::Duration]) >= 2.0);
        QVERIFY(!QFileInfo::exists(journalPath(m_app->path())));
    }
};

QTEST_MAIN(TestRecovery)
#include "test_recovery.moc"
