#include "TestSupport.h"
#include "engine/pulse/AudioRecorder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <memory>

using namespace testsupport;

namespace {

// Residual of the captured tone relative to its peak: measured below 0.001, while a copy with
// 7 frames cut out measured 0.08 to 0.95.
constexpr double kContinuityLimit = 0.01;

// Everything the recorder hands out, in the order it does.
struct Capture {
    explicit Capture(AudioRecorder& rec) {
        QObject::connect(&rec, &AudioRecorder::blockCaptured, &rec,
                         [this](const SampleBlock& b) { blocks.push_back(b); });
        QObject::connect(&rec, &AudioRecorder::tick, &rec, [this](qint64 frames) { lastFrames = frames; });
    }
    SampleBlock joined() const {
        SampleBlock all;
        for (const SampleBlock& b : blocks)
            all.insert(all.end(), b.begin(), b.end());
        return all;
    }
    // Every captured frame handed out exactly once: no block repeated or skipped.
    bool allHandedOut(const AudioRecorder& rec, int channels) const {
        return static_cast<qint64>(joined().size()) == rec.capturedFrames() * channels;
    }

    std::vector<SampleBlock> blocks;
    qint64 lastFrames = -1;
};

// A recorder on one source, with everything it hands out in one-second blocks.
struct Session {
    Session(const QString& description, int rate, int channelCount)
        : cap(rec)
        , ok(chooseSource(rec, description))
        , sampleRate(rate)
        , channels(channelCount) {
        rec.setCaptureFormat(rate, channelCount);
        rec.setBlockSize(rate); // one-second blocks
    }
    // Only a source delivering in small steps can be held against the clock.
    bool lengthMatches(qint64 elapsedMs) const {
        const SampleBlock all = cap.joined();
        const qint64 capturedMs = static_cast<qint64>(all.size()) / channels * 1000 / sampleRate;
        qInfo("%lld ms captured in %lld ms", capturedMs, elapsedMs);
        return qAbs(capturedMs - elapsedMs) <= 150;
    }

    AudioRecorder rec;
    Capture cap;
    bool ok;
    int sampleRate;
    int channels;
};

// What sox reads back from the raw samples, all channels mixed.
std::vector<float> decode(const SampleBlock& samples, int rate, int channels, const QTemporaryDir& dir) {
    const QString raw = dir.filePath(QStringLiteral("capture.raw"));
    const QString wav = dir.filePath(QStringLiteral("capture.wav"));
    QFile file(raw);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(reinterpret_cast<const char*>(samples.data()),
               static_cast<qint64>(samples.size() * sizeof(std::int16_t)));
    file.close();
    if (run(QStringLiteral("sox"),
            {QStringLiteral("-t"), QStringLiteral("raw"), QStringLiteral("-r"), QString::number(rate),
             QStringLiteral("-e"), QStringLiteral("signed"), QStringLiteral("-b"), QStringLiteral("16"),
             QStringLiteral("-c"), QString::number(channels), raw, wav}) != 0)
        return {};
    return soxDecodeMono(wav, false);
}

// Restores PULSE_SERVER however the test ends.
struct ServerOverride {
    explicit ServerOverride(const QByteArray& value)
        : saved(qgetenv("PULSE_SERVER")) {
        qputenv("PULSE_SERVER", value);
    }
    ~ServerOverride() { qputenv("PULSE_SERVER", saved); }
    QByteArray saved;
};

} // namespace

class TestRecorder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void enumeration();
    void sameDescriptions();
    void capture_data();
    void capture();
    void channelsKeepTheLevel_data();
    void channelsKeepTheLevel();
    void blockedOwner();
    void vanishingSource();
    void stopFromBlockHandler();
    void destroyWhileRecording();
    void noServer();
    void listsFollowTheServer();

private:
    QString loadModule(const QStringList& args);

    QString m_clockModule;
    QString m_vanishModule;
    QString m_twinModule;
};

QString TestRecorder::loadModule(const QStringList& args) {
    QString out;
    return run(QStringLiteral("pactl"), QStringList{QStringLiteral("load-module")} + args, &out) == 0
               ? out.trimmed()
               : QString();
}

