#include "TestSupport.h"
#include "engine/pulse/AudioRecorder.h"

#include <QDeadlineTimer>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <ranges>

using namespace testsupport;
using S = SignalChain;

namespace {

constexpr int kRate = 44100;

// Level of one channel from frame `from` on, in dBFS (a full-scale sine is 0).
double levelDb(const SampleBlock& s, int channels, int channel, std::size_t from) {
    double sum = 0;
    std::size_t n = 0;
    for (std::size_t i = from * channels + channel; i < s.size(); i += channels, ++n)
        sum += static_cast<double>(s[i]) * s[i];
    return 10 * std::log10(std::max(sum / std::max<std::size_t>(n, 1), 1e-9) * 2 / (32768.0 * 32768.0));
}

int peakOf(const SampleBlock& s) {
    return std::ranges::max(s | std::views::transform([](int v) { return std::abs(v); }));
}

// Runs `s` through the chain in blocks of `blockFrames` (by default what libpulse hands over).
SampleBlock processed(SignalChain& chain, SampleBlock s, int channels, std::size_t blockFrames = 441) {
    const std::size_t frames = s.size() / channels;
    for (std::size_t at = 0; at < frames; at += blockFrames)
        chain.process(s.data() + at * channels, std::min(blockFrames, frames - at));
    return s;
}

// Records the clock-paced tone at 44100 Hz stereo; `midway` runs halfway through.
SampleBlock record(AudioRecorder& rec, double seconds, const std::function<void()>& midway = {}) {
    SampleBlock all;
    if (!chooseSource(rec, sourceDescription(QStringLiteral("tonesink.monitor"))))
        return all;
    rec.setCaptureFormat(kRate, 2);
    rec.setBlockSize(kRate / 4);
    QObject::connect(&rec, &AudioRecorder::blockCaptured, &rec,
                     [&](const SampleBlock& b) { all.insert(all.end(), b.begin(), b.end()); });
    rec.start();
    QDeadlineTimer deadline(static_cast<qint64>(seconds * 1000) + 5000);
    for (double part : {0.5, 1.0}) {
        while (rec.status() == 0 && rec.capturedFrames() < part * seconds * kRate && !deadline.hasExpired())
            QTest::qWait(10);
        if (part < 1 && midway)
            midway();
    }
    rec.stop();
    QCoreApplication::processEvents();
    return all;
}

// The recorder's numeric settings: the three frequencies (in filter order), low and high level, attack.
std::array<double, 6> settings(const AudioRecorder& r) {
    return {r.signalChain().filterFrequency(SignalChain::Notch),
            r.signalChain().filterFrequency(SignalChain::HighPass),
            r.signalChain().filterFrequency(SignalChain::LowPass),
            double(r.signalChain().agcLowLevel()),
            double(r.signalChain().agcHighLevel()),
            double(r.signalChain().agcAttackTime())};
}

bool setSetting(AudioRecorder& r, int setting, double v) {
    switch (setting) {
    case 0:
        return r.signalChain().setFilterFrequency(SignalChain::Notch, float(v));
    case 1:
        return r.signalChain().setFilterFrequency(SignalChain::HighPass, float(v));
    case 2:
        return r.signalChain().setFilterFrequency(SignalChain::LowPass, float(v));
    case 3:
        return r.signalChain().setAgcLowLevel(int(v));
    case 4:
        return r.signalChain().setAgcHighLevel(int(v));
    default:
        return r.signalChain().setAgcAttackTime(int(v));
    }
}

void enableFilter(AudioRecorder& r, int filter) {
    filter == S::Notch
        ? r.signalChain().setFilterEnabled(SignalChain::Notch, true)
        : (filter == S::HighPass ? r.signalChain().setFilterEnabled(SignalChain::HighPass, true)
                                 : r.signalChain().setFilterEnabled(SignalChain::LowPass, true));
}

} // namespace

class TestFilters : public QObject {
    Q_OBJECT
    double m_referenceDb = 0;

private Q_SLOTS:
    void initTestCase() {
        AudioRecorder rec;
        const SampleBlock plain = record(rec, 1.0);
        QVERIFY(plain.size() >= 2 * kRate);
        m_referenceDb = levelDb(plain, 2, 0, kRate / 4);
    }

    void cleanup() {
        run(QStringLiteral("pactl"),
            {QStringLiteral("set-sink-volume"), QStringLiteral("tonesink"), QStringLiteral("100%")});
    }

