#include "engine/dsp/SourceMixer.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kRate = 44100;
constexpr int kPrimaryCall = 882; // 20 ms
constexpr double kTone = 200;
constexpr double kAmplitude = 20000;
constexpr double kSecondaryStartS = 0.0123;
// A clean int16 sine keeps its second-difference residual at about 2; three samples dropped or
// repeated anywhere in the period leave well over this.
constexpr double kCleanResidual = 12;

const double kToneStep = 2 * std::numbers::pi * kTone / kRate;

std::int16_t primaryValue(std::int64_t frame) {
    return static_cast<std::int16_t>((frame * 7919) % 20001 - 10000);
}

// The most a signal strays from the sine it follows, judged from each sample's neighbours.
double worstResidual(const std::vector<double>& y) {
    double worst = 0;
    for (std::size_t k = 1; k + 1 < y.size(); ++k) {
        worst = std::max(worst, std::abs(y[k + 1] + y[k - 1] - 2 * std::cos(kToneStep) * y[k]));
    }
    return worst;
}

struct Clocks {
    double ppm = 0;
    int lumpMs = 20;
    int delayMs = 100;
    double seconds = 60;
    double stallFromS = -1; // deliveries due in the stall arrive at its end, frames intact
    double gapFromS = -1;   // nothing is captured in the gap: later frames come later
    double pauseS = 0;      // length of the stall or the gap
    double loseAtS = -1;
    double holeAtS = -1; // the content is silent for 50 ms from this capture time
};

struct Run {
    std::vector<double> secondary; // the secondary's output channel
    std::int64_t primaryMismatches = 0;
    std::vector<double> reportedLagUs; // after each mix
    std::vector<std::uint64_t> silent; // after each mix
    double driftPpm = 0;
    std::int64_t delayFrames = 0;
};

