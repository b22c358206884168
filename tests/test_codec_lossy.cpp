#include "TestSupport.h"
#include "engine/codec/AudioFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <sys/resource.h>

using namespace testsupport;
using Setter = std::function<void(AudioFileWriter&)>;
Q_DECLARE_METATYPE(Setter)

namespace {

Setter mp3(int rate, int kbps, int channels, std::function<void(Mp3Options&)> edit = {}) {
    return [=](AudioFileWriter& codec) {
        codec.setMp3Format(rate, kbps, channels);
        if (edit) {
            Mp3Options options;
            edit(options);
            codec.setMp3Options(options);
        }
    };
}

Setter ogg(int rate, int channels, int nominal, int min, int max, int quality) {
    return [=](AudioFileWriter& codec) { codec.setOggFormat(rate, channels, nominal, min, max, quality); };
}

Setter wma(int profile) {
    return [=](AudioFileWriter& codec) { codec.setWmaProfile(profile); };
}

// Decodes with the tool people use for each format, to a WAV beside the file.
QString decodeToWav(const QString& file) {
    const QString wav = file + QStringLiteral(".wav");
    const QString suffix = QFileInfo(file).suffix().toLower();
    int code = -1;
    if (suffix == QLatin1String("mp3"))
        code = run(QStringLiteral("mpg123"), {QStringLiteral("-q"), QStringLiteral("-w"), wav, file});
    else if (suffix == QLatin1String("ogg"))
        code = run(QStringLiteral("oggdec"), {QStringLiteral("-Q"), QStringLiteral("-o"), wav, file});
    else
        code = run(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"),
                                              QStringLiteral("-i"), file, QStringLiteral("-y"), wav});
    return code == 0 ? wav : QString();
}

// The length ffprobe gives the whole file, which for VBR MP3 comes from the header written at close.
double probedSeconds(const QString& file) {
    QString out;
    if (run(QStringLiteral("ffprobe"),
            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
             QStringLiteral("format=duration"), QStringLiteral("-of"), QStringLiteral("csv=p=0"), file},
            &out) != 0)
        return -1;
    return out.trimmed().toDouble();
}

// The frames of an MP3 file without ID3 tags: each one's 4-byte header, and the whole first one.
struct Mp3Frames {
    QList<quint32> headers;
    QByteArray first;
};
using FrameCheck = std::function<bool(const Mp3Frames&)>;

Mp3Frames mp3Frames(const QByteArray& data) {
    static constexpr int kKbps[2][16] = {
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0}};
    static constexpr int kRates[3] = {44100, 48000, 32000};
    Mp3Frames frames;
    qsizetype at = 0;
    while (at + 4 <= data.size()) {
        const auto* b = reinterpret_cast<const unsigned char*>(data.constData() + at);
        const int version = (b[1] >> 3) & 3; // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
        const int kbps = kKbps[version == 3 ? 0 : 1][b[2] >> 4];
        const int rateIndex = (b[2] >> 2) & 3;
        if (b[0] != 0xff || (b[1] & 0xe0) != 0xe0 || version == 1 || kbps == 0 || rateIndex == 3)
            break;
        const int rate = kRates[rateIndex] >> (version == 3 ? 0 : version == 2 ? 1 : 2);
        const int size = (version == 3 ? 144 : 72) * kbps * 1000 / rate + ((b[2] >> 1) & 1);
        if (frames.headers.isEmpty())
            frames.first = data.mid(at, size);
        frames.headers.append(quint32{b[0]} << 24 | quint32{b[1]} << 16 | quint32{b[2]} << 8 | b[3]);
        at += size;
    }
    return frames;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Deterministic noise at half scale, which no encoder can squeeze below its bit rate.
SampleBlock noise(int rate, int channels, double seconds) {
    SampleBlock values(static_cast<size_t>(seconds * rate) * static_cast<size_t>(channels));
    quint32 state = 12345;
    for (auto& v : values) {
        state = state * 1664525 + 1013904223;
        v = static_cast<std::int16_t>(static_cast<qint32>(state >> 16) - 32768) / 2;
    }
    return values;
}