    void response_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<float>("cutoff");
        QTest::addColumn<int>("rate");
        QTest::addColumn<double>("tone");
        QTest::addColumn<double>("minDb");
        QTest::addColumn<double>("maxDb");
        QTest::newRow("high-pass 2000 cuts 1000")
            << int(S::HighPass) << 2000.0f << kRate << 1000.0 << -99.0 << -20.0;
        QTest::newRow("high-pass 2000 passes 8000")
            << int(S::HighPass) << 2000.0f << kRate << 8000.0 << -1.0 << 0.5;
        QTest::newRow("high-pass 400 cuts 100")
            << int(S::HighPass) << 400.0f << 8000 << 100.0 << -99.0 << -40.0;
        QTest::newRow("high-pass 10 passes 1000")
            << int(S::HighPass) << 10.0f << 8000 << 1000.0 << -0.5 << 0.5;
        QTest::newRow("low-pass 4000 passes 1000")
            << int(S::LowPass) << 4000.0f << kRate << 1000.0 << -1.0 << 0.5;
        QTest::newRow("low-pass 4000 cuts 12000")
            << int(S::LowPass) << 4000.0f << kRate << 12000.0 << -99.0 << -30.0;
        QTest::newRow("low-pass past half the rate")
            << int(S::LowPass) << 44100.0f << 8000 << 1000.0 << -0.5 << 0.5;
        QTest::newRow("notch 1000 cuts 1000")
            << int(S::Notch) << 1000.0f << kRate << 1000.0 << -99.0 << -30.0;
        QTest::newRow("notch 1000 leaves 2000") << int(S::Notch) << 1000.0f << kRate << 2000.0 << -1.0 << 0.5;
        QTest::newRow("notch 50 cuts hum") << int(S::Notch) << 50.0f << kRate << 50.0 << -99.0 << -30.0;
        QTest::newRow("notch 50 leaves 440") << int(S::Notch) << 50.0f << kRate << 440.0 << -0.5 << 0.5;
    }
    void response() {
        // Guards against wrong coefficients, a frequency scaled by the wrong rate (or by the previous
        // stream's), or a filter that is too weak.
        QFETCH(int, filter);
        QFETCH(float, cutoff);
        QFETCH(int, rate);
        QFETCH(double, tone);
        QFETCH(double, minDb);
        QFETCH(double, maxDb);
        SignalChain chain;
        QVERIFY(chain.setFilterFrequency(S::Filter(filter), cutoff));
        chain.setFilterEnabled(S::Filter(filter), true);
        const int otherRate = rate == kRate ? 8000 : kRate;
        chain.prepare(otherRate, 2);
        processed(chain, sine(tone, otherRate, 2, 0.1), 2);
        chain.prepare(rate, 1);
        const SampleBlock in = sine(tone, rate, 1, 1.5);
        const double gain = levelDb(processed(chain, in, 1), 1, 0, rate / 2) - levelDb(in, 1, 0, rate / 2);
        QVERIFY2(gain >= minDb && gain <= maxDb, qPrintable(QString::number(gain)));
    }

    void channelsAndBlocksKeepTheirOwnState_data() {
        QTest::addColumn<bool>("filtering");
        QTest::newRow("everything off") << false;
        QTest::newRow("filters on") << true;
    }
    void channelsAndBlocksKeepTheirOwnState() {
        // Guards against state shared between channels, a wrong interleave stride, and samples lost,
        // repeated or reordered where blocks of any size meet the delay.
        QFETCH(bool, filtering);
        SampleBlock stereo = sine(1000, kRate, 2, 0.3);
        for (std::size_t i = 1; i < stereo.size(); i += 2)
            stereo[i] = 0;
        SampleBlock left;
        for (std::size_t blockFrames : {441, 1, 7, 32, 33, 4410}) {
            SignalChain both, mono;
            for (auto [chain, channels] : {std::pair{&both, 2}, std::pair{&mono, 1}}) {
                chain->setFilterEnabled(S::HighPass, filtering);
                chain->setFilterEnabled(S::Notch, filtering);
                chain->prepare(kRate, channels);
            }
            if (left.empty())
                left = processed(mono, sine(1000, kRate, 1, 0.3), 1);
            const SampleBlock out = processed(both, stereo, 2, blockFrames);
            for (std::size_t i = 0; i < left.size(); ++i) {
                QCOMPARE(out[2 * i], left[i]);
                QCOMPARE(out[2 * i + 1], std::int16_t(0));
            }
        }
        if (!filtering)
            QVERIFY(
                std::equal(left.begin() + S::kDelayFrames, left.end(), sine(1000, kRate, 1, 0.3).begin()));
    }

    void agcSettles_data() {
        QTest::addColumn<double>("inputDb");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<double>("outputDb");
        QTest::newRow("quiet raised to the low level") << -40.0 << -20 << -10 << -20.0;
        QTest::newRow("loud lowered to the high level") << -3.0 << -30 << -20 << -20.0;
        QTest::newRow("within range untouched") << -15.0 << -20 << -10 << -15.0;
        QTest::newRow("gain stops at 40 dB") << -70.0 << -20 << -10 << -30.0;
        QTest::newRow("low above high is the same range") << -40.0 << -10 << -20 << -20.0;
    }
    void agcSettles() {
        // Guards against the gain control settling outside its range, or without bound.
        QFETCH(double, inputDb);
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(double, outputDb);
        SignalChain chain;
        chain.prepare(kRate, 2);
        QVERIFY(chain.setAgcLowLevel(low) && chain.setAgcHighLevel(high));
        chain.setAgcEnabled(true);
        const SampleBlock out = processed(chain, sine(1000, kRate, 2, 2.0, std::pow(10, inputDb / 20)), 2);
        const double level = levelDb(out, 2, 1, 3 * kRate / 2);
        QVERIFY2(std::abs(level - outputDb) < 1, qPrintable(QString::number(level)));
    }

    void agcFollowsAttackAndNeverClips() {
        // Guards against the attack time being ignored, and against a gain raised in a quiet passage
        // driving a sudden loud one into clipping.
        double gain[2];
        for (int i : {0, 1}) {
            SignalChain chain;
            chain.prepare(kRate, 1);
            QVERIFY(chain.setAgcLowLevel(-20) && chain.setAgcAttackTime(i == 0 ? 50 : 200));
            chain.setAgcEnabled(true);
            processed(chain, sine(1000, kRate, 1, 0.1, 0.01), 1);
            gain[i] = chain.agcGainDb();
            SampleBlock burst = sine(1000, kRate, 1, 0.2, 1.0);
            processed(chain, sine(1000, kRate, 1, 1.0, 0.001), 1);
            burst = processed(chain, burst, 1);
            QVERIFY2(peakOf(burst) < 32767 && peakOf(burst) > 20000,
                     qPrintable(QString::number(peakOf(burst))));
        }
        QVERIFY2(gain[0] > gain[1] + 5 && gain[0] < 20.5,
                 qPrintable(QStringLiteral("%1 %2").arg(gain[0]).arg(gain[1])));
    }

    void changesMidStreamStaySmooth() {
        // Guards against clicks or a blown-up state when settings change (or are applied again) while
        // sound flows, and against any colouring left once everything is off again.
        struct Step {
            int block;
            float lowPass, highPass, notch; // 0: off (and refused, so the frequency stays)
            bool agc;
            int low, high;
        };
        const Step steps[] = {{20, 4000, 0, 0, false, -3, -1}, {40, 300, 0, 0, false, -3, -1},
                              {60, 300, 20, 0, false, -3, -1}, {70, 300, 2000, 0, false, -3, -1},
                              {80, 300, 0, 50, false, -3, -1}, {100, 300, 0, 437, false, -3, -1},
                              {120, 300, 0, 0, true, -3, -1},  {140, 0, 0, 0, true, -40, -30},
                              {160, 0, 0, 0, false, -40, -30}};
        SignalChain chain;
        chain.prepare(kRate, 1);
        const SampleBlock in = sine(437, kRate, 1, 3.5);
        SampleBlock out = in;
        const Step* step = steps;
        for (int block = 0; block * 441 < std::ssize(out); ++block) {
            if (step != std::end(steps) && step->block == block) {
                for (auto [f, hz] :
                     {std::pair{S::LowPass, step->lowPass}, std::pair{S::HighPass, step->highPass},
                      std::pair{S::Notch, step->notch}}) {
                    chain.setFilterEnabled(f, hz > 0);
                    chain.setFilterFrequency(f, hz);
                }
                chain.setAgcLowLevel(step->low);
                chain.setAgcHighLevel(step->high);
                chain.setAgcEnabled((step++)->agc);
            }
            chain.process(out.data() + block * 441, 441);
        }
        // A sine moves at most 2 pi f / rate of its amplitude per sample; the amplitude here
        // is the largest value within a period either side.
        const std::ptrdiff_t period = kRate / 437 + 1;
        for (std::ptrdiff_t i = 1; i < std::ssize(out); ++i) {
            const int amplitude = peakOf(SampleBlock(out.begin() + std::max<std::ptrdiff_t>(0, i - period),
                                                     out.begin() + std::min(std::ssize(out), i + period)));
            const double limit = 1.5 * 2 * std::numbers::pi * 437 / kRate * amplitude + 50;
            QVERIFY2(amplitude < 32767 && std::abs(out[i] - out[i - 1]) <= limit,
                     qPrintable(QStringLiteral("at %1").arg(i)));
        }
        QVERIFY(std::equal(out.end() - kRate / 2, out.end(), in.end() - kRate / 2 - S::kDelayFrames));
    }

    void refusesOutOfRange_data() {
        QTest::addColumn<int>("setting");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("notch 1000") << 0 << 1000.0 << true;
        QTest::newRow("notch 0") << 0 << 0.0 << false;
        QTest::newRow("notch negative") << 0 << -50.0 << false;
        QTest::newRow("notch NaN") << 0 << double(NAN) << false;
        QTest::newRow("high-pass infinite") << 1 << double(INFINITY) << false;
        QTest::newRow("high-pass 10") << 1 << 10.0 << true;
        QTest::newRow("low-pass 48000") << 2 << 48000.0 << true;
        QTest::newRow("low-pass 48001") << 2 << 48001.0 << false;
        QTest::newRow("low level -90") << 3 << -90.0 << true;
        QTest::newRow("low level -91") << 3 << -91.0 << false;
        QTest::newRow("high level 0") << 4 << 0.0 << true;
        QTest::newRow("high level 1") << 4 << 1.0 << false;
        QTest::newRow("attack 50") << 5 << 50.0 << true;
        QTest::newRow("attack 201") << 5 << 201.0 << false;
    }
    void refusesOutOfRange() {
        // Guards against a bad value reaching the filters, or a setter changing a neighbour's value.
        QFETCH(int, setting);
        QFETCH(double, value);
        QFETCH(bool, accepted);
        AudioRecorder rec;
        std::array<double, 6> expected = settings(rec);
        QCOMPARE(setSetting(rec, setting, value), accepted);
        if (accepted)
            expected[setting] = value;
        QVERIFY(settings(rec) == expected);
    }

    void recordedTone_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<float>("cutoff");
        QTest::addColumn<bool>("midway");
        QTest::addColumn<double>("minDb");
        QTest::addColumn<double>("maxDb");
        QTest::newRow("high-pass 2000") << int(S::HighPass) << 2000.0f << false << -99.0 << -10.0;
        QTest::newRow("notch 1000") << int(S::Notch) << 1000.0f << false << -99.0 << -20.0;
        QTest::newRow("low-pass 4000") << int(S::LowPass) << 4000.0f << false << -1.0 << 1.0;
        QTest::newRow("notch switched on while recording")
            << int(S::Notch) << 1000.0f << true << -99.0 << -20.0;
    }
    void recordedTone() {
        // Guards against the filters missing the captured sound, in the blocks or in what the displays read.
        QFETCH(int, filter);
        QFETCH(float, cutoff);
        QFETCH(bool, midway);
        QFETCH(double, minDb);
        QFETCH(double, maxDb);
        AudioRecorder rec;
        QVERIFY(setSetting(rec, filter, cutoff));
        if (!midway)
            enableFilter(rec, filter);
        const SampleBlock all = record(rec, midway ? 2.0 : 1.2, [&] { enableFilter(rec, filter); });
        QVERIFY(all.size() >= 2 * kRate);
        const double left = levelDb(all, 2, 0, all.size() / 2 - kRate / 2) - m_referenceDb;
        const double right = levelDb(all, 2, 1, all.size() / 2 - kRate / 2) - m_referenceDb;
        SampleBlock recent;
        rec.recentSamples(kRate / 5, recent);
        const double shown = levelDb(recent, 2, 0, 0) - m_referenceDb;
        qInfo("%s: %.1f dB", QTest::currentDataTag(), left);
        for (double gain : {left, right, shown})
            QVERIFY2(gain >= minDb && gain <= maxDb, qPrintable(QString::number(gain)));
    }

    void recordedQuietToneIsRaised() {
        // Guards against the gain control not acting on captured sound.
        QCOMPARE(run(QStringLiteral("pactl"),
                     {QStringLiteral("set-sink-volume"), QStringLiteral("tonesink"), QStringLiteral("0.01")}),
                 0);
        AudioRecorder rec;
        rec.signalChain().setAgcEnabled(true);
        QVERIFY(rec.signalChain().setAgcLowLevel(-20) && rec.signalChain().setAgcHighLevel(-10) &&
                rec.signalChain().setAgcAttackTime(50));
        const SampleBlock all = record(rec, 1.5);
        QVERIFY(all.size() >= 2 * kRate);
        const double early = levelDb(SampleBlock(all.begin(), all.begin() + kRate / 50), 2, 0, 0);
        const double late = levelDb(all, 2, 0, all.size() / 2 - kRate / 2);
        qInfo("quiet tone: %.1f dBFS at first, %.1f dBFS after 1 s", early, late);
        QVERIFY2(early < -35 && late > -21 && late < -9,
                 qPrintable(QStringLiteral("%1 %2").arg(early).arg(late)));
    }
};

QTEST_MAIN(TestFilters)
#include "test_filters.moc"
