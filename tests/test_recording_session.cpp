#include "FakeCapture.h"
#include "TestSupport.h"
#include "base/AppFolder.h"
#include "base/SettingsFile.h"
#include "engine/codec/AudioFileWriter.h"
#include "record/RecordingJournal.h"
#include "record/RecordingSession.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <optional>

using namespace testsupport;

// The session's rules against a capture in this process: parts, the disk reserve, the
// journal and the ways a recording ends, in milliseconds and without a sound server.
class TestRecordingSession : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_app.emplace();
        m_output.emplace();
        setting("outputfolder", m_output->path());
        setting("filename", QStringLiteral("take"));
        setting("datetime", QStringLiteral("0"));
    }

    void recordsListsAndJournalsEveryPart_data() {
        // `seconds` one-second blocks of 44.1 kHz stereo WAV, then the end: "stop", "failed" (the
        // capture ended on its own) or "reserve" (a disk 2 MB above the reserve: the block that
        // crosses it and the one before the stop are written).
        QTest::addColumn<QString>("splitMb");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("journalBlocked");
        QTest::addColumn<QList<int>>("partSeconds");
        QTest::addColumn<QString>("interruption");
        QTest::newRow("one file") << QStringLiteral("0") << 3 << QStringLiteral("stop") << false
                                  << QList<int>{3} << QString();
        // 1 MiB holds six one-second blocks; a part ends at a block.
        QTest::newRow("parts at 1 MB") << QStringLiteral("1") << 14 << QStringLiteral("stop") << false
                                       << QList<int>{6, 6, 2} << QString();
        QTest::newRow("capture failed") << QStringLiteral("0") << 2 << QStringLiteral("failed") << false
                                        << QList<int>{2} << QStringLiteral("device gone");
        QTest::newRow("disk below the reserve")
            << QStringLiteral("0") << 20 << QStringLiteral("reserve") << false << QList<int>{13}
            << QStringLiteral("Recording stopped: less than 50 MB");
        QTest::newRow("journal cannot be written")
            << QStringLiteral("1") << 8 << QStringLiteral("stop") << true << QList<int>{6, 2} << QString();
    }

    void recordsListsAndJournalsEveryPart() {
        // Guards against sound lost or doubled at a part's seam, parts missing from the list, a
        // journal that does not follow the part being written or outlives the recording, and
        // a failure (capture, disk, journal) that ends a recording unlisted or not at all.
        QFETCH(QString, splitMb);
        QFETCH(int, seconds);
        QFETCH(QString, end);
        QFETCH(bool, journalBlocked);
        QFETCH(QList<int>, partSeconds);
        QFETCH(QString, interruption);
        setting("splitmb", splitMb);
        std::optional<TmpfsMount> disk;
        if (end == QLatin1String("reserve")) {
            disk.emplace(m_output->filePath(QStringLiteral("disk")), QStringLiteral("52m"));
            if (!disk->mounted())
                QSKIP("cannot mount a tmpfs");
            setting("outputfolder", m_output->filePath(QStringLiteral("disk")));
        }
        const QString journal = RecordingJournal(m_app->path()).path();
        if (journalBlocked)
            QVERIFY(QDir().mkpath(journal + QStringLiteral("/in-the-way")));

        FakeCapture capture;
        AudioFileWriter file;
        RecordingSession session(m_app->path(), capture, file);
        QSignalSpy finished(&session, &RecordingSession::finished);
        QSignalSpy interrupted(&session, &RecordingSession::interrupted);
        QSignalSpy journalFailed(&session, &RecordingSession::journalFailed);
        const RecordingSession::StartResult started = session.start(QStringLiteral("WAV"), 0);
        QVERIFY2(started.ok, qPrintable(started.text));
        // The file gets the sound a fifth of a second at a time: all that a kill may take.
        QCOMPARE(capture.blockFrames, capture.rate / 5);
        QCOMPARE(journalFailed.size(), journalBlocked ? 1 : 0);
        for (int s = 0; s < seconds && session.isRecording(); ++s) {
            capture.deliver(1);
            QCoreApplication::processEvents();
            if (!session.isRecording())
                break; // the disk reserve ended it
            QCOMPARE(QFileInfo(journal).isFile(), !journalBlocked);
            if (!journalBlocked)
                QVERIFY(readFile(journal).contains(QFileInfo(session.outputPath()).fileName().toUtf8()));
        }
        if (end == QLatin1String("failed"))
            Q_EMIT capture.failed(interruption);
        if (interruption.isEmpty())
            session.stop();
        else
            QTRY_COMPARE(interrupted.size(), 1);

        QVERIFY(!session.isRecording());
        QVERIFY(QFileInfo(journal).isFile() == false);
        if (!interruption.isEmpty())
            QVERIFY2(interrupted.at(0).at(0).toString().startsWith(interruption),
                     qPrintable(interrupted.at(0).at(0).toString()));
        QCOMPARE(finished.size(), partSeconds.size());
        QStringList paths;
        for (int i = 0; i < partSeconds.size(); ++i) {
            const QString path = finished.at(i).at(0).toString();
            paths << path;
            QCOMPARE(soxInfo(path).seconds, double(partSeconds.at(i)));
        }
        QCOMPARE(paths.removeDuplicates(), 0);
    }

    void failedStartLeavesNothing_data() {
        QTest::addColumn<bool>("streamFails");
        QTest::newRow("the capture cannot start") << true;
        QTest::newRow("the file cannot be created") << false;
    }

    void failedStartLeavesNothing() {
        // Guards against a start that fails but leaves a soundless file or a journal behind.
        QFETCH(bool, streamFails);
        FakeCapture capture;
        if (streamFails)
            capture.refuseStart = QStringLiteral("no stream");
        else
            setting("outputfolder", m_output->filePath(QStringLiteral("missing/folder")));
        AudioFileWriter file;
        RecordingSession session(m_app->path(), capture, file);
        const RecordingSession::StartResult started = session.start(QStringLiteral("WAV"), 0);
        QVERIFY(!started.ok);
        QVERIFY(!started.text.isEmpty());
        if (streamFails)
            QCOMPARE(started.text, capture.refuseStart);
        QVERIFY(!session.isRecording());
        QCOMPARE(QDir(m_output->path()).entryList(QDir::Files), QStringList());
        QVERIFY(!QFileInfo::exists(RecordingJournal(m_app->path()).path()));
    }

    void prerecordReachesBack_data() {
        // One-second blocks numbered from 1 arrive while nothing records, then Record, then
        // `recorded` more: the file begins with the last `keep` seconds before Record.
        QTest::addColumn<int>("keep");
        QTest::addColumn<int>("idle");
        QTest::addColumn<bool>("changedBeforeRecord"); // the source or format changed
        QTest::addColumn<int>("recorded");
        QTest::addColumn<int>("firstBlock");
        QTest::addColumn<int>("seconds");
        QTest::newRow("5 s kept of 8") << 5 << 8 << false << 3 << 4 << 8;
        QTest::newRow("less held than kept") << 5 << 2 << false << 3 << 1 << 5;
        QTest::newRow("stop before the next block") << 5 << 8 << false << 0 << 4 << 5;
        QTest::newRow("a change empties the ring") << 5 << 8 << true << 3 << 9 << 3;
        QTest::newRow("off") << 0 << 8 << false << 3 << 9 << 3;
    }

    void prerecordReachesBack() {
        // Guards against a reach back that loses, repeats or reorders sound where the ring meets
        // the recording, keeps sound from before a change, or does not listen again afterwards.
        QFETCH(int, keep);
        QFETCH(int, idle);
        QFETCH(bool, changedBeforeRecord);
        QFETCH(int, recorded);
        QFETCH(int, firstBlock);
        QFETCH(int, seconds);
        FakeCapture capture;
        AudioFileWriter file;
        RecordingSession session(m_app->path(), capture, file);
        session.listen(keep, QStringLiteral("WAV"));
        QCOMPARE(session.isListening(), keep > 0);
        // 44.1 kHz stereo 16-bit, exactly.
        QCOMPARE(session.listeningBytes(), static_cast<std::size_t>(keep) * 44100 * 2 * 2);
        int block = 0;
        const auto deliver = [&](int blocks) {
            for (int i = 0; i < blocks; ++i)
                capture.deliver(1, static_cast<std::int16_t>(100 * ++block));
        };
        deliver(idle);
        if (changedBeforeRecord)
            session.listen(keep, QStringLiteral("WAV"));
        const RecordingSession::StartResult started = session.start(QStringLiteral("WAV"), 0);
        QVERIFY2(started.ok, qPrintable(started.text));
        QVERIFY(!session.isListening());
        deliver(recorded);
        session.stop();
        QCOMPARE(session.isListening(), keep > 0);

        const QString path = session.outputPath();
        QCOMPARE(soxInfo(path).seconds, double(seconds));
        const std::vector<float> mono = soxDecodeMono(path);
        for (int s = 0; s < seconds; ++s)
            QCOMPARE(qRound(mono.at(static_cast<std::size_t>(s) * 44100 + 22050) * 32768),
                     100 * (firstBlock + s));
    }

    void soundActivationCutsOneFilePerEvent_data() {
        // One-second blocks, loud (-10 dBFS) or quiet, with a threshold of -30 dBFS, hold 2 s and
        // pre-roll 1 s; then Stop. `lengths` are the files' seconds; `soundAt` where the sound
        // begins in the first.
        QTest::addColumn<QString>("blocks");
        QTest::addColumn<QList<double>>("lengths");
        QTest::addColumn<double>("soundAt");
        QTest::newRow("one burst") << QStringLiteral("...LL....") << QList<double>{5} << 1.0;
        QTest::newRow("a gap shorter than hold") << QStringLiteral("..L.L...") << QList<double>{6} << 1.0;
        QTest::newRow("two events") << QStringLiteral("..L...L...") << QList<double>{4, 4} << 1.0;
        QTest::newRow("pre-roll before the first frame")
            << QStringLiteral("L....") << QList<double>{3} << 0.0;
        QTest::newRow("stopped during an event") << QStringLiteral("..LL") << QList<double>{3} << 1.0;
        QTest::newRow("noise below the threshold") << QStringLiteral("nnnnn") << QList<double>{} << 0.0;
    }

    void soundActivationCutsOneFilePerEvent() {
        // Guards against events cut at the wrong frame, pre-roll lost or doubled, events that
        // replace each other's files or stay unlisted, and quiet noise that starts a file.
        QFETCH(QString, blocks);
        QFETCH(QList<double>, lengths);
        QFETCH(double, soundAt);
        const QString settings = settingsFile(m_app->path());
        const auto activation = [&](const char* key, const char* value) {
            writeSetting(settings, QStringLiteral("activation"), QLatin1String(key), QLatin1String(value));
        };
        activation("enabled", "1");
        activation("threshold", "-30");
        activation("hold", "2");
        activation("preroll", "1");
        setting("existedfile", QStringLiteral("1")); // overwrite: even so, no event replaces another
        FakeCapture capture;
        AudioFileWriter file;
        RecordingSession session(m_app->path(), capture, file);
        QSignalSpy finished(&session, &RecordingSession::finished);
        const RecordingSession::StartResult started = session.start(QStringLiteral("WAV"), 0);
        QVERIFY2(started.ok, qPrintable(started.text));
        QCOMPARE(started.text, QStringLiteral("Waiting for sound (\u221230 dBFS)"));
        QVERIFY(session.isArmed() && session.isRecording());
        // The program applies the listening settings again whenever devices change.
        session.listen(0, QStringLiteral("WAV"));
        for (const QChar block : blocks) {
            const std::int16_t value = block == u'L' ? 10000 : block == u'n' ? 30 : 0;
            capture.deliver(1, value);
            QCoreApplication::processEvents();
        }
        session.stop();
        QVERIFY(!session.isArmed() && !session.isRecording());

        QCOMPARE(finished.size(), lengths.size());
        QCOMPARE(session.eventCount(), lengths.size());
        QStringList paths;
        for (int i = 0; i < lengths.size(); ++i) {
            paths << finished.at(i).at(0).toString();
            QCOMPARE(soxInfo(paths.last()).seconds, lengths.at(i));
        }
        QCOMPARE(paths.removeDuplicates(), 0);
        if (!paths.isEmpty()) {
            const std::vector<float> first = soxDecodeMono(paths.first());
            const auto loud = std::ranges::find_if(first, [](float v) { return std::abs(v) > 0.1F; });
            QCOMPARE(static_cast<double>(loud - first.begin()) / 44100, soundAt);
        }
    }

    void healthAtAGlance() {
        // Guards against a silence alarm that stays quiet, repeats within one silent stretch or
        // is not re-armed by sound, and clipped peaks or the disk's time left not shown.
        writeSetting(settingsFile(m_app->path()), QStringLiteral("health"), QStringLiteral("silencealarm"),
                     QStringLiteral("2"));
        FakeCapture capture;
        AudioFileWriter file;
        RecordingSession session(m_app->path(), capture, file);
        QSignalSpy alarms(&session, &RecordingSession::silenceAlarm);
        QVERIFY(session.start(QStringLiteral("WAV"), 0).ok);
        // One-second blocks: sound, 3 s of silence, full scale twice, 4 s of silence.
        for (const std::int16_t value : {1000, 0, 0, 0, 32767, 1000, -32768, 0, 0, 0, 0})
            capture.deliver(1, value);
        QCoreApplication::processEvents();
        QCOMPARE(alarms.size(), 2);
        QCOMPARE(alarms.at(0).at(0).toString(), QStringLiteral("No sound for 2 s: is the input muted?"));
        QVERIFY2(session.healthText().endsWith(QStringLiteral(" left, 2 clipped peaks")),
                 qPrintable(session.healthText()));
        session.stop();
        QCOMPARE(session.healthText(), QString());
    }

private:
    void setting(const char* key, const QString& value) {
        writeSetting(settingsFile(m_app->path()), QStringLiteral("set"), QString::fromLatin1(key), value);
    }
    static QByteArray readFile(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    std::optional<QTemporaryDir> m_app;
    std::optional<QTemporaryDir> m_output;
};

QTEST_GUILESS_MAIN(TestRecordingSession)
#include "test_recording_session.moc"
