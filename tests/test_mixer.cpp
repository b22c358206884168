#include "TestSupport.h"
#include "engine/pulse/AudioRecorder.h"
#include "engine/pulse/InputMixer.h"
#include "formats/ui/AdvancedLineDialog.h"
#include "formats/ui/MixerPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <cmath>

using namespace testsupport;

namespace {

const QString kStereo = QStringLiteral("mixstereo");
const QString kMono = QStringLiteral("mixmono");

int pactl(const QStringList& args, QString* out = nullptr) {
    return run(QStringLiteral("pactl"), args, out);
}

// Loads a null source of `channels` channels; returns the module's number, or -1.
int loadSource(const QString& name, int channels) {
    const QString module = loadNullSource(name, channels);
    return module.isEmpty() ? -1 : module.toInt();
}

void unloadModule(int module) {
    if (module >= 0)
        pactl({QStringLiteral("unload-module"), QString::number(module)});
}

// What pactl reports about source `name`.
QJsonObject serverSource(const QString& name) {
    QString out;
    pactl({QStringLiteral("-f"), QStringLiteral("json"), QStringLiteral("list"), QStringLiteral("sources")},
          &out);
    for (const QJsonValue& s : QJsonDocument::fromJson(out.toUtf8()).array()) {
        if (s[QStringLiteral("name")].toString() == name)
            return s.toObject();
    }
    return {};
}

QList<int> serverVolumes(const QString& name) {
    QList<int> values;
    const QJsonObject volume = serverSource(name)[QStringLiteral("volume")].toObject();
    for (const QJsonValue& channel : volume)
        values.push_back(channel[QStringLiteral("value")].toInt());
    return values;
}

double serverBalance(const QString& name) {
    return serverSource(name)[QStringLiteral("balance")].toDouble();
}

bool serverMuted(const QString& name) {
    return serverSource(name)[QStringLiteral("mute")].toBool();
}

// The server's volume for mixer volume `v` (65535 is 0 dB).
int serverVolumeFor(int v) {
    return static_cast<int>(std::lround(v * 65536.0 / 65535.0));
}

// A recorder on the device of the private server's sources (none of them has a card).
struct Recorder {
    Recorder() { rec.selectDevice(rec.sources().defaultDevice()); }
    int line(const QString& serverName) const {
        return rec.sources().sourceServerNames().indexOf(serverName);
    }
    AudioRecorder rec;
};

template <typename W> W* in(const MixerPanel& panel, int strip, const char* name) {
    QWidget* s = panel.strip(strip);
    return s ? s->findChild<W*>(QLatin1String(name)) : nullptr;
}

} // namespace

class TestMixer : public QObject {
    Q_OBJECT
    int m_stereoModule = -1;
    int m_monoModule = -1;

private Q_SLOTS:
    void initTestCase() {
        m_stereoModule = loadSource(kStereo, 2);
        m_monoModule = loadSource(kMono, 1);
        QVERIFY(m_stereoModule >= 0 && m_monoModule >= 0);
    }
    void cleanupTestCase() {
        unloadModule(m_stereoModule);
        unloadModule(m_monoModule);
    }
    void init() {
        for (const QString& name : {kStereo, kMono}) {
            pactl({QStringLiteral("set-source-volume"), name, QStringLiteral("65536")});
            pactl({QStringLiteral("set-source-mute"), name, QStringLiteral("0")});
        }
    }

