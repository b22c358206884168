#include "TestSupport.h"
#include "base/AppFolder.h"
#include "base/SettingsFile.h"
#include "base/ui/Dialogs.h"
#include "engine/playback/FilePlayback.h"
#include "engine/pulse/AudioRecorder.h"
#include "engine/ui/LevelDisplay.h"
#include "record/RecordingSession.h"
#include "recordings/RecordingsModel.h"
#include "shell/ui/DesktopControls.h"
#include "shell/ui/MainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSlider>
#include <QSpinBox>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeView>

using namespace testsupport;

namespace {

qint64 elapsedMs(const MainWindow& w) {
    // "m:ss.mmm" back to milliseconds.
    const QString t = const_cast<MainWindow&>(w).session().elapsed();
    const auto parts = t.split(QLatin1Char(':'));
    return parts.value(0).toLongLong() * 60000 + static_cast<qint64>(parts.value(1).toDouble() * 1000);
}

void click(const MainWindow& w, const char* button) {
    auto* b = w.findChild<QAbstractButton*>(QLatin1String(button));
    QVERIFY2(b, button);
    QVERIFY2(b->isEnabled(), button);
    QTest::mouseClick(b, Qt::LeftButton);
}

enum class Hostile { LongLineProject, HugeSettings, EmptyBaseName, FailedStart };

} // namespace

Q_DECLARE_METATYPE(Hostile)

class TestMainWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_app;
    QString m_settings;

    void setNaming(const char* name, const char* stamp, const char* existed) {
        writeSetting(m_settings, QStringLiteral("set"), QStringLiteral("filename"), QLatin1String(name));
        writeSetting(m_settings, QStringLiteral("set"), QStringLiteral("datetime"), QLatin1String(stamp));
        writeSetting(m_settings, QStringLiteral("set"), QStringLiteral("existedfile"),
                     QLatin1String(existed));
    }

    static void selectSource(MainWindow& w, const char* name) {
        auto* sources = w.findChild<QComboBox*>(QStringLiteral("cmbSrcInput"));
        const int i = sources->findText(QLatin1String(name));
        QVERIFY2(i >= 0, name);
        sources->setCurrentIndex(i);
    }

