#include "TestSupport.h"
#include "engine/codec/AudioFileReader.h"
#include "engine/codec/AudioFileWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cmath>

using namespace testsupport;

namespace {

// Runs `tool` with `args`, where "OUT" stands for `out` and "IN" for `in`.
bool make(const QString& tool, const char* args, const QString& out, const QString& in = {}) {
    QStringList list = QString::fromLatin1(args).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString& arg : list) {
        if (arg == QLatin1String("OUT"))
            arg = out;
        else if (arg == QLatin1String("IN"))
            arg = in;
    }
    QString output;
    if (run(tool, list, &output) != 0 || !QFile::exists(out)) {
        qWarning("%s failed: %s", qPrintable(tool), qPrintable(output));
        return false;
    }
    return true;
}

// Reads until the empty block, never much more than `maxValues` values.
SampleBlock readAll(AudioFileReader& codec, int blockValues = 8192, qint64 maxValues = 50'000'000) {
    SampleBlock values;
    for (SampleBlock block = codec.read(blockValues);
         !block.empty() && static_cast<qint64>(values.size()) <= maxValues; block = codec.read(blockValues))
        values.insert(values.end(), block.begin(), block.end());
    return values;
}

std::vector<float> firstChannel(const SampleBlock& values, int channels) {
    std::vector<float> out;
    for (std::size_t i = 0; i < values.size(); i += static_cast<std::size_t>(channels))
        out.push_back(values[i] / 32768.0f);
    return out;
}

// Index of the first frame whose level reaches 30 % of the loudest, -1 in silence.
qint64 onset(const std::vector<float>& samples) {
    float peak = 0;
    for (float v : samples)
        peak = std::max(peak, std::abs(v));
    for (std::size_t i = 0; i < samples.size(); ++i)
        if (peak > 0.05f && std::abs(samples[i]) >= 0.3f * peak)
            return static_cast<qint64>(i);
    return -1;
}

template <typename T> QByteArray patched(QByteArray bytes, int at, T value) {
    qToLittleEndian(value, bytes.data() + at);
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDecoding : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();

    void decodesFilesFromOtherTools_data();
    void decodesFilesFromOtherTools();
    void findsMp3InAWavMarkedPcm();
    void seeksToTheExactFrame_data();
    void seeksToTheExactFrame();
    void readsHeaderlessFiles_data();
    void readsHeaderlessFiles();
    void failsCleanlyOnBrokenInput_data();
    void failsCleanlyOnBrokenInput();
    void readsWhileAnotherFileIsWritten();
    void convertsBlocksOfAnotherFormat_data();
    void convertsBlocksOfAnotherFormat();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Three seconds of a 1 kHz tone, 44.1 kHz stereo, written by sox.
    QString toneWav() {
        const QString source = path(QStringLiteral("source.wav"));
        if (!QFile::exists(source))
            make(QStringLiteral("sox"), "-n -r 44100 -c 2 -b 16 OUT synth 3 sine 1000 vol 0.5", source);
        return source;
    }
    QTemporaryDir m_dir;
    QString m_dataDir;
};

void TestDecoding::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_dataDir = QStringLiteral(TAVRIK_TEST_DATA);
    QVERIFY(QDir(m_dataDir).exists());
}