// A primary at exactly kRate in 20 ms calls and one secondary, mono each, channel per source; the
// secondary's content is a cosine of its true capture time, starting at kSecondaryStartS.
Run simulate(const Clocks& clocks) {
    SourceMixer mixer;
    const int lump = kRate * clocks.lumpMs / 1000;
    SourceMixer::Setup setup;
    setup.rate = kRate;
    setup.outputChannels = 2;
    setup.layout = SourceMixer::Layout::ChannelPerSource;
    setup.sourceChannels = {1, 1};
    setup.levels = {1.0, 1.0};
    setup.delayFrames = kRate * clocks.delayMs / 1000;
    setup.largestCallFrames = std::max(lump, kPrimaryCall);
    mixer.configure(setup);

    const double secondaryRate = kRate * (1 + clocks.ppm * 1e-6);
    const auto capturedS = [&](std::int64_t frame) {
        const double t = kSecondaryStartS + static_cast<double>(frame) / secondaryRate;
        return (clocks.gapFromS >= 0 && t >= clocks.gapFromS) ? t + clocks.pauseS : t;
    };
    const auto deliveredS = [&](double newestS) {
        const bool stalled = newestS >= clocks.stallFromS && newestS < clocks.stallFromS + clocks.pauseS;
        return stalled ? clocks.stallFromS + clocks.pauseS : newestS + 0.002;
    };
    QRandomGenerator jitter(7);
    const auto stampUs = [&](double s) { return std::llround(s * 1e6) + jitter.bounded(600) - 300; };

    Run run;
    run.delayFrames = setup.delayFrames;
    const auto total = static_cast<std::int64_t>(clocks.seconds * kRate);
    run.secondary.reserve(static_cast<std::size_t>(total));
    std::vector<std::int16_t> primary(kPrimaryCall), pushed(static_cast<std::size_t>(lump)),
        out(2 * kPrimaryCall);
    std::int64_t mixed = 0, delivered = 0;
    bool lost = false;
    while (mixed < total) {
        const double mixDueS = static_cast<double>(mixed + kPrimaryCall) / kRate;
        const double newestS = capturedS(delivered + lump - 1);
        if (!lost && deliveredS(newestS) <= mixDueS) {
            for (int i = 0; i < lump; ++i) {
                const double t = capturedS(delivered + i);
                const bool hole = t >= clocks.holeAtS && t < clocks.holeAtS + 0.05;
                pushed[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(
                    hole ? 0
                         : std::lround(kAmplitude *
                                       std::cos(2 * std::numbers::pi * kTone * (t - kSecondaryStartS))));
            }
            mixer.pushSecondary(1, pushed.data(), pushed.size(), stampUs(newestS));
            delivered += lump;
            continue;
        }
        for (int i = 0; i < kPrimaryCall; ++i) {
            primary[static_cast<std::size_t>(i)] = primaryValue(mixed + i);
        }
        mixer.mix(primary.data(), kPrimaryCall,
                  stampUs(static_cast<double>(mixed + kPrimaryCall - 1) / kRate), out.data());
        for (int i = 0; i < kPrimaryCall; ++i) {
            const std::int64_t source = mixed + i - run.delayFrames;
            run.primaryMismatches +=
                out[2 * static_cast<std::size_t>(i)] != (source < 0 ? 0 : primaryValue(source));
            run.secondary.push_back(out[2 * static_cast<std::size_t>(i) + 1]);
        }
        mixed += kPrimaryCall;
        run.reportedLagUs.push_back(mixer.lagUs(1));
        run.silent.push_back(mixer.silentFrames(1));
        if (clocks.loseAtS >= 0 && !lost && static_cast<double>(mixed) / kRate >= clocks.loseAtS) {
            mixer.loseSource(1);
            lost = true;
        }
    }
    run.driftPpm = mixer.driftPpm(1);
    return run;
}

// Where the secondary's cosine lands against the primary, per 50 ms window from `fromS` on
// (microseconds, positive: later), unwrapped from `startUs`; NaN in a window without the tone.
std::vector<double> trueLagsUs(const Run& run, double fromS, double startUs) {
    const int window = kRate / 20;
    const double periodUs = 1e6 / kTone;
    std::vector<double> lags;
    double previous = startUs;
    for (auto start = static_cast<std::size_t>(fromS * kRate); start + window <= run.secondary.size();
         start += window) {
        double a = 0, b = 0, power = 0;
        for (std::size_t k = start; k < start + window; ++k) {
            const double t = static_cast<double>(static_cast<std::int64_t>(k) - run.delayFrames) / kRate -
                             kSecondaryStartS;
            const double phase = 2 * std::numbers::pi * kTone * t;
            a += run.secondary[k] * std::cos(phase);
            b += run.secondary[k] * std::sin(phase);
            power += run.secondary[k] * run.secondary[k];
        }
        if (power < window * kAmplitude * kAmplitude / 4) {
            lags.push_back(std::nan(""));
            continue;
        }
        double lag = std::atan2(b, a) / (2 * std::numbers::pi) * periodUs;
        lag += std::round((previous - lag) / periodUs) * periodUs;
        lags.push_back(lag);
        previous = lag;
    }
    return lags;
}

double worstAbs(const std::vector<double>& values, std::size_t from = 0) {
    double worst = 0;
    for (std::size_t i = from; i < values.size(); ++i) {
        worst = std::max(worst, std::isnan(values[i]) ? 1e12 : std::abs(values[i]));
    }
    return worst;
}

// Where the content's hole starts in the output, from `fromS` on.
std::size_t holeStart(const Run& run, double fromS) {
    std::size_t quiet = 0;
    for (auto k = static_cast<std::size_t>(fromS * kRate); k < run.secondary.size(); ++k) {
        quiet = std::abs(run.secondary[k]) < 100 ? quiet + 1 : 0;
        if (quiet == 200) {
            return k + 1 - quiet;
        }
    }
    return run.secondary.size();
}

std::size_t callsIn(double seconds) {
    return static_cast<std::size_t>(seconds * kRate / kPrimaryCall);
}

} // namespace