void TestRecorder::init() {
    // Silence paced by the server's clock in small steps, for the fixture's sources arrive in
    // bursts. Fresh for every test: once idle, this source runs ahead of the clock.
    m_clockModule = loadNullSource(QStringLiteral("clock"));
    QVERIFY(!m_clockModule.isEmpty());
}

void TestRecorder::cleanup() {
    for (QString* module : {&m_clockModule, &m_vanishModule, &m_twinModule}) {
        if (!module->isEmpty())
            run(QStringLiteral("pactl"), {QStringLiteral("unload-module"), *module});
        module->clear();
    }
}

void TestRecorder::enumeration() {
    // Guards against cardless sources or monitors going missing, or the probe index passing as a device.
    const QString tone = sourceDescription(QStringLiteral("tone"));
    const QString monitor = sourceDescription(QStringLiteral("out.monitor"));
    QVERIFY(!tone.isEmpty() && !monitor.isEmpty());

    AudioRecorder rec;
    QCOMPARE(rec.sources().deviceCount(), 1);
    rec.selectDevice(0);
    QVERIFY(rec.sources().usable());
    QCOMPARE(rec.sources().deviceName(), QStringLiteral("Other sources"));
    QStringList names;
    for (int i = 0; i <= rec.sources().lastSourceIndex(); ++i) {
        rec.selectSource(i);
        names << rec.sources().sourceName();
    }
    QVERIFY2(names.contains(tone) && names.contains(monitor), qPrintable(names.join(u',')));

    rec.selectDevice(rec.sources().deviceCount());
    QVERIFY(!rec.sources().usable());
    QVERIFY(rec.sources().lastSourceIndex() < 0);

    rec.selectDevice(rec.sources().defaultDevice());
    QCOMPARE(rec.sources().sourceName(), tone);
    QVERIFY(rec.sources().sourceActive());

    rec.selectSource(static_cast<int>(names.indexOf(monitor)));
    QVERIFY(!rec.sources().sourceActive());
    rec.setSourceActive(true);
    QVERIFY(rec.sources().sourceActive());
    rec.selectSource(static_cast<int>(names.indexOf(tone)));
    QVERIFY(!rec.sources().sourceActive());
    // The device remembers its active source when selected again.
    rec.selectDevice(rec.sources().defaultDevice());
    QCOMPARE(rec.sources().sourceName(), monitor);
}

void TestRecorder::capture_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::newRow("44100 stereo") << 44100 << 2;
    QTest::newRow("8000 mono") << 8000 << 1;
}

void TestRecorder::capture() {
    // Guards against lost, repeated or misframed sound between libpulse's thread and the blocks.
    QFETCH(int, rate);
    QFETCH(int, channels);
    Session tone(sourceDescription(QStringLiteral("tone")), rate, channels);
    Session clock(sourceDescription(QStringLiteral("clock")), rate, channels);
    QVERIFY(tone.ok && clock.ok);
    const std::size_t blockValues = static_cast<std::size_t>(rate * channels);

    QElapsedTimer elapsed;
    tone.rec.start();
    clock.rec.start();
    elapsed.start();
    QCOMPARE(tone.rec.status(), 0);
    QCOMPARE(clock.rec.status(), 0);
    SampleBlock recent;
    tone.rec.recentSamples(static_cast<int>(5 * blockValues), recent);
    QVERIFY(recent.size() < 5 * blockValues);
    QTRY_VERIFY_WITH_TIMEOUT(clock.rec.capturedFrames() >= 3 * rate, 10000);
    clock.rec.stop();
    const qint64 stoppedMs = elapsed.elapsed();
    tone.rec.stop();
    QCoreApplication::processEvents();

    QVERIFY(clock.lengthMatches(stoppedMs));
    QVERIFY(clock.cap.allHandedOut(clock.rec, clock.channels) &&
            tone.cap.allHandedOut(tone.rec, tone.channels));
    for (const Capture* cap : {&tone.cap, &clock.cap}) {
        QVERIFY(cap->blocks.size() >= 3);
        for (std::size_t i = 0; i + 1 < cap->blocks.size(); ++i)
            QCOMPARE(cap->blocks[i].size(), blockValues);
        QVERIFY(cap->blocks.back().size() <= blockValues);
    }

    const SampleBlock all = tone.cap.joined();
    const qint64 frames = static_cast<qint64>(all.size()) / channels;
    QVERIFY(tone.cap.lastFrames > 0 && tone.cap.lastFrames <= frames);
    QCOMPARE(tone.rec.droppedFrames(), 0);

    tone.rec.recentSamples(rate / 10 * channels, recent);
    QCOMPARE(recent.size(), static_cast<std::size_t>(rate / 10 * channels));
    QVERIFY(std::equal(recent.begin(), recent.end(), all.end() - static_cast<std::ptrdiff_t>(recent.size())));

    QTemporaryDir dir;
    std::vector<float> mono = decode(all, rate, channels, dir);
    QCOMPARE(static_cast<qint64>(mono.size()), frames);
    QCOMPARE(qRound(peakFrequency(mono, rate)), 1000);
    const double residual = maxSineResidual(mono, 1000, rate, rate / 10);
    mono.erase(mono.begin() + static_cast<std::ptrdiff_t>(mono.size() / 2),
               mono.begin() + static_cast<std::ptrdiff_t>(mono.size() / 2 + 7));
    const double spliced = maxSineResidual(mono, 1000, rate, rate / 10);
    qInfo("residual %g, spliced %g", residual, spliced);
    QVERIFY2(residual < kContinuityLimit, qPrintable(QString::number(residual)));
    QVERIFY2(spliced > kContinuityLimit, qPrintable(QString::number(spliced)));
}

