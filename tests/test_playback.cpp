#include "TestSupport.h"
#include "engine/codec/AudioFileReader.h"
#include "engine/codec/AudioFileWriter.h"
#include "engine/playback/FilePlayback.h"
#include "engine/pulse/AudioPlayer.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

constexpr int kRate = 44100;
// Loud windows (RMS above 1 %) in runs; each run as [first, last] window index.
std::vector<std::pair<int, int>> loudRuns(const std::vector<double>& rms) {
    std::vector<std::pair<int, int>> runs;
    for (int i = 0; i < static_cast<int>(rms.size()); ++i) {
        if (rms[static_cast<std::size_t>(i)] < 0.01)
            continue;
        if (!runs.empty() && runs.back().second == i - 1)
            runs.back().second = i;
        else
            runs.emplace_back(i, i);
    }
    return runs;
}

// One player, one file component and the controller over them, as the main window holds them.
struct Rig {
    Rig()
        : controller(file, player, [this] { return recording; }) {
        controller.setDisplayDemand(4096, 1024);
    }
    AudioFileReader file;
    AudioPlayer player;
    bool recording = false;
    FilePlayback controller;
};

} // namespace

class TestPlayback : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }

    void playsRecordingToTheEnd() {
        // Guards against blocks lost or repeated on the way to the sink, and an end that never comes.
        AudioFileWriter recorder;
        recorder.setWavFormat(kRate, 2, 16);
        const QString take = m_dir.filePath(QStringLiteral("take.wav"));
        QVERIFY(recordTone(recorder, take, 3.0));

        SinkListener listener(kRate);
        QVERIFY(listener.ok());
        listener.start();
        Rig rig;
        QSignalSpy started(&rig.controller, &FilePlayback::started);
        QSignalSpy stopped(&rig.controller, &FilePlayback::stopped);
        QSignalSpy slider(&rig.controller, &FilePlayback::sliderChanged);
        QString label;
        connect(&rig.controller, &FilePlayback::positionChanged, this,
                [&label](const QString& text) { label = text; });
        int spectra = 0;
        connect(&rig.controller, &FilePlayback::spectrumReady, this, [&spectra] { ++spectra; });
        rig.controller.play(take);
        QVERIFY(rig.controller.isPlaying());
        QCOMPARE(started.count(), 1);
        QCOMPARE(started[0][0].toString(), take);
        QVERIFY(!started[0][1].toString().isEmpty());
        QVERIFY(stopped.wait(8000));
        QVERIFY(listener.listenFor(300));
        listener.stop();

        QVERIFY(rig.controller.isStopped() && !rig.controller.isPlaying());
        QVERIFY2(qAbs(listener.soundSeconds() - 3.0) <= 0.2,
                 qPrintable(QString::number(listener.soundSeconds())));
        QCOMPARE(qRound(peakFrequency(listener.asFloat(), kRate)), 1000);
        QVERIFY2(label.startsWith(QStringLiteral("0:02.9")) || label.startsWith(QStringLiteral("0:03.0")),
                 qPrintable(label));
        QVERIFY(spectra > 10);
        int highest = 0;
        for (const QList<QVariant>& s : slider)
            highest = std::max(highest, s[0].toInt());
        QVERIFY(highest > 900 && highest <= 1000);
        QCOMPARE(slider.last()[0].toInt(), 0);
    }

    void pauseResumesWhereItStopped() {
        // Guards against resume starting over or skipping ahead, and a pause that keeps sounding.
        const QString ramp = m_dir.filePath(QStringLiteral("ramp10.wav"));
        QVERIFY(writeRamp(ramp, 10));
        SinkListener listener(kRate);
        QVERIFY(listener.ok());
        listener.start();
        Rig rig;
        rig.controller.play(ramp);
        QTRY_VERIFY_WITH_TIMEOUT(rig.player.playedFrames() >= 2 * kRate, 5000);
        rig.controller.pauseOrResume();
        QVERIFY(rig.controller.isPaused());
        const double pausedAt = static_cast<double>(rig.controller.position()) / kRate;
        QVERIFY(listener.listenFor(800));
        rig.controller.pauseOrResume();
        QVERIFY(!rig.controller.isPaused());
        QVERIFY(listener.listenFor(1000));
        rig.controller.stop();
        QVERIFY(listener.listenFor(200));
        listener.stop();

        const std::vector<double> rms = listener.windowRms();
        const auto runs = loudRuns(rms);
        QCOMPARE(runs.size(), std::size_t{2});
        const double silence = (runs[1].first - runs[0].second - 1) * SinkListener::kWindowSeconds;
        QVERIFY2(silence >= 0.6, qPrintable(QString::number(silence)));
        // The windows next to the edges may be partly silent.
        const double before = rampSecond(rms[static_cast<std::size_t>(runs[0].second - 1)], 10);
        const double after = rampSecond(rms[static_cast<std::size_t>(runs[1].first + 1)], 10);
        qInfo("paused at %.3f s, heard %.3f s before and %.3f s after", pausedAt, before, after);
        QVERIFY(qAbs(before - pausedAt) <= 0.1);
        QVERIFY(qAbs(after - pausedAt) <= 0.1);
    }

    void seekResumesAtTheSliderPlace() {
        // Guards against a seek that lands elsewhere than the slider says, or loses the position base.
        const QString ramp = m_dir.filePath(QStringLiteral("ramp60.wav"));
        QVERIFY(writeRamp(ramp, 60));
        SinkListener listener(kRate);
        QVERIFY(listener.ok());
        listener.start();
        Rig rig;
        QString label;
        connect(&rig.controller, &FilePlayback::positionChanged, this,
                [&label](const QString& text) { label = text; });
        rig.controller.play(ramp);
        QTRY_VERIFY_WITH_TIMEOUT(rig.player.playedFrames() >= kRate / 2, 5000);
        rig.controller.beginSeek();
        rig.controller.endSeek(500);
        QVERIFY(rig.controller.isPlaying());
        QVERIFY(qAbs(rig.controller.position() - 30 * kRate) < kRate / 4);
        QVERIFY(listener.listenFor(1000));
        QVERIFY2(label.startsWith(QStringLiteral("0:30.")) || label.startsWith(QStringLiteral("0:31.")),
                 qPrintable(label));
        rig.controller.stop();
        QVERIFY(listener.listenFor(200));
        listener.stop();

        const double landed = secondResumedAfterSeek(listener.windowRms(), 60);
        qInfo("resumed at %.3f s", landed);
        QVERIFY(qAbs(landed - 30.0) <= 0.25);
    }

    void unplayableFilesDoNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("deleted") << QStringLiteral("gone.wav") << QByteArray();
        QTest::newRow("empty") << QStringLiteral("empty.wav") << QByteArray("");
        QTest::newRow("text as MP3") << QStringLiteral("notes.mp3")
                                     << QByteArray("just some words\n").repeated(50);
        QTest::newRow("header only") << QStringLiteral("cut.wav")
                                     << QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16) + QByteArray(8, '\0');
        QTest::newRow("no row selected") << QString() << QByteArray();
    }
    void unplayableFilesDoNothing() {
        // Guards against a broken row showing anything, leaving a half-started state, or a stuck player.
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QString path = name.isEmpty() ? QString() : m_dir.filePath(name);
        if (!path.isEmpty() && !content.isNull()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        Rig rig;
        QSignalSpy started(&rig.controller, &FilePlayback::started);
        rig.controller.play(path);
        QVERIFY(rig.controller.isStopped());
        QCOMPARE(started.count(), 0);
        rig.controller.pauseOrResume();
        QVERIFY(!rig.controller.isPaused());

        const QString good = m_dir.filePath(QStringLiteral("good.wav"));
        QVERIFY(writeRamp(good, 1));
        rig.controller.play(good);
        QVERIFY(rig.controller.isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(rig.controller.isStopped(), 5000);
    }

    void recordingExcludesPlayback() {
        // Guards against playback starting, pausing or seeking while a recording runs.
        const QString file = m_dir.filePath(QStringLiteral("short.wav"));
        QVERIFY(writeRamp(file, 2));
        Rig rig;
        rig.recording = true;
        rig.controller.play(file);
        QVERIFY(rig.controller.isStopped());
        rig.recording = false;
        rig.controller.play(file);
        QVERIFY(rig.controller.isPlaying());
        rig.recording = true;
        rig.controller.pauseOrResume();
        rig.controller.endSeek(900);
        rig.controller.stop();
        QVERIFY(rig.controller.isPlaying() && !rig.controller.isPaused());
        QVERIFY(rig.controller.position() < kRate);
        rig.recording = false;
        rig.controller.stop();
        QVERIFY(rig.controller.isStopped());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestPlayback)
#include "test_playback.moc"
