#include "TestSupport.h"
#include "engine/dsp/BandMeter.h"
#include "engine/dsp/FrequencyAnalyzer.h"
#include "engine/dsp/MonoMixer.h"
#include "engine/dsp/PreRecordRing.h"
#include "engine/dsp/SoundActivation.h"
#include "engine/dsp/StallGap.h"

#include <QTest>
#include <bit>
#include <cmath>

class TestAudioDsp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void mixesStereoToAverage_data();
    void mixesStereoToAverage();
    void findsPeakWithinOneBin_data();
    void findsPeakWithinOneBin();
    void silenceStaysAtTheFloor();
    void reusedPlanKeepsNoLeftovers();
    void bandMeterBallistics_data();
    void bandMeterBallistics();
    void bandMeterClears_data();
    void bandMeterClears();
    void stallGapFillsWhatTheServerDropped_data();
    void stallGapFillsWhatTheServerDropped();
    void soundActivationCutsEvents_data();
    void soundActivationCutsEvents();
    void preRecordRingKeepsTheNewest_data();
    void preRecordRingKeepsTheNewest();
};

void TestAudioDsp::mixesStereoToAverage_data() {
    QTest::addColumn<SampleBlock>("stereo");
    QTest::addColumn<SampleBlock>("mono");
    QTest::newRow("distinct sides") << SampleBlock{1000, -1000, 300, 100, -20, -40}
                                    << SampleBlock{0, 200, -30};
    QTest::newRow("loud alike") << SampleBlock{32767, 32767, -32768, -32768} << SampleBlock{32767, -32768};
    QTest::newRow("loud opposite") << SampleBlock{32767, -32768} << SampleBlock{0};
    QTest::newRow("odd tail dropped") << SampleBlock{10, 20, 99} << SampleBlock{15};
    QTest::newRow("empty") << SampleBlock{} << SampleBlock{};
}

void TestAudioDsp::mixesStereoToAverage() {
    // Guards against 16-bit overflow when two loud channels are summed, and against pairing the wrong values.
    QFETCH(SampleBlock, stereo);
    QFETCH(SampleBlock, mono);
    // Into a block left longer by an earlier frame, as the displays reuse theirs.
    SampleBlock into{1, 2, 3, 4, 5};
    MonoMixer().mixInto(stereo, into);
    QCOMPARE(into, mono);
}

void TestAudioDsp::findsPeakWithinOneBin_data() {
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("count");
    QTest::newRow("1000 Hz at 44100") << 1000.0 << 44100 << 4096;
    QTest::newRow("1000 Hz, short block") << 1000.0 << 44100 << 1000;
    QTest::newRow("440 Hz at 8000") << 440.0 << 8000 << 4096;
    QTest::newRow("5000 Hz at 48000") << 5000.0 << 48000 << 2048;
    QTest::newRow("15000 Hz at 44100") << 15000.0 << 44100 << 4096;
    QTest::newRow("long block uses the latest") << 3000.0 << 44100 << 10000;
}

void TestAudioDsp::findsPeakWithinOneBin() {
    // Guards against a wrong bin-to-frequency scale, level scale or band mapping.
    QFETCH(double, frequency);
    QFETCH(int, rate);
    QFETCH(int, count);
    const SampleBlock block = testsupport::sine(frequency, rate, 1, static_cast<double>(count) / rate, 0.5);
    FrequencyAnalyzer analyzer;
    const Spectrum s = analyzer.analyze(block, rate);
    const int fftSize = static_cast<int>(std::bit_ceil(static_cast<unsigned>(std::min(count, 4096))));
    QVERIFY2(std::abs(s.peakHz - frequency) <= static_cast<double>(rate) / fftSize,
             qPrintable(QString::number(s.peakHz)));
    // Half scale is -6 dBFS; the Hann window's scalloping costs at most 1.5 dB.
    QVERIFY2(s.peakDb > -7.6f && s.peakDb < -5.5f, qPrintable(QString::number(s.peakDb)));

    QCOMPARE(s.bandDb.size(), size_t{32});
    QCOMPARE(s.edgeHz.size(), size_t{33});
    QCOMPARE(s.edgeHz.front(), 40.0f);
    QCOMPARE(s.edgeHz.back(), rate / 2.0f);
    const auto loudest = std::max_element(s.bandDb.begin(), s.bandDb.end()) - s.bandDb.begin();
    QVERIFY(s.edgeHz[static_cast<size_t>(loudest)] <= frequency + 5);
    QVERIFY(s.edgeHz[static_cast<size_t>(loudest) + 1] >= frequency - 5);
}

