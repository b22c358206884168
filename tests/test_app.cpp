#include "TestSupport.h"
#include "base/AppFolder.h"
#include "base/SettingsFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>
#include <unistd.h>

using namespace testsupport;

// Runs the real program as a user would start it.
class TestApp : public QObject {
    Q_OBJECT
    QTemporaryDir m_app;

    std::unique_ptr<QProcess> launch(const QStringList& extra) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TAVRIK_UNATTENDED"), QStringLiteral("1"));
        p->setProcessEnvironment(env);
        p->start(qEnvironmentVariable("TAVRIK_BINARY"),
                 QStringList{QStringLiteral("--app-dir"), m_app.path()} + extra);
        return p;
    }

    // The program started with --record into "<name>.WAV" of the application folder (an older
    // file of that name removed first), as 16-bit stereo at 44.1 kHz.
    std::pair<std::unique_ptr<QProcess>, QString> startRecording(const QString& name) {
        const QString settings = settingsFile(m_app.path());
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("filename"), name);
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("datetime"), QStringLiteral("0"));
        const QString path = m_app.filePath(name + QStringLiteral(".WAV"));
        QFile::remove(path);
        return {launch({QStringLiteral("--record")}), path};
    }
    static constexpr qint64 kBytesPerSecond = 44100 * 2 * 2;

    // The first copy is up once it answers on its local socket.
    static bool runningCopyAnswers() {
        QLocalSocket probe;
        probe.connectToServer(QStringLiteral("tavrik-%1").arg(getuid()));
        return probe.waitForConnected(200);
    }