    void stripsShowTheDevicesLines_data() {
        QTest::addColumn<int>("extraSources");
        QTest::newRow("every line a strip") << 0;
        QTest::newRow("eight strips at most") << 6;
    }
    void stripsShowTheDevicesLines() {
        // Guards against strips for the wrong lines, more than eight, wrong controls per line, or a
        // caption cut short.
        QFETCH(int, extraSources);
        QList<int> modules;
        for (int i = 0; i < extraSources; ++i)
            modules.push_back(loadSource(QStringLiteral("mixextra%1").arg(i), 1));
        auto unload = qScopeGuard([&] {
            for (int m : modules)
                unloadModule(m);
        });
        Recorder r;
        MixerPanel panel(r.rec);
        panel.show();
        const int lines = r.rec.sources().lastSourceIndex() + 1;
        QCOMPARE(panel.stripCount(), std::min(lines, 8));
        QCOMPARE(panel.findChildren<QSlider*>(QStringLiteral("slVolume")).size(), panel.stripCount());
        for (int i = 0; i < panel.stripCount(); ++i) {
            r.rec.selectSource(i);
            QCOMPARE(in<QLabel>(panel, i, "lblLine")->text(), r.rec.sources().sourceName());
            QCOMPARE(in<QCheckBox>(panel, i, "chSelect")->text(),
                     i == 0 ? QStringLiteral("Select All") : QStringLiteral("Select"));
            QCOMPARE(in<QCheckBox>(panel, i, "chSelect")->isChecked(), r.rec.sources().sourceActive());
            // Not cut to "Select A".
            QVERIFY(in<QCheckBox>(panel, i, "chSelect")->width() >=
                    in<QCheckBox>(panel, i, "chSelect")->sizeHint().width());
            // Every source has its mute switch.
            QVERIFY(!in<QPushButton>(panel, i, "cmdAdvanced")->isHidden());
        }
        QVERIFY(in<QSlider>(panel, r.line(kStereo), "slBalance")->isEnabled());
        QVERIFY(!in<QSlider>(panel, r.line(kMono), "slBalance")->isEnabled());
    }

    void volumeRoundTrip_data() {
        QTest::addColumn<int>("volume");
        for (int v : {0, 1, 12345, 32768, 65534, 65535})
            QTest::addRow("%d", v) << v;
    }
    void volumeRoundTrip() {
        // Guards against a scale that drifts: every mixer volume comes back as set, 65535 being 0 dB.
        QFETCH(int, volume);
        Recorder r;
        InputMixer mixer;
        mixer.setLines(r.rec.sources().sourceServerNames());
        const int line = r.line(kStereo);
        QCOMPARE(mixer.setVolume(line, volume), volume);
        QCOMPARE(serverVolumes(kStereo), QList<int>(2, serverVolumeFor(volume)));
    }