void TestDecoding::decodesFilesFromOtherTools_data() {
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");

    const auto ffmpeg = [](const char* name, const char* source, const char* codec, int rate, int channels) {
        const QString args =
            QStringLiteral("-v error -y -f lavfi -i sine=frequency=1000:sample_rate=%1:duration=3"
                           " %2 -ac %3 %4 OUT")
                .arg(rate)
                .arg(QString::fromLatin1(source))
                .arg(channels)
                .arg(QString::fromLatin1(codec));
        QTest::newRow(name) << QStringLiteral("ffmpeg") << args << QString::fromLatin1(name) << rate
                            << channels;
    };
    ffmpeg("ff-44100-2.wav", "", "", 44100, 2);
    ffmpeg("ff-8000-1.wav", "", "", 8000, 1);
    ffmpeg("ff-48000-2-24bit.wav", "", "-c:a pcm_s24le", 48000, 2);
    ffmpeg("ff-44100-2.mp3", "", "-c:a libmp3lame -b:a 128k", 44100, 2);
    ffmpeg("ff-22050-1.mp3", "", "-c:a libmp3lame -b:a 32k", 22050, 1);
    ffmpeg("ff-8000-1.mp3", "", "-c:a libmp3lame -b:a 16k", 8000, 1);
    ffmpeg("ff-noxing-32000-2.mp3", "", "-c:a libmp3lame -b:a 96k -write_xing 0", 32000, 2);
    ffmpeg("ff-48000-2.ogg", "", "-c:a libvorbis -q:a 3", 48000, 2);
    ffmpeg("ff-16000-1.ogg", "", "-c:a libvorbis", 16000, 1);
    ffmpeg("ff-44100-2.wma", "", "-c:a wmav2 -b:a 128k", 44100, 2);
    ffmpeg("ff-22050-1.wma", "", "-c:a wmav1 -b:a 32k", 22050, 1);

    const auto sox = [](const char* name, const char* format, int rate, int channels) {
        const QString args = QStringLiteral("-n -r %1 -c %2 %3 OUT synth 3 sine 1000 vol 0.5")
                                 .arg(rate)
                                 .arg(channels)
                                 .arg(QString::fromLatin1(format));
        QTest::newRow(name) << QStringLiteral("sox") << args << QString::fromLatin1(name) << rate << channels;
    };
    sox("sox-11025-1.wav", "-b 16", 11025, 1);
    sox("sox-96000-2-float.wav", "-e floating-point -b 32", 96000, 2);
    sox("sox-8000-1-ulaw.wav", "-e u-law", 8000, 1);
    sox("sox-22050-2.ogg", "-C 3", 22050, 2);
    sox("sox-8000-1-gsm.wav", "-e gsm-full-rate", 8000, 1);
    sox("sox-22050-2-ima-adpcm.wav", "-e ima-adpcm", 22050, 2);
    sox("sox-11025-1-ms-adpcm.wav", "-e ms-adpcm", 11025, 1);

    // lame and oggenc read a WAV that the row's source names.
    QTest::newRow("lame-cbr.mp3") << QStringLiteral("lame") << QStringLiteral("--quiet -b 128 IN OUT")
                                  << QStringLiteral("lame-cbr.mp3") << 44100 << 2;
    QTest::newRow("lame-vbr.mp3") << QStringLiteral("lame") << QStringLiteral("--quiet -V 4 IN OUT")
                                  << QStringLiteral("lame-vbr.mp3") << 44100 << 2;
    QTest::newRow("lame-vbr-noheader.mp3")
        << QStringLiteral("lame") << QStringLiteral("--quiet -t -V 2 IN OUT")
        << QStringLiteral("lame-vbr-noheader.mp3") << 44100 << 2;
    QTest::newRow("oggenc.ogg") << QStringLiteral("oggenc") << QStringLiteral("--quiet -q 2 -o OUT IN")
                                << QStringLiteral("oggenc.ogg") << 44100 << 2;
    QTest::newRow("ff-5.1-downmix.ogg")
        << QStringLiteral("ffmpeg")
        << QStringLiteral("-v error -y -f lavfi -i sine=frequency=1000:sample_rate=48000:duration=3 "
                          "-filter_complex [0]asplit=6[a][b][c][d][e][f];[a][b][c][d][e][f]join=inputs=6:"
                          "channel_layout=5.1 -c:a libvorbis OUT")
        << QStringLiteral("ff-5.1-downmix.ogg") << 48000 << 2;
}