void TestRecorder::blockedOwner() {
    // Guards against losing or repeating sound while the owner (user-interface) thread is stalled.
    constexpr int kRate = 44100;
    Session tone(sourceDescription(QStringLiteral("tone")), kRate, 2);
    Session clock(sourceDescription(QStringLiteral("clock")), kRate, 2);
    QVERIFY(tone.ok && clock.ok);

    QElapsedTimer elapsed;
    tone.rec.start();
    clock.rec.start();
    elapsed.start();
    QTRY_VERIFY(tone.cap.lastFrames > 0 && clock.cap.lastFrames > 0);
    // The stall under test, three one-second blocks long; not a wait for anything.
    QThread::msleep(3000);
    QTRY_VERIFY_WITH_TIMEOUT(clock.rec.capturedFrames() >= kRate * 9 / 2, 10000);
    clock.rec.stop();
    const qint64 stoppedMs = elapsed.elapsed();
    tone.rec.stop();
    QCoreApplication::processEvents();

    QVERIFY(clock.lengthMatches(stoppedMs));
    QVERIFY(clock.cap.allHandedOut(clock.rec, clock.channels) &&
            tone.cap.allHandedOut(tone.rec, tone.channels));
    QCOMPARE(tone.rec.droppedFrames() + clock.rec.droppedFrames(), 0);
    QTemporaryDir dir;
    const std::vector<float> mono = decode(tone.cap.joined(), kRate, 2, dir);
    QVERIFY(mono.size() > 4 * kRate);
    QVERIFY(maxSineResidual(mono, 1000, kRate, kRate / 10) < kContinuityLimit);
}

void TestRecorder::channelsKeepTheLevel_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("channels");
    // Both servers' sines run at half of full scale, on every channel.
    QTest::newRow("stereo monitor to mono") << QStringLiteral("tonesink.monitor") << 1;
    QTest::newRow("stereo monitor to stereo") << QStringLiteral("tonesink.monitor") << 2;
    QTest::newRow("mono source to stereo") << QStringLiteral("tone") << 2;
}

void TestRecorder::channelsKeepTheLevel() {
    // Guards against a server-dependent level when the file's channels differ from the source's:
    // PipeWire's own mono mix of a stereo source is 3 dB louder than PulseAudio's, and clips.
    QFETCH(QString, source);
    QFETCH(int, channels);
    Session session(sourceDescription(source), 44100, channels);
    QVERIFY(session.ok);
    session.rec.setBlockSize(44100 / 4);
    session.rec.start();
    QCOMPARE(session.rec.status(), 0);
    QTRY_VERIFY(session.cap.blocks.size() >= 3);
    session.rec.stop();
    // The first block may still hold the stream's start.
    int peak = 0;
    for (std::size_t b = 1; b < session.cap.blocks.size(); ++b)
        for (const std::int16_t v : session.cap.blocks[b])
            peak = std::max(peak, std::abs(static_cast<int>(v)));
    QVERIFY2(peak > 0.45 * 32768 && peak < 0.55 * 32768, qPrintable(QString::number(peak / 32768.0)));
}

