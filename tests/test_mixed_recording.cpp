#include "TestSupport.h"
#include "engine/pulse/AudioRecorder.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <numbers>

using namespace testsupport;

namespace {

constexpr int kRate = 44100;

QString pactl(const QStringList& args) {
    QString out;
    return run(QStringLiteral("pactl"), args, &out) == 0 ? out.trimmed() : QString();
}

QString load(const QStringList& args) {
    return pactl(QStringList{QStringLiteral("load-module")} + args);
}

// The script that writes sound paced by the clock, fast or slow.
QString pacedWriter() {
    return QDir(qEnvironmentVariable("TAVRIK_TEST_SUPPORT")).filePath(QStringLiteral("paced-writer.py"));
}

// Modules loaded for one test, unloaded at its end, newest first.
struct Modules {
    ~Modules() {
        for (auto it = numbers.rbegin(); it != numbers.rend(); ++it)
            pactl({QStringLiteral("unload-module"), *it});
    }
    bool add(const QString& number) {
        if (!number.isEmpty())
            numbers << number;
        return !number.isEmpty();
    }
    QStringList numbers;
};

// A null sink `name` with a `frequency` Hz sine playing into it and a listener at 20 ms that keeps
// it rendering smoothly, as a desktop's sink does.
struct ToneSink {
    ToneSink(Modules& modules, const QString& sinkName, int frequency)
        : name(sinkName) {
        ok = modules.add(load({QStringLiteral("module-null-sink"), QStringLiteral("sink_name=") + name,
                               QStringLiteral("sink_properties=device.description=") + name}));
        if (ok && frequency > 0)
            ok = modules.add(load({QStringLiteral("module-sine"), QStringLiteral("sink=") + name,
                                   QStringLiteral("frequency=%1").arg(frequency)}));
        listener.setStandardOutputFile(QProcess::nullDevice());
        listener.start(QStringLiteral("parec"), {QStringLiteral("-d"), name + QStringLiteral(".monitor"),
                                                 QStringLiteral("--latency-msec=20")});
    }
    // A new null sink first renders a lump of 2 s, and its monitor hands a new reader nothing
    // until that has played out.
    bool rendersSmoothly() const {
        const QStringList lines = pactl({QStringLiteral("list"), QStringLiteral("sinks")}).split(u'\n');
        const qsizetype at = lines.indexOf(QStringLiteral("\tName: ") + name);
        for (qsizetype i = at; at >= 0 && i < lines.size(); ++i)
            if (lines.at(i).startsWith(QStringLiteral("\tLatency: ")))
                return lines.at(i).section(u' ', 1, 1).toLongLong() < 100000;
        return false;
    }
    ~ToneSink() {
        listener.kill();
        listener.waitForFinished();
    }
    QString name;
    bool ok = false;
    QProcess listener;
};

// Records the mix's sources for as long as `recording` says, in one-second blocks of 44.1 kHz
// stereo, into `all`.
template <typename Until>
void recordMix(const SourceMix& mix, SampleBlock& all, Until recording, QStringList* lost = nullptr) {
    AudioRecorder rec;
    QTRY_VERIFY_WITH_TIMEOUT(
        std::ranges::all_of(mix.serverNames,
                            [&](const std::string& n) { return rec.sources().findSource(n); }),
        5000);
    rec.setSourceMix(mix);
    rec.setCaptureFormat(kRate, 2);
    rec.setBlockSize(kRate);
    // On the writer thread, which stop() joins: every block is in `all` when it returns.
    QObject::connect(
        &rec, &AudioRecorder::blockCaptured, &rec,
        [&all](const SampleBlock& b) { all.insert(all.end(), b.begin(), b.end()); }, Qt::DirectConnection);
    if (lost)
        QObject::connect(&rec, &AudioRecorder::mixSourceLost, &rec, [lost](const QString& n) { *lost << n; });
    rec.start();
    if (rec.status() != 0)
        qWarning("%s", qPrintable(rec.errorText()));
    recording(rec);
    rec.stop();
    qInfo("%s", qPrintable(rec.mixSummary()));
}

std::vector<float> channel(const SampleBlock& values, int which, std::size_t fromFrame = 0) {
    std::vector<float> out;
    for (std::size_t i = fromFrame * 2 + static_cast<std::size_t>(which); i < values.size(); i += 2)
        out.push_back(static_cast<float>(values[i]) / 32768.0F);
    return out;
}

// The amplitude of the `frequency` Hz part of `samples`, 0..1 of full scale: Goertzel over 50 ms
// windows, averaged, so that the few hundred ppm by which a secondary's pitch moves while it is
// steered into time do not count.
double amplitudeAt(const std::vector<float>& samples, double frequency) {
    const double w = 2 * std::numbers::pi * frequency / kRate;
    constexpr std::size_t kWindow = kRate / 20;
    double sum = 0;
    std::size_t windows = 0;
    for (std::size_t from = 0; from + kWindow <= samples.size(); from += kWindow, ++windows) {
        double s1 = 0, s2 = 0;
        for (std::size_t i = from; i < from + kWindow; ++i) {
            const double s0 = samples[i] + 2 * std::cos(w) * s1 - s2;
            s2 = s1;
            s1 = s0;
        }
        const double power = s1 * s1 + s2 * s2 - 2 * std::cos(w) * s1 * s2;
        sum += 2 * std::sqrt(std::max(0.0, power)) / static_cast<double>(kWindow);
    }
    return windows > 0 ? sum / static_cast<double>(windows) : 0.0;
}

// Where each second's 10 ms of silence begins in the paced writer's sound, in frames.
std::vector<std::size_t> secondMarks(const std::vector<float>& samples) {
    std::vector<std::size_t> marks;
    std::size_t quiet = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        quiet = std::abs(samples[i]) < 0.01F ? quiet + 1 : 0;
        // Within 10 ms, a 1000 Hz sine at half scale is never this long near zero.
        if (quiet == 200)
            marks.push_back(i + 1 - quiet);
    }
    return marks;
}