void TestDecoding::decodesFilesFromOtherTools() {
    // Guards against a wrong rate, channel count or length reported for a file, and against
    // lost, repeated or garbled blocks while decoding it.
    QFETCH(QString, tool);
    QFETCH(QString, args);
    QFETCH(QString, name);
    QFETCH(int, rate);
    QFETCH(int, channels);
    const QString file = path(name);
    QVERIFY(make(tool, args.toLatin1().constData(), file, toneWav()));

    AudioFileReader codec;
    codec.open(file);
    QVERIFY2(codec.status() >= 0, qPrintable(codec.errorText()));
    QCOMPARE(codec.sampleRate(), rate);
    QCOMPARE(codec.channels(), channels);
    QCOMPARE(codec.channels(), channels);
    QVERIFY(!codec.formatDescription().isEmpty());
    const double seconds = static_cast<double>(codec.length()) / rate;
    QVERIFY2(std::abs(seconds - 3.0) < 0.15, qPrintable(QString::number(seconds)));

    const SampleBlock decoded = readAll(codec, rate * channels);
    QCOMPARE(decoded.size() % static_cast<std::size_t>(channels), std::size_t{0});
    const double decodedSeconds = static_cast<double>(decoded.size()) / channels / rate;
    QVERIFY2(std::abs(decodedSeconds - 3.0) < 0.15, qPrintable(QString::number(decodedSeconds)));
    QCOMPARE(peakFrequency(firstChannel(decoded, channels), rate), 1000.0);
    QCOMPARE(codec.status(), 0);
    QVERIFY(codec.read(4096).empty());
}

void TestDecoding::findsMp3InAWavMarkedPcm() {
    // Guards against the MP3 that some tools wrap in a WAV header claiming PCM being played as noise.
    const QString mp3 = path(QStringLiteral("inner.mp3"));
    QVERIFY(make(QStringLiteral("lame"), "--quiet -b 320 IN OUT", mp3, toneWav()));
    const QByteArray data = readFile(mp3);
    QByteArray header = readFile(toneWav()).left(44);
    QCOMPARE(header.mid(36, 4), QByteArray("data"));
    header = patched<quint32>(patched<quint32>(header, 4, 36 + data.size()), 40, data.size());
    const QString wrapped = path(QStringLiteral("mp3-marked-pcm.wav"));
    QVERIFY(writeFile(wrapped, header + data));

    AudioFileReader codec;
    codec.open(wrapped);
    QVERIFY2(codec.status() >= 0, qPrintable(codec.errorText()));
    const SampleBlock decoded = readAll(codec);
    const double seconds = static_cast<double>(decoded.size()) / 2 / 44100;
    QVERIFY2(std::abs(seconds - 3.0) < 0.15, qPrintable(QString::number(seconds)));
    QCOMPARE(peakFrequency(firstChannel(decoded, 2), 44100), 1000.0);
}

void TestDecoding::seeksToTheExactFrame_data() {
    QTest::addColumn<QString>("codecArgs");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("rate");
    QTest::addColumn<double>("toleranceMs");
    QTest::newRow("wav") << QString() << QStringLiteral("steps.wav") << 44100 << 0.0;
    QTest::newRow("mp3 cbr") << QStringLiteral("-c:a libmp3lame -b:a 128k") << QStringLiteral("steps.mp3")
                             << 44100 << 3.0;
    QTest::newRow("mp3 vbr 22050") << QStringLiteral("-c:a libmp3lame -q:a 4") << QStringLiteral("vbr.mp3")
                                   << 22050 << 3.0;
    QTest::newRow("ogg") << QStringLiteral("-c:a libvorbis") << QStringLiteral("steps.ogg") << 48000 << 3.0;
    QTest::newRow("wma") << QStringLiteral("-c:a wmav2 -b:a 128k") << QStringLiteral("steps.wma") << 44100
                         << 3.0;
}