private Q_SLOTS:
    void commandLineAnswers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString usage = QStringLiteral("^Usage: tavrik \\[OPTION\\]\\.\\.\\.\n[\\s\\S]*--app-dir=DIR");
        const QString version = QStringLiteral("^tavrik \\d+\\.\\d+\n$");
        const QString tryHelp = QStringLiteral("\nTry 'tavrik --help' for more information\\.\n$");
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << 0 << usage << QString();
        QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << 0 << usage << QString();
        QTest::newRow("help beats a command")
            << QStringList{QStringLiteral("--record"), QStringLiteral("--help")} << 0 << usage << QString();
        QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << 0 << version << QString();
        QTest::newRow("-V") << QStringList{QStringLiteral("-V")} << 0 << version << QString();
        QTest::newRow("Qt's option keeps its value")
            << QStringList{QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("--version")}
            << 0 << version << QString();
        QTest::newRow("--app-dir keeps its value")
            << QStringList{QStringLiteral("--app-dir"), QStringLiteral("--help"), QStringLiteral("--version")}
            << 0 << version << QString();
        QTest::newRow("unknown option")
            << QStringList{QStringLiteral("--recrod")} << 2 << QString()
            << QStringLiteral("^tavrik: unrecognized option '--recrod'") + tryHelp;
        QTest::newRow("missing value")
            << QStringList{QStringLiteral("--app-dir")} << 2 << QString()
            << QStringLiteral("^tavrik: option '--app-dir' requires an argument") + tryHelp;
        QTest::newRow("value on a switch")
            << QStringList{QStringLiteral("--record=yes")} << 2 << QString()
            << QStringLiteral("^tavrik: option '--record' doesn't allow an argument") + tryHelp;
        QTest::newRow("stray argument")
            << QStringList{QStringLiteral("take1.wav")} << 2 << QString()
            << QStringLiteral("^tavrik: unexpected argument 'take1.wav'") + tryHelp;
        QTest::newRow("error beats help")
            << QStringList{QStringLiteral("--bogus"), QStringLiteral("--help")} << 2 << QString()
            << QStringLiteral("unrecognized option '--bogus'");
    }

    void commandLineAnswers() {
        // Guards against --help or --version opening a window, contacting the sound server or
        // answering on the wrong stream or status, and against a mistyped option being ignored.
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Any window or sound would fail: no display to open, no server to reach.
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent/native"));
        p.setProcessEnvironment(env);
        p.start(qEnvironmentVariable("TAVRIK_BINARY"), arguments);
        QVERIFY2(p.waitForStarted(), "TAVRIK_BINARY names no program");
        QVERIFY(p.waitForFinished(10000));
        const QString stdOut = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(p.readAllStandardError());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY2(p.exitCode() == status, qPrintable(stdErr));
        const auto matches = [](const QString& text, const QString& pattern) {
            return pattern.isEmpty() ? text.isEmpty() : QRegularExpression(pattern).match(text).hasMatch();
        };
        QVERIFY2(matches(stdOut, out), qPrintable(stdOut));
        QVERIFY2(matches(stdErr, err), qPrintable(stdErr));
    }

    void secondCopyEndsWithItsMessage() {
        // Guards against two copies recording at once or a second copy hanging on its message.
        auto first = launch({});
        QVERIFY(first->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(runningCopyAnswers(), 10000);
        auto second = launch({});
        QVERIFY(second->waitForFinished(10000));
        const QString out = QString::fromLocal8Bit(second->readAllStandardError());
        QVERIFY2(out.contains(QStringLiteral("There is another copy of the application being executed!")),
                 qPrintable(out));
        QCOMPARE(second->exitCode(), 1);
        QCOMPARE(first->state(), QProcess::Running);
    }

    void commandsReachTheRunningCopy() {
        // Guards against --record, --stop or --toggle from a later copy being lost, answered with
        // the "another copy" message and a failure status, or cutting the running recording in two.
        const QString settings = settingsFile(m_app.path());
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("filename"), QStringLiteral("remote"));
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("datetime"), QStringLiteral("0"));
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("existedfile"), QStringLiteral("0"));
        const QString first = m_app.filePath(QStringLiteral("remote.WAV"));
        // Numbered on from the list's next row number.
        const QString second = m_app.filePath(QStringLiteral("remote_2.WAV"));
        auto running = launch({});
        QVERIFY(running->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(runningCopyAnswers(), 10000);
        const auto send = [&](const char* command) {
            auto p = launch({QLatin1String(command)});
            QVERIFY(p->waitForFinished(10000));
            const QString err = QString::fromLocal8Bit(p->readAllStandardError());
            QVERIFY2(!err.contains(QStringLiteral("another copy")), qPrintable(err));
            QCOMPARE(p->exitCode(), 0);
        };
        const auto size = [](const QString& path) { return QFileInfo(path).size(); };

        send("--record");
        QTRY_VERIFY_WITH_TIMEOUT(size(first) > kBytesPerSecond, 10000);
        send("--record");
        send("--stop");
        send("--toggle");
        QTRY_VERIFY_WITH_TIMEOUT(size(second) > kBytesPerSecond, 10000);
        // Commands are taken in order: the first file was closed before the second began.
        const qint64 closed = size(first);
        QTRY_VERIFY_WITH_TIMEOUT(size(second) > 2 * kBytesPerSecond, 10000);
        QCOMPARE(size(first), closed);
        send("--toggle");
        send("--toggle");
        const QString third = m_app.filePath(QStringLiteral("remote_3.WAV"));
        QTRY_VERIFY_WITH_TIMEOUT(size(third) > kBytesPerSecond, 10000);
        const qint64 stopped = size(second);
        QTRY_VERIFY_WITH_TIMEOUT(size(third) > 2 * kBytesPerSecond, 10000);
        QCOMPARE(size(second), stopped);
        QCOMPARE(QDir(m_app.path()).entryList({QStringLiteral("remote*")}, QDir::Files).size(), 3);
        QCOMPARE(running->state(), QProcess::Running);
        running->kill();
        QVERIFY(running->waitForFinished());
    }

    void endedSessionClosesTheRecording_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM: logout, shutdown, kill") << int(SIGTERM);
        QTest::newRow("SIGINT: Ctrl+C in the terminal") << int(SIGINT);
        QTest::newRow("SIGHUP: the terminal closed") << int(SIGHUP);
    }

    void endedSessionClosesTheRecording() {
        // Guards against a session that ends under the program (logout, a service stop, Ctrl+C
        // in a terminal) cutting the recording off unclosed, asking a question nobody can
        // answer, or leaving the journal that makes the next start "recover" a finished file.
        QFETCH(int, signalNumber);
        const QString settings = settingsFile(m_app.path());
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("outputformat"), QString());
        const auto [p, path] = startRecording(QStringLiteral("ended"));
        QVERIFY(p->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path).size() > 2 * kBytesPerSecond, 15000);
        const qint64 written = QFileInfo(path).size();
        ::kill(static_cast<pid_t>(p->processId()), signalNumber);
        QVERIFY(p->waitForFinished(15000));

        const QString err = QString::fromLocal8Bit(p->readAllStandardError());
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
        QVERIFY2(p->exitCode() == 0, qPrintable(err));
        QVERIFY2(!err.contains(QStringLiteral("save the recording project")), qPrintable(err));
        QVERIFY(!QFileInfo::exists(m_app.filePath(QStringLiteral("recording.journal"))));
        QVERIFY(!readSetting(settings, QStringLiteral("set"), QStringLiteral("outputformat")).isEmpty());
        // Closed with all it had: the header counts every sample, and none was dropped.
        const Chunk data = findChunk(path, "data");
        QCOMPARE(data.start + data.size, QFileInfo(path).size());
        QVERIFY(QFileInfo(path).size() >= written);
        QVERIFY(soxInfo(path).ok);
    }

    void killedRecordingLeavesAReadableWav() {
        // Guards against a crash or SIGKILL leaving a WAV that no tool can read.
        const auto [p, path] = startRecording(QStringLiteral("killed"));
        QVERIFY(p->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path), 10000);
        QElapsedTimer recording;
        recording.start();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path).size() > 4 * kBytesPerSecond, 15000);
        const double recordedFor = recording.elapsed() / 1000.0;
        p->kill();
        QVERIFY(p->waitForFinished());

        const AudioInfo info = soxInfo(path);
        QVERIFY2(info.ok, qPrintable(path));
        QCOMPARE(info.sampleRate, 44100);
        QVERIFY2(info.seconds >= recordedFor - 2.0,
                 qPrintable(QStringLiteral("%1 s kept of %2 s").arg(info.seconds).arg(recordedFor)));
        QCOMPARE(peakFrequency(soxDecodeMono(path), info.sampleRate), 1000.0);
    }

    void stoppedProgramKeepsTheTimeline() {
        // Guards against a recording that silently loses what the server dropped while the
        // whole program stood still (SIGSTOP, a suspended laptop): the file must keep its
        // length, the gap filled with silence.
        const auto [p, path] = startRecording(QStringLiteral("stopped"));
        QVERIFY(p->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path), 10000);
        QElapsedTimer recording;
        recording.start();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path).size() > 2 * kBytesPerSecond, 15000);
        ::kill(static_cast<pid_t>(p->processId()), SIGSTOP);
        // The stall under test, longer than the server holds; not a wait for anything.
        QThread::sleep(40);
        ::kill(static_cast<pid_t>(p->processId()), SIGCONT);
        const qint64 wanted = (recording.elapsed() / 1000 + 2) * kBytesPerSecond;
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path).size() > wanted, 15000);
        const double recordedFor = recording.elapsed() / 1000.0;
        p->kill();
        QVERIFY(p->waitForFinished());

        const AudioInfo info = soxInfo(path);
        QVERIFY2(info.ok, qPrintable(path));
        QVERIFY2(
            info.seconds >= recordedFor - 2.5 && info.seconds <= recordedFor + 2.5,
            qPrintable(QStringLiteral("%1 s in the file after %2 s").arg(info.seconds).arg(recordedFor)));
    }
};

QTEST_GUILESS_MAIN(TestApp)
#include "test_app.moc"
