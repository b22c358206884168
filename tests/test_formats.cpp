#include "base/AppFolder.h"
#include "base/SettingsFile.h"
#include "engine/pulse/AudioRecorder.h"
#include "formats/FormatSettings.h"
#include "formats/SignalSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using codec::OggCall;
Q_DECLARE_METATYPE(OggCall)

class TestFormats : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_file;

    void write(const char* section, const char* key, const char* value) {
        writeSetting(m_file, QLatin1String(section), QLatin1String(key), QLatin1String(value));
    }

private Q_SLOTS:
    void init() {
        m_file = settingsFile(m_dir.path());
        QFile::remove(m_file);
    }

    void outputFormatPosition_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("position");
        QTest::newRow("missing") << "" << 0;
        QTest::newRow("5 is OGG") << "5" << 5;
        QTest::newRow("9 is out of range") << "9" << 0;
        QTest::newRow("negative") << "-1" << 0;
        QTest::newRow("leading number") << "3abc" << 3;
        QTest::newRow("letters") << "abc" << 0;
    }
    void outputFormatPosition() {
        // Guards against an odd `outputformat` selecting a missing list entry.
        QFETCH(QString, stored);
        QFETCH(int, position);
        QCOMPARE(outputFormatFrom(stored), position);
        QCOMPARE(outputFormatTexts().size(), 6);
        QCOMPARE(outputFormatTexts().at(3), QStringLiteral("Raw"));
    }

    void freshStartLeavesZeros() {
        // Guards against invented defaults in the model: a fresh start passes zeros on.
        codec::OutputFormats s;
        readFormatSettings(m_file, s);
        QCOMPARE(s.wavRate, 0);
        QCOMPARE(s.mp3Kbps, std::int16_t(0));
        QCOMPARE(s.g726BitsPerSample, std::int16_t(0));
    }

    void strictConversionKeepsPreviousValue() {
        // Guards against a bad or overflowing text zeroing a value instead of keeping it.
        codec::OutputFormats s;
        s.wavRate = 22050;
        s.mp3Kbps = 64;
        s.rawChannels = 1;
        write("wav", "Freq", "44k");
        write("mp3", "MP3Bitrate", "80");
        write("raw", "rawChannel", "70000"); // past 16 bits
        write("g726", "gFreq", " 8000 ");
        readFormatSettings(m_file, s);
        QCOMPARE(s.wavRate, 22050);
        QCOMPARE(s.mp3Kbps, std::int16_t(80)); // unlisted values pass unchanged
        QCOMPARE(s.rawChannels, std::int16_t(1));
        QCOMPARE(s.g726Rate, 8000);
    }

    void oggModeRule_data() {
        QTest::addColumn<int>("quality");
        QTest::addColumn<int>("vbr");
        QTest::addColumn<OggCall>("call");
        QTest::newRow("quality wins over vbr") << 1 << 1 << OggCall{44100, 2, 128, 0, 0, 450};
        QTest::newRow("vbr") << 0 << 1 << OggCall{44100, 2, 192, 112, 256, -1};
        QTest::newRow("constant") << 0 << 0 << OggCall{44100, 2, 192, 0, 0, -1};
        QTest::newRow("flag 2 is off") << 2 << 2 << OggCall{44100, 2, 192, 0, 0, -1};
    }
    void oggModeRule() {
        // Guards against the wrong Ogg mode when both flags are set or neither is.
        QFETCH(int, quality);
        QFETCH(int, vbr);
        QFETCH(OggCall, call);
        codec::OutputFormats s;
        s.oggQualityEnabled = static_cast<std::int16_t>(quality);
        s.oggVbrEnabled = static_cast<std::int16_t>(vbr);
        s.oggKbps = 192;
        s.oggMinKbps = 112;
        s.oggMaxKbps = 256;
        s.oggQuality = 450;
        QVERIFY(oggCallFor(s) == call);
    }

    void signalSettings_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("applied");
        const QString untouched =
            QStringLiteral("notch off 60, high-pass off 300, low-pass off 5000, agc off -30 -5 150");
        QTest::newRow("empty file switches all off") << QStringList{} << untouched;
        QTest::newRow("off flags leave their values")
            << QStringList{QStringLiteral("notch=0"), QStringLiteral("notchtxt=100"),
                           QStringLiteral("autogain=0"), QStringLiteral("lowlevel=-20")}
            << untouched;
        QTest::newRow("all stored")
            << QStringList{QStringLiteral("notch=1"),       QStringLiteral("notchtxt=50"),
                           QStringLiteral("highpass=1"),    QStringLiteral("highpasstxt=400"),
                           QStringLiteral("lowpass=1"),     QStringLiteral("lowpasstxt=123.5"),
                           QStringLiteral("autogain=1"),    QStringLiteral("lowlevel=-20"),
                           QStringLiteral("highlevel=-10"), QStringLiteral("attacktime=100")}
            << QStringLiteral("notch on 50, high-pass on 400, low-pass on 123.5, agc on -20 -10 100");
        QTest::newRow("letters keep the previous value")
            << QStringList{QStringLiteral("notch=1"), QStringLiteral("notchtxt=abc"),
                           QStringLiteral("highpass=1"), QStringLiteral("autogain=1"),
                           QStringLiteral("lowlevel=low")}
            << QStringLiteral("notch on 60, high-pass on 300, low-pass off 5000, agc on -30 -5 150");
        QTest::newRow("flags equal to 1 as numbers")
            << QStringList{QStringLiteral("notch=1.0"), QStringLiteral("notchtxt=100"),
                           QStringLiteral("highpass=2"), QStringLiteral("lowpass=yes"),
                           QStringLiteral("autogain=01")}
            << QStringLiteral("notch on 100, high-pass off 300, low-pass off 5000, agc on -30 -5 150");
        QTest::newRow("refused values keep the previous one")
            << QStringList{QStringLiteral("lowpass=1"),   QStringLiteral("lowpasstxt=0"),
                           QStringLiteral("autogain=1"),  QStringLiteral("lowlevel=-20.5"),
                           QStringLiteral("highlevel=5"), QStringLiteral("attacktime=20")}
            << QStringLiteral("notch off 60, high-pass off 300, low-pass on 5000, agc on -30 -5 150");
    }
    void signalSettings() {
        // Guards against a missing flag leaving a filter on, or a bad text changing a value.
        QFETCH(QStringList, stored);
        QFETCH(QString, applied);
        for (const QString& entry : stored)
            writeSetting(m_file, QStringLiteral("other"), entry.section(u'=', 0, 0), entry.section(u'=', 1));
        AudioRecorder rec;
        rec.signalChain().setFilterEnabled(SignalChain::Notch, true);
        rec.signalChain().setFilterEnabled(SignalChain::HighPass, true);
        rec.signalChain().setFilterEnabled(SignalChain::LowPass, true);
        rec.signalChain().setAgcEnabled(true);
        QVERIFY(rec.signalChain().setFilterFrequency(SignalChain::Notch, 60) &&
                rec.signalChain().setFilterFrequency(SignalChain::HighPass, 300) &&
                rec.signalChain().setFilterFrequency(SignalChain::LowPass, 5000));
        QVERIFY(rec.signalChain().setAgcLowLevel(-30) && rec.signalChain().setAgcHighLevel(-5) &&
                rec.signalChain().setAgcAttackTime(150));
        applySignalSettings(m_file, rec.signalChain());
        const auto onOff = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
        QCOMPARE(QStringLiteral("notch %1 %2, high-pass %3 %4, low-pass %5 %6, agc %7 %8 %9 %10")
                     .arg(onOff(rec.signalChain().filterEnabled(SignalChain::Notch)))
                     .arg(rec.signalChain().filterFrequency(SignalChain::Notch))
                     .arg(onOff(rec.signalChain().filterEnabled(SignalChain::HighPass)))
                     .arg(rec.signalChain().filterFrequency(SignalChain::HighPass))
                     .arg(onOff(rec.signalChain().filterEnabled(SignalChain::LowPass)))
                     .arg(rec.signalChain().filterFrequency(SignalChain::LowPass))
                     .arg(onOff(rec.signalChain().agcEnabled()))
                     .arg(rec.signalChain().agcLowLevel())
                     .arg(rec.signalChain().agcHighLevel())
                     .arg(rec.signalChain().agcAttackTime()),
                 applied);
    }
};

QTEST_GUILESS_MAIN(TestFormats)
#include "test_formats.moc"
