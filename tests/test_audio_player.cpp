#include "TestSupport.h"
#include "base/ui/Dialogs.h"
#include "player/MediaControl.h"
#include "player/PlayList.h"
#include "player/PlayOrder.h"
#include "player/PlayerController.h"
#include "player/ui/AudioPlayerWindow.h"
#include "player/ui/Knob.h"
#include "shell/ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

using namespace testsupport;
using playorder::Mode;

namespace {

constexpr int kRate = 44100;

bool writeTone(const QString& path, double seconds, double freq = 1000) {
    return run(QStringLiteral("sox"),
               {QStringLiteral("-n"), QStringLiteral("-r"), QString::number(kRate), QStringLiteral("-c"),
                QStringLiteral("2"), QStringLiteral("-b"), QStringLiteral("16"), path,
                QStringLiteral("synth"), QString::number(seconds), QStringLiteral("sine"),
                QString::number(freq), QStringLiteral("gain"), QStringLiteral("-6")}) == 0;
}

template <typename W> W* child(QWidget& w, const char* name) {
    auto* c = w.findChild<W*>(QLatin1String(name));
    if (!c)
        qWarning("no control %s", name);
    return c;
}

void click(QWidget& w, const char* name) {
    auto* b = child<QAbstractButton>(w, name);
    QVERIFY2(b && b->isVisible(), name);
    QTest::mouseClick(b, Qt::LeftButton);
}

// The player's parts without a window, as the window holds them.
struct Rig {
    MediaControl media;
    PlayList list;
    PlayerController controller{media, list};
};

} // namespace