SampleBlock mix(const SampleBlock& a, const SampleBlock& b) {
    SampleBlock out(a.size());
    for (size_t i = 0; i < a.size(); ++i)
        out[i] = static_cast<std::int16_t>(a[i] + b[i]);
    return out;
}

void writeSeconds(AudioFileWriter& codec, const SampleBlock& values) {
    const size_t second = static_cast<size_t>(codec.sampleRate() * codec.channels());
    for (size_t at = 0; at < values.size(); at += second)
        codec.write(
            SampleBlock(values.begin() + static_cast<std::ptrdiff_t>(at),
                        values.begin() + static_cast<std::ptrdiff_t>(std::min(values.size(), at + second))));
}

} // namespace

Q_DECLARE_METATYPE(FrameCheck)

class TestCodecLossy : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }

    void recordsServerTone_data();
    void recordsServerTone();
    void killedWriterLeavesDecodableFile_data();
    void killedWriterLeavesDecodableFile();
    void optionsReachFrameHeaders_data();
    void optionsReachFrameHeaders();
    void filtersShapeTheSpectrum_data();
    void filtersShapeTheSpectrum();
    void bitRateFollowsSettings_data();
    void bitRateFollowsSettings();
    void everyWmaProfileEncodes_data();
    void everyWmaProfileEncodes();
    void describesLossyFormats_data();
    void describesLossyFormats();
    void fullDiskStopsWithDecodableFile_data();
    void fullDiskStopsWithDecodableFile();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestCodecLossy::recordsServerTone_data() {
    QTest::addColumn<Setter>("set");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::newRow("mp3 cbr 44100 stereo") << mp3(44100, 128, 2) << QStringLiteral("a.mp3") << 44100 << 2;
    // Below 32 kbit/s at 8000 Hz a frame is too small for the header that makes decoders
    // drop the encoder's delay, so the length would grow by about 0.17 s.
    QTest::newRow("mp3 cbr 8000 mono") << mp3(8000, 32, 1) << QStringLiteral("a.MP3") << 8000 << 1;
    QTest::newRow("mp3 vbr 22050 stereo") << mp3(22050, 64, 2, [](Mp3Options& o) {
        o.encodingMode = Mp3Options::kModeDefault;
        o.vbrQuality = 2;
    }) << QStringLiteral("a.mp3") << 22050 << 2;
    QTest::newRow("mp3 abr 32000 mono") << mp3(32000, 64, 1,
                                               [](Mp3Options& o) {
                                                   o.encodingMode = Mp3Options::kModeAbr;
                                                   o.abrBitrate = 56;
                                               })
                                        << QStringLiteral("a.mp3") << 32000 << 1;
    QTest::newRow("mp3 cbr 48000 stereo 320") << mp3(48000, 320, 2) << QStringLiteral("a.mp3") << 48000 << 2;
    QTest::newRow("ogg quality 3.00")
        << ogg(44100, 2, 128, 0, 0, 300) << QStringLiteral("a.OGG") << 44100 << 2;
    QTest::newRow("ogg managed 112-160")
        << ogg(44100, 2, 128, 112, 160, -1) << QStringLiteral("a.ogg") << 44100 << 2;
    QTest::newRow("ogg nominal 48000 mono")
        << ogg(48000, 1, 96, 0, 0, -1) << QStringLiteral("a.ogg") << 48000 << 1;
    QTest::newRow("ogg quality 0 16000 mono")
        << ogg(16000, 1, 128, 0, 0, 0) << QStringLiteral("a.ogg") << 16000 << 1;
    QTest::newRow("wma profile 24") << wma(24) << QStringLiteral("a.WMA") << 44100 << 2;
    QTest::newRow("wma profile 0") << wma(0) << QStringLiteral("a.wma") << 8000 << 1;
    QTest::newRow("wma profile 31") << wma(31) << QStringLiteral("a.wma") << 48000 << 2;
}