void TestDecoding::seeksToTheExactFrame() {
    // Guards against a seek that lands on the wrong frame or reports a position other than
    // the one it reached: sound would jump or the position display would drift.
    QFETCH(QString, codecArgs);
    QFETCH(QString, name);
    QFETCH(int, rate);
    QFETCH(double, toleranceMs);
    // 500 Hz for 2 s, 1.5 s of silence, then 1000 Hz: each part is found by its tone or onset.
    const QString file = path(name);
    const QString args =
        QStringLiteral("-v error -y -f lavfi -i sine=frequency=500:sample_rate=%1:duration=2 "
                       "-f lavfi -i anullsrc=r=%1:cl=stereo:d=1.5 "
                       "-f lavfi -i sine=frequency=1000:sample_rate=%1:duration=3 "
                       "-filter_complex [0]aformat=channel_layouts=stereo[a];"
                       "[2]aformat=channel_layouts=stereo[c];[a][1][c]concat=n=3:v=0:a=1 %2 OUT")
            .arg(rate)
            .arg(codecArgs);
    QVERIFY(make(QStringLiteral("ffmpeg"), args.toLatin1().constData(), file));

    AudioFileReader codec;
    codec.open(file);
    QVERIFY2(codec.status() >= 0, qPrintable(codec.errorText()));
    const std::vector<float> whole = firstChannel(readAll(codec), 2);
    const qint64 secondTone =
        static_cast<qint64>(3.5 * rate) +
        onset(std::vector<float>(whole.begin() + static_cast<std::ptrdiff_t>(3.4 * rate), whole.end())) -
        static_cast<qint64>(0.1 * rate);
    // Some encoders delay everything a little; the seeks below compare with this onset.
    QVERIFY(std::abs(secondTone - static_cast<qint64>(3.5 * rate)) < rate / 10);

    const qint64 tolerance = std::llround(toleranceMs * rate / 1000);
    for (const double before : {0.4, 0.1, 0.013}) {
        const qint64 target = secondTone - std::llround(before * rate);
        const qint64 reached = codec.seek(target);
        QVERIFY2(std::abs(reached - target) <= std::max<qint64>(tolerance, 0),
                 qPrintable(QStringLiteral("asked %1, reached %2").arg(target).arg(reached)));
        const std::vector<float> after = firstChannel(codec.read(rate), 2);
        const qint64 found = reached + onset(after);
        QVERIFY2(
            std::abs(found - secondTone) <= tolerance,
            qPrintable(
                QStringLiteral("tone at %1 after seeking, %2 from the start").arg(found).arg(secondTone)));
    }
    // Back into the first part, and to the very start.
    codec.seek(rate);
    QCOMPARE(peakFrequency(firstChannel(codec.read(rate / 2 * 2), 2), rate), 500.0);
    QCOMPARE(codec.seek(0), qint64{0});
    const std::vector<float> again = firstChannel(codec.read(rate / 10 * 2), 2);
    QCOMPARE(again.size(), static_cast<std::size_t>(rate / 10));
    for (std::size_t i = 0; i < again.size(); i += 97)
        QVERIFY(std::abs(again[i] - whole[i]) < 1e-3f);
    // Past the end: nothing more to read, and no failure.
    QVERIFY(codec.seek(codec.length() + rate) <= codec.length());
    QVERIFY(codec.read(4096).size() < 4096);
    QCOMPARE(codec.status(), 0);
}

void TestDecoding::readsHeaderlessFiles_data() {
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");   // 0 vox, 1 raw, 2 g726
    QTest::addColumn<int>("coding"); // RAW: 1 to 3 as the codec takes them, 4 for 8-bit PCM; G.726: bits
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<qint64>("frames");
    const QString sox = QStringLiteral("sox");
    QTest::newRow("vox 8000") << sox << QStringLiteral("-n -r 8000 -c 1 -t vox OUT synth 3 sine 1000")
                              << QStringLiteral("a.vox") << 0 << 0 << 8000 << 1 << qint64{24000};
    QTest::newRow("vox 6000") << sox << QStringLiteral("-n -r 6000 -c 1 -t vox OUT synth 3 sine 1000")
                              << QStringLiteral("b.vox") << 0 << 0 << 6000 << 1 << qint64{18000};
    QTest::newRow("raw pcm stereo")
        << sox << QStringLiteral("-n -r 22050 -c 2 -t raw -e signed -b 16 OUT synth 3 sine 1000 vol 0.5")
        << QStringLiteral("a.raw") << 1 << 1 << 22050 << 2 << qint64{66150};
    QTest::newRow("raw 8-bit pcm")
        << sox << QStringLiteral("-n -r 11025 -c 1 -t raw -e signed -b 8 OUT synth 3 sine 1000 vol 0.5")
        << QStringLiteral("d.raw") << 1 << 4 << 11025 << 1 << qint64{33075};
    QTest::newRow("raw a-law") << sox
                               << QStringLiteral(
                                      "-n -r 8000 -c 1 -t raw -e a-law OUT synth 3 sine 1000 vol 0.5")
                               << QStringLiteral("b.raw") << 1 << 2 << 8000 << 1 << qint64{24000};
    QTest::newRow("raw mu-law stereo")
        << sox << QStringLiteral("-n -r 16000 -c 2 -t raw -e u-law OUT synth 3 sine 1000 vol 0.5")
        << QStringLiteral("c.raw") << 1 << 3 << 16000 << 2 << qint64{48000};
    for (int bits = 2; bits <= 5; ++bits)
        QTest::addRow("g726 %d bits", bits)
            << QStringLiteral("ffmpeg")
            << QStringLiteral("-v error -y -f lavfi -i sine=frequency=1000:sample_rate=8000:duration=3 "
                              "-c:a g726le -code_size %1 -f g726le OUT")
                   .arg(bits)
            << QStringLiteral("a%1.g726").arg(bits) << 2 << bits << 8000 << 1 << qint64{24000};
}