void TestAudioDsp::silenceStaysAtTheFloor() {
    // Guards against log(0) turning silence or an empty block into NaN or infinite bars.
    FrequencyAnalyzer analyzer;
    for (const SampleBlock& block : {SampleBlock{}, SampleBlock(4096, 0)}) {
        const Spectrum s = analyzer.analyze(block, 44100);
        QCOMPARE(s.bandDb.size(), size_t{32});
        for (const float db : s.bandDb)
            QCOMPARE(db, kSpectrumFloorDb);
    }
}

void TestAudioDsp::reusedPlanKeepsNoLeftovers() {
    // Guards against a reused transform buffer or result keeping samples of an earlier, longer block.
    const SampleBlock tone = testsupport::sine(2000, 44100, 1, 1000.0 / 44100, 0.5);
    FrequencyAnalyzer fresh;
    const Spectrum expected = fresh.analyze(tone, 44100);
    FrequencyAnalyzer reused;
    reused.analyze(testsupport::sine(300, 44100, 1, 1024.0 / 44100, 1.0), 44100);
    reused.analyze(testsupport::sine(9000, 44100, 1, 4096.0 / 44100, 1.0), 44100);
    const Spectrum again = reused.analyze(tone, 44100);
    QCOMPARE(again.bandDb, expected.bandDb);
    QCOMPARE(again.peakHz, expected.peakHz);
    // Nor a kept result its peak, once the sound is gone.
    const Spectrum& silent = reused.analyze({}, 44100);
    QCOMPARE(silent.peakDb, kSpectrumFloorDb);
    QCOMPARE(silent.peakHz, 0.0f);
}

void TestAudioDsp::bandMeterBallistics_data() {
    // Amplitudes of two 1000 Hz blocks (0 is silence) `gapMs` apart, and where the tone's band
    // then stands, in dB against the band's level at amplitude 0.5.
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::addColumn<qint64>("gapMs");
    QTest::addColumn<double>("barDb");
    QTest::addColumn<double>("capDb");
    QTest::newRow("silence, a tenth of a second") << 0.5 << 0.0 << qint64{100} << -4.5 << -1.5;
    QTest::newRow("silence, a second") << 0.5 << 0.0 << qint64{1000} << -45.0 << -15.0;
    QTest::newRow("silence, a long pause falls as one second")
        << 0.5 << 0.0 << qint64{10000} << -45.0 << -15.0;
    QTest::newRow("quieter, bar still falling") << 0.5 << 0.05 << qint64{100} << -4.5 << -1.5;
    QTest::newRow("quieter, bar stops on it") << 0.5 << 0.05 << qint64{1000} << -20.0 << -15.0;
    QTest::newRow("cap falls no lower than the bar") << 0.5 << 0.5 << qint64{1000} << 0.0 << 0.0;
    QTest::newRow("louder rises at once") << 0.05 << 0.5 << qint64{100} << 0.0 << 0.0;
    QTest::newRow("same instant") << 0.5 << 0.0 << qint64{0} << 0.0 << 0.0;
}

