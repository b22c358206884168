#include "Mp3Fixtures.h"
#include "tags/Id3v1Tag.h"
#include "tags/Id3v2Tag.h"
#include "tags/Mp3Info.h"

#include <QTest>

using namespace mp3fixtures;

class TestMp3Info : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // Encodes `seconds` of a stereo (or mono) tone with lame and the given options.
    QString encode(const QString& name, double seconds, int channels, const QStringList& lameArgs) {
        const QString wav = m_dir.filePath(name + QStringLiteral(".wav"));
        const QString mp3 = m_dir.filePath(name + QStringLiteral(".mp3"));
        testsupport::run(QStringLiteral("sox"),
                         {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"),
                          QStringLiteral("-c"), QString::number(channels), wav, QStringLiteral("synth"),
                          QString::number(seconds), QStringLiteral("sine"), QStringLiteral("300-3000")});
        testsupport::run(QStringLiteral("lame"),
                         QStringList{QStringLiteral("--quiet")} + lameArgs + QStringList{wav, mp3});
        return mp3;
    }

private Q_SLOTS:
    void streams_data() {
        QTest::addColumn<QStringList>("lameArgs");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("bitrate");
        QTest::addColumn<int>("sampleRate");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("vbr");
        const auto args = [](const char* text) { return QString::fromLatin1(text).split(QLatin1Char(' ')); };
        const auto s = [](const char* text) { return QString::fromLatin1(text); };
        QTest::newRow("cbr 128 joint")
            << args("-b 128") << 2 << 10 << 128 << 44100 << s("Joint stereo") << false;
        QTest::newRow("cbr 192 stereo")
            << args("-b 192 -m s") << 2 << 10 << 192 << 44100 << s("Stereo") << false;
        QTest::newRow("dual channel")
            << args("-b 128 -m d") << 2 << 10 << 128 << 44100 << s("Dual channel") << false;
        QTest::newRow("no info frame") << args("-b 96 -t") << 1 << 10 << 96 << 44100 << s("Mono") << false;
        QTest::newRow("mpeg-2") << args("-b 64 --resample 22.05 -m m") << 1 << 20 << 64 << 22050 << s("Mono")
                                << false;
        QTest::newRow("mpeg-2.5") << args("-b 16 --resample 8 -m m") << 1 << 25 << 16 << 8000 << s("Mono")
                                  << false;
        QTest::newRow("vbr") << args("-V 2") << 2 << 10 << -1 << 44100 << s("Joint stereo") << true;
    }

    void streams() {
        // Guards against wrong bit rate, rate or mode tables, and lengths that ignore the VBR
        // header (or the tags around the audio).
        QFETCH(QStringList, lameArgs);
        QFETCH(int, channels);
        const QString path =
            encode(QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_')),
                   3.0, channels, lameArgs);
        QFETCH(int, version);
        QFETCH(int, bitrate);
        QFETCH(int, sampleRate);
        QFETCH(QString, mode);
        QFETCH(bool, vbr);
        for (int tagged = 0; tagged < 2; ++tagged) {
            const Mp3Info info = readMp3Info(path);
            QVERIFY(info.valid);
            QCOMPARE(info.version, version);
            QCOMPARE(info.layer, 3);
            QCOMPARE(info.sampleRate, sampleRate);
            QCOMPARE(info.modeText(), mode);
            QCOMPARE(info.vbr, vbr);
            if (bitrate > 0)
                QCOMPARE(info.bitrate, bitrate);
            else
                QVERIFY2(info.bitrate > 32 && info.bitrate < 320, qPrintable(QString::number(info.bitrate)));
            // lame adds delay and padding of about two frames (72 ms each at 8 kHz).
            QVERIFY2(info.lengthMs >= 2990 && info.lengthMs <= 3250,
                     qPrintable(QString::number(info.lengthMs)));

            Id3v2Tag v2;
            v2.setPath(path);
            v2.setField(Id3v2Field::Comments, QString(3000, QLatin1Char('x')));
            QVERIFY(v2.save());
            Id3v1Tag v1;
            v1.setPath(path);
            QVERIFY(v1.save());
            QVERIFY(readMp3Info(path).audioStart > 3000);
        }
    }

    void notAudio_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("just some text, no frames at all").repeated(100);
        QTest::newRow("tag past the end") << QByteArray("ID3\x03\x00\x00\x00\x00\x7f\x7f", 10) + mp3Bytes();
        QTest::newRow("lone sync") << QByteArray("\xff\xfb\x90\x64", 4) + QByteArray(100, 'x');
        QTest::newRow("free format") << QByteArray("\xff\xfb\x00\x64", 4).repeated(300);
    }

    void notAudio() {
        // Guards against a frame "found" in data that only happens to hold a sync pattern.
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(QStringLiteral("not.mp3"));
        QVERIFY(writeAll(path, bytes));
        QVERIFY(!readMp3Info(path).valid);
    }
};

QTEST_GUILESS_MAIN(TestMp3Info)
#include "test_mp3info.moc"