void TestDecoding::readsHeaderlessFiles() {
    // Guards against headerless files read with the wrong coding, rate or channel count,
    // a length off by the bytes per frame, and a seek that loses the ADPCM state.
    QFETCH(QString, tool);
    QFETCH(QString, args);
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(int, coding);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(qint64, frames);
    const QString file = path(name);
    QVERIFY(make(tool, args.toLatin1().constData(), file));

    AudioFileWriter formats;
    if (kind == 0)
        formats.setVoxFormat(rate);
    else if (kind == 1)
        formats.setRawFormat(coding == 4 ? 1 : coding, rate, channels, coding == 4 ? 8 : 16);
    else
        formats.setG726Format(rate, coding);
    AudioFileReader codec;
    codec.setHeaderlessFormats(formats.formats().headerless());
    codec.open(file);
    QVERIFY2(codec.status() >= 0, qPrintable(codec.errorText()));
    QCOMPARE(codec.sampleRate(), rate);
    QCOMPARE(codec.channels(), channels);
    QVERIFY(std::abs(codec.length() - frames) <= 8);
    const SampleBlock decoded = readAll(codec, rate * channels);
    QCOMPARE(static_cast<qint64>(decoded.size()) / channels, codec.length());
    QCOMPARE(peakFrequency(firstChannel(decoded, channels), rate), 1000.0);

    // After a seek the same frames come out as when read from the start.
    const qint64 target = frames / 2 + 3;
    QCOMPARE(codec.seek(target), target);
    const SampleBlock part = codec.read(400 * channels);
    QCOMPARE(part.size(), static_cast<std::size_t>(400 * channels));
    int worst = 0;
    for (std::size_t i = 0; i < part.size(); ++i)
        worst = std::max(worst, std::abs(part[i] - decoded[static_cast<std::size_t>(target * channels) + i]));
    QVERIFY2(worst < 200, qPrintable(QString::number(worst)));
}