    void volumeSliderActsOnServer_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("volume");
        QTest::newRow("stereo to the bottom") << kStereo << int(Qt::Key_End) << 0;
        QTest::newRow("mono one page down") << kMono << int(Qt::Key_PageDown) << 65535 - 6553;
        QTest::newRow("stereo one step down") << kStereo << int(Qt::Key_Down) << 65535 - 655;
    }
    void volumeSliderActsOnServer() {
        // Guards against an upside-down slider or one that does not reach the server.
        QFETCH(QString, source);
        QFETCH(int, key);
        QFETCH(int, volume);
        Recorder r;
        MixerPanel panel(r.rec);
        panel.show();
        const int line = r.line(source);
        QSlider* slider = in<QSlider>(panel, line, "slVolume");
        QCOMPARE(slider->value(), 0);
        QTest::keyClick(slider, Qt::Key(key));
        QCOMPARE(slider->value(), 65535 - volume);
        QCOMPARE(serverVolumes(source).value(0), serverVolumeFor(volume));
        QCOMPARE(r.rec.sources().sourceIndex(), line);
    }

    void balanceSliderActsOnServer_data() {
        QTest::addColumn<int>("position");
        QTest::newRow("left") << 0;
        QTest::newRow("toward left") << 20;
        QTest::newRow("centre") << 50;
        QTest::newRow("right") << 100;
    }
    void balanceSliderActsOnServer() {
        // Guards against a balance mapped the wrong way round, or a volume change losing it.
        QFETCH(int, position);
        Recorder r;
        MixerPanel panel(r.rec);
        panel.show();
        const int line = r.line(kStereo);
        QSlider* balance = in<QSlider>(panel, line, "slBalance");
        balance->setValue(position);
        QCOMPARE(balance->value(), position);
        QVERIFY(qAbs(serverBalance(kStereo) - (position - 50) / 50.0) < 0.01);
        QTest::keyClick(in<QSlider>(panel, line, "slVolume"), Qt::Key_PageDown);
        QVERIFY(qAbs(serverBalance(kStereo) - (position - 50) / 50.0) < 0.01);
        QCOMPARE(balance->value(), position);
    }

    void selectMakesTheLineRecorded() {
        // Guards against boxes that disagree with the recorder, which records one line per device.
        Recorder r;
        MixerPanel panel(r.rec);
        panel.show();
        const int stereo = r.line(kStereo);
        const int mono = r.line(kMono);
        r.rec.selectSource(mono);
        QTest::mouseClick(in<QCheckBox>(panel, stereo, "chSelect"), Qt::LeftButton);
        QCOMPARE(r.rec.sources().sourceIndex(), mono);
        for (int i = 0; i < panel.stripCount(); ++i)
            QCOMPARE(in<QCheckBox>(panel, i, "chSelect")->isChecked(), i == stereo);
        r.rec.selectSource(stereo);
        QVERIFY(r.rec.sources().sourceActive());
        // Unchecking the recorded line leaves it recorded.
        QTest::mouseClick(in<QCheckBox>(panel, stereo, "chSelect"), Qt::LeftButton);
        QVERIFY(in<QCheckBox>(panel, stereo, "chSelect")->isChecked());
    }

    void outsideChangeShowsInThePanel_data() {
        QTest::addColumn<QStringList>("volumes");
        QTest::addColumn<int>("volume");
        QTest::addColumn<int>("balance");
        QTest::newRow("both channels") << QStringList{QStringLiteral("20000")} << 20000 << 50;
        QTest::newRow("right louder")
            << QStringList{QStringLiteral("20000"), QStringLiteral("40000")} << 39999 << 75;
        QTest::newRow("boost shows at the top") << QStringList{QStringLiteral("98304")} << 65535 << 50;
    }
    void outsideChangeShowsInThePanel() {
        // Guards against a panel that shows stale values after another program changed the line.
        QFETCH(QStringList, volumes);
        QFETCH(int, volume);
        QFETCH(int, balance);
        // Apart from every row's outcome, so each row sees a change.
        pactl({QStringLiteral("set-source-volume"), kStereo, QStringLiteral("10000")});
        Recorder r;
        MixerPanel panel(r.rec);
        panel.show();
        const int line = r.line(kStereo);
        QVERIFY(pactl(QStringList{QStringLiteral("set-source-volume"), kStereo} + volumes) == 0);
        QElapsedTimer since;
        since.start();
        QTRY_COMPARE_WITH_TIMEOUT(in<QSlider>(panel, line, "slVolume")->value(), 65535 - volume, 500);
        QCOMPARE(in<QSlider>(panel, line, "slBalance")->value(), balance);
        qInfo("shown %lld ms after pactl returned", since.elapsed());
    }

    void outsideChangeIsSignalledAtOnce_data() {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("volume") << QStringList{QStringLiteral("set-source-volume"), kMono,
                                               QStringLiteral("30000")};
        QTest::newRow("mute") << QStringList{QStringLiteral("set-source-mute"), kMono, QStringLiteral("1")};
    }
    void outsideChangeIsSignalledAtOnce() {
        // Guards against polling or a missed subscription: the change arrives as one signal, quickly.
        QFETCH(QStringList, command);
        Recorder r;
        InputMixer mixer;
        mixer.setLines(r.rec.sources().sourceServerNames());
        QSignalSpy changed(&mixer, &InputMixer::lineChanged);
        QVERIFY(pactl(command) == 0);
        QElapsedTimer since;
        since.start();
        QVERIFY(changed.wait(500));
        qInfo("signalled %lld ms after pactl returned", since.elapsed());
        QCOMPARE(changed.first().first().toInt(), r.line(kMono));
    }

    void lineFollowsItsSourceAway() {
        // Guards against a line stuck on a removed source or lost when the source comes back.
        const QString name = QStringLiteral("mixgone");
        int module = loadSource(name, 2);
        QVERIFY(module >= 0);
        InputMixer mixer;
        mixer.setLines({name});
        QVERIFY(mixer.linePresent(0));
        QSignalSpy changed(&mixer, &InputMixer::lineChanged);
        unloadModule(module);
        QTRY_VERIFY(!mixer.linePresent(0));
        QCOMPARE(mixer.advancedCount(0), 0);
        QVERIFY(!mixer.hasVolume(0));
        QVERIFY(std::holds_alternative<std::monostate>(mixer.setAdvancedValue(0, 0, true)));
        module = loadSource(name, 2);
        auto unload = qScopeGuard([&] { unloadModule(module); });
        QTRY_VERIFY(mixer.linePresent(0));
        QVERIFY(changed.size() >= 2);
        // On PipeWire under load, the first volume set on a source that just came back may not
        // hold while the source settles: the line must take a volume, not the first one.
        QTRY_COMPARE(mixer.setVolume(0, 1000), 1000);
    }

    void portlessLineHasOnlyItsMuteSwitch() {
        // Guards against port switches invented for a source without ports (no source on a
        // server without sound cards has ports, so the port switches cannot be driven here).
        Recorder r;
        InputMixer mixer;
        mixer.setLines(r.rec.sources().sourceServerNames());
        const int line = r.line(kStereo);
        QCOMPARE(serverSource(kStereo)[QStringLiteral("ports")].toArray().size(), 0);
        QCOMPARE(mixer.advancedCount(line), 1);
        QCOMPARE(mixer.advancedName(line, 0), QStringLiteral("Mute"));
        QVERIFY(std::holds_alternative<std::monostate>(mixer.advancedValue(line, 1)));
    }

    void muteSwitchActsAndFollows() {
        // Guards against a switch that does not reach the server or misses a change made elsewhere.
        Recorder r;
        InputMixer mixer;
        mixer.setLines(r.rec.sources().sourceServerNames());
        const int line = r.line(kStereo);
        AdvancedLineDialog dialog(mixer, line, QStringLiteral("Line"));
        dialog.show();
        auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("Combo1"));
        auto* check = dialog.findChild<QCheckBox*>(QStringLiteral("Check1"));
        QCOMPARE(combo->count(), 1);
        QCOMPARE(combo->itemText(0), QStringLiteral("Mute"));
        QVERIFY(check->isVisible());
        QVERIFY(!dialog.findChild<QSlider*>(QStringLiteral("Slider1"))->isVisible());
        QCOMPARE(dialog.width(), 3750 * dialog.logicalDpiX() / (15 * 96));
        QVERIFY(!check->isChecked());
        // On the box itself: the check box is wider than its box and text.
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
        QVERIFY(serverMuted(kStereo));
        QVERIFY(check->isChecked());
        QVERIFY(pactl({QStringLiteral("set-source-mute"), kStereo, QStringLiteral("0")}) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(!check->isChecked(), 500);
    }

    void advancedButtonOpensTheLinesDialog() {
        // Guards against the dialog opening on another line than the strip's.
        Recorder r;
        MixerPanel panel(r.rec);
        panel.show();
        const int line = r.line(kMono);
        r.rec.selectSource(line);
        const QString name = r.rec.sources().sourceName();
        r.rec.selectSource(0);
        QString caption;
        QTimer::singleShot(0, this, [&caption] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog && dialog->objectName() == QStringLiteral("frmAdv")) {
                caption = dialog->windowTitle();
                dialog->close();
            }
        });
        QTest::mouseClick(in<QPushButton>(panel, line, "cmdAdvanced"), Qt::LeftButton);
        QCOMPARE(caption, name + QStringLiteral(": Advanced Properties"));
        QCOMPARE(r.rec.sources().sourceIndex(), line);
    }
};

QTEST_MAIN(TestMixer)
#include "test_mixer.moc"