class TestSourceMixer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layoutsAndLevels_data();
    void layoutsAndLevels();
    void residualCatchesDropsAndRepeats_data();
    void residualCatchesDropsAndRepeats();
    void followsDriftingClock_data();
    void followsDriftingClock();
    void lateSourceComesBackInTime_data();
    void lateSourceComesBackInTime();
};

using Frames = QList<QList<int>>;

void TestSourceMixer::layoutsAndLevels_data() {
    QTest::addColumn<QList<int>>("sourceChannels");
    QTest::addColumn<int>("outputChannels");
    QTest::addColumn<bool>("channelPerSource");
    QTest::addColumn<QList<double>>("levels");
    QTest::addColumn<Frames>("inputs"); // one frame per source, held steady
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("mono primary to both sides")
        << QList<int>{1} << 2 << false << QList<double>{1} << Frames{{1000}} << QList<int>{1000, 1000};
    QTest::newRow("stereo primary to mono averages")
        << QList<int>{2} << 1 << false << QList<double>{1} << Frames{{1000, -3000}} << QList<int>{-1000};
    QTest::newRow("level 2 doubles") << QList<int>{2} << 2 << false << QList<double>{2}
                                     << Frames{{1000, -3000}} << QList<int>{2000, -6000};
    QTest::newRow("level above 2 is held at 2")
        << QList<int>{1} << 1 << false << QList<double>{3} << Frames{{1000}} << QList<int>{2000};
    QTest::newRow("mono secondary to both sides") << QList<int>{2, 1} << 2 << false << QList<double>{1, 1}
                                                  << Frames{{100, 200}, {1000}} << QList<int>{1100, 1200};
    QTest::newRow("stereo secondary side by side")
        << QList<int>{2, 2} << 2 << false << QList<double>{1, 0.5} << Frames{{100, 200}, {1000, -2000}}
        << QList<int>{600, -800};
    QTest::newRow("stereo secondary to mono averages")
        << QList<int>{1, 2} << 1 << false << QList<double>{1, 1} << Frames{{100}, {1000, 3000}}
        << QList<int>{2100};
    QTest::newRow("three sources") << QList<int>{1, 1, 2} << 2 << false << QList<double>{1, 1, 1}
                                   << Frames{{100}, {200}, {300, -300}} << QList<int>{600, 0};
    QTest::newRow("sum saturates high") << QList<int>{1, 1} << 1 << false << QList<double>{1, 1}
                                        << Frames{{30000}, {30000}} << QList<int>{32767};
    QTest::newRow("level pushes sum below the floor")
        << QList<int>{2, 1} << 2 << false << QList<double>{2, 1} << Frames{{-20000, -20000}, {-1000}}
        << QList<int>{-32768, -32768};
    QTest::newRow("channel per source downmixes")
        << QList<int>{2, 2} << 2 << true << QList<double>{1, 2} << Frames{{1000, 3000}, {100, -300}}
        << QList<int>{2000, -200};
    QTest::newRow("channel per source saturates") << QList<int>{1, 1} << 2 << true << QList<double>{2, 2}
                                                  << Frames{{20000}, {-20000}} << QList<int>{32767, -32768};
}