void TestCodecLossy::recordsServerTone() {
    // Guards against an encoder that mislabels rate or channels, drops or pads blocks, or garbles the sound.
    QFETCH(Setter, set);
    QFETCH(QString, name);
    QFETCH(int, rate);
    QFETCH(int, channels);
    AudioFileWriter codec;
    set(codec);
    const QString file = path(name);
    QVERIFY(recordTone(codec, file, 3.0));
    const ProbeInfo probe = ffprobeInfo(file);
    QVERIFY(probe.ok);
    QCOMPARE(probe.sampleRate, rate);
    QCOMPARE(probe.channels, channels);
    const double probed = probedSeconds(file);
    // ffprobe also counts the encoder's delay and padding, up to 1152 frames.
    QVERIFY2(qAbs(probed - 3.0) <= 0.15 + 1152.0 / rate, qPrintable(QString::number(probed)));
    const QString wav = decodeToWav(file);
    QVERIFY(!wav.isEmpty());
    const AudioInfo decoded = soxInfo(wav);
    QCOMPARE(decoded.sampleRate, rate);
    QCOMPARE(decoded.channels, channels);
    QVERIFY2(qAbs(decoded.seconds - 3.0) <= 0.15, qPrintable(QString::number(decoded.seconds)));
    QCOMPARE(qRound(peakFrequency(soxDecodeMono(wav), rate)), 1000);
}

void TestCodecLossy::killedWriterLeavesDecodableFile_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("mp3") << QStringLiteral("killed.mp3");
    QTest::newRow("ogg") << QStringLiteral("killed.ogg");
    QTest::newRow("wma") << QStringLiteral("killed.wma");
}

void TestCodecLossy::killedWriterLeavesDecodableFile() {
    // Guards against encoded data held back in memory, or a file only Close makes readable.
    QFETCH(QString, name);
    const QString file = path(name);
    const int written = writeThenKill(QStringLiteral(CODEC_WRITER), {file}, 4);
    QCOMPARE(written, 4);

    const QString wav = decodeToWav(file);
    QVERIFY(!wav.isEmpty());
    const AudioInfo decoded = soxInfo(wav);
    QVERIFY2(decoded.seconds >= written - 2 && decoded.seconds <= written + 0.1,
             qPrintable(QString::number(decoded.seconds)));
    QCOMPARE(qRound(peakFrequency(soxDecodeMono(wav), 44100)), 1000);
}

