#include "TestSupport.h"
#include "player/MediaControl.h"
#include "player/MprisService.h"
#include "player/PlayList.h"
#include "player/PlayerController.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

// Runs playerctl against our player while this thread keeps answering the bus.
QString playerctl(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("playerctl"), QStringList{QStringLiteral("--player=tavrik")} + args);
    if (!p.waitForStarted(5000))
        return QStringLiteral("<playerctl did not start>");
    if (!QTest::qWaitFor([&p] { return p.state() == QProcess::NotRunning; }, 15000))
        return QStringLiteral("<playerctl did not end>");
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed() +
           QString::fromUtf8(p.readAllStandardError()).trimmed();
}

// A player as its window owns one, with its service on the session bus.
struct BusPlayer {
    MediaControl media;
    PlayList list;
    PlayerController controller{media, list};
    MprisService service{controller};
};

} // namespace

class TestMpris : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QProcess m_bus;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        // A private session bus, started before anything of Qt's touches the bus.
        m_bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                    QStringLiteral("--print-address=1")});
        QVERIFY(m_bus.waitForStarted(5000));
        QVERIFY(m_bus.waitForReadyRead(5000));
        const QByteArray address = m_bus.readLine().trimmed();
        QVERIFY(!address.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        for (auto [name, freq] : {std::pair{"first.wav", 1000}, std::pair{"second.wav", 440}})
            QCOMPARE(run(QStringLiteral("sox"),
                         {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"),
                          QStringLiteral("-c"), QStringLiteral("2"), m_dir.filePath(QLatin1String(name)),
                          QStringLiteral("synth"), QStringLiteral("20"), QStringLiteral("sine"),
                          QString::number(freq), QStringLiteral("gain"), QStringLiteral("-20")}),
                     0);
    }
    void cleanupTestCase() {
        m_bus.kill();
        m_bus.waitForFinished(5000);
    }

    void volumeThatIsNoNumberIsRefused_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("NaN") << QStringLiteral("nan") << -2000;
        QTest::newRow("infinity") << QStringLiteral("inf") << -2000;
        QTest::newRow("minus infinity") << QStringLiteral("-inf") << -2000;
        QTest::newRow("a half") << QStringLiteral("0.5") << -602;
    }
    void volumeThatIsNoNumberIsRefused() {
        // Guards against a Volume of NaN or infinity from the bus turning the player up to full.
        BusPlayer player;
        auto& [media, list, controller, service] = player;
        QVERIFY(service.registerOnSessionBus());
        media.setVolume(-2000);
        QFETCH(QString, value);
        QProcess send;
        send.start(QStringLiteral("dbus-send"),
                   QStringLiteral("--session --print-reply --dest=%1 /org/mpris/MediaPlayer2 "
                                  "org.freedesktop.DBus.Properties.Set string:org.mpris.MediaPlayer2.Player "
                                  "string:Volume variant:double:%2")
                       .arg(MprisService::kServiceName, value)
                       .split(QLatin1Char(' ')));
        QVERIFY(send.waitForStarted(5000));
        QVERIFY(QTest::qWaitFor([&send] { return send.state() == QProcess::NotRunning; }, 15000));
        QCOMPARE(send.exitCode(), 0);
        QFETCH(int, expected);
        QCOMPARE(media.volume(), expected);
    }

    void desktopControlsPlayback() {
        // Guards against the desktop's media controls seeing a wrong title or state, or not reaching the
        // player.
        BusPlayer player;
        auto& [media, list, controller, service] = player;
        QVERIFY(service.registerOnSessionBus());
        list.append({PlayList::entryFor(m_dir.filePath(QStringLiteral("first.wav"))),
                     PlayList::entryFor(m_dir.filePath(QStringLiteral("second.wav")))});

        QCOMPARE(playerctl({QStringLiteral("status")}), QStringLiteral("Stopped"));
        playerctl({QStringLiteral("play")});
        QTRY_COMPARE(media.state(), MediaControl::State::Playing);
        QCOMPARE(playerctl({QStringLiteral("status")}), QStringLiteral("Playing"));
        QCOMPARE(playerctl({QStringLiteral("metadata"), QStringLiteral("title")}),
                 QStringLiteral("first.wav"));
        QCOMPARE(playerctl({QStringLiteral("metadata"), QStringLiteral("mpris:length")}),
                 QStringLiteral("20000000"));

        playerctl({QStringLiteral("pause")});
        QTRY_COMPARE(media.state(), MediaControl::State::Paused);
        QCOMPARE(playerctl({QStringLiteral("status")}), QStringLiteral("Paused"));
        playerctl({QStringLiteral("position"), QStringLiteral("12")});
        QTRY_VERIFY(qAbs(media.currentPosition() - 12) < 0.05);
        playerctl({QStringLiteral("position"), QStringLiteral("3-")});
        QTRY_VERIFY(qAbs(media.currentPosition() - 9) < 0.05);
        QCOMPARE(qRound(playerctl({QStringLiteral("position")}).toDouble()), 9);

        playerctl({QStringLiteral("play-pause")});
        QTRY_COMPARE(media.state(), MediaControl::State::Playing);
        playerctl({QStringLiteral("next")});
        QTRY_COMPARE(list.current(), 1);
        QCOMPARE(playerctl({QStringLiteral("metadata"), QStringLiteral("title")}),
                 QStringLiteral("second.wav"));
        playerctl({QStringLiteral("previous")});
        QTRY_COMPARE(list.current(), 0);
        playerctl({QStringLiteral("stop")});
        QTRY_COMPARE(media.state(), MediaControl::State::Stopped);
        QCOMPARE(playerctl({QStringLiteral("status")}), QStringLiteral("Stopped"));

        service.unregister();
        QVERIFY(playerctl({QStringLiteral("status")}) != QStringLiteral("Stopped"));
    }
};

QTEST_MAIN(TestMpris)
#include "test_mpris.moc"
