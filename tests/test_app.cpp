#include "TestSupport.h"
#include "base/AppFolder.h"
#include "base/SettingsFile.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
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

private Q_SLOTS:
    void secondCopyEndsWithItsMessage() {
        // Guards against two copies recording at once or a second copy hanging on its message.
        auto first = launch({});
        QVERIFY(first->waitForStarted());
        // The first copy is up once it answers on its local socket.
        const QString name = QStringLiteral("tavrik-%1").arg(getuid());
        QTRY_VERIFY_WITH_TIMEOUT(([&] {
                                     QLocalSocket probe;
                                     probe.connectToServer(name);
                                     return probe.waitForConnected(200);
                                 }()),
                                 10000);
        auto second = launch({});
        QVERIFY(second->waitForFinished(10000));
        const QString out = QString::fromLocal8Bit(second->readAllStandardError());
        QVERIFY2(out.contains(QStringLiteral("There is another copy of the application being executed!")),
                 qPrintable(out));
        QCOMPARE(second->exitCode(), 1);
        QCOMPARE(first->state(), QProcess::Running);
    }

    void killedRecordingLeavesAReadableWav() {
        // Guards against a crash or SIGKILL leaving a WAV that no tool can read.
        const QString settings = settingsFile(m_app.path());
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("filename"), QStringLiteral("killed"));
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("datetime"), QStringLiteral("0"));
        const QString path = m_app.filePath(QStringLiteral("killed.WAV"));
        QFile::remove(path);

        auto p = launch({QStringLiteral("--record")});
        QVERIFY(p->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path), 10000);
        QElapsedTimer recording;
        recording.start();
        const qint64 fourSeconds = 4 * 44100 * 2 * 2;
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path).size() > fourSeconds, 15000);
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
        const QString settings = settingsFile(m_app.path());
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("filename"), QStringLiteral("stopped"));
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("datetime"), QStringLiteral("0"));
        const QString path = m_app.filePath(QStringLiteral("stopped.WAV"));
        QFile::remove(path);

        auto p = launch({QStringLiteral("--record")});
        QVERIFY(p->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path), 10000);
        QElapsedTimer recording;
        recording.start();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path).size() > 2 * 44100 * 2 * 2, 15000);
        ::kill(static_cast<pid_t>(p->processId()), SIGSTOP);
        // The stall under test, longer than the server holds; not a wait for anything.
        QThread::sleep(40);
        ::kill(static_cast<pid_t>(p->processId()), SIGCONT);
        const qint64 wanted = (recording.elapsed() / 1000 + 2) * 44100 * 2 * 2;
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