void TestCodecLossy::optionsReachFrameHeaders_data() {
    QTest::addColumn<Setter>("set");
    QTest::addColumn<FrameCheck>("check");
    const auto all = [](std::function<bool(quint32)> test) {
        return FrameCheck([test](const Mp3Frames& f) { return std::ranges::all_of(f.headers, test); });
    };
    const auto channelMode = [](quint32 h) { return (h >> 6) & 3; };
    const Setter vbr = mp3(44100, 128, 2, [](Mp3Options& o) { o.encodingMode = Mp3Options::kModeMtrh; });
    QTest::newRow("no crc by default") << mp3(44100, 128, 2) << all([](quint32 h) { return (h >> 16) & 1; });
    QTest::newRow("crc") << mp3(44100, 128, 2, [](Mp3Options& o) { o.crc = true; })
                         << all([](quint32 h) { return !((h >> 16) & 1); });
    QTest::newRow("mono") << mp3(44100, 128, 1) << all([=](quint32 h) { return channelMode(h) == 3; });
    QTest::newRow("plain stereo") << mp3(44100, 128, 2, [](Mp3Options& o) {
        o.channelMode = Mp3Options::kStereo;
    }) << all([=](quint32 h) { return channelMode(h) == 0; });
    QTest::newRow("forced joint stereo")
        << mp3(44100, 128, 2, [](Mp3Options& o) { o.channelMode = Mp3Options::kForcedJointStereo; })
        << all([=](quint32 h) { return channelMode(h) == 1; });
    QTest::newRow("emphasis ccitt") << mp3(44100, 128, 2, [](Mp3Options& o) { o.deEmphasis = 2; })
                                    << all([](quint32 h) { return (h & 3) == 3; });
    QTest::newRow("bit rate from options") << mp3(44100, 128, 2, [](Mp3Options& o) { o.setBitrate(64); })
                                           << all([](quint32 h) { return ((h >> 12) & 15) == 5; });
    QTest::newRow("sample rate from options")
        << mp3(44100, 64, 2, [](Mp3Options& o) { o.setSampleRate(22050); })
        << all([](quint32 h) { return ((h >> 19) & 3) == 2 && ((h >> 10) & 3) == 0; });
    QTest::newRow("cbr gets an info header")
        << mp3(44100, 128, 2) << FrameCheck([](const Mp3Frames& f) { return f.first.contains("Info"); });
    // LAME labels the header "Xing" only when it encoded VBR, "Info" otherwise.
    QTest::newRow("vbr gets a xing header")
        << vbr << FrameCheck([](const Mp3Frames& f) { return f.first.contains("Xing"); });
    QTest::newRow("options out of range still encode") << mp3(44100, 128, 2, [](Mp3Options& o) {
        o.quality = 42;
        o.encodingMode = Mp3Options::kModeAbr;
        o.abrBitrate = 9999;
        o.maxVbrBitrate = 0;
        o.vbrQuality = -5;
        o.channelMode = 9;
        o.athControl = 7;
        o.deEmphasis = 9;
        o.lowpassFrequency = 100000;
    }) << all([](quint32 h) { return (h & 3) == 0; });
    const auto kbpsIndex = [](quint32 h) { return (h >> 12) & 15; };
    QTest::newRow("vbr minimum gives way in silence")
        << mp3(44100, 128, 2, [](Mp3Options& o) { o.encodingMode = Mp3Options::kModeMtrh; })
        << FrameCheck([=](const Mp3Frames& f) {
               return std::ranges::any_of(f.headers, [=](quint32 h) { return kbpsIndex(h) < 9; }) &&
                      std::ranges::none_of(f.headers.mid(f.headers.size() / 2),
                                           [=](quint32 h) { return kbpsIndex(h) < 9; });
           });
    QTest::newRow("vbr minimum enforced") << mp3(44100, 128, 2, [](Mp3Options& o) {
        o.encodingMode = Mp3Options::kModeMtrh;
        o.enforceMinBitrate = true;
    }) << all([=](quint32 h) { return kbpsIndex(h) >= 9; });
    QTest::newRow("vbr header left out") << mp3(44100, 128, 2, [](Mp3Options& o) {
        o.encodingMode = Mp3Options::kModeMtrh;
        o.writeVbrHeader = false;
    }) << FrameCheck([](const Mp3Frames& f) {
        return !f.first.contains("Xing") && !f.first.contains("Info");
    });
}

void TestCodecLossy::optionsReachFrameHeaders() {
    // Guards against options that are stored but never handed to the encoder.
    QFETCH(Setter, set);
    QFETCH(FrameCheck, check);
    AudioFileWriter codec;
    set(codec);
    const QString file = path(QStringLiteral("options.mp3"));
    codec.create(file);
    QCOMPARE(codec.status(), 0);
    // A second of silence, then a tone in noise.
    const SampleBlock sound = mix(sine(1000, codec.sampleRate(), codec.channels(), 1.0, 0.3),
                                  noise(codec.sampleRate(), codec.channels(), 1.0));
    SampleBlock silenceThenSound(sound.size());
    silenceThenSound.insert(silenceThenSound.end(), sound.begin(), sound.end());
    writeSeconds(codec, silenceThenSound);
    codec.close();
    QCOMPARE(codec.status(), 0);
    const Mp3Frames frames = mp3Frames(contents(file));
    QVERIFY(frames.headers.size() > 30);
    QVERIFY(check(frames));
}

void TestCodecLossy::filtersShapeTheSpectrum_data() {
    // The louder of the two tones wins the spectrum unless a filter takes it out.
    QTest::addColumn<int>("lowpass");
    QTest::addColumn<int>("highpass");
    QTest::addColumn<double>("loud");
    QTest::addColumn<double>("expected");
    QTest::newRow("no filter") << -1 << -1 << 6000.0 << 6000.0;
    QTest::newRow("low-pass 3000") << 3000 << -1 << 6000.0 << 1000.0;
    QTest::newRow("high-pass 3000") << -1 << 3000 << 1000.0 << 6000.0;
}

