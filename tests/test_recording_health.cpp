#include "base/AppFolder.h"
#include "base/SettingsFile.h"
#include "record/ActivationSettings.h"
#include "record/MixSettings.h"
#include "record/RecordingHealth.h"

#include <QTemporaryDir>
#include <QTest>

// The health a recording's status shows and the settings of activation, without a sound server.
class TestRecordingHealth : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countsClippedPeaks_data() {
        // Blocks separated by "|", samples by spaces, on `channels` interleaved channels.
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("blocks");
        QTest::addColumn<int>("peaks");
        QTest::newRow("a flat crest is one peak") << 1 << QStringLiteral("0 32767 32767 32767 0") << 1;
        QTest::newRow("negative full scale") << 1 << QStringLiteral("0 -32768 0") << 1;
        QTest::newRow("just below full scale") << 1 << QStringLiteral("32766 -32767") << 0;
        QTest::newRow("two crests") << 1 << QStringLiteral("32767 0 -32768") << 2;
        QTest::newRow("a crest across blocks") << 1 << QStringLiteral("0 32767 | 32767 0") << 1;
        QTest::newRow("left then right in a row") << 2 << QStringLiteral("32767 0 0 -32768 0 0") << 1;
    }
    void countsClippedPeaks() {
        // Guards against a long flat crest counted per sample, a crest cut by a block boundary
        // counted twice, and a sample one below full scale counted.
        QFETCH(int, channels);
        QFETCH(QString, blocks);
        QFETCH(int, peaks);
        RecordingHealth health;
        health.reset(channels, 0, {});
        for (const QString& text : blocks.split(u'|')) {
            SampleBlock block;
            for (const QString& sample : text.split(u' ', Qt::SkipEmptyParts))
                block.push_back(static_cast<std::int16_t>(sample.toInt()));
            health.note(block, {});
        }
        QCOMPARE(health.clippedPeaks(), std::int64_t{peaks});
    }

    void raisesTheSilenceAlarmOnce_data() {
        // One block a second for 200 s, its magnitude changing at the seconds given in
        // `changes` (second, magnitude in turn); the seconds at which the alarm rose.
        QTest::addColumn<int>("alarmSeconds");
        QTest::addColumn<QList<int>>("changes");
        QTest::addColumn<QList<int>>("raisedAt");
        QTest::newRow("off") << 0 << QList<int>{0, 0} << QList<int>{};
        QTest::newRow("once per silent stretch") << 60 << QList<int>{0, 0} << QList<int>{60};
        QTest::newRow("sound re-arms it") << 60 << QList<int>{0, 0, 71, 1000, 72, 0} << QList<int>{60, 131};
        QTest::newRow("sound late in the stretch puts it off")
            << 60 << QList<int>{0, 0, 59, 1000, 60, 0} << QList<int>{119};
        QTest::newRow("below -60 dBFS is silence") << 60 << QList<int>{0, 32} << QList<int>{60};
        QTest::newRow("at -60 dBFS is sound") << 60 << QList<int>{0, 33} << QList<int>{};
    }
    void raisesTheSilenceAlarmOnce() {
        // Guards against an alarm repeated every block of one silence, one never raised again
        // after the sound came back, and quiet hiss taken for sound.
        QFETCH(int, alarmSeconds);
        QFETCH(QList<int>, changes);
        QFETCH(QList<int>, raisedAt);
        RecordingHealth health;
        health.reset(2, alarmSeconds, {});
        QList<int> raised;
        std::int16_t magnitude = 0;
        for (int second = 1; second <= 200; ++second) {
            for (qsizetype i = 0; i + 1 < changes.size(); i += 2) {
                if (changes[i] <= second)
                    magnitude = static_cast<std::int16_t>(changes[i + 1]);
            }
            const SampleBlock block{0, 0, magnitude, static_cast<std::int16_t>(-magnitude)};
            if (health.note(block, std::chrono::seconds(second)))
                raised.append(second);
        }
        QCOMPARE(raised, raisedAt);
    }

    void diskTimeLeft_data() {
        QTest::addColumn<qint64>("freeBytes");
        QTest::addColumn<double>("bytesPerSecond");
        QTest::addColumn<QString>("text");
        QTest::newRow("hours") << qint64{8039} * 176400 << 176400.0 << QStringLiteral("2 h 13 min left");
        QTest::newRow("minutes") << qint64{3599} * 1000 << 1000.0 << QStringLiteral("59 min left");
        QTest::newRow("under a minute") << qint64{59} * 1000 << 1000.0 << QStringLiteral("under 1 min left");
        QTest::newRow("no rate yet") << qint64{1000} << 0.0 << QString();
    }
    void diskTimeLeft() {
        // Guards against time promised that the disk does not have (rounding up), and a
        // division by a rate not yet known.
        QFETCH(qint64, freeBytes);
        QFETCH(double, bytesPerSecond);
        QFETCH(QString, text);
        QCOMPARE(diskTimeLeftText(freeBytes, bytesPerSecond), text);
    }

    void readsSettings_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<double>("value");
        QTest::newRow("threshold below range")
            << QStringLiteral("threshold") << QStringLiteral("-95") << -80.0;
        QTest::newRow("threshold no number")
            << QStringLiteral("threshold") << QStringLiteral("loud") << -40.0;
        QTest::newRow("hold below range") << QStringLiteral("hold") << QStringLiteral("0.2") << 0.5;
        QTest::newRow("preroll above range") << QStringLiteral("preroll") << QStringLiteral("45") << 30.0;
        QTest::newRow("prerecord rounds") << QStringLiteral("prerecord") << QStringLiteral("12.6") << 13.0;
        QTest::newRow("enabled") << QStringLiteral("enabled") << QStringLiteral("1") << 1.0;
        QTest::newRow("enabled by 2 is not") << QStringLiteral("enabled") << QStringLiteral("2") << 0.0;
        QTest::newRow("silence alarm no number")
            << QStringLiteral("silencealarm") << QStringLiteral("x") << 60.0;
    }
    void readsSettings() {
        // Guards against a stored value outside its range or unreadable reaching the recorder,
        // and against a write that the next read does not give back.
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(double, value);
        QTemporaryDir dir;
        const QString file = settingsFile(dir.path());
        const QString section =
            key == QLatin1String("silencealarm") ? QStringLiteral("health") : QStringLiteral("activation");
        writeSetting(file, section, key, stored);
        const ActivationSettings read = ActivationSettings::read(file);
        const QHash<QString, double> values{{QStringLiteral("prerecord"), read.prerecordSeconds},
                                            {QStringLiteral("enabled"), read.enabled ? 1 : 0},
                                            {QStringLiteral("threshold"), read.thresholdDb},
                                            {QStringLiteral("hold"), read.holdSeconds},
                                            {QStringLiteral("preroll"), read.prerollSeconds},
                                            {QStringLiteral("silencealarm"), read.silenceAlarmSeconds}};
        QCOMPARE(values.value(key), value);
        read.write(file);
        QVERIFY(ActivationSettings::read(file) == read);
    }

    void readsTheSourceMix_data() {
        QTest::addColumn<QString>("sources");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("levels"); // level1, level2, ... as stored
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("readLevels");
        QTest::addColumn<bool>("apart");
        QTest::newRow("empty: one source")
            << QString() << QString() << QStringList{} << QStringList{} << QList<int>{} << false;
        QTest::newRow("two, defaults") << QStringLiteral("mic|out.monitor") << QString() << QStringList{}
                                       << QStringList{QStringLiteral("mic"), QStringLiteral("out.monitor")}
                                       << QList<int>{100, 100} << false;
        QTest::newRow("levels clamped, unreadable is 100")
            << QStringLiteral("a|b|c") << QStringLiteral("1")
            << QStringList{QStringLiteral("250"), QStringLiteral("-5"), QStringLiteral("loud")}
            << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}
            << QList<int>{200, 0, 100} << true;
        QTest::newRow("empty names skipped, unknown layout mixed")
            << QStringLiteral("|a|| b |") << QStringLiteral("7") << QStringList{}
            << QStringList{QStringLiteral("a"), QStringLiteral("b")} << QList<int>{100, 100} << false;
        const QString longName = QStringLiteral("alsa_input.usb-Generic_Headset_0123456789-00.analog-stereo");
        QTest::newRow("longer than other values")
            << QStringList{longName, longName + u'2', longName + u'3'}.join(u'|') << QString()
            << QStringList{} << QStringList{longName, longName + u'2', longName + u'3'}
            << QList<int>{100, 100, 100} << false;
    }
    void readsTheSourceMix() {
        // Guards against a mix cut short by the settings file's usual value length, levels out
        // of range reaching the mixer, and a write that the next read does not give back.
        QFETCH(QString, sources);
        QFETCH(QString, layout);
        QFETCH(QStringList, levels);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, readLevels);
        QFETCH(bool, apart);
        QTemporaryDir dir;
        const QString file = settingsFile(dir.path());
        writeSetting(file, QStringLiteral("mix"), QStringLiteral("sources"), sources, 1024);
        writeSetting(file, QStringLiteral("mix"), QStringLiteral("layout"), layout);
        for (qsizetype i = 0; i < levels.size(); ++i)
            writeSetting(file, QStringLiteral("mix"), QStringLiteral("level%1").arg(i + 1), levels.at(i));
        const SourceMix mix = readSourceMix(file);
        QStringList read;
        for (const std::string& name : mix.serverNames)
            read << QString::fromStdString(name);
        QCOMPARE(read, names);
        QCOMPARE(QList<int>(mix.levels.begin(), mix.levels.end()), readLevels);
        QCOMPARE(mix.layout == SourceMixer::Layout::ChannelPerSource, apart);
        writeSourceMix(file, mix);
        QVERIFY(readSourceMix(file) == mix);
    }
};

QTEST_GUILESS_MAIN(TestRecordingHealth)
#include "test_recording_health.moc"
