#include "formats/FormatSettings.h"
#include "shell/AppFolder.h"
#include "shell/Inifun.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(OggCall)

class TestFormats : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_file;

    void write(const char* section, const char* key, const char* value) {
        WriteIniString(m_file, QLatin1String(section), QLatin1String(key), QLatin1String(value));
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
        FormatState s;
        readFormatSettings(m_file, s);
        QCOMPARE(s.wavFreq, 0);
        QCOMPARE(s.mp3Bitrate, std::int16_t(0));
        QCOMPARE(s.gbit, std::int16_t(0));
    }

    void strictConversionKeepsPreviousValue() {
        // Guards against a bad or overflowing text zeroing a value instead of keeping it.
        FormatState s;
        s.wavFreq = 22050;
        s.mp3Bitrate = 64;
        s.rawChannel = 1;
        write("wav", "Freq", "44k");
        write("mp3", "MP3Bitrate", "80");
        write("raw", "rawChannel", "70000"); // past 16 bits
        write("g726", "gFreq", " 8000 ");
        readFormatSettings(m_file, s);
        QCOMPARE(s.wavFreq, 22050);
        QCOMPARE(s.mp3Bitrate, std::int16_t(80)); // unlisted values pass unchanged
        QCOMPARE(s.rawChannel, std::int16_t(1));
        QCOMPARE(s.gFreq, 8000);
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
        FormatState s;
        s.oggQualityEnabled = static_cast<std::int16_t>(quality);
        s.oggVbrEnabled = static_cast<std::int16_t>(vbr);
        s.oggBitrate = 192;
        s.oggMinBitrate = 112;
        s.oggMaxBitrate = 256;
        s.oggQuality = 450;
        QVERIFY(oggCallFor(s) == call);
    }
};

QTEST_GUILESS_MAIN(TestFormats)
#include "test_formats.moc"