void TestCodecLossy::filtersShapeTheSpectrum() {
    // Guards against the low-pass and high-pass settings not reaching the encoder.
    QFETCH(int, lowpass);
    QFETCH(int, highpass);
    QFETCH(double, loud);
    QFETCH(double, expected);
    const double quiet = loud == 1000 ? 6000 : 1000;
    AudioFileWriter codec;
    mp3(44100, 128, 1, [&](Mp3Options& o) {
        o.lowpassFrequency = lowpass;
        o.highpassFrequency = highpass;
        o.highpassWidth = 500;
    })(codec);
    const QString file = path(QStringLiteral("filtered.mp3"));
    codec.create(file);
    writeSeconds(codec, mix(sine(loud, 44100, 1, 2.0, 0.4), sine(quiet, 44100, 1, 2.0, 0.2)));
    codec.close();
    QCOMPARE(codec.status(), 0);
    const QString wav = decodeToWav(file);
    QVERIFY(!wav.isEmpty());
    QCOMPARE(peakFrequency(soxDecodeMono(wav), 44100), expected);
}

void TestCodecLossy::bitRateFollowsSettings_data() {
    QTest::addColumn<Setter>("set");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minKbps");
    QTest::addColumn<int>("maxKbps");
    QTest::newRow("mp3 abr 96") << mp3(44100, 64, 2,
                                       [](Mp3Options& o) {
                                           o.encodingMode = Mp3Options::kModeAbr;
                                           o.abrBitrate = 96;
                                       })
                                << QStringLiteral("a.mp3") << 82 << 110;
    QTest::newRow("mp3 vbr capped at 128") << mp3(44100, 32, 2, [](Mp3Options& o) {
        o.encodingMode = Mp3Options::kModeMtrh;
        o.vbrQuality = 0;
        o.maxVbrBitrate = 128;
    }) << QStringLiteral("a.mp3") << 64 << 130;
    // Without limits the nominal rate is an average target: noise lands above it.
    QTest::newRow("ogg nominal 96") << ogg(44100, 2, 96, 0, 0, -1) << QStringLiteral("a.ogg") << 82 << 140;
    QTest::newRow("ogg nominal 192") << ogg(44100, 2, 192, 0, 0, -1) << QStringLiteral("a.ogg") << 165 << 290;
    QTest::newRow("ogg managed 112-160")
        << ogg(44100, 2, 128, 112, 160, -1) << QStringLiteral("a.ogg") << 105 << 170;
    QTest::newRow("ogg managed 160-320 from 128")
        << ogg(44100, 2, 128, 160, 320, -1) << QStringLiteral("a.ogg") << 150 << 330;
    QTest::newRow("ogg quality 0") << ogg(44100, 2, 128, 0, 0, 0) << QStringLiteral("a.ogg") << 20 << 100;
    QTest::newRow("ogg quality 8.00")
        << ogg(44100, 2, 128, 0, 0, 800) << QStringLiteral("a.ogg") << 200 << 600;
    QTest::newRow("wma profile 20") << wma(20) << QStringLiteral("a.wma") << 55 << 75;
    // FFmpeg's WMA encoder overshoots on noise by about a tenth at 128 kbit/s, a half at 192.
    QTest::newRow("wma profile 24") << wma(24) << QStringLiteral("a.wma") << 115 << 160;
}

void TestCodecLossy::bitRateFollowsSettings() {
    // Guards against bit rate, mode or quality settings being dropped on the way to the encoder.
    QFETCH(Setter, set);
    QFETCH(QString, name);
    QFETCH(int, minKbps);
    QFETCH(int, maxKbps);
    AudioFileWriter codec;
    set(codec);
    const QString file = path(name);
    codec.create(file);
    QCOMPARE(codec.status(), 0);
    constexpr double kSeconds = 6.0;
    writeSeconds(codec, noise(codec.sampleRate(), codec.channels(), kSeconds));
    codec.close();
    QCOMPARE(codec.status(), 0);
    const double kbps = static_cast<double>(QFileInfo(file).size()) * 8 / 1000 / kSeconds;
    QVERIFY2(kbps >= minKbps && kbps <= maxKbps, qPrintable(QString::number(kbps)));
}