void TestSourceMixer::layoutsAndLevels() {
    // Guards against a source in the wrong channel, at the wrong level, or a sum that wraps.
    QFETCH(QList<int>, sourceChannels);
    QFETCH(int, outputChannels);
    QFETCH(bool, channelPerSource);
    QFETCH(QList<double>, levels);
    QFETCH(Frames, inputs);
    QFETCH(QList<int>, expected);
    constexpr int call = 441;
    SourceMixer mixer;
    SourceMixer::Setup setup;
    setup.outputChannels = outputChannels;
    setup.layout = channelPerSource ? SourceMixer::Layout::ChannelPerSource : SourceMixer::Layout::Mixed;
    setup.sourceChannels.assign(sourceChannels.begin(), sourceChannels.end());
    setup.levels.assign(levels.begin(), levels.end());
    setup.delayFrames = 2048;
    setup.largestCallFrames = call;
    mixer.configure(setup);
    std::vector<std::vector<std::int16_t>> blocks;
    for (const QList<int>& frame : inputs) {
        std::vector<std::int16_t> block;
        for (int i = 0; i < call; ++i) {
            block.insert(block.end(), frame.begin(), frame.end());
        }
        blocks.push_back(block);
    }
    std::vector<std::int16_t> out(static_cast<std::size_t>(call * outputChannels));
    for (std::int64_t t = 10'000; t < 600'000; t += 10'000) {
        for (std::size_t s = 1; s < blocks.size(); ++s) {
            mixer.pushSecondary(static_cast<int>(s), blocks[s].data(), call, t);
        }
        mixer.mix(blocks[0].data(), call, t, out.data());
    }
    for (int c = 0; c < outputChannels; ++c) {
        QVERIFY2(std::abs(out[out.size() - static_cast<std::size_t>(outputChannels - c)] - expected[c]) <= 1,
                 qPrintable(QStringLiteral("channel %1: %2").arg(c).arg(out[out.size() - 2 + c])));
    }
}

void TestSourceMixer::residualCatchesDropsAndRepeats_data() {
    QTest::addColumn<int>("change"); // samples dropped (negative) or repeated
    QTest::newRow("clean") << 0;
    QTest::newRow("3 dropped") << -3;
    QTest::newRow("3 repeated") << 3;
}

void TestSourceMixer::residualCatchesDropsAndRepeats() {
    // Guards the drift test's own measure: a sine with a few samples lost or doubled anywhere in
    // its period must fail it.
    QFETCH(int, change);
    for (int at = 1000; at < 1000 + kRate / static_cast<int>(kTone); ++at) {
        std::vector<double> y;
        for (int k = 0; k < 2000; ++k) {
            y.push_back(std::round(kAmplitude * std::cos(kToneStep * (k < at ? k : k - change))));
        }
        QCOMPARE(worstResidual(y) < kCleanResidual, change == 0);
    }
}

void TestSourceMixer::followsDriftingClock_data() {
    QTest::addColumn<double>("ppm");
    QTest::addColumn<int>("lumpMs");
    QTest::addColumn<int>("delayMs");
    for (const double ppm : {50.0, -50.0, 500.0, -500.0, 2000.0, -2000.0}) {
        QTest::addRow("%+g ppm", ppm) << ppm << 20 << 100;
    }
    QTest::newRow("+500 ppm in 500 ms lumps") << 500.0 << 500 << 700;
}