void TestRecorder::sameDescriptions() {
    // Guards against two sources of one description, here two "Monitor of Null Output", that
    // the source list cannot tell apart.
    const QString monitor = sourceDescription(QStringLiteral("out.monitor"));
    // PipeWire names a null sink after its name, PulseAudio does not: the twin copies the description.
    const QString prefix = QStringLiteral("Monitor of ");
    QVERIFY(monitor.startsWith(prefix));
    m_twinModule = loadModule(
        {QStringLiteral("module-null-sink"), QStringLiteral("sink_name=twin"),
         QStringLiteral("sink_properties=\"device.description='%1'\"").arg(monitor.mid(prefix.size()))});
    QVERIFY(!m_twinModule.isEmpty());
    QCOMPARE(sourceDescription(QStringLiteral("twin.monitor")), monitor);

    AudioRecorder rec;
    rec.selectDevice(0);
    QStringList names;
    for (int i = 0; i <= rec.sources().lastSourceIndex(); ++i) {
        rec.selectSource(i);
        names << rec.sources().sourceName();
    }
    QVERIFY2(names.contains(monitor + QStringLiteral(" (out.monitor)")) &&
                 names.contains(monitor + QStringLiteral(" (twin.monitor)")) &&
                 names.contains(sourceDescription(QStringLiteral("tone"))),
             qPrintable(names.join(u',')));
    QCOMPARE(names.removeDuplicates(), 0);
}

void TestRecorder::vanishingSource() {
    // Guards against a hang, a crash or lost blocks when the recorded source disappears.
    QTemporaryDir fifoFolder;
    m_vanishModule = loadSineSource(QStringLiteral("vanish"), 440, fifoFolder.path());
    QVERIFY(!m_vanishModule.isEmpty());
    const QString description = sourceDescription(QStringLiteral("vanish"));
    QVERIFY(!description.isEmpty());

    AudioRecorder rec;
    QVERIFY(chooseSource(rec, description));
    rec.setCaptureFormat(8000, 1);
    rec.setBlockSize(8000 / 4);
    Capture cap(rec);
    std::size_t blocksAtFailure = 0;
    connect(&rec, &AudioRecorder::failed, &rec, [&] { blocksAtFailure = cap.blocks.size(); });
    QSignalSpy failed(&rec, &AudioRecorder::failed);
    rec.start();
    QCOMPARE(rec.status(), 0);
    QTRY_VERIFY(cap.blocks.size() >= 4);

    QCOMPARE(run(QStringLiteral("pactl"), {QStringLiteral("unload-module"), m_vanishModule}), 0);
    m_vanishModule.clear();
    QVERIFY(failed.wait(5000));
    QCOMPARE(failed.count(), 1);
    QVERIFY(rec.status() < 0);
    QVERIFY2(rec.errorText().contains(description), qPrintable(rec.errorText()));
    QCOMPARE(failed.at(0).at(0).toString(), rec.errorText());

    rec.stop();
    QCoreApplication::processEvents();
    QCOMPARE(cap.blocks.size(), blocksAtFailure);
    QVERIFY(cap.allHandedOut(rec, 1));
    QTemporaryDir dir;
    QCOMPARE(qRound(peakFrequency(decode(cap.joined(), 8000, 1, dir), 8000)), 440);
}

void TestRecorder::stopFromBlockHandler() {
    // Guards against repeated or skipped blocks when a receiver stops the recording from its handler.
    AudioRecorder rec;
    rec.selectDevice(rec.sources().defaultDevice());
    rec.setCaptureFormat(8000, 1);
    rec.setBlockSize(8000 / 10);
    Capture cap(rec);
    connect(&rec, &AudioRecorder::blockCaptured, &rec, [&rec, &cap] {
        if (cap.blocks.size() == 6)
            rec.stop();
    });
    rec.start();
    QTRY_VERIFY(cap.blocks.size() >= 6);
    QCoreApplication::processEvents();
    const std::size_t delivered = cap.blocks.size();
    QVERIFY(cap.allHandedOut(rec, 1));
    QTRY_COMPARE_WITH_TIMEOUT(cap.blocks.size(), delivered, 500);
    QCOMPARE(rec.status(), 0);
}