// Milliseconds by which each mark of `late` follows the nearest mark of `early`.
std::vector<double> lagsMs(const std::vector<std::size_t>& early, const std::vector<std::size_t>& late) {
    std::vector<double> lags;
    for (const std::size_t mark : late) {
        const auto nearest = std::ranges::min_element(early, {}, [mark](std::size_t e) {
            return std::abs(static_cast<double>(e) - static_cast<double>(mark));
        });
        if (nearest != early.end())
            lags.push_back((static_cast<double>(mark) - static_cast<double>(*nearest)) * 1000 / kRate);
    }
    return lags;
}

// The worst sine residual of the stretches between the marks, away from their edges.
double worstResidualBetweenMarks(const std::vector<float>& samples, const std::vector<std::size_t>& marks) {
    constexpr std::size_t kEdge = 600;
    double worst = 0;
    for (std::size_t i = 1; i + 1 < marks.size(); ++i) {
        const std::size_t from = marks[i] + 441 + kEdge, to = marks[i + 1] - kEdge;
        if (from < to)
            worst = std::max(
                worst, maxSineResidual(std::vector<float>(samples.begin() + static_cast<std::ptrdiff_t>(from),
                                                          samples.begin() + static_cast<std::ptrdiff_t>(to)),
                                       1000, kRate, 0));
    }
    return worst;
}

} // namespace