void TestAudioDsp::bandMeterBallistics() {
    // Guards against caps that do not hold the highest bar, falls not scaled to the time passed,
    // or a paused display dropping everything at once.
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(qint64, gapMs);
    QFETCH(double, barDb);
    QFETCH(double, capDb);
    const double seconds = 4096.0 / 44100;
    const auto tone = [&](double amplitude) {
        return amplitude > 0 ? testsupport::sine(1000, 44100, 1, seconds, amplitude) : SampleBlock(4096, 0);
    };
    FrequencyAnalyzer analyzer;
    const Spectrum loud = analyzer.analyze(tone(0.5), 44100);
    const auto band =
        static_cast<size_t>(std::max_element(loud.bandDb.begin(), loud.bandDb.end()) - loud.bandDb.begin());

    BandMeter meter;
    meter.setFormat(44100, 1);
    meter.measure(tone(first), 5000);
    meter.measure(tone(second), 5000 + gapMs);
    const double bar = meter.barDb()[band] - loud.bandDb[band];
    const double cap = meter.capDb()[band] - loud.bandDb[band];
    QVERIFY2(std::abs(bar - barDb) < 0.1, qPrintable(QString::number(bar)));
    QVERIFY2(std::abs(cap - capDb) < 0.1, qPrintable(QString::number(cap)));
    for (size_t i = 0; i < meter.barDb().size(); ++i)
        QVERIFY(meter.capDb()[i] >= meter.barDb()[i]);
}

void TestAudioDsp::bandMeterClears_data() {
    QTest::addColumn<bool>("byFormat");
    QTest::addColumn<int>("rate");
    QTest::newRow("empty block") << false << 44100;
    QTest::newRow("new format") << true << 8000;
    QTest::newRow("same format again") << true << 44100;
}

void TestAudioDsp::bandMeterClears() {
    // Guards against bars, caps or the peak frequency of the last sound outliving a reset, and
    // against band edges of the old rate.
    QFETCH(bool, byFormat);
    QFETCH(int, rate);
    BandMeter meter;
    meter.setFormat(44100, 1);
    meter.measure(testsupport::sine(1000, 44100, 1, 4096.0 / 44100, 0.5), 0);
    QVERIFY(meter.peakHz() > 0);
    if (byFormat)
        meter.setFormat(rate, 1);
    else
        meter.measure({}, 50);
    // The window restates the format at every frame: that must not wipe the caps each time.
    if (byFormat && rate == 44100) {
        QVERIFY(meter.peakHz() > 0);
        QVERIFY(*std::max_element(meter.capDb().begin(), meter.capDb().end()) > -20);
        return;
    }
    QCOMPARE(meter.peakHz(), 0.0f);
    QCOMPARE(meter.edgeHz().back(), rate / 2.0f);
    QCOMPARE(meter.barDb().size(), size_t{32});
    for (size_t i = 0; i < meter.barDb().size(); ++i) {
        QCOMPARE(meter.barDb()[i], kSpectrumFloorDb);
        QCOMPARE(meter.capDb()[i], kSpectrumFloorDb);
    }
    // A quiet block right after starts afresh: no cap left above its bars.
    meter.measure(testsupport::sine(1000, rate, 1, 4096.0 / rate, 0.05), 100);
    QCOMPARE(meter.capDb(), meter.barDb());
}

void TestAudioDsp::stallGapFillsWhatTheServerDropped_data() {
    // At 1000 frames a second a source delivers every 100 ms until 1 s, stands still for
    // `pauseMs`, then delivers the `keptMs` the server held at once and goes on every 100 ms.
    // Expected: the gap (its frame, its length; -1 for none), each to within one delivery.
    QTest::addColumn<int>("pauseMs");
    QTest::addColumn<int>("keptMs");
    QTest::addColumn<int>("gapAt");
    QTest::addColumn<int>("gapFrames");
    QTest::newRow("no pause") << 0 << 0 << -1 << 0;
    QTest::newRow("pause shorter than a stall") << 2500 << 2500 << -1 << 0;
    QTest::newRow("stall, all of it kept") << 4000 << 4000 << -1 << 0;
    QTest::newRow("stall, a tenth of a second lost") << 4000 << 3900 << -1 << 0;
    QTest::newRow("stall, nothing kept") << 4000 << 0 << 1000 << 4000;
    QTest::newRow("stall, two seconds kept") << 4000 << 2000 << 3000 << 2000;
}