void TestDecoding::failsCleanlyOnBrokenInput_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<qint64>("maxFrames");

    const QString good = path(QStringLiteral("good.wav"));
    QVERIFY(make(QStringLiteral("sox"), "-n -r 8000 -c 1 -b 16 OUT synth 1 sine 1000 vol 0.5", good));
    const QByteArray wav = readFile(good);
    // Long enough that half of each compressed file still holds its headers.
    const QString longer = path(QStringLiteral("long.wav"));
    QVERIFY(make(QStringLiteral("sox"), "-n -r 44100 -c 1 -b 16 OUT synth 4 whitenoise vol 0.3", longer));
    const auto put = [this](const char* name, const QByteArray& bytes) {
        const QString file = path(QString::fromLatin1(name));
        writeFile(file, bytes);
        return file;
    };
    const auto cut = [&](const char* tool, const char* args, const char* name, const char* ext,
                         int keep = -1) {
        const QString whole = path(QStringLiteral("whole.") + QString::fromLatin1(ext));
        QFile::remove(whole);
        make(QString::fromLatin1(tool), args, whole, longer);
        const QByteArray bytes = readFile(whole);
        return put(name, bytes.left(keep >= 0 ? keep : bytes.size() / 2));
    };

    QTest::newRow("missing") << path(QStringLiteral("missing.wav")) << false << qint64{0};
    QDir(m_dir.path()).mkdir(QStringLiteral("folder.wav"));
    QTest::newRow("folder") << path(QStringLiteral("folder.wav")) << false << qint64{0};
    QTest::newRow("empty wav") << put("empty.wav", {}) << false << qint64{0};
    QTest::newRow("empty mp3") << put("empty.mp3", {}) << false << qint64{0};
    QTest::newRow("text as mp3") << m_dataDir + QStringLiteral("/text.mp3") << false << qint64{0};
    QTest::newRow("noise as ogg") << m_dataDir + QStringLiteral("/noise.ogg") << false << qint64{0};
    QTest::newRow("header only") << put("header-only.wav", wav.left(44)) << true << qint64{0};
    // Data size field claims 1 GB; only the real second of data may come out.
    // The fixture's data size field claims 2 GB; only its real half second may come out.
    QTest::newRow("data past the end")
        << m_dataDir + QStringLiteral("/lying-size.wav") << true << qint64{4000};
    QTest::newRow("absurd rate") << put("absurd-rate.wav", patched<quint32>(wav, 24, 0xFFFFFFFF)) << false
                                 << qint64{0};
    QTest::newRow("zero rate") << put("zero-rate.wav", patched<quint32>(wav, 24, 0)) << false << qint64{0};
    QTest::newRow("absurd channels") << m_dataDir + QStringLiteral("/absurd-channels.wav") << false
                                     << qint64{0};
    QTest::newRow("zero channels") << put("zero-channels.wav", patched<quint16>(wav, 22, 0)) << false
                                   << qint64{0};
    QTest::newRow("half an ogg") << cut("oggenc", "--quiet -o OUT IN", "half.ogg", "ogg") << true
                                 << qint64{176400};
    QTest::newRow("ogg cut in its headers")
        << cut("oggenc", "--quiet -o OUT IN", "headers.ogg", "ogg", 3000) << false << qint64{0};
    QTest::newRow("half an mp3") << cut("lame", "--quiet -b 64 IN OUT", "half.mp3", "mp3") << true
                                 << qint64{176400};
    QTest::newRow("half a wma") << cut("ffmpeg", "-v error -y -i IN -c:a wmav2 OUT", "half.wma", "wma")
                                << true << qint64{176400};
    QTest::newRow("wav labelled mp3") << put("wav.mp3", wav) << true << qint64{8000};
    QTest::newRow("empty raw") << put("empty.raw", {}) << true << qint64{0};
    QTest::newRow("odd byte raw") << put("odd.raw", QByteArray(3, 'x')) << true << qint64{1};
}

void TestDecoding::failsCleanlyOnBrokenInput() {
    // Guards against a crash, a hang, an unbounded allocation or a silent success on a
    // file that is missing, empty, truncated, mislabelled or lies in its header.
    QFETCH(QString, file);
    QFETCH(bool, opens);
    QFETCH(qint64, maxFrames);
    AudioFileWriter formats;
    formats.setRawFormat(1, 8000, 1, 16);
    AudioFileReader codec;
    codec.setHeaderlessFormats(formats.formats().headerless());
    codec.open(file);
    if (!opens) {
        QVERIFY(codec.status() < 0);
        QVERIFY(codec.errorText().contains(file));
        QCOMPARE(codec.length(), qint64{0});
        QVERIFY(codec.read(4096).empty());
        QCOMPARE(codec.seek(100), qint64{-1});
        return;
    }
    QVERIFY2(codec.status() >= 0, qPrintable(codec.errorText()));
    // Compressed files may pad up to two frames of their codec.
    const qint64 slack = maxFrames > 100000 ? 4096 : 0;
    QVERIFY(codec.length() <= maxFrames + slack);
    const SampleBlock decoded = readAll(codec, 4096, 10 * maxFrames + 100000);
    QVERIFY(static_cast<qint64>(decoded.size()) / codec.channels() <= maxFrames + slack);
    if (maxFrames >= 4000)
        QVERIFY(decoded.size() > 1000);
    QVERIFY(codec.seek(maxFrames / 2) <= maxFrames + slack);
    readAll(codec, 4096, 10 * maxFrames + 100000);
}

