#include "TestSupport.h"
#include "base/AppFolder.h"
#include "base/SettingsFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace testsupport;

namespace {

// Where a copy whose runtime folder is `runtime` listens for later copies.
QString channelPath(const QString& runtime) {
    return runtime + QStringLiteral("/tavrik-%1").arg(getuid());
}

// A listener on a running copy's socket path that is no running copy.
class FakePeer : public QObject {
public:
    enum class Manner { AnswersOk, NeverEndsItsLine };

    FakePeer(const QString& path, Manner manner) {
        QLocalServer::removeServer(path);
        m_server.listen(path);
        connect(&m_server, &QLocalServer::newConnection, this, [this, manner] {
            while (QLocalSocket* s = m_server.nextPendingConnection()) {
                connect(s, &QLocalSocket::readyRead, this, [this, s] { m_heard += s->readAll(); });
                if (manner == Manner::AnswersOk) {
                    s->write("ok\n");
                    continue;
                }
                auto* drip = new QTimer(s);
                connect(drip, &QTimer::timeout, s, [s] { s->write("o"); });
                drip->start(300);
            }
        });
    }
    bool listening() const { return m_server.isListening(); }
    const QByteArray& heard() const { return m_heard; }

private:
    QLocalServer m_server;
    QByteArray m_heard;
};

} // namespace

Q_DECLARE_METATYPE(FakePeer::Manner)

// Runs the real program as a user would start it.
class TestApp : public QObject {
    Q_OBJECT
    QTemporaryDir m_app;

    std::unique_ptr<QProcess> launch(const QStringList& extra) { return launchIn({}, m_app.path(), extra); }