void TestAudioDsp::stallGapFillsWhatTheServerDropped() {
    // Guards against silence put before the server's backlog, a gap for sound that came late
    // but whole, and a lost span not made up in full.
    QFETCH(int, pauseMs);
    QFETCH(int, keptMs);
    QFETCH(int, gapAt);
    QFETCH(int, gapFrames);
    using std::chrono::milliseconds;
    StallGap stalls;
    stalls.reset(1000);
    std::uint64_t received = 0;
    std::vector<std::pair<std::uint64_t, std::int64_t>> gaps;
    const auto deliver = [&](int atMs, int frames) {
        stalls.noteDelivery(milliseconds(atMs), received);
        if (const std::uint64_t at = stalls.gapAt(); at != StallGap::kNoGap && !stalls.measuring())
            gaps.emplace_back(at, stalls.takeGap());
        received += static_cast<std::uint64_t>(frames);
    };
    for (int at = 100; at <= 1000; at += 100)
        deliver(at, 100);
    const int resumed = 1000 + pauseMs;
    deliver(resumed, pauseMs > 0 ? keptMs : 100);
    for (int at = resumed + 100; at <= resumed + 2000; at += 100)
        deliver(at, 100);

    if (gapAt < 0) {
        QVERIFY2(gaps.empty(), qPrintable(QString::number(gaps.empty() ? 0 : gaps.front().second)));
        QCOMPARE(stalls.filledFrames(), 0);
        return;
    }
    QCOMPARE(gaps.size(), std::size_t{1});
    QVERIFY2(std::abs(static_cast<int>(gaps.front().first) - gapAt) <= 100,
             qPrintable(QString::number(gaps.front().first)));
    QVERIFY2(std::abs(static_cast<int>(gaps.front().second) - gapFrames) <= 100,
             qPrintable(QString::number(gaps.front().second)));
    QCOMPARE(stalls.filledFrames(), gaps.front().second);
}

void TestAudioDsp::soundActivationCutsEvents_data() {
    // Stereo at 8 kHz, silent on the left. `sound` lists milliseconds and the right channel's
    // magnitude in turn: a positive one as a wave alternating +m/-m every sample, a negative
    // one as a 100 Hz sine of amplitude -m, whose zero crossings must not break the sound.
    // `events` lists start and end frames in turn, -1 for an end not yet reached.
    QTest::addColumn<double>("thresholdDb");
    QTest::addColumn<double>("prerollSeconds");
    QTest::addColumn<QList<int>>("sound");
    QTest::addColumn<QList<qint64>>("events");
    const QList<qint64> none;
    QTest::newRow("50 ms start an event")
        << -40.0 << 1.0 << QList<int>{2000, 0, 50, 1000, 2000, 0} << QList<qint64>{8000, 20400};
    QTest::newRow("49 ms do not") << -40.0 << 1.0 << QList<int>{2000, 0, 49, 1000, 2000, 0} << none;
    QTest::newRow("at the threshold")
        << -40.0 << 1.0 << QList<int>{2000, 0, 500, 328, 1000, 0} << QList<qint64>{8000, 24000};
    QTest::newRow("just below it") << -40.0 << 1.0 << QList<int>{2000, 0, 500, 327, 1000, 0} << none;
    QTest::newRow("pre-roll stops at frame 0")
        << -40.0 << 1.0 << QList<int>{300, 0, 100, 1000, 1000, 0} << QList<qint64>{0, 7200};
    QTest::newRow("gap shorter than hold merges")
        << -40.0 << 1.0 << QList<int>{2000, 0, 100, 1000, 400, 0, 100, 1000, 1000, 0}
        << QList<qint64>{8000, 24800};
    QTest::newRow("gap longer than hold splits, pre-roll stops at the previous end")
        << -40.0 << 1.0 << QList<int>{2000, 0, 100, 1000, 700, 0, 100, 1000, 1000, 0}
        << QList<qint64>{8000, 20800, 20800, 27200};
    QTest::newRow("a sine is one sound")
        << -40.0 << 1.0 << QList<int>{2000, 0, 100, -10000, 1000, 0} << QList<qint64>{8000, 20800};
    QTest::newRow("a 5 ms dip does not")
        << -40.0 << 1.0 << QList<int>{2000, 0, 30, 1000, 5, 0, 30, 1000, 1000, 0}
        << QList<qint64>{8000, 20520};
}

