#include "TestSupport.h"
#include "record/audio/AudioRecorder.h"

#include <QDeadlineTimer>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <ranges>

using namespace testsupport;

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

// Runs `s` through the chain in blocks of the size libpulse typically hands over.
SampleBlock processed(SignalChain& chain, SampleBlock s, int channels) {
    constexpr std::size_t kBlockFrames = 441;
    const std::size_t frames = s.size() / channels;
    for (std::size_t at = 0; at < frames; at += kBlockFrames)
        chain.process(s.data() + at * channels, std::min(kBlockFrames, frames - at));
    return s;
}

// Records the clock-paced tone at 44100 Hz stereo; `midway` runs halfway through.
SampleBlock record(AudioRecorder& rec, double seconds, const std::function<void()>& midway = {}) {
    SampleBlock all;
    if (!chooseSource(rec, sourceDescription(QStringLiteral("tonesink.monitor"))))
        return all;
    rec.SetCaptureFormat(kRate, 2);
    rec.SetBlockSize(rec.BlockSizeFor(250));
    QObject::connect(&rec, &AudioRecorder::EndArrayRecord, &rec,
                     [&] { all.insert(all.end(), rec.TakeBlock().begin(), rec.TakeBlock().end()); });
    rec.Start();
    QDeadlineTimer deadline(static_cast<qint64>(seconds * 1000) + 5000);
    for (double part : {0.5, 1.0}) {
        while (rec.Status() == 0 && rec.CapturedFrames() < part * seconds * kRate && !deadline.hasExpired())
            QTest::qWait(10);
        if (part < 1 && midway)
            midway();
    }
    rec.Stop();
    QCoreApplication::processEvents();
    return all;
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
        using S = SignalChain;
        QTest::newRow("high-pass 2000 cuts 1000")
            << int(S::HighPass) << 2000.0f << kRate << 1000.0 << -99.0 << -20.0;
        QTest::newRow("high-pass 2000 passes 8000")
            << int(S::HighPass) << 2000.0f << kRate << 8000.0 << -1.0 << 0.5;
        QTest::newRow("high-pass 400 at 8 kHz cuts 100")
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
        QVERIFY(chain.setFilterFrequency(SignalChain::Filter(filter), cutoff));
        chain.setFilterEnabled(SignalChain::Filter(filter), true);
        const int otherRate = rate == kRate ? 8000 : kRate;
        chain.prepare(otherRate, 2);
        processed(chain, sine(tone, otherRate, 2, 0.1), 2);
        chain.prepare(rate, 1);
        const SampleBlock in = sine(tone, rate, 1, 1.5);
        const double gain = levelDb(processed(chain, in, 1), 1, 0, rate / 2) - levelDb(in, 1, 0, rate / 2);
        QVERIFY2(gain >= minDb && gain <= maxDb, qPrintable(QString::number(gain)));
    }

    void stereoChannelsKeepTheirOwnState() {
        // Guards against filter state shared between channels or a wrong interleave stride.
        SampleBlock stereo = sine(1000, kRate, 2, 0.5);
        for (std::size_t i = 1; i < stereo.size(); i += 2)
            stereo[i] = 0;
        SignalChain both, mono;
        for (auto [chain, channels] : {std::pair{&both, 2}, std::pair{&mono, 1}}) {
            chain->prepare(kRate, channels);
            chain->setFilterEnabled(SignalChain::HighPass, true);
            chain->setFilterEnabled(SignalChain::LowPass, true);
            chain->setFilterEnabled(SignalChain::Notch, true);
        }
        const SampleBlock out = processed(both, stereo, 2);
        const SampleBlock left = processed(mono, sine(1000, kRate, 1, 0.5), 1);
        for (std::size_t i = 0; i < left.size(); ++i) {
            QCOMPARE(out[2 * i], left[i]);
            QCOMPARE(out[2 * i + 1], std::int16_t(0));
        }
    }

    void blockSizesDoNotMatter_data() {
        QTest::addColumn<bool>("filtering");
        QTest::newRow("everything off") << false;
        QTest::newRow("filters on") << true;
    }
    void blockSizesDoNotMatter() {
        // Guards against lost, repeated or reordered samples where blocks of any size meet the delay.
        QFETCH(bool, filtering);
        const SampleBlock in = sine(1000, kRate, 2, 0.3);
        SampleBlock expected;
        for (const std::size_t blockFrames : {std::size_t(441), std::size_t(1), std::size_t(7),
                                              std::size_t(32), std::size_t(33), std::size_t(4410)}) {
            SignalChain chain;
            chain.setFilterEnabled(SignalChain::HighPass, filtering);
            chain.setFilterEnabled(SignalChain::Notch, filtering);
            chain.prepare(kRate, 2);
            SampleBlock out = in;
            for (std::size_t at = 0; at < out.size() / 2; at += blockFrames)
                chain.process(out.data() + 2 * at, std::min(blockFrames, out.size() / 2 - at));
            if (expected.empty())
                expected = out;
            QVERIFY2(out == expected, qPrintable(QString::number(blockFrames)));
        }
        if (!filtering)
            QVERIFY(std::equal(in.begin(), in.end() - 2 * SignalChain::kDelayFrames,
                               expected.begin() + 2 * SignalChain::kDelayFrames));
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
        QVERIFY2(std::abs(levelDb(out, 2, 1, 3 * kRate / 2) - outputDb) < 1,
                 qPrintable(QString::number(levelDb(out, 2, 1, 3 * kRate / 2))));
    }

    void attackTimeSetsTheSpeed() {
        // Guards against the attack time being ignored or inverted.
        double gain[2];
        for (int i : {0, 1}) {
            SignalChain chain;
            chain.prepare(kRate, 1);
            QVERIFY(chain.setAgcLowLevel(-20) && chain.setAgcAttackTime(i == 0 ? 50 : 200));
            chain.setAgcEnabled(true);
            processed(chain, sine(1000, kRate, 1, 0.1, 0.01), 1);
            gain[i] = chain.agcGainDb();
        }
        QVERIFY2(gain[0] > gain[1] + 5 && gain[0] < 20.5,
                 qPrintable(QStringLiteral("%1 %2").arg(gain[0]).arg(gain[1])));
    }

    void loudBurstAfterQuietNeverClips() {
        // Guards against a gain raised in a quiet passage driving a sudden loud one into clipping.
        SignalChain chain;
        chain.prepare(kRate, 1);
        chain.setAgcEnabled(true);
        SampleBlock in = sine(1000, kRate, 1, 1.0, 0.001);
        const SampleBlock burst = sine(1000, kRate, 1, 0.2, 1.0);
        in.insert(in.end(), burst.begin(), burst.end());
        const SampleBlock out = processed(chain, in, 1);
        const auto peak = std::ranges::max(out, {}, [](std::int16_t v) { return std::abs(int(v)); });
        QVERIFY2(std::abs(int(peak)) < 32767 && std::abs(int(peak)) > 20000,
                 qPrintable(QString::number(peak)));
    }

    void changesMidStreamStaySmooth() {
        // Guards against clicks or a blown-up state when settings change while sound flows, and
        // against any colouring left once everything is off again.
        SignalChain chain;
        chain.prepare(kRate, 1);
        const SampleBlock in = sine(437, kRate, 1, 3.5);
        SampleBlock out = in;
        using S = SignalChain;
        const std::map<int, std::function<void()>> changes = {
            {20, [&] { chain.setFilterEnabled(S::LowPass, true); }},
            {40, [&] { chain.setFilterFrequency(S::LowPass, 300); }},
            {60,
             [&] {
                 chain.setFilterFrequency(S::HighPass, 20);
                 chain.setFilterEnabled(S::HighPass, true);
             }},
            {70, [&] { chain.setFilterFrequency(S::HighPass, 2000); }},
            {80,
             [&] {
                 chain.setFilterEnabled(S::HighPass, false);
                 chain.setFilterEnabled(S::Notch, true);
             }},
            {100, [&] { chain.setFilterFrequency(S::Notch, 437); }},
            {120,
             [&] {
                 chain.setFilterEnabled(S::Notch, false);
                 chain.setAgcLowLevel(-3);
                 chain.setAgcHighLevel(-1);
                 chain.setAgcEnabled(true);
             }},
            {140,
             [&] {
                 chain.setFilterEnabled(S::LowPass, false);
                 chain.setAgcLowLevel(-40);
                 chain.setAgcHighLevel(-30);
             }},
            {160, [&] { chain.setAgcEnabled(false); }},
        };
        for (int block = 0; block * 441 < int(out.size()); ++block) {
            if (changes.contains(block))
                changes.at(block)();
            chain.process(out.data() + block * 441, 441);
        }
        // A sine moves at most 2 pi f / rate of its amplitude per sample; the amplitude here
        // is the largest value within a period either side.
        const std::ptrdiff_t period = kRate / 437 + 1;
        for (std::ptrdiff_t i = 1; i < std::ssize(out); ++i) {
            const auto near = std::ranges::subrange(out.begin() + std::max<std::ptrdiff_t>(0, i - period),
                                                    out.begin() + std::min(std::ssize(out), i + period));
            const int amplitude =
                std::ranges::max(near | std::views::transform([](int v) { return std::abs(v); }));
            const double limit = 1.5 * 2 * std::numbers::pi * 437 / kRate * amplitude + 50;
            QVERIFY2(amplitude < 32767 && std::abs(out[i] - out[i - 1]) <= limit,
                     qPrintable(QStringLiteral("at %1").arg(i)));
        }
        QVERIFY(
            std::equal(out.end() - kRate / 2, out.end(), in.end() - kRate / 2 - SignalChain::kDelayFrames));
    }

    void refusesOutOfRange_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("notch 1000") << "notch" << 1000.0 << true;
        QTest::newRow("notch 0") << "notch" << 0.0 << false;
        QTest::newRow("notch negative") << "notch" << -50.0 << false;
        QTest::newRow("notch NaN") << "notch" << double(NAN) << false;
        QTest::newRow("high-pass infinite") << "highpass" << double(INFINITY) << false;
        QTest::newRow("high-pass 10") << "highpass" << 10.0 << true;
        QTest::newRow("low-pass 48000") << "lowpass" << 48000.0 << true;
        QTest::newRow("low-pass 48001") << "lowpass" << 48001.0 << false;
        QTest::newRow("low level -90") << "low" << -90.0 << true;
        QTest::newRow("low level -91") << "low" << -91.0 << false;
        QTest::newRow("high level 0") << "high" << 0.0 << true;
        QTest::newRow("high level 1") << "high" << 1.0 << false;
        QTest::newRow("attack 50") << "attack" << 50.0 << true;
        QTest::newRow("attack 49") << "attack" << 49.0 << false;
        QTest::newRow("attack 201") << "attack" << 201.0 << false;
    }
    void refusesOutOfRange() {
        // Guards against a bad value reaching the filters, or a setter changing a neighbour's value.
        QFETCH(QString, setting);
        QFETCH(double, value);
        QFETCH(bool, accepted);
        AudioRecorder rec;
        const auto values = [&rec] {
            return std::map<QString, double>{{QStringLiteral("notch"), rec.NotchFrequency()},
                                             {QStringLiteral("highpass"), rec.HighPassFrequency()},
                                             {QStringLiteral("lowpass"), rec.LowPassFrequency()},
                                             {QStringLiteral("low"), rec.AgcLowLevel()},
                                             {QStringLiteral("high"), rec.AgcHighLevel()},
                                             {QStringLiteral("attack"), rec.AgcAttackTime()}};
        };
        std::map<QString, double> expected = values();
        const std::map<QString, std::function<bool()>> set = {
            {QStringLiteral("notch"), [&] { return rec.SetNotchFrequency(float(value)); }},
            {QStringLiteral("highpass"), [&] { return rec.SetHighPassFrequency(float(value)); }},
            {QStringLiteral("lowpass"), [&] { return rec.SetLowPassFrequency(float(value)); }},
            {QStringLiteral("low"), [&] { return rec.SetAgcLowLevel(int(value)); }},
            {QStringLiteral("high"), [&] { return rec.SetAgcHighLevel(int(value)); }},
            {QStringLiteral("attack"), [&] { return rec.SetAgcAttackTime(int(value)); }}};
        QCOMPARE(set.at(setting)(), accepted);
        if (accepted)
            expected[setting] = value;
        QVERIFY(values() == expected);
    }

    void recordedTone_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<float>("cutoff");
        QTest::addColumn<bool>("midway");
        QTest::addColumn<double>("minDb");
        QTest::addColumn<double>("maxDb");
        QTest::newRow("high-pass 2000") << int(SignalChain::HighPass) << 2000.0f << false << -99.0 << -10.0;
        QTest::newRow("notch 1000") << int(SignalChain::Notch) << 1000.0f << false << -99.0 << -20.0;
        QTest::newRow("low-pass 4000") << int(SignalChain::LowPass) << 4000.0f << false << -1.0 << 1.0;
        QTest::newRow("notch switched on while recording")
            << int(SignalChain::Notch) << 1000.0f << true << -99.0 << -20.0;
    }
    void recordedTone() {
        // Guards against the filters missing the captured sound, in the blocks or in what the displays read.
        QFETCH(int, filter);
        QFETCH(float, cutoff);
        QFETCH(bool, midway);
        QFETCH(double, minDb);
        QFETCH(double, maxDb);
        AudioRecorder rec;
        const std::function<void(bool)> enable[] = {[&](bool on) { rec.SetNotchEnabled(on); },
                                                    [&](bool on) { rec.SetHighPassEnabled(on); },
                                                    [&](bool on) { rec.SetLowPassEnabled(on); }};
        const std::function<bool(float)> frequency[] = {
            [&](float hz) { return rec.SetNotchFrequency(hz); },
            [&](float hz) { return rec.SetHighPassFrequency(hz); },
            [&](float hz) { return rec.SetLowPassFrequency(hz); }};
        QVERIFY(frequency[filter](cutoff));
        if (!midway)
            enable[filter](true);
        const SampleBlock all = record(rec, midway ? 2.0 : 1.2, [&] { enable[filter](true); });
        QVERIFY(all.size() >= 2 * kRate);
        const std::size_t frames = all.size() / 2;
        for (int channel : {0, 1}) {
            const double gain = levelDb(all, 2, channel, frames - kRate / 2) - m_referenceDb;
            QVERIFY2(gain >= minDb && gain <= maxDb, qPrintable(QString::number(gain)));
        }
        const double shown = levelDb(rec.RecentSamples(kRate / 5), 2, 0, 0) - m_referenceDb;
        QVERIFY2(shown >= minDb && shown <= maxDb, qPrintable(QString::number(shown)));
    }

    void recordedQuietToneIsRaised() {
        // Guards against the gain control not acting on captured sound.
        QCOMPARE(run(QStringLiteral("pactl"),
                     {QStringLiteral("set-sink-volume"), QStringLiteral("tonesink"), QStringLiteral("0.01")}),
                 0);
        AudioRecorder rec;
        rec.SetAgcEnabled(true);
        QVERIFY(rec.SetAgcLowLevel(-20) && rec.SetAgcHighLevel(-10) && rec.SetAgcAttackTime(50));
        const SampleBlock all = record(rec, 1.5);
        QVERIFY(all.size() >= 2 * kRate);
        const double early = levelDb(SampleBlock(all.begin(), all.begin() + kRate / 50), 2, 0, 0);
        const double late = levelDb(all, 2, 0, all.size() / 2 - kRate / 2);
        QVERIFY2(early < -35 && late > -21 && late < -9,
                 qPrintable(QStringLiteral("%1 %2").arg(early).arg(late)));
    }
};

QTEST_MAIN(TestFilters)
#include "test_filters.moc"
