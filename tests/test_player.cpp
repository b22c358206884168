#include "TestSupport.h"
#include "engine/pulse/AudioPlayer.h"
#include "engine/pulse/AudioRecorder.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using namespace testsupport;

namespace {

constexpr int kRate = 44100;

// Feeds `seconds` of a 1000 Hz tone to the player, one block per request, as a caller does.
struct Feeder {
    Feeder(AudioPlayer& p, int channels, double seconds)
        : player(p)
        , tone(sine(1000, kRate, channels, seconds)) {
        const auto feed = [this, channels] {
            const std::size_t n = static_cast<std::size_t>(player.blockSizeFor(200) * channels);
            if (at >= tone.size())
                return;
            const std::size_t end = std::min(tone.size(), at + n);
            player.queue(SampleBlock(tone.begin() + static_cast<std::ptrdiff_t>(at),
                                     tone.begin() + static_cast<std::ptrdiff_t>(end)));
            at = end;
        };
        QObject::connect(&player, &AudioPlayer::moreWanted, &player, feed);
    }
    AudioPlayer& player;
    SampleBlock tone;
    std::size_t at = 0;
};

} // namespace

class TestPlayer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void playsWhatIsQueued_data() {
        QTest::addColumn<int>("channels");
        QTest::newRow("stereo") << 2;
        QTest::newRow("mono") << 1;
    }
    void playsWhatIsQueued() {
        // Guards against lost, repeated or unheard blocks, an early end, and a played count that runs off.
        QFETCH(int, channels);
        SinkListener listener(kRate);
        QVERIFY(listener.ok());
        listener.start();
        AudioPlayer player;
        Feeder feeder(player, channels, 3.0);
        QSignalSpy ends(&player, &AudioPlayer::finished);
        qint64 lastTimer = 0;
        bool timerRanBack = false;
        connect(&player, &AudioPlayer::tick, &player, [&](qint64 n, int, int) {
            timerRanBack = timerRanBack || n < lastTimer;
            lastTimer = n;
        });
        player.setPlayFormat(kRate, channels);
        player.start();
        QCOMPARE(player.status(), 0);
        QVERIFY(ends.wait(8000));
        QCOMPARE(ends.count(), 1);
        QVERIFY(!timerRanBack);
        QVERIFY2(qAbs(player.playedFrames() - 3 * kRate) <= kRate / 50,
                 qPrintable(QString::number(player.playedFrames())));
        QVERIFY(listener.listenFor(300));
        listener.stop();
        player.stop();

        QVERIFY2(qAbs(listener.soundSeconds() - 3.0) <= 0.1,
                 qPrintable(QString::number(listener.soundSeconds())));
        QCOMPARE(qRound(peakFrequency(listener.asFloat(), kRate)), 1000);
    }

    void stopSilencesAndRestarts() {
        // Guards against sound running on after Stop, and a player that cannot start again.
        SinkListener listener(kRate);
        QVERIFY(listener.ok());
        listener.start();
        AudioPlayer player;
        Feeder feeder(player, 2, 10.0);
        player.setPlayFormat(kRate, 2);
        player.start();
        QTRY_VERIFY_WITH_TIMEOUT(player.playedFrames() >= kRate, 5000);
        SampleBlock recent;
        player.recentSamples(2 * 4096, recent);
        QCOMPARE(recent.size(), std::size_t{2 * 4096});
        QVERIFY(*std::max_element(recent.begin(), recent.end()) > 10000);
        player.stop();
        QVERIFY(listener.listenFor(700));
        listener.stop();
        // Silence must follow within the server's short buffer.
        const std::size_t tail = kRate / 2;
        QVERIFY(listener.heard().size() > tail);
        QVERIFY(std::all_of(listener.heard().end() - static_cast<std::ptrdiff_t>(tail),
                            listener.heard().end(), [](std::int16_t v) { return std::abs(v) < 100; }));

        feeder.at = 0;
        QSignalSpy ends(&player, &AudioPlayer::finished);
        player.start();
        QCOMPARE(player.status(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(player.playedFrames() >= kRate / 2, 5000);
        QVERIFY(player.playedFrames() < 2 * kRate);
        player.stop();
        QCOMPARE(ends.count(), 0);
    }

    void noServerFailsStart() {
        // Guards against a start without a server being reported as success.
        const QByteArray saved = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:/nonexistent/native");
        AudioPlayer player;
        player.setPlayFormat(kRate, 2);
        player.start();
        qputenv("PULSE_SERVER", saved);
        QVERIFY(player.status() < 0);
        QVERIFY(!player.errorText().isEmpty());
        player.queue(SampleBlock(100, 1));
        QCOMPARE(player.playedFrames(), 0);
    }
};

QTEST_GUILESS_MAIN(TestPlayer)
#include "test_player.moc"