private Q_SLOTS:
    void init() {
        m_app = std::make_unique<QTemporaryDir>();
        m_settings = settingsFile(m_app->path());
        Dialogs::shownMessages().clear();
    }

    void hostileInputsLeaveNothingBehind_data() {
        QTest::addColumn<Hostile>("input");
        QTest::newRow("project of 40 MB without a line break") << Hostile::LongLineProject;
        QTest::newRow("settings.dat of 2.5 million lines") << Hostile::HugeSettings;
        QTest::newRow("empty base name, no stamp") << Hostile::EmptyBaseName;
        QTest::newRow("a start that fails") << Hostile::FailedStart;
    }

    void hostileInputsLeaveNothingBehind() {
        // Guards against a frozen window on a hostile project or settings file, a hidden
        // recording nobody finds, and an empty file left by a start that failed.
        QFETCH(Hostile, input);
        setNaming("take", "0", "0");
        const QString project = m_app->filePath(QStringLiteral("long.rpf"));
        if (input == Hostile::LongLineProject) {
            QFile f(project);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.write(QByteArray(40 * 1024 * 1024, 'a')) > 0);
        } else if (input == Hostile::HugeSettings) {
            QFile f(m_settings);
            QVERIFY(f.open(QIODevice::Append));
            const QByteArray lines =
                QByteArrayLiteral("[junk]\n") + QByteArray("key=value\n").repeated(2500000);
            QVERIFY(f.write(lines) == lines.size());
        } else if (input == Hostile::EmptyBaseName) {
            setNaming("", "0", "0");
        }
        // The source chosen in the window vanishes before Record is pressed.
        QString module;
        if (input == Hostile::FailedStart)
            QCOMPARE(run(QStringLiteral("pactl"),
                         {QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                          QStringLiteral("sink_name=plugged"),
                          QStringLiteral("sink_properties=device.description=Plugged")},
                         &module),
                     0);
        MainWindow w(m_app->path());
        if (input == Hostile::FailedStart) {
            selectSource(w, "Monitor of Plugged");
            QCOMPARE(run(QStringLiteral("pactl"), {QStringLiteral("unload-module"), module.trimmed()}), 0);
        }
        const StallMeter stall;
        if (input == Hostile::LongLineProject) {
            Dialogs::setNextFileName(project);
            w.findChild<QAction*>(QStringLiteral("OpenRecordingProject"))->trigger();
            QCOMPARE(w.recordings().rowCount(), 1);
            QVERIFY(w.recordings().row(0)[0].size() <= 64 * 1024);
        } else {
            w.startRecording();
            if (input == Hostile::FailedStart) {
                QVERIFY(!w.isRecording());
                QVERIFY2(w.messageStatusText().contains(QStringLiteral("Monitor of Plugged")),
                         qPrintable(w.messageStatusText()));
            } else {
                QVERIFY(w.isRecording());
                const QString path = w.session().outputPath();
                QTRY_VERIFY(QFileInfo(path).size() > 44100);
                w.stopRecording();
                QCOMPARE(QFileInfo(path).fileName(), input == Hostile::EmptyBaseName
                                                         ? QStringLiteral("Recorded.WAV")
                                                         : QStringLiteral("take.WAV"));
            }
        }
        qInfo("the window stood still for at most %lld ms", stall.longestMs());
        QVERIFY2(stall.longestMs() < 1000, qPrintable(QString::number(stall.longestMs())));
        // Nothing hidden, nothing empty: every recording in the folder holds sound.
        for (const QFileInfo& file :
             QDir(m_app->path()).entryInfoList({QStringLiteral("*.WAV")}, QDir::Files | QDir::Hidden))
            QVERIFY2(!file.fileName().startsWith(QLatin1Char('.')) && file.size() > 44100,
                     qPrintable(file.fileName()));
        if (w.recordings().rowCount() > 0)
            Dialogs::setNextMessageAnswer(QMessageBox::Cancel);
        w.exitApplication();
    }

    void statusFollowsTheServer() {
        // Guards against a status line that still says the server is gone once it is back.
        QTemporaryDir dir;
        const QString script =
            qEnvironmentVariable("TAVRIK_TEST_SUPPORT") + QStringLiteral("/pulse-server.sh");
        const QByteArray saved = qgetenv("PULSE_SERVER");
        const auto restore = qScopeGuard([&] {
            run(QStringLiteral("bash"), {script, QStringLiteral("stop"), dir.path()});
            qputenv("PULSE_SERVER", saved);
        });
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(dir.filePath(QStringLiteral("native"))));
        QCOMPARE(run(QStringLiteral("bash"), {script, QStringLiteral("start"), dir.path()}), 0);
        MainWindow w(m_app->path());
        QCOMPARE(run(QStringLiteral("bash"), {script, QStringLiteral("stop"), dir.path()}), 0);
        QTRY_VERIFY_WITH_TIMEOUT(w.messageStatusText().contains(QStringLiteral("can no longer be reached")),
                                 5000);
        QCOMPARE(run(QStringLiteral("bash"), {script, QStringLiteral("start"), dir.path()}), 0);
        QTRY_VERIFY_WITH_TIMEOUT(w.messageStatusText().contains(QStringLiteral("is running")), 5000);
        w.startRecording();
        QVERIFY(w.isRecording());
        w.stopRecording();
        Dialogs::setNextMessageAnswer(QMessageBox::Cancel);
        w.exitApplication();
    }

    void vanishedSourceIsNamedBeforeItIsReplaced_data() {
        QTest::addColumn<bool>("recording");
        QTest::addColumn<bool>("picked"); // else the server's default, shown at start
        QTest::newRow("vanishes while recording") << true << true;
        QTest::newRow("vanishes between recordings, then comes back") << false << true;
        QTest::newRow("shown at start, never picked") << false << false;
    }

    void vanishedSourceIsNamedBeforeItIsReplaced() {
        // Guards against a Record that silently records another source once the chosen one is gone.
        QFETCH(bool, recording);
        QFETCH(bool, picked);
        setNaming("take", "0", "0");
        const QStringList plug{QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                               QStringLiteral("sink_name=plugged"),
                               QStringLiteral("sink_properties=device.description=Plugged")};
        QString module;
        QCOMPARE(run(QStringLiteral("pactl"), plug, &module), 0);
        const auto unplug = [&module] {
            return run(QStringLiteral("pactl"), {QStringLiteral("unload-module"), module.trimmed()});
        };
        auto unplugged = qScopeGuard([&] { unplug(); });
        QString defaultSource;
        QCOMPARE(run(QStringLiteral("pactl"), {QStringLiteral("get-default-source")}, &defaultSource), 0);
        const auto restoreDefault = qScopeGuard([&] {
            run(QStringLiteral("pactl"), {QStringLiteral("set-default-source"), defaultSource.trimmed()});
        });
        if (!picked)
            QCOMPARE(run(QStringLiteral("pactl"),
                         {QStringLiteral("set-default-source"), QStringLiteral("plugged.monitor")}),
                     0);
        MainWindow w(m_app->path());
        auto* sources = w.findChild<QComboBox*>(QStringLiteral("cmbSrcInput"));
        const QString chosen = QStringLiteral("Monitor of Plugged");
        if (picked)
            selectSource(w, "Monitor of Plugged");
        QCOMPARE(sources->currentText(), chosen);
        if (recording) {
            w.startRecording();
            QVERIFY(w.isRecording());
            QTRY_VERIFY(QFileInfo(w.session().outputPath()).size() > 4410);
            Dialogs::setNextMessageAnswer(QMessageBox::Ok);
        }
        QCOMPARE(unplug(), 0);
        unplugged.dismiss();
        QTRY_COMPARE(sources->findText(chosen), -1);
        QTRY_VERIFY(!w.isRecording());
        // Before Record: the status line names both, the list shows the one that will be recorded.
        const QString used = sources->currentText();
        QVERIFY(!used.isEmpty());
        QTRY_VERIFY2(w.messageStatusText().contains(chosen) && w.messageStatusText().contains(used),
                     qPrintable(w.messageStatusText()));
        if (!recording) {
            // Plugged in again, it is recorded again, and said so.
            QCOMPARE(run(QStringLiteral("pactl"), plug, &module), 0);
            QTRY_COMPARE(sources->currentText(), chosen);
            QTRY_VERIFY2(w.messageStatusText().contains(QStringLiteral("available again")),
                         qPrintable(w.messageStatusText()));
            QCOMPARE(unplug(), 0);
            QTRY_COMPARE(sources->findText(chosen), -1);
            QTRY_VERIFY2(w.messageStatusText().contains(chosen) && w.messageStatusText().contains(used),
                         qPrintable(w.messageStatusText()));
        }
        w.startRecording();
        QVERIFY(w.isRecording());
        // As it starts: said again, in the line that names the format.
        QVERIFY2(w.messageStatusText().contains(chosen) &&
                     w.messageStatusText().contains(QStringLiteral("\"") + used),
                 qPrintable(w.messageStatusText()));
        w.stopRecording();
        Dialogs::setNextMessageAnswer(QMessageBox::Cancel);
        w.exitApplication();
    }

    void recordsTheToneThroughTheButtons_data() {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::newRow("fresh start (defaults)") << 0 << 0;
        QTest::newRow("8000 mono") << 8000 << 1;
        QTest::newRow("48000 stereo") << 48000 << 2;
    }
    void recordsTheToneThroughTheButtons() {
        // Guards against a wrong format, length or content of a recording, or a wrong list row.
        QFETCH(int, rate);
        QFETCH(int, channels);
        if (rate) {
            writeSetting(m_settings, QStringLiteral("wav"), QStringLiteral("Freq"), QString::number(rate));
            writeSetting(m_settings, QStringLiteral("wav"), QStringLiteral("Channel"),
                         QString::number(channels));
        }
        setNaming("take", "0", "0");
        MainWindow w(m_app->path());
        QCOMPARE(w.findChild<QComboBox*>(QStringLiteral("cboEncoders"))->currentText(),
                 QStringLiteral("WAV"));
        QVERIFY(w.findChild<QComboBox*>(QStringLiteral("cmbSrcInput"))
                    ->currentText()
                    .contains(QStringLiteral("1000")));
        selectSource(w, "Monitor of Tone");
        click(w, "Command1");
        QElapsedTimer clock;
        clock.start();
        QTRY_VERIFY_WITH_TIMEOUT(clock.elapsed() >= 3000, 5000);
        click(w, "cmdStop");

        const QString path = m_app->filePath(QStringLiteral("take.WAV"));
        const AudioInfo info = soxInfo(path);
        QVERIFY2(info.ok, qPrintable(path));
        QCOMPARE(info.sampleRate, rate ? rate : 44100);
        QCOMPARE(info.channels, channels ? channels : 2);
        QVERIFY2(std::abs(info.seconds - 3.0) <= 0.15, qPrintable(QString::number(info.seconds)));
        QCOMPARE(peakFrequency(soxDecodeMono(path), info.sampleRate), 1000.0);

        const RecordingsModel& list = w.recordings();
        QCOMPARE(list.rowCount(), 1);
        QCOMPARE(list.row(0)[RecordingsModel::Number], QStringLiteral("1"));
        QCOMPARE(list.row(0)[RecordingsModel::FileName], path);
        QCOMPARE(list.row(0)[RecordingsModel::Size], sizeText(QFileInfo(path).size(), QLocale()));
        QCOMPARE(list.row(0)[RecordingsModel::Duration],
                 w.findChild<QLabel*>(QStringLiteral("Label1"))->text());
        QCOMPARE(list.row(0)[RecordingsModel::RecordTime],
                 recordTimeText(w.session().startTime(), QLocale()));
        QCOMPARE(w.fileStatusText(), path);
        QCOMPARE(w.messageStatusText(), QStringLiteral("Done"));
    }

    void lumpySourceFileHoldsWhatTheLabelShowed() {
        // Guards against sound captured but not written (or written twice) around the stop.
        setNaming("lumps", "0", "0");
        MainWindow w(m_app->path());
        click(w, "Command1");
        QTRY_VERIFY_WITH_TIMEOUT(elapsedMs(w) >= 3000, 8000);
        click(w, "cmdStop");
        const AudioInfo info = soxInfo(m_app->filePath(QStringLiteral("lumps.WAV")));
        QVERIFY(std::abs(info.seconds - elapsedMs(w) / 1000.0) <= 0.15);
        QCOMPARE(peakFrequency(soxDecodeMono(m_app->filePath(QStringLiteral("lumps.WAV"))), info.sampleRate),
                 1000.0);
    }

    void longRecordingSplitsWithoutASeam() {
        // Guards against samples lost or doubled where a long recording goes on in a new
        // file, a part that replaces another, or parts missing from the list.
        setNaming("part", "0", "1"); // even "overwrite" must not let a part replace another
        writeSetting(m_settings, QStringLiteral("set"), QStringLiteral("splitmb"), QStringLiteral("1"));
        MainWindow w(m_app->path());
        selectSource(w, "Monitor of Tone");
        click(w, "Command1");
        QTRY_VERIFY_WITH_TIMEOUT(w.recordings().rowCount() >= 2, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(elapsedMs(w) >= 14000, 6000);
        click(w, "cmdStop");

        const RecordingsModel& list = w.recordings();
        QCOMPARE(list.rowCount(), 3);
        std::vector<float> joined;
        double seconds = 0;
        QStringList paths;
        for (int r = 0; r < list.rowCount(); ++r) {
            const QString path = list.path(r);
            paths << path;
            const AudioInfo info = soxInfo(path);
            QVERIFY2(info.ok, qPrintable(path));
            seconds += info.seconds;
            const std::vector<float> part = soxDecodeMono(path);
            joined.insert(joined.end(), part.begin(), part.end());
        }
        QCOMPARE(paths.removeDuplicates(), 0);
        // 1 MiB holds six one-second blocks of 44.1 kHz stereo; a part ends at a block.
        QCOMPARE(soxInfo(paths[0]).seconds, 6.0);
        QVERIFY2(std::abs(seconds - elapsedMs(w) / 1000.0) <= 0.05, qPrintable(QString::number(seconds)));
        const double clean = maxSineResidual(joined, 1000, 44100, 2000);
        QVERIFY2(clean < 0.05, qPrintable(QString::number(clean)));
        QCOMPARE(w.fileStatusText(), paths.last());
        Dialogs::setNextMessageAnswer(QMessageBox::Cancel);
        w.exitApplication();
    }

    void recordReachesBackToWhatWasKept() {
        // Guards against a Record that loses the kept seconds, leaves a gap or a repeat where
        // they meet the recording, or a listening microphone the status line does not mention.
        setNaming("kept", "0", "0");
        writeSetting(m_settings, QStringLiteral("activation"), QStringLiteral("prerecord"),
                     QStringLiteral("5"));
        MainWindow w(m_app->path());
        selectSource(w, "Monitor of Tone");
        QCOMPARE(w.listeningText(), QStringLiteral("Listening: the last 5 s are kept"));
        // The idle time before Record is what is under test, not a wait for anything.
        QThread::sleep(8);
        QElapsedTimer recording;
        click(w, "Command1");
        recording.start();
        QVERIFY(w.listeningText().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(elapsedMs(w) >= 8000, 8000);
        click(w, "cmdStop");
        const double recordedSeconds = static_cast<double>(recording.elapsed()) / 1000;
        QCOMPARE(w.listeningText(), QStringLiteral("Listening: the last 5 s are kept"));

        const QString path = m_app->filePath(QStringLiteral("kept.WAV"));
        const AudioInfo info = soxInfo(path);
        QVERIFY(info.ok);
        // The sound server hands the sound over some milliseconds late.
        QVERIFY2(
            std::abs(info.seconds - recordedSeconds - 5.0) <= 0.15,
            qPrintable(
                QStringLiteral("%1 s in the file, %2 s recorded").arg(info.seconds).arg(recordedSeconds)));
        QVERIFY2(std::abs(info.seconds - elapsedMs(w) / 1000.0) <= 0.05,
                 qPrintable(QString::number(info.seconds)));
        const double clean = maxSineResidual(soxDecodeMono(path), 1000, info.sampleRate, 2000);
        QVERIFY2(clean < 0.05, qPrintable(QString::number(clean)));
        Dialogs::setNextMessageAnswer(QMessageBox::Cancel);
        w.exitApplication();
    }

    void busyInterfaceLosesNoSound() {
        // Guards against gaps or repeats when the interface thread stalls mid-recording, for
        // longer than the capture ring holds.
        setNaming("busy", "0", "0");
        MainWindow w(m_app->path());
        selectSource(w, "Monitor of Tone");
        click(w, "Command1");
        QTRY_VERIFY_WITH_TIMEOUT(elapsedMs(w) >= 1000, 6000);
        // The stall under test; not a wait for anything.
        constexpr int kStallSeconds = AudioRecorder::kRingSeconds + 5;
        QThread::sleep(kStallSeconds);
        QTRY_VERIFY_WITH_TIMEOUT(elapsedMs(w) >= (kStallSeconds + 2) * 1000, 8000);
        click(w, "cmdStop");

        const QString path = m_app->filePath(QStringLiteral("busy.WAV"));
        const AudioInfo info = soxInfo(path);
        QVERIFY(info.ok);
        QVERIFY2(std::abs(info.seconds - elapsedMs(w) / 1000.0) <= 0.15,
                 qPrintable(QString::number(info.seconds)));
        std::vector<float> samples = soxDecodeMono(path);
        const double clean = maxSineResidual(samples, 1000, info.sampleRate, 2000);
        QVERIFY2(clean < 0.05, qPrintable(QString::number(clean)));
        // The measure must see a splice of a few samples, or the check above proves nothing.
        samples.erase(samples.begin() + 100000, samples.begin() + 100007);
        QVERIFY(maxSineResidual(samples, 1000, info.sampleRate, 2000) > 4 * clean);
    }

    void recordWhileRecordingListsAndStartsAnew() {
        // Guards against losing the running file when Record is pressed again.
        setNaming("again", "0", "0");
        MainWindow w(m_app->path());
        click(w, "Command1");
        QTRY_VERIFY_WITH_TIMEOUT(elapsedMs(w) >= 500, 5000);
        w.startRecording();
        QVERIFY(w.isRecording());
        QCOMPARE(w.recordings().rowCount(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(elapsedMs(w) >= 500, 5000);
        w.stopRecording();
        QCOMPARE(w.recordings().rowCount(), 2);
        QCOMPARE(w.recordings().path(0), m_app->filePath(QStringLiteral("again.WAV")));
        QCOMPARE(w.recordings().path(1), m_app->filePath(QStringLiteral("again_2.WAV")));
        for (int r = 0; r < 2; ++r)
            QVERIFY(soxInfo(w.recordings().path(r)).seconds >= 0.45);
        // Stop from the menu while idle changes nothing.
        w.findChild<QAction*>(QStringLiteral("stop"))->trigger();
        QCOMPARE(w.recordings().rowCount(), 2);
    }

    void unusableOutputFolderRefusesTheStart() {
        // Guards against a start that "records" into a folder that cannot hold the file.
        writeSetting(m_settings, QStringLiteral("set"), QStringLiteral("outputfolder"),
                     m_app->filePath(QStringLiteral("missing/deeper")));
        MainWindow w(m_app->path());
        click(w, "Command1");
        QVERIFY(!w.isRecording());
        QCOMPARE(w.recordings().rowCount(), 0);
        QVERIFY(!w.messageStatusText().isEmpty());
        QVERIFY(w.findChild<QPushButton*>(QStringLiteral("Command1"))->isEnabled());
    }

    void noSoundServerSaysRecordDeviceError() {
        // Guards against a hang or crash when no sound server answers, or a stored output
        // format lost meanwhile.
        writeSetting(m_settings, QStringLiteral("set"), QStringLiteral("outputformat"), QStringLiteral("2"));
        const QByteArray server = qgetenv("PULSE_SERVER");
        const auto restore = qScopeGuard([&server] { qputenv("PULSE_SERVER", server); });
        qputenv("PULSE_SERVER", "unix:/nonexistent/tavrik-native");
        Dialogs::setNextMessageAnswer(QMessageBox::Ok);
        {
            MainWindow w(m_app->path());
            QCOMPARE(Dialogs::shownMessages(), QStringList{QStringLiteral("Record device error!")});
            QCOMPARE(w.findChild<QComboBox*>(QStringLiteral("cboEncoders"))->currentText(),
                     QStringLiteral("VOX"));
            QCOMPARE(w.findChild<QComboBox*>(QStringLiteral("DeviceCombo"))->count(), 0);
            w.startRecording();
            QVERIFY(!w.isRecording());
            w.exitApplication();
        }
        QCOMPARE(readSetting(m_settings, QStringLiteral("set"), QStringLiteral("outputformat")),
                 QStringLiteral("2"));
    }

    void outputFormatSurvivesARestart() {
        // Guards against the chosen format being lost (or written before exit), and against a
        // crash when the shown window's close box ends the program.
        writeSetting(m_settings, QStringLiteral("set"), QStringLiteral("outputformat"), QStringLiteral("9"));
        {
            MainWindow w(m_app->path());
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            auto* formats = w.findChild<QComboBox*>(QStringLiteral("cboEncoders"));
            QCOMPARE(formats->currentText(), QStringLiteral("WAV"));
            formats->setCurrentIndex(5);
            QCOMPARE(readSetting(m_settings, QStringLiteral("set"), QStringLiteral("outputformat")),
                     QStringLiteral("9"));
            QVERIFY(w.close());
            QVERIFY(w.isHidden());
        }
        MainWindow again(m_app->path());
        QCOMPARE(again.findChild<QComboBox*>(QStringLiteral("cboEncoders"))->currentText(),
                 QStringLiteral("OGG"));
    }

    void exitWhileRecordingFinishesTheFile() {
        // Guards against an exit that leaves the running recording unfinished or unlisted.
        setNaming("exit", "0", "0");
        MainWindow w(m_app->path());
        click(w, "Command1");
        QTRY_VERIFY_WITH_TIMEOUT(elapsedMs(w) >= 1000, 5000);
        Dialogs::setNextMessageAnswer(QMessageBox::Cancel);
        w.exitApplication();
        QCOMPARE(w.recordings().rowCount(), 1);
        QCOMPARE(Dialogs::shownMessages(),
                 QStringList{QStringLiteral("Do you need to save the recording project file?")});
        QVERIFY(soxInfo(m_app->filePath(QStringLiteral("exit.WAV"))).seconds >= 0.95);
    }

    void editMenuActsOnTheSelectedRow() {
        // Guards against the Edit menu touching the wrong file or losing a file on Cancel.
        MainWindow w(m_app->path());
        const QDateTime now = QDateTime::currentDateTime();
        for (const char* name : {"a.WAV", "b.WAV", "c.WAV"}) {
            QFile f(m_app->filePath(QLatin1String(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            w.recordings().appendRecording(f.fileName(), QStringLiteral("0:01.000"), now);
        }
        auto* list = w.findChild<QTreeView*>(QStringLiteral("ListView1"));
        auto action = [&](const char* name) { w.findChild<QAction*>(QLatin1String(name))->trigger(); };

        action("deleteSelectedItem"); // nothing selected: nothing happens, nothing asked
        QVERIFY(Dialogs::shownMessages().isEmpty());

        list->setCurrentIndex(w.recordings().index(1, 0));
        Dialogs::setNextMessageAnswer(QMessageBox::Cancel);
        action("deleteSelectedItem");
        QCOMPARE(w.recordings().rowCount(), 3);
        QVERIFY(QFile::exists(m_app->filePath(QStringLiteral("b.WAV"))));
        Dialogs::setNextMessageAnswer(QMessageBox::Ok);
        action("deleteSelectedItem");
        QCOMPARE(w.recordings().rowCount(), 2);
        QVERIFY(!QFile::exists(m_app->filePath(QStringLiteral("b.WAV"))));
        QCOMPARE(w.recordings().row(1)[RecordingsModel::Number], QStringLiteral("2"));

        list->setCurrentIndex(w.recordings().index(0, 0));
        Dialogs::setNextInput(QStringLiteral("   "), true);
        action("Rename1");
        QCOMPARE(w.recordings().path(0), m_app->filePath(QStringLiteral("a.WAV")));
        const QString renamed = m_app->filePath(QStringLiteral("renamed.WAV"));
        Dialogs::setNextInput(QStringLiteral(" ") + renamed + QStringLiteral(" "), true);
        Dialogs::setNextMessageAnswer(QMessageBox::Ok);
        action("Rename1");
        QCOMPARE(w.recordings().path(0), renamed);
        QCOMPARE(Dialogs::shownMessages().last(), QStringLiteral("Rename audio file is  succeeded!"));

        QFile::remove(renamed);
        Dialogs::setNextMessageAnswer(QMessageBox::Ok);
        action("Rename1");
        QCOMPARE(Dialogs::shownMessages().last(), renamed + QStringLiteral(" is not exist!"));

        action("Removeselecteditem");
        QCOMPARE(w.recordings().rowCount(), 1);
        QCOMPARE(w.recordings().row(0)[RecordingsModel::Number], QStringLiteral("1"));
        QVERIFY(QFile::exists(m_app->filePath(QStringLiteral("c.WAV"))));
    }

    void projectCommandsKeepTheList() {
        // Guards against projects losing rows, cancelled dialogs changing anything, a failed save passing
        // silently, or a project saved under a name the open dialog does not list.
        MainWindow w(m_app->path());
        const QDateTime now = QDateTime::currentDateTime();
        for (const char* name : {"a.WAV", "b.WAV", "c.WAV"})
            w.recordings().appendRecording(m_app->filePath(QLatin1String(name)), QStringLiteral("0:01.000"),
                                           now);
        auto action = [&](const char* name) {
            auto* a = w.findChild<QAction*>(QLatin1String(name));
            QVERIFY2(a && a->isEnabled(), name);
            a->trigger();
        };
        const QString project = m_app->filePath(QStringLiteral("proj.rpf"));
        Dialogs::setNextFileName(QString());
        action("saveRecordingProject");
        QVERIFY(!QFile::exists(project));
        // A name typed without an extension gets the one the open dialog lists.
        Dialogs::setNextFileName(m_app->filePath(QStringLiteral("proj")));
        action("saveRecordingProject");
        QVERIFY(QFile::exists(project));
        QVERIFY(!QFile::exists(m_app->filePath(QStringLiteral("proj"))));

        std::vector<RecordingsModel::Row> saved;
        for (int r = 0; r < 3; ++r)
            saved.push_back(w.recordings().row(r));
        action("NewRecordingProject");
        QCOMPARE(w.recordings().rowCount(), 0);
        Dialogs::setNextFileName(QString());
        action("OpenRecordingProject");
        QCOMPARE(w.recordings().rowCount(), 0);
        Dialogs::setNextFileName(project);
        action("OpenRecordingProject");
        Dialogs::setNextFileName(project);
        action("OpenRecordingProject");
        QCOMPARE(w.recordings().rowCount(), 6);
        for (int r = 0; r < 6; ++r)
            QVERIFY(w.recordings().row(r) == saved[static_cast<std::size_t>(r % 3)]);
        QVERIFY(Dialogs::shownMessages().isEmpty());

        // A save into a folder that does not exist says so and writes nothing.
        Dialogs::setNextFileName(m_app->filePath(QStringLiteral("missing/proj.rpf")));
        Dialogs::setNextMessageAnswer(QMessageBox::Ok);
        action("saveRecordingProject");
        QCOMPARE(Dialogs::shownMessages().size(), 1);

        // At exit: OK saves through the same command.
        const QString atExit = m_app->filePath(QStringLiteral("exit.rpf"));
        Dialogs::shownMessages().clear();
        Dialogs::setNextMessageAnswer(QMessageBox::Ok);
        Dialogs::setNextFileName(atExit);
        w.exitApplication();
        QCOMPARE(Dialogs::shownMessages(),
                 QStringList{QStringLiteral("Do you need to save the recording project file?")});
        QCOMPARE(QFileInfo(atExit).size(), QFileInfo(project).size() * 2);
    }

    void playButtonsPlayTheSelectedRow() {
        // Guards against the play buttons acting on nothing, or playback fighting a recording.
        setNaming("play", "0", "0");
        MainWindow w(m_app->path());
        selectSource(w, "Monitor of Tone");
        click(w, "Command1");
        QTRY_VERIFY_WITH_TIMEOUT(elapsedMs(w) >= 1500, 5000);
        QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("cmdPlay"))->isEnabled());
        click(w, "Command3");
        QCOMPARE(w.recordings().rowCount(), 1);

        QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("cmdPlay"))->isEnabled()); // nothing selected yet
        w.findChild<QTreeView*>(QStringLiteral("ListView1"))->setCurrentIndex(w.recordings().index(0, 0));
        click(w, "cmdPlay");
        QVERIFY(w.playback().isPlaying());
        QCOMPARE(w.fileStatusText(), w.recordings().path(0));
        click(w, "cmdPause");
        QVERIFY(w.playback().isPaused());
        click(w, "cmdStop");
        QVERIFY(w.playback().isStopped());
        click(w, "cmdPlay");
        click(w, "cmdPause");
        QVERIFY(w.playback().isPaused()); // a pause does not survive Stop
        click(w, "cmdPause");
        QTRY_VERIFY_WITH_TIMEOUT(w.playback().isStopped(), 5000);
        QCOMPARE(w.findChild<QSlider*>(QStringLiteral("slPosition"))->value(), 0);

        click(w, "cmdPlay");
        QVERIFY(w.playback().isPlaying());
        click(w, "Command1"); // recording stops playback first
        QVERIFY(w.playback().isStopped() && w.isRecording());
        click(w, "Command3");
        Dialogs::setNextMessageAnswer(QMessageBox::Cancel);
        w.exitApplication();
    }

    void rowCommandsWaitForASelectedRow() {
        // Guards against Play, Play Selected File, Rename and the like offered with no row to act on.
        MainWindow w(m_app->path());
        auto* list = w.findChild<QTreeView*>(QStringLiteral("ListView1"));
        const QStringList all =
            QStringLiteral("cmdPlay play1 playaudio1 Rename1 Removeselecteditem deleteSelectedItem")
                .split(QLatin1Char(' '));
        // The button and the menu entries alike: the names of those enabled.
        const auto offered = [&w, &all] {
            QStringList on;
            for (const QString& name : all)
                if (w.findChild<QObject*>(name)->property("enabled").toBool())
                    on << name;
            return on;
        };
        QCOMPARE(offered(), QStringList{}); // an empty list
        const QDateTime now = QDateTime::currentDateTime();
        for (const char* name : {"a.WAV", "b.WAV"})
            w.recordings().appendRecording(m_app->filePath(QLatin1String(name)), QStringLiteral("0:01.000"),
                                           now);
        QCOMPARE(offered(), QStringList{}); // rows, none selected
        list->setCurrentIndex(w.recordings().index(1, 0));
        QCOMPARE(offered(), all);
        // The view may select the row that took the removed one's place; the commands follow it.
        w.findChild<QAction*>(QStringLiteral("Removeselecteditem"))->trigger();
        QCOMPARE(offered(), list->selectionModel()->hasSelection() ? all : QStringList{});
        list->setCurrentIndex(w.recordings().index(0, 0));
        w.findChild<QAction*>(QStringLiteral("Removeselecteditem"))->trigger();
        QCOMPARE(offered(), QStringList{}); // the list is empty again
        w.recordings().appendRecording(m_app->filePath(QStringLiteral("c.WAV")), QStringLiteral("0:01.000"),
                                       now);
        list->setCurrentIndex(w.recordings().index(0, 0));
        QCOMPARE(offered(), all);
        w.findChild<QAction*>(QStringLiteral("NewRecordingProject"))->trigger();
        QCOMPARE(offered(), QStringList{});
    }

    void levelMeterGoesDarkWhenPlaybackEnds() {
        // Guards against the level meter staying lit at its last value after a played file ended.
        const QString tone = m_app->filePath(QStringLiteral("tone.wav"));
        QCOMPARE(run(QStringLiteral("sox"),
                     {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"),
                      QStringLiteral("-c"), QStringLiteral("2"), QStringLiteral("-b"), QStringLiteral("16"),
                      tone, QStringLiteral("synth"), QStringLiteral("1.5"), QStringLiteral("sine"),
                      QStringLiteral("1000"), QStringLiteral("vol"), QStringLiteral("0.5")}),
                 0);
        MainWindow w(m_app->path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* meter = w.findChild<LevelDisplay*>(QStringLiteral("AudioDisplay1"));
        QVERIFY(meter);
        w.recordings().appendRecording(tone, QStringLiteral("0:01.500"), QDateTime::currentDateTime());
        w.findChild<QTreeView*>(QStringLiteral("ListView1"))->setCurrentIndex(w.recordings().index(0, 0));
        click(w, "cmdPlay");
        QTRY_VERIFY_WITH_TIMEOUT(meter->peakDb() > -20, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(w.playback().isStopped(), 10000);
        QCOMPARE(meter->peakDb(), -60.0f);
        QCOMPARE(meter->rmsDb(), -60.0f);
        Dialogs::setNextMessageAnswer(QMessageBox::Cancel);
        w.exitApplication();
    }

    void soundActivationDialogShowsTheInputAndArms() {
        // Guards against a threshold set blind (no live level while nothing records), settings
        // the dialog does not store, and a Record that does not arm and cut on the real input.
        setNaming("event", "0", "0");
        MainWindow w(m_app->path());
        selectSource(w, "Monitor of Tone");
        QTimer::singleShot(0, &w, [&] {
            auto* d = w.findChild<QDialog*>(QStringLiteral("frmActivation"));
            QVERIFY(d);
            // A failed check below must not leave the dialog waiting for a user.
            const auto closeAnyway = qScopeGuard([d] {
                if (d->isVisible())
                    d->reject();
            });
            QCOMPARE(d->windowTitle(), QStringLiteral("Sound Activation"));
            // The tone, above the threshold, draws the level red from its left end.
            auto* meter = d->findChild<QWidget*>(QStringLiteral("meterThreshold"));
            QTRY_COMPARE_WITH_TIMEOUT(meter->grab().toImage().pixelColor(2, 2), QColor(220, 40, 40), 5000);
            d->findChild<QCheckBox*>(QStringLiteral("chkActivation"))->setChecked(true);
            d->findChild<QSpinBox*>(QStringLiteral("spnThreshold"))->setValue(-30);
            QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        w.findChild<QAction*>(QStringLiteral("soundactivation"))->trigger();
        QCOMPARE(readSetting(m_settings, QStringLiteral("activation"), QStringLiteral("enabled")),
                 QStringLiteral("1"));
        QCOMPARE(readSetting(m_settings, QStringLiteral("activation"), QStringLiteral("threshold")),
                 QStringLiteral("-30"));

        auto* status = w.findChild<QLabel*>(QStringLiteral("activationStatus"));
        w.startRecording();
        QVERIFY(w.session().isArmed());
        QCOMPARE(status->text(), QStringLiteral("Waiting for sound (\u221230 dBFS)"));
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("Armed: recording sound event 1"), 5000);
        // Half a second of the event in its file (WAV, 44.1 kHz stereo 16-bit).
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(w.session().outputPath()).size() > 44100 * 4 / 2 + 80, 5000);
        w.stopRecording();
        QVERIFY(status->text().isEmpty());
        QCOMPARE(w.recordings().rowCount(), 1);
        QVERIFY(soxInfo(w.recordings().path(0)).seconds > 0.5);
        Dialogs::setNextMessageAnswer(QMessageBox::Cancel);
        w.exitApplication();
    }

    void severalSourcesAreChosenInOneDialog() {
        // Guards against a source missing from the list, meters that stand still, a choice not
        // stored or not shown, and a single source afterwards that keeps the mix.
        MainWindow w(m_app->path());
        QTimer::singleShot(0, &w, [&] {
            auto* d = w.findChild<QDialog*>(QStringLiteral("frmSources"));
            QVERIFY(d);
            const auto closeAnyway = qScopeGuard([d] {
                if (d->isVisible())
                    d->reject();
            });
            QCOMPARE(d->windowTitle(), QStringLiteral("Record Several Sources"));
            const auto row = [d](const QString& description) {
                for (QCheckBox* box : d->findChildren<QCheckBox*>())
                    if (box->text() == description)
                        return box->objectName().mid(QStringLiteral("chkSource").size());
                return QString();
            };
            const QString tone = row(QStringLiteral("Monitor of Tone")),
                          quiet = row(QStringLiteral("Monitor of Null Output"));
            QVERIFY(!tone.isEmpty() && !quiet.isEmpty());
            // The tone is at -6 dBFS: nine tenths of a meter that spans 60 dB.
            auto* meter = d->findChild<QProgressBar*>(QStringLiteral("meterSource") + tone);
            QTRY_VERIFY_WITH_TIMEOUT(meter->value() >= 85, 5000);
            QCOMPARE(d->findChild<QProgressBar*>(QStringLiteral("meterSource") + quiet)->value(), 0);
            d->findChild<QCheckBox*>(QStringLiteral("chkSource") + tone)->setChecked(true);
            d->findChild<QCheckBox*>(QStringLiteral("chkSource") + quiet)->setChecked(true);
            d->findChild<QSpinBox*>(QStringLiteral("spnLevel") + tone)->setValue(50);
            d->findChild<QRadioButton*>(QStringLiteral("optChannels"))->setChecked(true);
            QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        w.findChild<QAction*>(QStringLiteral("severalsources"))->trigger();
        const QStringList names =
            readSetting(m_settings, QStringLiteral("mix"), QStringLiteral("sources"), 1024).split(u'|');
        QCOMPARE(QSet<QString>(names.begin(), names.end()),
                 (QSet<QString>{QStringLiteral("tonesink.monitor"), QStringLiteral("out.monitor")}));
        QCOMPARE(readSetting(m_settings, QStringLiteral("mix"), QStringLiteral("layout")),
                 QStringLiteral("1"));
        const int toneAt = static_cast<int>(names.indexOf(QStringLiteral("tonesink.monitor")));
        QCOMPARE(readSetting(m_settings, QStringLiteral("mix"), QStringLiteral("level%1").arg(toneAt + 1)),
                 QStringLiteral("50"));
        auto* sources = w.findChild<QComboBox*>(QStringLiteral("cmbSrcInput"));
        QCOMPARE(sources->currentText(), toneAt == 0
                                             ? QStringLiteral("Monitor of Tone + Monitor of Null Output")
                                             : QStringLiteral("Monitor of Null Output + Monitor of Tone"));

        // Choosing one source in the list records that one alone again.
        sources->setCurrentIndex(1);
        QCOMPARE(readSetting(m_settings, QStringLiteral("mix"), QStringLiteral("sources"), 1024), QString());
        QVERIFY(!sources->currentText().contains(u'+'));
        w.exitApplication();
    }

    void namingDialogStoresWhatTheUserChose() {
        // Guards against the naming dialog storing blanks, untrimmed names, or anything on Cancel.
        MainWindow w(m_app->path());
        auto runDialog = [&](const std::function<void(QDialog*)>& interact) {
            QTimer::singleShot(0, &w, [&] {
                auto* d = w.findChild<QDialog*>(QStringLiteral("Form4"));
                QVERIFY(d);
                interact(d);
            });
            w.findChild<QAction*>(QStringLiteral("outputfile"))->trigger();
        };
        runDialog([&](QDialog* d) {
            QCOMPARE(d->findChild<QLineEdit*>(QStringLiteral("Text2"))->text(), m_app->path());
            QCOMPARE(d->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QStringLiteral("Recorded"));
            QVERIFY(d->findChild<QCheckBox*>(QStringLiteral("Check1"))->isChecked());
            QVERIFY(d->findChild<QRadioButton*>(QStringLiteral("Option1"))->isChecked());
            d->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("   "));
            Dialogs::setNextMessageAnswer(QMessageBox::Ok);
            QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
            QVERIFY(d->isVisible());
            QCOMPARE(Dialogs::shownMessages().last(), QStringLiteral("Please enter audio file name."));
            Dialogs::setNextDirectory(QStringLiteral("/tmp"));
            QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("Command4")), Qt::LeftButton);
            QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
        });
        QVERIFY(!QFile::exists(m_settings));
        // What the dialog showed names the recording, OK or not: the base name and the stamp.
        w.startRecording();
        QVERIFY(w.isRecording());
        const QString firstName = QFileInfo(w.session().outputPath()).fileName();
        w.stopRecording();
        QVERIFY2(QRegularExpression(QStringLiteral("^Recorded\\d{12}\\.WAV$")).match(firstName).hasMatch(),
                 qPrintable(firstName));

        runDialog([&](QDialog* d) {
            d->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("a/b"));
            Dialogs::setNextMessageAnswer(QMessageBox::Ok);
            QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
            QVERIFY(d->isVisible());
            QVERIFY(Dialogs::shownMessages().last().contains(QStringLiteral("\"/\"")));
            d->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("  "));
            d->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("  Show  "));
            d->findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(false);
            d->findChild<QRadioButton*>(QStringLiteral("Option2"))->setChecked(true);
            QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        });
        const QString set = QStringLiteral("set");
        QCOMPARE(readSetting(m_settings, set, QStringLiteral("outputfolder")), QString());
        QCOMPARE(readSetting(m_settings, set, QStringLiteral("filename")), QStringLiteral("Show"));
        QCOMPARE(readSetting(m_settings, set, QStringLiteral("datetime")), QStringLiteral("0"));
        QCOMPARE(readSetting(m_settings, set, QStringLiteral("existedfile")), QStringLiteral("1"));
        Dialogs::setNextMessageAnswer(QMessageBox::Cancel);
        w.exitApplication();
    }

    void trayMenuAndCommandsFromOutsideDriveTheRecording() {
        // Guards against a tray entry or a later copy's command doing the wrong thing: cutting a
        // running recording in two on --record, Stop Record acting while idle, the Settings entry
        // opening nothing, or Exit leaving the running recording unlisted.
        setNaming("outside", "0", "0");
        MainWindow w(m_app->path());
        DesktopControls controls(w);
        Dialogs::setNextMessageAnswer(QMessageBox::Ok);
        controls.start();
        // The offscreen platform can have no hotkeys: said once, and nothing else breaks.
        QCOMPARE(Dialogs::shownMessages().size(), 1);
        QVERIFY(
            Dialogs::shownMessages()[0].startsWith(QStringLiteral("Can not register the hotkeys CTRL+R")));
        Dialogs::shownMessages().clear();

        QMenu& menu = controls.trayMenu();
        QStringList entries;
        for (const QAction* a : menu.actions())
            entries << (a->isSeparator() ? QStringLiteral("-")
                                         : a->objectName() + QLatin1Char('=') + a->text());
        QCOMPARE(entries,
                 (QStringList{QStringLiteral("web=Tavrik On the Web"), QStringLiteral("Help=Help"),
                              QStringLiteral("-"), QStringLiteral("maindisp=Tavrik"), QStringLiteral("-"),
                              QStringLiteral("Option=Settings"), QStringLiteral("-"),
                              QStringLiteral("settings=Record Now"), QStringLiteral("Restore=Stop Record"),
                              QStringLiteral("-"), QStringLiteral("Exit=Exit")}));
        QCOMPARE(menu.objectName(), QStringLiteral("mPopupSys"));
        QCOMPARE(controls.trayIcon().toolTip(), QStringLiteral("Tavrik"));
        const auto entry = [&](const char* name) {
            QAction* a = menu.findChild<QAction*>(QLatin1String(name));
            QVERIFY2(a, name);
            a->trigger();
        };
        const auto rows = [&] { return w.recordings().rowCount(); };

        entry("Restore");
        QVERIFY(!w.isRecording());
        QCOMPARE(rows(), 0);
        entry("settings");
        QVERIFY(w.isRecording());
        QTRY_VERIFY_WITH_TIMEOUT(elapsedMs(w) >= 300, 5000);
        entry("settings");
        QVERIFY(w.isRecording());
        QCOMPARE(rows(), 1);
        controls.run(SingleInstance::Command::Record);
        QCOMPARE(rows(), 1);
        QVERIFY(w.isRecording());
        controls.run(SingleInstance::Command::Toggle);
        QVERIFY(!w.isRecording());
        QCOMPARE(rows(), 2);
        controls.run(SingleInstance::Command::Stop);
        QCOMPARE(rows(), 2);
        controls.run(SingleInstance::Command::Toggle);
        QVERIFY(w.isRecording());
        controls.run(SingleInstance::Command::Stop);
        QVERIFY(!w.isRecording());
        QCOMPARE(rows(), 3);

        bool settingsShown = false;
        QTimer::singleShot(0, &w, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            settingsShown = d && d->objectName() == QStringLiteral("Form2");
            if (d)
                d->reject();
        });
        entry("Option");
        QVERIFY(settingsShown);

        entry("settings");
        QVERIFY(w.isRecording());
        Dialogs::setNextMessageAnswer(QMessageBox::Cancel);
        entry("Exit");
        QVERIFY(!w.isRecording());
        QCOMPARE(rows(), 4);
        QCOMPARE(Dialogs::shownMessages(),
                 QStringList{QStringLiteral("Do you need to save the recording project file?")});
        QVERIFY(!controls.trayIcon().isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