void TestAudioDsp::soundActivationCutsEvents() {
    // Guards against an event started by less than 50 ms of sound or not by 50 ms, files
    // beginning before the stream or inside the previous one, hold not merging, and events
    // that move with where the blocks are cut.
    QFETCH(double, thresholdDb);
    QFETCH(double, prerollSeconds);
    QFETCH(QList<int>, sound);
    QFETCH(QList<qint64>, events);
    constexpr int kRate = 8000;
    SampleBlock stream;
    for (qsizetype i = 0; i + 1 < sound.size(); i += 2) {
        const int magnitude = sound[i + 1];
        for (int f = 0; f < sound[i] * kRate / 1000; ++f) {
            const double value = magnitude >= 0 ? (f % 2 ? -magnitude : magnitude)
                                                : -magnitude * std::sin(2 * M_PI * 100 * f / kRate);
            stream.push_back(0);
            stream.push_back(static_cast<std::int16_t>(std::lround(value)));
        }
    }
    SoundActivation detector(kRate, 2, {thresholdDb, 0.5, prerollSeconds});
    for (const std::size_t blockFrames : {std::size_t{1}, std::size_t{7}, std::size_t{441}, stream.size()}) {
        detector.reset();
        QList<qint64> found;
        for (std::size_t at = 0; at < stream.size(); at += 2 * blockFrames) {
            const auto end =
                stream.begin() + static_cast<std::ptrdiff_t>(std::min(stream.size(), at + 2 * blockFrames));
            for (const SoundActivation::Event& e :
                 detector.feed(SampleBlock(stream.begin() + static_cast<std::ptrdiff_t>(at), end))) {
                QCOMPARE(e.kind,
                         found.size() % 2 ? SoundActivation::Event::Ended : SoundActivation::Event::Started);
                found.append(static_cast<qint64>(e.frame));
            }
        }
        if (found.size() % 2)
            found.append(-1);
        QCOMPARE(detector.framesFed(), stream.size() / 2);
        for (qsizetype i = 0; i < std::max(found.size(), events.size()); ++i) {
            const qint64 want = events.value(i, -2);
            QVERIFY2(std::abs(found.value(i, -2) - want) <= (want < 0 ? 0 : 8),
                     qPrintable(QStringLiteral("blocks of %1 frames, event %2 at %3")
                                    .arg(blockFrames)
                                    .arg(i)
                                    .arg(found.value(i, -2))));
        }
    }
}

void TestAudioDsp::preRecordRingKeepsTheNewest_data() {
    // A ring of 2 s at 4 Hz stereo (8 frames), frame n holding n on the left and -n on the
    // right, fed in `blocks` of frames and taken from frame position `from`.
    QTest::addColumn<QList<int>>("blocks");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("less than the ring") << QList<int>{3} << 0 << 0 << 2;
    QTest::newRow("wrapped around") << QList<int>{5, 6} << 0 << 3 << 10;
    QTest::newRow("a block larger than the ring") << QList<int>{3, 20} << 0 << 15 << 22;
    QTest::newRow("from a frame held") << QList<int>{5, 6} << 6 << 6 << 10;
}

void TestAudioDsp::preRecordRingKeepsTheNewest() {
    // Guards against a wrapped ring handed out out of order, older frames than it holds, or
    // left and right swapped.
    QFETCH(QList<int>, blocks);
    QFETCH(int, from);
    QFETCH(int, first);
    QFETCH(int, last);
    PreRecordRing ring;
    ring.configure(2, 4, 2);
    std::int16_t n = 0;
    for (const int frames : blocks) {
        SampleBlock block;
        for (int f = 0; f < frames; ++f, ++n)
            block.insert(block.end(), {n, static_cast<std::int16_t>(-n)});
        ring.keep(block);
    }
    SampleBlock expected;
    for (std::int16_t f = static_cast<std::int16_t>(first); f <= last; ++f)
        expected.insert(expected.end(), {f, static_cast<std::int16_t>(-f)});
    QCOMPARE(ring.take(static_cast<std::uint64_t>(from)), expected);
    QCOMPARE(ring.heldFrames(), std::size_t{0});
}

QTEST_GUILESS_MAIN(TestAudioDsp)
#include "test_audio_dsp.moc"