class TestMixedRecording : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layoutsAndLevels_data() {
        // A 440 Hz monitor first, the server's 1000 Hz tone second (both at -6 dBFS).
        QTest::addColumn<bool>("apart");
        QTest::addColumn<int>("secondLevel");
        QTest::addColumn<QList<double>>("expected"); // 440 left, 1000 left, 440 right, 1000 right
        QTest::newRow("mixed") << false << 100 << QList<double>{0.5, 0.5, 0.5, 0.5};
        QTest::newRow("mixed, second at half") << false << 50 << QList<double>{0.5, 0.25, 0.5, 0.25};
        QTest::newRow("a channel each") << true << 100 << QList<double>{0.5, 0.0, 0.0, 0.5};
    }

    void layoutsAndLevels() {
        // Guards against a source missing from the file, levels not applied, and channels
        // that bleed into each other.
        QFETCH(bool, apart);
        QFETCH(int, secondLevel);
        QFETCH(QList<double>, expected);
        Modules modules;
        ToneSink low(modules, QStringLiteral("low"), 440);
        QVERIFY(low.ok);
        QTRY_VERIFY_WITH_TIMEOUT(low.rendersSmoothly(), 5000);
        SourceMix mix{{"low.monitor", "tonesink.monitor"},
                      apart ? SourceMixer::Layout::ChannelPerSource : SourceMixer::Layout::Mixed,
                      {100, secondLevel}};
        SampleBlock all;
        recordMix(mix, all, [](AudioRecorder& rec) {
            QTRY_VERIFY_WITH_TIMEOUT(rec.capturedFrames() >= 5 * kRate, 10000);
        });
        QVERIFY(all.size() >= 5U * kRate * 2);
        // The last two seconds: the secondary settles into time in the first few.
        const std::size_t from = all.size() / 2 - 2 * kRate;
        const std::vector<double> measured{
            amplitudeAt(channel(all, 0, from), 440), amplitudeAt(channel(all, 0, from), 1000),
            amplitudeAt(channel(all, 1, from), 440), amplitudeAt(channel(all, 1, from), 1000)};
        for (std::size_t i = 0; i < measured.size(); ++i)
            QVERIFY2(std::abs(measured[i] - expected[static_cast<qsizetype>(i)]) < 0.03,
                     qPrintable(QStringLiteral("%1: %2").arg(i).arg(measured[i])));
    }

    void oneSoundLandsInTimeOnBothSources() {
        // Guards against sources put side by side as they arrive, not as they were captured:
        // one sound heard by two sources must land at one moment.
        Modules modules;
        ToneSink shared(modules, QStringLiteral("shared"), 0);
        QVERIFY(shared.ok);
        QTRY_VERIFY_WITH_TIMEOUT(shared.rendersSmoothly(), 5000);
        QVERIFY(modules.add(load({QStringLiteral("module-remap-source"), QStringLiteral("source_name=copy"),
                                  QStringLiteral("master=shared.monitor")})));
        QProcess player;
        player.setStandardOutputFile(QProcess::nullDevice());
        player.start(QStringLiteral("sh"), {QStringLiteral("-c"),
                                            QStringLiteral("python3 \"$0\" 12 - 1 | pacat -d shared --raw "
                                                           "--format=s16le --rate=44100 --channels=1 "
                                                           "--latency-msec=20"),
                                            pacedWriter()});
        SourceMix mix{{"shared.monitor", "copy"}, SourceMixer::Layout::ChannelPerSource, {100, 100}};
        SampleBlock all;
        recordMix(mix, all, [](AudioRecorder& rec) {
            QTRY_VERIFY_WITH_TIMEOUT(rec.capturedFrames() >= 8 * kRate, 15000);
        });
        player.kill();
        player.waitForFinished();
        const std::vector<double> lags = lagsMs(secondMarks(channel(all, 0)), secondMarks(channel(all, 1)));
        QVERIFY2(lags.size() >= 5, qPrintable(QString::number(lags.size())));
        for (const double lag : lags)
            QVERIFY2(std::abs(lag) < 20, qPrintable(QStringLiteral("%1 ms").arg(lag)));
        qInfo("lag between two sources of one sound: %.1f ms", lags.back());
    }

    void aFastClockIsKeptInTime() {
        // Guards against a source whose clock runs fast (1000 ppm) drifting away over a
        // minute, or being kept in time by dropping or repeating sound.
        QTemporaryDir dir;
        Modules modules;
        for (const QString& name : {QStringLiteral("paced"), QStringLiteral("fast")}) {
            // The server makes the fifo.
            const QString fifo = dir.filePath(name + QStringLiteral(".fifo"));
            QVERIFY(
                modules.add(load({QStringLiteral("module-pipe-source"), QStringLiteral("source_name=") + name,
                                  QStringLiteral("file=") + fifo, QStringLiteral("format=s16le"),
                                  QStringLiteral("rate=44100"), QStringLiteral("channels=1")})));
        }
        QProcess writer;
        writer.start(QStringLiteral("python3"),
                     {pacedWriter(), QStringLiteral("75"), dir.filePath(QStringLiteral("paced.fifo")),
                      QStringLiteral("1"), dir.filePath(QStringLiteral("fast.fifo")),
                      QStringLiteral("1.001")});
        SourceMix mix{{"paced", "fast"}, SourceMixer::Layout::ChannelPerSource, {100, 100}};
        SampleBlock all;
        recordMix(mix, all, [](AudioRecorder& rec) {
            QTRY_VERIFY_WITH_TIMEOUT(rec.capturedFrames() >= 62 * kRate, 70000);
        });
        writer.kill();
        writer.waitForFinished();
        std::vector<float> paced = channel(all, 0), fast = channel(all, 1);
        // The last second, where Stop hands out what the mixer held back, has no marks to pair.
        paced.resize(paced.size() - std::min<std::size_t>(paced.size(), kRate));
        fast.resize(paced.size());
        const std::vector<std::size_t> fastMarks = secondMarks(fast);
        const std::vector<double> lags = lagsMs(secondMarks(paced), fastMarks);
        QVERIFY2(lags.size() >= 55, qPrintable(QString::number(lags.size())));
        qInfo("lag at the start %.1f ms, after a minute %.1f ms", lags.front(), lags.back());
        // Left alone, the fast source would be 60 ms ahead by now.
        QVERIFY2(std::abs(lags.back()) < 20, qPrintable(QString::number(lags.back())));
        const double residual = worstResidualBetweenMarks(fast, fastMarks);
        QVERIFY2(residual < 0.02, qPrintable(QString::number(residual)));
    }

    void aSourceThatGoesLeavesTheOtherRecording_data() {
        QTest::addColumn<bool>("firstGoes"); // the one that set the pace
        QTest::newRow("the second goes") << false;
        QTest::newRow("the first goes") << true;
    }

    void aSourceThatGoesLeavesTheOtherRecording() {
        // Guards against a recording of several sources that ends, or stalls, when one of them
        // vanishes, even the one that set the pace, and against a loss nobody is told of.
        QFETCH(bool, firstGoes);
        Modules modules;
        auto low = std::make_unique<ToneSink>(modules, QStringLiteral("low"), 440);
        QVERIFY(low->ok);
        QTRY_VERIFY_WITH_TIMEOUT(low->rendersSmoothly(), 5000);
        const QString sinkModule = modules.numbers.first();
        SourceMix mix{{"tonesink.monitor", "low.monitor"}, SourceMixer::Layout::ChannelPerSource, {100, 100}};
        if (firstGoes)
            std::swap(mix.serverNames.front(), mix.serverNames.back());
        const int stays = firstGoes ? 1 : 0;
        QStringList lost;
        SampleBlock all;
        recordMix(
            mix, all,
            [&](AudioRecorder& rec) {
                QTRY_VERIFY_WITH_TIMEOUT(rec.capturedFrames() >= 2 * kRate, 6000);
                pactl({QStringLiteral("unload-module"), sinkModule});
                QTRY_VERIFY_WITH_TIMEOUT(rec.capturedFrames() >= 5 * kRate, 8000);
                QCOMPARE(rec.status(), 0);
            },
            &lost);
        modules.numbers.clear();
        QCOMPARE(lost.size(), 1);
        QCOMPARE(lost.first(), QStringLiteral("Monitor of low"));
        // The source still there goes on to the end; the other's channel falls silent.
        const std::size_t lastSecond = all.size() / 2 - kRate;
        QVERIFY(amplitudeAt(channel(all, stays, lastSecond), 1000) > 0.4);
        QVERIFY(amplitudeAt(channel(all, 1 - stays, lastSecond), 440) < 0.01);
    }
};

QTEST_GUILESS_MAIN(TestMixedRecording)
#include "test_mixed_recording.moc"