void TestDecoding::readsWhileAnotherFileIsWritten() {
    // Guards against reading one file disturbing a recording being written at the time,
    // or a closed reader still handing out sound.
    const QString tone = path(QStringLiteral("one.wav"));
    QVERIFY(make(QStringLiteral("sox"), "-n -r 16000 -c 1 -b 16 OUT synth 1 sine 1000", tone));
    AudioFileWriter writer;
    writer.setWavFormat(8000, 2, 16);
    const QString written = path(QStringLiteral("written.wav"));
    writer.create(written);
    QCOMPARE(writer.status(), 0);
    writer.write(sine(1000, 8000, 2, 0.25));

    AudioFileReader reader;
    reader.open(tone);
    QCOMPARE(reader.status(), 0);
    QCOMPARE(reader.sampleRate(), 16000);
    QCOMPARE(reader.channels(), 1);
    QVERIFY(!reader.read(4096).empty());
    writer.write(sine(1000, 8000, 2, 0.25));
    QCOMPARE(writer.sampleRate(), 8000);
    writer.close();
    QCOMPARE(writer.status(), 0);
    const AudioInfo info = soxInfo(written);
    QVERIFY(info.ok);
    QCOMPARE(info.seconds, 0.5);

    reader.close();
    QCOMPARE(reader.length(), qint64{0});
    QVERIFY(reader.read(4096).empty());
    QCOMPARE(reader.seek(10), qint64{-1});
    reader.open(written);
    QCOMPARE(reader.length(), qint64{4000});
}

void TestDecoding::convertsBlocksOfAnotherFormat_data() {
    QTest::addColumn<int>("inRate");
    QTest::addColumn<int>("inChannels");
    QTest::addColumn<int>("fileRate");
    QTest::addColumn<int>("fileChannels");
    QTest::newRow("44100 stereo into 8000 mono") << 44100 << 2 << 8000 << 1;
    QTest::newRow("22050 mono into 48000 stereo") << 22050 << 1 << 48000 << 2;
    QTest::newRow("same rate, mono into stereo") << 16000 << 1 << 16000 << 2;
}

void TestDecoding::convertsBlocksOfAnotherFormat() {
    // Guards against blocks written in the reader's format landing in a file of another
    // format unconverted: wrong pitch, speed or channel layout, or a lost tail.
    QFETCH(int, inRate);
    QFETCH(int, inChannels);
    QFETCH(int, fileRate);
    QFETCH(int, fileChannels);
    AudioFileWriter codec;
    codec.setWavFormat(fileRate, fileChannels, 16);
    const QString file = path(QStringLiteral("converted.wav"));
    codec.create(file);
    codec.setInputFormat(inRate, inChannels);
    QCOMPARE(codec.status(), 0);
    const SampleBlock values = sine(1000, inRate, inChannels, 2.0);
    const std::size_t step = static_cast<std::size_t>(inRate / 10 * inChannels);
    for (std::size_t at = 0; at < values.size(); at += step)
        codec.write(
            SampleBlock(values.begin() + static_cast<std::ptrdiff_t>(at),
                        values.begin() + static_cast<std::ptrdiff_t>(std::min(values.size(), at + step))));
    codec.close();
    QCOMPARE(codec.status(), 0);

    AudioFileReader reader;
    reader.open(file);
    QCOMPARE(reader.sampleRate(), fileRate);
    QCOMPARE(reader.channels(), fileChannels);
    QVERIFY2(std::abs(reader.length() - 2 * fileRate) <= fileRate / 500,
             qPrintable(QString::number(reader.length())));
    const SampleBlock decoded = readAll(reader);
    QCOMPARE(peakFrequency(firstChannel(decoded, fileChannels), fileRate), 1000.0);
    // Level kept: no -3 dB from mixing one channel into two or two into one.
    int peak = 0;
    for (std::int16_t v : decoded)
        peak = std::max(peak, std::abs(static_cast<int>(v)));
    QVERIFY2(std::abs(peak - 16384) < 600, qPrintable(QString::number(peak)));
}

QTEST_GUILESS_MAIN(TestDecoding)
#include "test_decoding.moc"