void TestRecorder::destroyWhileRecording() {
    // Guards against a crash or hang tearing down mid-capture, with queued blocks still pending.
    auto rec = std::make_unique<AudioRecorder>();
    rec->selectDevice(rec->sources().defaultDevice());
    QSignalSpy ticks(rec.get(), &AudioRecorder::tick);
    rec->start();
    QVERIFY(ticks.wait(2000));
    rec->stop();
    rec->start();
    QVERIFY(ticks.wait(2000));
    rec.reset();
    QCoreApplication::processEvents();
}

void TestRecorder::noServer() {
    // Guards against a hang or crash when no sound server is reachable.
    const ServerOverride server("unix:/nonexistent/tavrik-no-server");
    QElapsedTimer clock;
    clock.start();
    AudioRecorder rec;
    QCOMPARE(rec.sources().deviceCount(), 0);
    rec.selectDevice(rec.sources().defaultDevice());
    QVERIFY(!rec.sources().usable());
    rec.start();
    QVERIFY(rec.status() < 0);
    QVERIFY(!rec.errorText().isEmpty());
    rec.stop();
    QVERIFY(clock.elapsed() < 2000);
}

void TestRecorder::listsFollowTheServer() {
    // Guards against lists frozen at start: a server that appears later, a source plugged in
    // or removed, or a server that goes away must reach the lists without a restart, and
    // the chosen source must stay chosen.
    QTemporaryDir dir;
    const QString script = qEnvironmentVariable("TAVRIK_TEST_SUPPORT") + QStringLiteral("/pulse-server.sh");
    const ServerOverride server("unix:" + QFile::encodeName(dir.filePath(QStringLiteral("native"))));
    AudioRecorder rec;
    QSignalSpy changed(&rec, &AudioRecorder::devicesChanged);
    QCOMPARE(rec.sources().deviceCount(), 0);

    QCOMPARE(run(QStringLiteral("bash"), {script, QStringLiteral("start"), dir.path()}), 0);
    QTRY_VERIFY_WITH_TIMEOUT(rec.sources().deviceCount() > 0, 5000);
    const QString tone = QStringLiteral("Monitor of Tone");
    QVERIFY(chooseSource(rec, tone));
    const int device = rec.sources().deviceIndex();

    const auto names = [&rec] {
        QStringList all;
        for (int i = 0; i <= rec.sources().lastSourceIndex(); ++i) {
            rec.selectSource(i);
            all << rec.sources().sourceName();
        }
        return all;
    };
    QString module;
    const auto pactl = [&](const QStringList& args) {
        QString out;
        const int code =
            run(QStringLiteral("env"),
                QStringList{QStringLiteral("PULSE_SERVER=unix:") + dir.filePath(QStringLiteral("native")),
                            QStringLiteral("pactl")} +
                    args,
                &out);
        return code == 0 ? out.trimmed() : QString();
    };
    module = pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                    QStringLiteral("sink_name=plugged"),
                    QStringLiteral("sink_properties=device.description=Plugged")});
    QVERIFY(!module.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(names().contains(QStringLiteral("Monitor of Plugged")), 2000);
    pactl({QStringLiteral("unload-module"), module});
    QTRY_VERIFY_WITH_TIMEOUT(!names().contains(QStringLiteral("Monitor of Plugged")), 2000);
    // The chosen one survived both changes.
    QCOMPARE(rec.sources().deviceIndex(), device);
    const QStringList now = names();
    bool toneActive = false;
    for (int i = 0; i <= rec.sources().lastSourceIndex(); ++i) {
        rec.selectSource(i);
        toneActive = toneActive || (rec.sources().sourceActive() && rec.sources().sourceName() == tone);
    }
    QVERIFY2(toneActive, qPrintable(now.join(u',')));

    QCOMPARE(run(QStringLiteral("bash"), {script, QStringLiteral("stop"), dir.path()}), 0);
    QTRY_COMPARE_WITH_TIMEOUT(rec.sources().deviceCount(), 0, 5000);
    QVERIFY(changed.count() >= 3);
}

QTEST_GUILESS_MAIN(TestRecorder)
#include "test_recorder.moc"