    // The program with its own runtime folder (empty: the test's) and application folder.
    static std::unique_ptr<QProcess> launchIn(const QString& runtime, const QString& app,
                                              const QStringList& extra,
                                              const QString& temp = QDir::tempPath()) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TAVRIK_UNATTENDED"), QStringLiteral("1"));
        if (!runtime.isEmpty()) {
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
            env.insert(QStringLiteral("TMPDIR"), temp);
        }
        p->setProcessEnvironment(env);
        p->start(qEnvironmentVariable("TAVRIK_BINARY"),
                 QStringList{QStringLiteral("--app-dir"), app} + extra);
        return p;
    }

    // Settings that name each recording `name`, numbered on when it exists.
    static void nameRecordings(const QString& app, const QString& name) {
        const QString settings = settingsFile(app);
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("filename"), name);
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("datetime"), QStringLiteral("0"));
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("existedfile"), QStringLiteral("0"));
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
    static bool runningCopyAnswers(const QString& runtime = qEnvironmentVariable("XDG_RUNTIME_DIR")) {
        QLocalSocket probe;
        probe.connectToServer(channelPath(runtime));
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

    void copiesOfOtherSessionsStayApart() {
        // Guards against two copies with different runtime folders (two sessions, a sandbox) taking
        // over each other's channel, so that --toggle and --stop meant for one drive the other.
        QTemporaryDir runtimeA, runtimeB, appA, appB;
        nameRecordings(appA.path(), QStringLiteral("a"));
        nameRecordings(appB.path(), QStringLiteral("b"));
        auto a = launchIn(runtimeA.path(), appA.path(), {});
        QTRY_VERIFY_WITH_TIMEOUT(runningCopyAnswers(runtimeA.path()), 10000);
        auto b = launchIn(runtimeB.path(), appB.path(), {});
        QTRY_VERIFY_WITH_TIMEOUT(runningCopyAnswers(runtimeB.path()), 10000);
        QCOMPARE(a->state(), QProcess::Running);

        const auto send = [&](const char* command) {
            auto p = launchIn(runtimeA.path(), appA.path(), {QLatin1String(command)});
            QVERIFY(p->waitForFinished(15000));
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        };
        const auto size = [&](const char* name) {
            return QFileInfo(appA.filePath(QLatin1String(name))).size();
        };
        send("--toggle");
        QTRY_VERIFY_WITH_TIMEOUT(size("a.WAV") > kBytesPerSecond, 10000);
        send("--stop");
        const qint64 stopped = size("a.WAV");
        send("--toggle");
        QTRY_VERIFY_WITH_TIMEOUT(size("a_2.WAV") > kBytesPerSecond, 10000);
        QCOMPARE(size("a.WAV"), stopped);
        QVERIFY(QDir(appB.path()).entryList({QStringLiteral("b*")}, QDir::Files).isEmpty());
        for (auto* p : {a.get(), b.get()}) {
            QCOMPARE(p->state(), QProcess::Running);
            p->kill();
            p->waitForFinished();
        }
    }

    void sendersTrustNoStranger_data() {
        QTest::addColumn<FakePeer::Manner>("manner");
        QTest::addColumn<bool>("foreign");
        QTest::newRow("another user's listener that says ok") << FakePeer::Manner::AnswersOk << true;
        QTest::newRow("a peer that never ends its answer") << FakePeer::Manner::NeverEndsItsLine << false;
    }

    void sendersTrustNoStranger() {
        // Guards against --stop reporting success to a listener another user planted, or hanging on
        // a peer that never finishes its answer.
        QFETCH(FakePeer::Manner, manner);
        QFETCH(bool, foreign);
        QTemporaryDir runtime;
        QLockFile lock(runtime.filePath(QStringLiteral("tavrik-%1.lock").arg(getuid())));
        QVERIFY(lock.tryLock());
        FakePeer peer(channelPath(runtime.path()), manner);
        QVERIFY(peer.listening());
        if (foreign && ::chown(QFile::encodeName(channelPath(runtime.path())).constData(), 65534, 65534) != 0)
            QSKIP("only root can give the listener to another user");
        QElapsedTimer clock;
        clock.start();
        // Temp and runtime folder alike, so that the listener stands wherever a channel was looked for.
        auto stop = launchIn(runtime.path(), m_app.path(), {QStringLiteral("--stop")}, runtime.path());
        QTRY_VERIFY_WITH_TIMEOUT(stop->state() == QProcess::NotRunning, 20000);
        const QString err = QString::fromLocal8Bit(stop->readAllStandardError());
        qInfo("--stop gave up after %.1f s: %s", clock.elapsed() / 1000.0, qPrintable(err.trimmed()));
        QCOMPARE(stop->exitCode(), 1);
        QVERIFY2(err.contains(QStringLiteral("the running copy did not answer")), qPrintable(err));
        if (foreign)
            QVERIFY2(peer.heard().isEmpty(), peer.heard().constData());
    }

    void foreignChannelIsReported() {
        // Guards against a copy that starts without a command channel, because another user holds
        // its name, saying nothing, or removing what it does not own.
        QTemporaryDir runtime;
        FakePeer peer(channelPath(runtime.path()), FakePeer::Manner::AnswersOk);
        const QByteArray socket = QFile::encodeName(channelPath(runtime.path()));
        if (::chown(socket.constData(), 65534, 65534) != 0)
            QSKIP("only root can give the listener to another user");
        auto p = launchIn(runtime.path(), m_app.path(), {}, runtime.path());
        QString err;
        QTRY_VERIFY_WITH_TIMEOUT((err += QString::fromLocal8Bit(p->readAllStandardError()))
                                     .contains(QStringLiteral("cannot reach this copy")),
                                 10000);
        QVERIFY2(err.contains(QStringLiteral("belongs to another user")), qPrintable(err));
        struct stat status {};
        QCOMPARE(::lstat(socket.constData(), &status), 0);
        QCOMPARE(status.st_uid, uid_t{65534});
        p->kill();
        p->waitForFinished();
    }

    void idleConnectionsCannotKillTheChannel() {
        // Guards against a flood of connections that never send their line using up the running
        // copy's descriptors, which closed its channel for good.
        QTemporaryDir runtime;
        nameRecordings(m_app.path(), QStringLiteral("flood"));
        auto running = std::make_unique<QProcess>();
        // A usual desktop's limit of open files, whatever this machine allows.
        running->setChildProcessModifier([] {
            rlimit files{1024, 1024};
            ::setrlimit(RLIMIT_NOFILE, &files);
        });
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TAVRIK_UNATTENDED"), QStringLiteral("1"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        running->setProcessEnvironment(env);
        running->start(qEnvironmentVariable("TAVRIK_BINARY"), {QStringLiteral("--app-dir"), m_app.path()});
        QTRY_VERIFY_WITH_TIMEOUT(runningCopyAnswers(runtime.path()), 10000);

        rlimit own{};
        ::getrlimit(RLIMIT_NOFILE, &own);
        own.rlim_cur = own.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &own);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(channelPath(runtime.path()));
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        std::vector<int> idle;
        const auto closeAll = qScopeGuard([&] {
            for (int fd : idle)
                ::close(fd);
        });
        for (int i = 0; i < 1100; ++i) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            QVERIFY(fd >= 0);
            idle.push_back(fd);
            if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
                QCOMPARE(::write(fd, "t", 1), ssize_t{1});
        }
        QVERIFY(QFileInfo::exists(channelPath(runtime.path())));
        // The last of them is dropped once idle a few seconds.
        char byte = 0;
        const timeval patience{20, 0};
        ::setsockopt(idle.back(), SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(::read(idle.back(), &byte, 1), ssize_t{0});
        qInfo("an idle connection was dropped after %.1f s", clock.elapsed() / 1000.0);
        QVERIFY(clock.elapsed() < 10000);

        auto toggle = launchIn(runtime.path(), m_app.path(), {QStringLiteral("--toggle")});
        QVERIFY(toggle->waitForFinished(15000));
        QVERIFY2(toggle->exitCode() == 0, toggle->readAllStandardError().constData());
        QTRY_VERIFY_WITH_TIMEOUT(
            QFileInfo(m_app.filePath(QStringLiteral("flood.WAV"))).size() > kBytesPerSecond, 10000);
        QCOMPARE(running->state(), QProcess::Running);
        running->kill();
        running->waitForFinished();
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
        QThread::sleep(AudioRecorder::kServerBufferSeconds + 5);
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