void TestCodecLossy::everyWmaProfileEncodes_data() {
    QTest::addColumn<int>("profile");
    for (int profile = 0; profile <= 51; ++profile)
        QTest::addRow("profile %d", profile) << profile;
}

void TestCodecLossy::everyWmaProfileEncodes() {
    // Guards against a profile number that the encoder refuses or that labels the file wrongly.
    QFETCH(int, profile);
    AudioFileWriter codec;
    codec.setWmaProfile(profile);
    const QString description = codec.formatDescription();
    const QString file = path(QStringLiteral("profile.wma"));
    codec.create(file);
    QVERIFY2(codec.status() == 0, qPrintable(codec.errorText()));
    QCOMPARE(codec.formatDescription(), description);
    const int rate = codec.sampleRate();
    writeSeconds(codec, sine(1000, rate, codec.channels(), 1.0));
    codec.close();
    QCOMPARE(codec.status(), 0);
    QVERIFY(description.contains(QStringLiteral(" %1 Hz ").arg(rate)));
    const QString wav = decodeToWav(file);
    const AudioInfo decoded = soxInfo(wav);
    QCOMPARE(decoded.sampleRate, rate);
    QCOMPARE(decoded.channels, codec.channels());
    QVERIFY2(qAbs(decoded.seconds - 1.0) <= 0.15, qPrintable(QString::number(decoded.seconds)));
    QCOMPARE(qRound(peakFrequency(soxDecodeMono(wav), rate)), 1000);
}

void TestCodecLossy::describesLossyFormats_data() {
    QTest::addColumn<Setter>("set");
    QTest::addColumn<QString>("description");
    QTest::newRow("mp3 cbr") << mp3(22050, 64, 1) << QStringLiteral("MP3 22050 Hz 64 kbit/s mono");
    QTest::newRow("mp3 vbr") << mp3(44100, 128, 2, [](Mp3Options& o) {
        o.encodingMode = Mp3Options::kModeNew;
        o.vbrQuality = 6;
    }) << QStringLiteral("MP3 44100 Hz VBR quality 6 stereo");
    QTest::newRow("mp3 abr") << mp3(44100, 128, 2, [](Mp3Options& o) {
        o.encodingMode = Mp3Options::kModeAbr;
        o.abrBitrate = 160;
    }) << QStringLiteral("MP3 44100 Hz ABR 160 kbit/s stereo");
    QTest::newRow("mp3 options set rate and bit rate") << mp3(44100, 128, 2, [](Mp3Options& o) {
        o.setSampleRate(32000);
        o.setBitrate(96);
    }) << QStringLiteral("MP3 32000 Hz 96 kbit/s stereo");
    QTest::newRow("mp3 8000 Hz caps the bit rate")
        << mp3(8000, 320, 1) << QStringLiteral("MP3 8000 Hz 64 kbit/s mono");
    QTest::newRow("mp3 22050 Hz caps the bit rate")
        << mp3(22050, 256, 2) << QStringLiteral("MP3 22050 Hz 160 kbit/s stereo");
    QTest::newRow("mp3 48000 Hz raises the bit rate")
        << mp3(48000, 8, 2) << QStringLiteral("MP3 48000 Hz 32 kbit/s stereo");
    QTest::newRow("mp3 format after options") << Setter([](AudioFileWriter& c) {
        Mp3Options o;
        o.setBitrate(96);
        c.setMp3Options(o);
        c.setMp3Format(48000, 192, 2);
    }) << QStringLiteral("MP3 48000 Hz 192 kbit/s stereo");
    QTest::newRow("ogg quality in hundredths")
        << ogg(44100, 2, 128, 0, 0, 250) << QStringLiteral("Ogg Vorbis 44100 Hz stereo, quality 2.50");
    QTest::newRow("ogg nominal below the limits")
        << ogg(44100, 2, 128, 160, 320, -1)
        << QStringLiteral("Ogg Vorbis 44100 Hz stereo, 160 kbit/s (160-320 kbit/s VBR)");
    QTest::newRow("ogg nominal above the limits")
        << ogg(44100, 2, 320, 112, 192, -1)
        << QStringLiteral("Ogg Vorbis 44100 Hz stereo, 192 kbit/s (112-192 kbit/s VBR)");
    QTest::newRow("ogg top quality") << ogg(44100, 2, 128, 0, 0, 1000)
                                     << QStringLiteral("Ogg Vorbis 44100 Hz stereo, quality 10.00");
    QTest::newRow("ogg quality past the top")
        << ogg(44100, 2, 128, 0, 0, 1001) << QStringLiteral("Ogg Vorbis 44100 Hz stereo, 128 kbit/s");
    QTest::newRow("wma 39") << wma(39) << QStringLiteral("WMA 22050 Hz 48 kbit/s stereo");
    QTest::newRow("wma 0") << wma(0) << QStringLiteral("WMA 8000 Hz 24 kbit/s mono");
    QTest::newRow("wma 51") << wma(51) << QStringLiteral("WMA 48000 Hz 160 kbit/s mono");
    QTest::newRow("wma 52 keeps the previous") << Setter([](AudioFileWriter& c) {
        c.setWmaProfile(0);
        c.setWmaProfile(52);
    }) << QStringLiteral("WMA 8000 Hz 24 kbit/s mono");
    QTest::newRow("wma -1 keeps the first") << wma(-1) << QStringLiteral("WMA 44100 Hz 128 kbit/s stereo");
}

