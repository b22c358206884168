#include "base/AppFolder.h"
#include "base/SettingsFile.h"
#include "engine/pulse/AudioRecorder.h"
#include "formats/FormatSettings.h"
#include "formats/SignalSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using codec::OggCall;
Q_DECLARE_METATYPE(OggCall)
Q_DECLARE_METATYPE(codec::FileType)
Q_DECLARE_METATYPE(std::function<void(codec::OutputFormats&)>)

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

    void storedValuesGiveWrittenFormat_data() {
        using codec::FileType;
        using Edit = std::function<void(codec::OutputFormats&)>;
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<FileType>("type");
        QTest::addColumn<QString>("description");
        QTest::addColumn<double>("bytesPerSecond");
        const Edit none = [](codec::OutputFormats&) {};
        QTest::newRow("wav zeros") << none << FileType::Wav << "WAV PCM 44100 Hz 16-bit stereo" << 176400.0;
        QTest::newRow("wav adpcm as stored") << Edit([](auto& f) {
            f.wavCodec = static_cast<std::int16_t>(codec::WavCodec::ImaAdpcm);
            f.wavRate = 11025;
            f.wavChannels = 1;
        }) << FileType::Wav << "WAV IMA ADPCM 11025 Hz mono"
                                             << 11025.0 * 256 / 505;
        QTest::newRow("gsm refused, not replaced") << Edit([](auto& f) {
            f.wavCodec = static_cast<std::int16_t>(codec::WavCodec::Gsm610);
            f.wavRate = 16000;
            f.wavChannels = 1;
        }) << FileType::Wav << "" << 0.0;
        QTest::newRow("mp3 zeros") << none << FileType::Mp3 << "MP3 44100 Hz 128 kbit/s stereo" << 16000.0;
        QTest::newRow("mp3 rate from options") << Edit([](auto& f) {
            f.mp3Rate = 48000;
            f.mp3Options.setSampleRate(22050);
        }) << FileType::Mp3 << "MP3 22050 Hz 128 kbit/s stereo"
                                               << 16000.0;
        QTest::newRow("ogg quality mode") << Edit([](auto& f) {
            f.oggQualityEnabled = 1;
            f.oggQuality = 300;
        }) << FileType::Ogg << "Ogg Vorbis 44100 Hz stereo, quality 3.00"
                                          << 14000.0;
        QTest::newRow("ogg vbr limits") << Edit([](auto& f) {
            f.oggVbrEnabled = 1;
            f.oggKbps = 320;
            f.oggMinKbps = 112;
            f.oggMaxKbps = 192;
        }) << FileType::Ogg << "Ogg Vorbis 44100 Hz stereo, 192 kbit/s (112-192 kbit/s VBR)"
                                        << 24000.0;
        QTest::newRow("raw unknown coding") << Edit([](auto& f) { f.rawCoding = 9; }) << FileType::Raw
                                            << "RAW PCM 44100 Hz 16-bit stereo" << 176400.0;
        QTest::newRow("g726 unknown width") << Edit([](auto& f) {
            f.g726Rate = 8000;
            f.g726BitsPerSample = 7;
        }) << FileType::G726 << "G.726 8000 Hz 4 bits"
                                            << 4000.0;
        QTest::newRow("vox out of range")
            << Edit([](auto& f) { f.voxRate = 96000; }) << FileType::Vox << "VOX 44100 Hz mono" << 22050.0;
    }
    void storedValuesGiveWrittenFormat() {
        // Fault: a stored 0 or out-of-range value reaching a file, or shown unlike what is written.
        QFETCH(std::function<void(codec::OutputFormats&)>, edit);
        QFETCH(codec::FileType, type);
        QFETCH(QString, description);
        QFETCH(double, bytesPerSecond);
        codec::OutputFormats formats;
        edit(formats);
        QCOMPARE(formats.description(type), description);
        QCOMPARE(formats.bytesPerSecond(type), bytesPerSecond);
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
