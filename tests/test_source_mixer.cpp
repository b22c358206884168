#include "engine/dsp/SourceMixer.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <numbers>

namespace {

constexpr int kRate = 44100;
constexpr int kCall = 882; // the primary's 20 ms
constexpr double kTone = 200, kAmplitude = 20000, kStartS = 0.0123;
// A clean int16 sine keeps its residual near 2; three samples dropped or repeated leave more.
constexpr double kCleanResidual = 12;
const double kStep = 2 * std::numbers::pi * kTone / kRate;

std::int16_t primaryValue(std::int64_t frame) {
    return static_cast<std::int16_t>((frame * 7919) % 20001 - 10000);
}

// The most the samples stray from the sine they follow, judged from each one's neighbours.
double worstResidual(const std::vector<double>& y, std::size_t from, std::size_t to) {
    double worst = 0;
    for (std::size_t k = from + 1; k + 1 < std::min(to, y.size()); ++k) {
        worst = std::max(worst, std::abs(y[k + 1] + y[k - 1] - 2 * std::cos(kStep) * y[k]));
    }
    return worst;
}

struct Clocks {
    double ppm = 0;
    int lumpMs = 20, delayMs = 100;
    double seconds = 60;
    double stallAtS = -1, gapAtS = -1, pauseS = 0; // a stall delivers late; in a gap nothing is captured
    double loseAtS = -1, holeAtS = -1;             // the tone pauses for 50 ms at holeAtS
};

struct Run {
    std::vector<double> secondary{};     // the secondary's channel
    std::vector<std::uint64_t> silent{}; // silentFrames() after each call
    std::int64_t primaryWrong = 0, delay = 0;
    double driftPpm = 0, lagUs = 0;
};

// A primary at exactly kRate and a secondary off by `ppm` delivering in lumps, channel per
// source; the secondary's content is a cosine of its true capture time from kStartS on, and
// every timestamp is off by up to 0.3 ms.
Run simulate(const Clocks& clocks) {
    const int lump = kRate * clocks.lumpMs / 1000;
    SourceMixer mixer;
    mixer.configure({.rate = kRate,
                     .outputChannels = 2,
                     .layout = SourceMixer::Layout::ChannelPerSource,
                     .sourceChannels = {1, 1},
                     .levels = {1, 1},
                     .delayFrames = kRate * clocks.delayMs / 1000,
                     .largestCallFrames = std::max(lump, kCall)});
    const auto capturedS = [&](std::int64_t frame) {
        const double t = kStartS + static_cast<double>(frame) / (kRate * (1 + clocks.ppm * 1e-6));
        return clocks.gapAtS >= 0 && t >= clocks.gapAtS ? t + clocks.pauseS : t;
    };
    const auto deliveredS = [&](double s) {
        return s >= clocks.stallAtS && s < clocks.stallAtS + clocks.pauseS ? clocks.stallAtS + clocks.pauseS
                                                                           : s;
    };
    QRandomGenerator jitter(7);
    const auto stampUs = [&](double s) { return std::llround(s * 1e6) + jitter.bounded(600) - 300; };
    Run run{.delay = kRate * clocks.delayMs / 1000};
    std::vector<std::int16_t> primary(kCall), pushed(static_cast<std::size_t>(lump)), out(2 * kCall);
    std::int64_t mixed = 0, delivered = 0;
    while (mixed < clocks.seconds * kRate) {
        if ((clocks.loseAtS < 0 || mixed < clocks.loseAtS * kRate) &&
            deliveredS(capturedS(delivered + lump - 1)) <= static_cast<double>(mixed + kCall) / kRate) {
            for (int i = 0; i < lump; ++i) {
                const double t = capturedS(delivered + i);
                const bool hole = t >= clocks.holeAtS && t < clocks.holeAtS + 0.05;
                pushed[i] = static_cast<std::int16_t>(
                    hole ? 0 : std::lround(kAmplitude * std::cos(kStep * kRate * (t - kStartS))));
            }
            delivered += lump;
            mixer.pushSecondary(1, pushed.data(), pushed.size(), stampUs(capturedS(delivered - 1)));
            continue;
        }
        for (int i = 0; i < kCall; ++i) {
            primary[i] = primaryValue(mixed + i);
        }
        mixer.mix(primary.data(), kCall, stampUs(static_cast<double>(mixed + kCall - 1) / kRate), out.data());
        for (int i = 0; i < kCall; ++i, ++mixed) {
            run.primaryWrong += out[2 * i] != (mixed < run.delay ? 0 : primaryValue(mixed - run.delay));
            run.secondary.push_back(out[2 * i + 1]);
        }
        run.silent.push_back(mixer.silentFrames(1));
        if (clocks.loseAtS >= 0 && mixed >= clocks.loseAtS * kRate) {
            mixer.loseSource(1);
        }
    }
    run.driftPpm = mixer.driftPpm(1);
    run.lagUs = mixer.lagUs(1);
    return run;
}

// Where the tone lands against the primary in each 50 ms from `from` on (microseconds, positive:
// later), followed from `startUs` across the tone's periods.
std::vector<double> trueLagsUs(const Run& run, std::size_t from, double startUs) {
    std::vector<double> lags{startUs};
    for (std::size_t start = from; start + kRate / 20 <= run.secondary.size(); start += kRate / 20) {
        double a = 0, b = 0;
        for (std::size_t k = start; k < start + kRate / 20; ++k) {
            const double phase = kStep * static_cast<double>(static_cast<std::int64_t>(k) - run.delay) -
                                 kStep * kStartS * kRate;
            a += run.secondary[k] * std::cos(phase);
            b += run.secondary[k] * std::sin(phase);
        }
        const double lag = std::atan2(b, a) / kStep / kRate * 1e6, periodUs = 1e6 / kTone;
        lags.push_back(lag + std::round((lags.back() - lag) / periodUs) * periodUs);
    }
    return lags;
}

double worstAbs(const std::vector<double>& values, std::size_t from) {
    double worst = 0;
    for (std::size_t i = from; i < values.size(); ++i) {
        worst = std::max(worst, std::abs(values[i]));
    }
    return worst;
}

// The first frame from `from` on where the tone is at least `loud` or, with loud false, silent for 200
// frames.
std::size_t firstFrame(const Run& run, double fromS, bool loud) {
    std::size_t quiet = 0;
    for (auto k = static_cast<std::size_t>(fromS * kRate); k < run.secondary.size(); ++k) {
        quiet = std::abs(run.secondary[k]) < 100 ? quiet + 1 : 0;
        if (loud ? std::abs(run.secondary[k]) > kAmplitude / 2 : quiet == 200) {
            return loud ? k : k + 1 - quiet;
        }
    }
    return run.secondary.size();
}

double landingLagUs(const Run& run, std::size_t frame, double capturedS) {
    return (static_cast<double>(frame) - static_cast<double>(run.delay) - capturedS * kRate) * 1e6 / kRate;
}

std::size_t callsIn(double seconds) {
    return static_cast<std::size_t>(seconds * kRate / kCall);
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

using Ints = QList<int>;
using Frames = QList<QList<int>>; // one frame per source, held steady

void TestSourceMixer::layoutsAndLevels_data() {
    QTest::addColumn<Ints>("channels"); // of each source, then of the output
    QTest::addColumn<bool>("channelPerSource");
    QTest::addColumn<QList<double>>("levels");
    QTest::addColumn<Frames>("inputs");
    QTest::addColumn<Ints>("expected");
    QTest::newRow("mono primary to both sides, level 2")
        << Ints{1, 2} << false << QList<double>{2} << Frames{{1000}} << Ints{2000, 2000};
    QTest::newRow("stereo secondary to mono averages")
        << Ints{1, 2, 1} << false << QList<double>{1, 1} << Frames{{100}, {1000, 3000}} << Ints{2100};
    QTest::newRow("three sources, one mono to both sides")
        << Ints{2, 1, 2, 2} << false << QList<double>{1, 1, 0.5} << Frames{{100, 200}, {1000}, {600, -600}}
        << Ints{1400, 900};
    QTest::newRow("sum saturates high")
        << Ints{1, 1, 1} << false << QList<double>{1, 1} << Frames{{30000}, {30000}} << Ints{32767};
    QTest::newRow("channel per source downmixes") << Ints{2, 2, 2} << true << QList<double>{1, 2}
                                                  << Frames{{1000, 3000}, {100, -300}} << Ints{2000, -200};
    QTest::newRow("channel per source saturates low")
        << Ints{1, 1, 2} << true << QList<double>{2, 2} << Frames{{20000}, {-20000}} << Ints{32767, -32768};
}

void TestSourceMixer::layoutsAndLevels() {
    // Guards against a source in the wrong channel, at the wrong level, or a sum that wraps.
    QFETCH(Ints, channels);
    QFETCH(bool, channelPerSource);
    QFETCH(QList<double>, levels);
    QFETCH(Frames, inputs);
    QFETCH(Ints, expected);
    constexpr int call = 441;
    SourceMixer mixer;
    mixer.configure(
        {.outputChannels = channels.back(),
         .layout = channelPerSource ? SourceMixer::Layout::ChannelPerSource : SourceMixer::Layout::Mixed,
         .sourceChannels = {channels.begin(), channels.end() - 1},
         .levels = {levels.begin(), levels.end()},
         .delayFrames = 2048,
         .largestCallFrames = call});
    std::vector<std::vector<std::int16_t>> blocks;
    for (const QList<int>& frame : inputs) {
        blocks.emplace_back();
        for (int i = 0; i < call; ++i) {
            blocks.back().insert(blocks.back().end(), frame.begin(), frame.end());
        }
    }
    std::vector<std::int16_t> out(static_cast<std::size_t>(call * channels.back()));
    // Long enough for the delay and the resampler's start to pass.
    for (std::int64_t t = 10'000; t < 300'000; t += 10'000) {
        for (std::size_t s = 1; s < blocks.size(); ++s) {
            mixer.pushSecondary(static_cast<int>(s), blocks[s].data(), call, t);
        }
        mixer.mix(blocks[0].data(), call, t, out.data());
    }
    QCOMPARE(Ints(out.end() - channels.back(), out.end()), expected);
}

void TestSourceMixer::residualCatchesDropsAndRepeats_data() {
    QTest::addColumn<int>("change"); // samples dropped (negative) or repeated
    QTest::newRow("clean") << 0;
    QTest::newRow("3 dropped") << -3;
    QTest::newRow("3 repeated") << 3;
}

void TestSourceMixer::residualCatchesDropsAndRepeats() {
    // Guards the drift test's own measure: a few samples lost or doubled anywhere in the period must fail it.
    QFETCH(int, change);
    for (int at = 1000; at < 1000 + kRate / static_cast<int>(kTone); ++at) {
        std::vector<double> y;
        for (int k = 0; k < 2000; ++k) {
            y.push_back(std::round(kAmplitude * std::cos(kStep * (k < at ? k : k - change))));
        }
        QCOMPARE(worstResidual(y, 0, y.size()) < kCleanResidual, change == 0);
    }
}

void TestSourceMixer::followsDriftingClock_data() {
    QTest::addColumn<double>("ppm");
    QTest::addColumn<int>("lumpMs");
    for (const double ppm : {50.0, -50.0, 500.0, -500.0, 2000.0, -2000.0}) {
        QTest::addRow("%+g ppm", ppm) << ppm << 20;
    }
    QTest::newRow("+500 ppm in 500 ms lumps") << 500.0 << 500;
}

void TestSourceMixer::followsDriftingClock() {
    // Guards against a secondary that drifts out of time, is cut or repeated to catch up, or whose
    // clock difference is mismeasured.
    QFETCH(double, ppm);
    QFETCH(int, lumpMs);
    const Run run = simulate({.ppm = ppm, .lumpMs = lumpMs, .delayMs = lumpMs + 80});
    QCOMPARE(run.primaryWrong, 0);
    // The tone starts at its peak, so its onset shows where the start landed.
    const std::size_t onset = firstFrame(run, 0, true);
    const double startUs = landingLagUs(run, onset, kStartS);
    // The resampler's filter rings for a few milliseconds after the sudden start.
    const std::vector<double> lags = trueLagsUs(run, onset + kRate / 20, startUs);
    const double worstLag = worstAbs(lags, 3 * 20);
    const double residual = worstResidual(run.secondary, onset + kRate / 20, run.secondary.size());
    qInfo("start %.0f us, worst lag after 3 s %.0f us, at the end %.0f us (lagUs %.0f), drift %.2f ppm, "
          "residual %.1f",
          startUs, worstLag, lags.back(), run.lagUs, run.driftPpm, residual);
    QVERIFY(std::abs(startUs) < 20'000);
    QVERIFY(worstLag < 20'000);
    QVERIFY(std::abs(run.lagUs - lags.back()) < 1'000);
    QCOMPARE(run.silent.back(), run.silent[callsIn(1)]);
    QVERIFY(std::abs(run.driftPpm - ppm) < std::abs(ppm) * 0.05);
    QVERIFY(residual < kCleanResidual);
}

void TestSourceMixer::lateSourceComesBackInTime_data() {
    QTest::addColumn<double>("stallAtS");
    QTest::addColumn<double>("gapAtS");
    QTest::addColumn<double>("loseAtS");
    QTest::addColumn<double>("silentS"); // about how long the secondary is silent
    QTest::newRow("nothing captured for 2 s") << -1.0 << 5.0 << -1.0 << 2.0;
    QTest::newRow("frames held back for 0.5 s") << 5.0 << -1.0 << -1.0 << 0.4;
    QTest::newRow("lost") << -1.0 << -1.0 << 5.0 << 7.0;
}

void TestSourceMixer::lateSourceComesBackInTime() {
    // Guards against a late source that stays behind when it comes back, uncounted silence, or a
    // primary that suffers for it.
    QFETCH(double, stallAtS);
    QFETCH(double, gapAtS);
    QFETCH(double, loseAtS);
    QFETCH(double, silentS);
    const Run run = simulate({.ppm = 100,
                              .seconds = 12,
                              .stallAtS = stallAtS,
                              .gapAtS = gapAtS,
                              .pauseS = stallAtS >= 0 ? 0.5 : 2.0,
                              .loseAtS = loseAtS,
                              .holeAtS = 10});
    QCOMPARE(run.primaryWrong, 0);
    const double silentFor = static_cast<double>(run.silent.back() - run.silent[callsIn(1)]) / kRate;
    QVERIFY2(std::abs(silentFor - silentS) < 0.15, qPrintable(QString::number(silentFor)));
    if (loseAtS >= 0) {
        QCOMPARE(worstAbs(run.secondary, static_cast<std::size_t>((loseAtS + 0.2) * kRate)), 0.0);
        return;
    }
    QCOMPARE(run.silent.back(), run.silent[callsIn(8.5)]);
    // The tone's pause is where it lands unmistakably, whatever its period.
    const double holeUs = landingLagUs(run, firstFrame(run, 8.5, false), 10);
    QVERIFY2(std::abs(holeUs) < 20'000, qPrintable(QString::number(holeUs)));
    QVERIFY(worstResidual(run.secondary, static_cast<std::size_t>(8.5 * kRate), 10 * kRate) < kCleanResidual);
}

QTEST_APPLESS_MAIN(TestSourceMixer)
#include "test_source_mixer.moc"