void TestCodecLossy::describesLossyFormats() {
    // Guards against the converter and settings showing a format other than the one the file will get.
    QFETCH(Setter, set);
    QFETCH(QString, description);
    AudioFileWriter codec;
    set(codec);
    QCOMPARE(codec.formatDescription(), description);
}

void TestCodecLossy::fullDiskStopsWithDecodableFile_data() {
    QTest::addColumn<Setter>("set");
    QTest::addColumn<QString>("name");
    QTest::newRow("mp3") << mp3(44100, 128, 2) << QStringLiteral("full.mp3");
    QTest::newRow("ogg") << ogg(44100, 2, 128, 0, 0, -1) << QStringLiteral("full.ogg");
    QTest::newRow("wma") << wma(24) << QStringLiteral("full.wma");
}

void TestCodecLossy::fullDiskStopsWithDecodableFile() {
    // Guards against a full disk going unnoticed or leaving a compressed file no player reads.
    QFETCH(Setter, set);
    QFETCH(QString, name);
    const QString file = path(name);
    AudioFileWriter codec;
    set(codec);
    int written = 0;
    {
        // About 12 s of 128 kbit/s.
        FileSizeLimit limit(200000);
        codec.create(file);
        const SampleBlock second = sine(1000, 44100, 2, 1.0);
        // A pure tone is cheap for Ogg at a nominal rate: it may take a minute or more.
        for (int i = 0; i < 300 && codec.status() == 0; ++i) {
            codec.write(second);
            written += codec.status() == 0 ? 1 : 0;
        }
    }
    QCOMPARE(codec.status(), int{AudioFileWriter::kDiskFull});
    codec.close();
    QVERIFY(QFileInfo(file).size() <= 200000);
    const QString wav = decodeToWav(file);
    QVERIFY(!wav.isEmpty());
    const AudioInfo decoded = soxInfo(wav);
    // Everything written before the failing second, give or take the encoder's last frames.
    QVERIFY2(decoded.seconds > written - 2 && decoded.seconds < written + 1.1,
             qPrintable(QStringLiteral("%1 s of %2").arg(decoded.seconds).arg(written)));
    QCOMPARE(qRound(peakFrequency(soxDecodeMono(wav), 44100)), 1000);
}

QTEST_GUILESS_MAIN(TestCodecLossy)
#include "test_codec_lossy.moc"