class TestAudioPlayer : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QTemporaryDir m_config;

    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid() && m_config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
        QVERIFY(writeTone(path("tone3.wav"), 3.0));
        QVERIFY(writeTone(path("short1.wav"), 0.4, 1000));
        QVERIFY(writeTone(path("short2.wav"), 0.4, 440));
        QFile garbage(path("notes.mp3"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray("only words, no sound\n").repeated(40));
    }

    void nextAndPreviousWrapAround_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("next");
        QTest::addColumn<int>("previous");
        QTest::newRow("empty list") << -1 << 0 << -1 << -1;
        QTest::newRow("nothing selected") << -1 << 3 << 0 << 2;
        QTest::newRow("first") << 0 << 3 << 1 << 2;
        QTest::newRow("middle") << 1 << 3 << 2 << 0;
        QTest::newRow("last") << 2 << 3 << 0 << 1;
        QTest::newRow("one entry") << 0 << 1 << 0 << 0;
        QTest::newRow("selection past the end") << 7 << 3 << 0 << 2;
    }
    void nextAndPreviousWrapAround() {
        // Guards against Next or Previous running off either end of the list.
        QFETCH(int, current);
        QFETCH(int, count);
        QFETCH(int, next);
        QFETCH(int, previous);
        QCOMPARE(playorder::next(current, count), next);
        QCOMPARE(playorder::previous(current, count), previous);
    }

    void endOfTrackInEachMode_data() {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("random");
        QTest::addColumn<int>("expected");
        QTest::newRow("normal, middle goes on") << Mode::Normal << false << 0 << 3 << 0.5 << 1;
        QTest::newRow("normal, last starts over") << Mode::Normal << false << 2 << 3 << 0.5 << 0;
        QTest::newRow("normal, one entry plays again") << Mode::Normal << false << 0 << 1 << 0.5 << 0;
        QTest::newRow("stop at end, last") << Mode::StopAtEnd << false << 2 << 3 << 0.5 << -1;
        QTest::newRow("stop at end, middle") << Mode::StopAtEnd << false << 0 << 3 << 0.5 << -1;
        QTest::newRow("shuffle of one, low draw") << Mode::Shuffle << false << 0 << 1 << 0.0 << 0;
        QTest::newRow("shuffle of one, high draw") << Mode::Shuffle << false << 0 << 1 << 0.999999 << 0;
        QTest::newRow("shuffle, draw picks entry") << Mode::Shuffle << false << 0 << 4 << 0.76 << 3;
        QTest::newRow("repeat beats stop at end") << Mode::StopAtEnd << true << 2 << 3 << 0.5 << 2;
        QTest::newRow("repeat beats shuffle") << Mode::Shuffle << true << 1 << 3 << 0.0 << 1;
        QTest::newRow("empty list") << Mode::Normal << false << -1 << 0 << 0.5 << -1;
    }
    void endOfTrackInEachMode() {
        // Guards against a track end that picks a wrong, out-of-range or no entry.
        QFETCH(Mode, mode);
        QFETCH(bool, repeat);
        QFETCH(int, current);
        QFETCH(int, count);
        QFETCH(double, random);
        QFETCH(int, expected);
        QCOMPARE(playorder::afterEnd(mode, repeat, current, count, random), expected);
    }

    void positionTexts_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("187 s") << 187.0 << QStringLiteral("03:07");
        QTest::newRow("fractions cut") << 59.99 << QStringLiteral("00:59");
        QTest::newRow("nothing open") << -1.0 << QStringLiteral("00:00");
        QTest::newRow("past an hour") << 6001.0 << QStringLiteral("100:01");
    }
    void positionTexts() {
        // Guards against a time display that rounds up or shows the no-media value.
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(playorder::positionText(seconds), text);
    }

    void tracksPlayOnInEachModeThroughTheLastEnd_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("playing");
        QTest::newRow("normal") << QStringLiteral("optres") << false << 0 << true;
        QTest::newRow("stop at end") << QStringLiteral("optnon") << false << 1 << false;
        QTest::newRow("repeat song") << QStringLiteral("optres") << true << 1 << true;
    }
    void tracksPlayOnInEachModeThroughTheLastEnd() {
        // Guards against the end of the last track stalling or playing the wrong entry.
        QFETCH(QString, mode);
        AudioPlayerWindow w(m_dir.path());
        w.show();
        w.findChild<QRadioButton*>(mode)->setChecked(true);
        QFETCH(bool, repeat);
        QFETCH(int, after);
        QFETCH(bool, playing);
        if (repeat)
            click(w, "repeat");
        PlayList& list = w.playList();
        list.append({PlayList::entryFor(path("short1.wav")), PlayList::entryFor(path("short2.wav"))});
        QSignalSpy ends(&w.media(), &MediaControl::endOfStream);
        w.controller().playEntry(1);
        QVERIFY(ends.wait(5000));
        QTRY_COMPARE(list.current(), after);
        QCOMPARE(w.media().state() == MediaControl::State::Playing, playing);
        w.controller().stop();
    }

    void unplayableEntriesAreSkippedNotLoopedOver() {
        // Guards against a stall on a missing or broken file, and an endless loop over a list of them.
        Rig rig;
        QStringList shown;
        connect(&rig.controller, &PlayerController::displayText, this,
                [&shown](const QString& text) { shown << text; });
        rig.list.append({PlayList::entryFor(path("gone.mp3")), PlayList::entryFor(path("notes.mp3")),
                         PlayList::entryFor(path("short1.wav"))});
        QVERIFY(rig.list.entry(0).missing);
        rig.controller.playEntry(0);
        QTRY_COMPARE(rig.media.state(), MediaControl::State::Playing);
        QCOMPARE(rig.list.current(), 2);
        QCOMPARE(shown, (QStringList{QStringLiteral("gone.mp3 cannot be played: skipped."),
                                     QStringLiteral("notes.mp3 cannot be played: skipped."),
                                     QStringLiteral("short1.wav")}));
        QVERIFY(rig.list.entry(0).missing && !rig.list.entry(1).missing);
        rig.controller.stop();

        shown.clear();
        rig.list.remove(2);
        rig.controller.playEntry(1);
        QTRY_COMPARE(shown.size(), 2);
        QTest::qWait(100);
        QCOMPARE(shown.last(), QStringLiteral("Nothing in the play list can be played."));
        QCOMPARE(shown.size(), 2);
        QCOMPARE(rig.media.state(), MediaControl::State::Closed);
    }

    void toneFileIsHeardWholeOnTheSink() {
        // Guards against sound lost, cut short, broken by a gap or repeated on the way from Play to the
        // speakers.
        SinkListener listener(kRate);
        QVERIFY(listener.ok());
        listener.start();
        // The monitor delivers late to a reader that has just attached: all of the start is heard
        // once it delivers.
        QVERIFY(listener.listenFor(200));
        AudioPlayerWindow w(m_dir.path());
        w.show();
        Dialogs::setNextFileName(path("tone3.wav"));
        click(w, "play");
        QCOMPARE(w.playList().count(), 1);
        QCOMPARE(child<QLabel>(w, "Label24")->text(), QStringLiteral("tone3.wav"));
        QCOMPARE(child<QLineEdit>(w, "ext")->text(), QStringLiteral("wav"));
        QSignalSpy ends(&w.media(), &MediaControl::endOfStream);
        w.findChild<QRadioButton*>(QStringLiteral("optnon"))->setChecked(true);
        QVERIFY(ends.wait(8000));
        QVERIFY(listener.listenFor(300));
        listener.stop();
        QVERIFY2(qAbs(listener.soundSeconds() - 3.0) <= 0.2,
                 qPrintable(QString::number(listener.soundSeconds())));
        QCOMPARE(qRound(peakFrequency(listener.asFloat(), kRate) / 10) * 10, 1000);
        // Between the first and the last sound, every 20 ms carries the tone.
        const std::vector<double> rms = listener.windowRms();
        const auto loud = [](double r) { return r > 0.05; };
        const auto first = std::find_if(rms.begin(), rms.end(), loud);
        QVERIFY(std::all_of(first, std::find_if(rms.rbegin(), rms.rend(), loud).base(), loud));
        QCOMPARE(w.media().state(), MediaControl::State::Stopped);
    }

    void positionKnobSeeksWhereItIsLetGo() {
        // Guards against a knob seek that lands away from where the knob was let go.
        const QString ramp = path("ramp60.wav");
        QVERIFY(writeRamp(ramp, 60));
        SinkListener listener(kRate);
        QVERIFY(listener.ok());
        listener.start();
        AudioPlayerWindow w(m_dir.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.controller().addAndPlay(ramp);
        QTRY_VERIFY(w.media().currentPosition() > 0.5);
        auto* knob = child<Knob>(w, "islider");
        // Half the travel: 120 + 1770 twips, 15 twips to a pixel here.
        const int target = (AudioPlayerWindow::kPositionMin + AudioPlayerWindow::kPositionTravel / 2) / 15;
        const QPoint grab(knob->width() / 2, knob->height() / 2);
        QTest::mousePress(knob, Qt::LeftButton, {}, grab);
        QTest::mouseMove(knob, grab + QPoint(target - knob->x(), 0));
        QTest::mouseRelease(knob, Qt::LeftButton, {}, grab + QPoint(target - knob->x(), 0));
        QCOMPARE(knob->x(), target);
        QVERIFY(qAbs(w.media().currentPosition() - 30.0) < 0.25);
        QVERIFY(listener.listenFor(1000));
        QCOMPARE(child<QLabel>(w, "Label20")->text().left(4), QStringLiteral("00:3"));
        w.controller().stop();
        QVERIFY(listener.listenFor(200));
        listener.stop();

        const double landed = secondResumedAfterSeek(listener.windowRms(), 60);
        qInfo("resumed at %.3f s", landed);
        QVERIFY(qAbs(landed - 30.0) <= 0.25);
    }

    void timeDisplayShowsMinutesAndSeconds() {
        // Guards against a position display that is off by a rounding or a unit or stale after a
        // seek while paused, and against a window that keeps waking while nothing plays.
        const QString longFile = path("long.wav");
        QVERIFY(writeRamp(longFile, 190, 8000));
        AudioPlayerWindow w(m_dir.path());
        w.show();
        // Open beside a recording, the window wakes only while it plays.
        const auto ticking = [&w] {
            const QList<QTimer*> timers = w.findChildren<QTimer*>();
            return std::any_of(timers.begin(), timers.end(), [](const QTimer* t) { return t->isActive(); });
        };
        QVERIFY(!ticking());
        w.controller().addAndPlay(longFile);
        QVERIFY(ticking());
        w.media().pause();
        QVERIFY(!ticking());
        w.media().setCurrentPosition(187.4);
        QCOMPARE(child<QLabel>(w, "Label20")->text(), QStringLiteral("03:07"));
        click(w, "Image4");
        QTRY_COMPARE(child<QLabel>(w, "toptime")->text(), QStringLiteral("03:07"));
        QCOMPARE(child<QLabel>(w, "Label1")->text(), QStringLiteral("Resume"));
        w.controller().stop();
        QTRY_COMPARE(child<QLabel>(w, "toptime")->text(), QStringLiteral("00:00"));
    }

    void heightsAndTheirControls() {
        // Guards against a window size that hides the controls needed to get back.
        AudioPlayerWindow w(m_dir.path());
        w.show();
        QCOMPARE(w.heightTwips(), AudioPlayerWindow::kFullHeight);
        QVERIFY(!child<QWidget>(w, "pldown")->isVisible() && !child<QWidget>(w, "toptime")->isVisible());
        QVERIFY(!child<QWidget>(w, "filebar")->isVisible() && !child<QWidget>(w, "listbar")->isVisible());
        click(w, "plup");
        QCOMPARE(w.heightTwips(), AudioPlayerWindow::kListHeight);
        QVERIFY(child<QListView>(w, "lstfavs")->isVisible());
        click(w, "Image4");
        QCOMPARE(w.heightTwips(), AudioPlayerWindow::kSmallHeight);
        QVERIFY(child<QWidget>(w, "toptime")->isVisible() && !child<QWidget>(w, "play")->isVisible());
        click(w, "Image15");
        QCOMPARE(w.heightTwips(), AudioPlayerWindow::kFullHeight);
        QVERIFY(child<QWidget>(w, "plup")->isVisible());
        click(w, "addfile");
        QVERIFY(child<QWidget>(w, "filebar")->isVisible());
        click(w, "list");
        QVERIFY(child<QWidget>(w, "listbar")->isVisible() && !child<QWidget>(w, "filebar")->isVisible());
        click(w, "shuffle");
        QCOMPARE(w.controller().mode(), Mode::Shuffle);
        QVERIFY(child<QWidget>(w, "shuffleon")->isVisible());
        click(w, "shuffle");
        QCOMPARE(w.controller().mode(), Mode::Normal);
        click(w, "Image9");
        QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(w.isVisible());
    }

    void volumeRampsWhileHeldAndBalanceSays() {
        // Guards against a volume that keeps changing after release or leaves its range.
        AudioPlayerWindow w(m_dir.path());
        w.show();
        auto* minus = child<QToolButton>(w, "minus");
        QTest::mousePress(minus, Qt::LeftButton);
        QTRY_VERIFY(w.media().volume() <= -2600);
        QTest::mouseRelease(minus, Qt::LeftButton);
        const int held = w.media().volume();
        QTest::qWait(200);
        QCOMPARE(w.media().volume(), held);
        QCOMPARE(held % AudioPlayerWindow::kVolumeStep, 0);
        int bars = 0;
        for (QFrame* bar : w.findChildren<QFrame*>(QStringLiteral("LVol")))
            bars += bar->isVisible();
        QCOMPARE(bars, AudioPlayerWindow::volumeBars(held));
        QCOMPARE(AudioPlayerWindow::volumeBars(0), 6);
        QCOMPARE(AudioPlayerWindow::volumeBars(-2500), 5);
        QCOMPARE(AudioPlayerWindow::volumeBars(-7000), 0);
        w.media().setVolume(-20000);
        QCOMPARE(w.media().volume(), MediaControl::kMinVolume);

        auto* balance = child<Knob>(w, "balance");
        const QPoint grab(balance->width() / 2, balance->height() / 2);
        QTest::mousePress(balance, Qt::LeftButton, {}, grab);
        QTest::mouseMove(balance, grab + QPoint(-200, 0));
        QCOMPARE(balance->x(), AudioPlayerWindow::kBalanceMin / 15);
        QCOMPARE(w.media().balance(), -MediaControl::kBalanceRange);
        QCOMPARE(child<QLabel>(w, "Label24")->text(), QStringLiteral("Left"));
        QTest::mouseMove(balance, grab + QPoint(AudioPlayerWindow::kBalanceMax / 15 - balance->x() + 5, 0));
        QCOMPARE(child<QLabel>(w, "Label24")->text(), QStringLiteral("Right"));
        QTest::mouseRelease(balance, Qt::LeftButton, {}, grab);
    }

    void listMenuEditsTheList() {
        // Guards against the list menu acting on the wrong entry or losing the selection.
        AudioPlayerWindow w(m_dir.path());
        w.show();
        PlayList& list = w.playList();
        for (const char* n : {"a.wav", "b.wav", "c.wav"})
            list.append(PlayList::entryFor(path(n)));
        auto* names = child<QListView>(w, "lstfavs");
        click(w, "plup");
        QMetaObject::invokeMethod(names, "customContextMenuRequested",
                                  Q_ARG(QPoint, names->visualRect(list.index(0, 0)).center()));
        QCOMPARE(list.current(), 0);
        auto act = [&w](const char* name) { child<QAction>(w, name)->trigger(); };
        act("mnuMoveDown");
        QCOMPARE(list.entry(1).name, QStringLiteral("a.wav"));
        QCOMPARE(list.current(), 1);
        QCOMPARE(names->currentIndex().row(), 1);
        act("mnuMoveUp");
        act("mnuRemove");
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.entry(0).name, QStringLiteral("b.wav"));
        QVERIFY(list.entry(0).missing);
        act("mnuClear");
        QCOMPARE(list.count(), 0);
    }

    void positionIsRestoredAfterReopening() {
        // Guards against the window forgetting its place, or coming back where no screen is.
        {
            AudioPlayerWindow w(m_dir.path());
            w.show();
            w.move(210, 135);
            click(w, "Image1");
        }
        QSettings s(QStringLiteral("tavrik"), QStringLiteral("tavrik"));
        QCOMPARE(s.value(QStringLiteral("Audio Player/MAINLEFT")).toString(), QStringLiteral("3150"));
        QCOMPARE(s.value(QStringLiteral("Audio Player/MAINTOP")).toString(), QStringLiteral("2025"));
        {
            AudioPlayerWindow w(m_dir.path());
            QCOMPARE(w.pos(), QPoint(210, 135));
        }
        s.setValue(QStringLiteral("Audio Player/MAINLEFT"), QStringLiteral("9000000"));
        s.sync();
        AudioPlayerWindow w(m_dir.path());
        QVERIFY(w.pos().x() < 100000);
    }

    void mainWindowOpensThePlayerModally() {
        // Guards against the Audio Player command staying disabled or opening a window that is not modal.
        QTemporaryDir app;
        MainWindow main(app.path());
        main.show();
        auto* button = main.findChild<QPushButton*>(QStringLiteral("Command4"));
        QVERIFY(button->isEnabled());
        QString opened;
        QTimer::singleShot(0, &main, [&opened] {
            QWidget* modal = QApplication::activeModalWidget();
            opened = modal ? modal->objectName() + QLatin1Char(' ') + modal->windowTitle() : QString();
            if (modal)
                QTest::mouseClick(modal->findChild<QToolButton*>(QStringLiteral("Image1")), Qt::LeftButton);
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(opened, QStringLiteral("MPlay3 Audio Player"));
        auto* action = main.findChild<QAction*>(QStringLiteral("audioplayer"));
        QVERIFY(action->isEnabled());
        QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    }
};

QTEST_MAIN(TestAudioPlayer)
#include "test_audio_player.moc"