void TestSourceMixer::followsDriftingClock() {
    // Guards against a secondary that drifts out of time, is skipped or repeated to catch up, or
    // whose measured clock difference is wrong.
    QFETCH(double, ppm);
    QFETCH(int, lumpMs);
    QFETCH(int, delayMs);
    constexpr double settledS = 3;
    const Run run = simulate({.ppm = ppm, .lumpMs = lumpMs, .delayMs = delayMs, .seconds = 60});
    QCOMPARE(run.primaryMismatches, 0);
    // The tone starts at full strength, so its onset shows where the start landed.
    const auto onset =
        static_cast<std::size_t>(std::find_if(run.secondary.begin(), run.secondary.end(),
                                              [](double v) { return std::abs(v) > kAmplitude / 2; }) -
                                 run.secondary.begin());
    const double startLagUs =
        (static_cast<double>(onset) - static_cast<double>(run.delayFrames) - kSecondaryStartS * kRate) * 1e6 /
        kRate;
    QVERIFY2(std::abs(startLagUs) < 20'000, qPrintable(QString::number(startLagUs)));
    const std::vector<double> lags = trueLagsUs(run, static_cast<double>(onset) / kRate + 0.01, startLagUs);
    const double worstLag = worstAbs(lags, static_cast<std::size_t>(settledS * 20));
    const double worstReported = worstAbs(run.reportedLagUs, callsIn(settledS));
    // The filter rings for a few milliseconds after the tone's sudden start.
    const std::vector<double> afterStart(
        run.secondary.begin() + static_cast<std::ptrdiff_t>(onset) + kRate / 20, run.secondary.end());
    const double residual = worstResidual(afterStart);
    qInfo("start %.0f us, worst lag %.0f us (reported %.0f us), end lag %.0f us (reported %.0f us), drift "
          "%.2f ppm, "
          "residual %.1f",
          startLagUs, worstLag, worstReported, lags.back(), run.reportedLagUs.back(), run.driftPpm, residual);
    QVERIFY(worstLag < 20'000);
    QVERIFY(worstReported < 20'000);
    QVERIFY(std::abs(run.reportedLagUs.back() - lags.back()) < 1'000);
    QCOMPARE(run.silent.back(), run.silent[callsIn(1)]);
    QVERIFY(std::abs(run.driftPpm - ppm) < std::abs(ppm) * 0.05);
    QVERIFY(residual < kCleanResidual);
}

void TestSourceMixer::lateSourceComesBackInTime_data() {
    QTest::addColumn<double>("stallFromS");
    QTest::addColumn<double>("gapFromS");
    QTest::addColumn<double>("loseAtS");
    QTest::addColumn<double>("silentS"); // about how long the secondary is silent
    QTest::newRow("no frames captured for 2 s") << -1.0 << 5.0 << -1.0 << 2.0;
    QTest::newRow("frames held back for 0.5 s") << 5.0 << -1.0 << -1.0 << 0.4;
    QTest::newRow("lost") << -1.0 << -1.0 << 5.0 << 7.0;
}

void TestSourceMixer::lateSourceComesBackInTime() {
    // Guards against a late source that stays behind after it comes back, silence that goes
    // uncounted, or a primary that suffers for it.
    QFETCH(double, stallFromS);
    QFETCH(double, gapFromS);
    QFETCH(double, loseAtS);
    QFETCH(double, silentS);
    Clocks clocks{
        .ppm = 100, .seconds = 12, .pauseS = stallFromS >= 0 ? 0.5 : 2.0, .loseAtS = loseAtS, .holeAtS = 10};
    clocks.stallFromS = stallFromS;
    clocks.gapFromS = gapFromS;
    const Run run = simulate(clocks);
    QCOMPARE(run.primaryMismatches, 0);
    const double silentFor = static_cast<double>(run.silent.back() - run.silent[callsIn(1)]) / kRate;
    QVERIFY2(std::abs(silentFor - silentS) < 0.15, qPrintable(QString::number(silentFor)));
    if (loseAtS >= 0) {
        QCOMPARE(worstAbs({run.secondary.begin() + static_cast<std::ptrdiff_t>((loseAtS + 0.2) * kRate),
                           run.secondary.end()}),
                 0.0);
        return;
    }
    const double backS = 8.5;
    QCOMPARE(run.silent.back(), run.silent[callsIn(backS)]);
    const double holeLagUs = (static_cast<double>(holeStart(run, backS)) -
                              static_cast<double>(run.delayFrames) - clocks.holeAtS * kRate) *
                             1e6 / kRate;
    QVERIFY2(std::abs(holeLagUs) < 20'000, qPrintable(QString::number(holeLagUs)));
    QVERIFY(worstResidual({run.secondary.begin() + static_cast<std::ptrdiff_t>(backS * kRate),
                           run.secondary.begin() + static_cast<std::ptrdiff_t>(clocks.holeAtS * kRate)}) <
            kCleanResidual);
}

QTEST_APPLESS_MAIN(TestSourceMixer)
#include "test_source_mixer.moc"
