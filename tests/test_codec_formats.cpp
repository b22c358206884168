#include "TestSupport.h"
#include "record/audio/AudioFileCodec.h"
#include "record/audio/codec/WavCodecs.h"
#include "record/audio/ui/WavFormatDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <functional>
#include <numbers>
#include <optional>
#include <sys/resource.h>

using namespace testsupport;
using Setter = std::function<void(AudioFileCodec&)>;
Q_DECLARE_METATYPE(Setter)

namespace {

// How an independent tool reads one of our files: nothing for a WAV, else the tool and
// the options that describe the headerless input to it.
struct Reader {
    QString tool;
    QStringList inputArgs;
};

Reader wavReader() {
    return {};
}

Reader voxReader(int rate) {
    return {QStringLiteral("sox"),
            {QStringLiteral("-t"), QStringLiteral("vox"), QStringLiteral("-r"), QString::number(rate)}};
}

// `format` is ffmpeg's name of the raw coding: s16le, alaw or mulaw.
Reader rawReader(const char* format, int rate, int channels) {
    return {QStringLiteral("ffmpeg"),
            {QStringLiteral("-f"), QLatin1String(format), QStringLiteral("-ar"), QString::number(rate),
             QStringLiteral("-ac"), QString::number(channels)}};
}

Reader g726Reader(int bits, int rate) {
    return {QStringLiteral("ffmpeg"),
            {QStringLiteral("-f"), QStringLiteral("g726le"), QStringLiteral("-code_size"),
             QString::number(bits), QStringLiteral("-ar"), QString::number(rate)}};
}

// The file as a WAV the tools can measure; empty when the tool cannot read it.
QString asWav(const Reader& reader, const QString& file) {
    if (reader.tool.isEmpty())
        return file;
    const QString out = file + QStringLiteral(".decoded.wav");
    QFile::remove(out);
    QStringList args = reader.tool == QLatin1String("sox")
                           ? reader.inputArgs + QStringList{file, out}
                           : QStringList{QStringLiteral("-v"), QStringLiteral("error")} + reader.inputArgs +
                                 QStringList{QStringLiteral("-i"), file, out};
    QString output;
    if (run(reader.tool, args, &output) != 0) {
        qWarning("%s failed: %s", qPrintable(reader.tool), qPrintable(output));
        return {};
    }
    return out;
}

// Share of the signal's power in the 1000 Hz tone, over one second from the middle. A
// codec that decodes to the right pitch but with the wrong bit order scores far lower.
double toneShare(const std::vector<float>& samples, int rate) {
    const std::size_t n = std::min(samples.size(), static_cast<std::size_t>(rate));
    const std::size_t start = (samples.size() - n) / 2;
    double re = 0, im = 0, total = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double x = samples[start + i];
        const double w = 2 * std::numbers::pi * 1000.0 * static_cast<double>(i) / rate;
        re += x * std::cos(w);
        im += x * std::sin(w);
        total += x * x;
    }
    return total > 0 ? 2 * (re * re + im * im) / static_cast<double>(n) / total : 0;
}

// Verifies that `file` holds `seconds` (within `tolerance`) of a 1000 Hz tone at `rate`
// and `channels`, as read by the independent tool.
void verifyTone(const QString& file, const Reader& reader, int rate, int channels, double seconds,
                double tolerance) {
    const QString wav = asWav(reader, file);
    QVERIFY(!wav.isEmpty());
    const AudioInfo info = soxInfo(wav);
    QVERIFY2(info.ok, qPrintable(file));
    QCOMPARE(info.sampleRate, rate);
    QCOMPARE(info.channels, channels);
    QVERIFY2(qAbs(info.seconds - seconds) <= tolerance,
             qPrintable(QStringLiteral("%1 s instead of %2 s").arg(info.seconds).arg(seconds)));
    const std::vector<float> decoded = soxDecodeMono(wav);
    QCOMPARE(peakFrequency(decoded, rate), 1000.0);
    const double share = toneShare(decoded, rate);
    QVERIFY2(share > 0.9, qPrintable(QStringLiteral("only %1 of the power is the tone").arg(share)));
}

// The encoding name soxi gives a WAV, empty for other files.
QString soxEncoding(const QString& file) {
    QString out;
    if (!file.endsWith(QLatin1String(".wav")) ||
        run(QStringLiteral("soxi"), {QStringLiteral("-e"), file}, &out))
        return {};
    return out.trimmed();
}

// A file size limit on this process, lifted again on leaving the scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
};

Setter adpcm(int rate, int channels) {
    return [=](AudioFileCodec& c) { c.SetWavAdpcm(rate, channels); };
}

Setter gsm(int rate) {
    return [=](AudioFileCodec& c) { c.SetWavGsm(rate); };
}

Setter vox(int rate) {
    return [=](AudioFileCodec& c) { c.SetVoxFormat(rate); };
}

Setter raw(int coding, int rate, int channels) {
    return [=](AudioFileCodec& c) { c.SetRawFormat(coding, rate, channels, 16); };
}

Setter g726(int rate, int bits) {
    return [=](AudioFileCodec& c) { c.SetG726Format(rate, bits); };
}

// Picks `format` through the chooser seam, as the user would in the dialog.
Setter chosen(codec::WavCodec codec, int rate, int channels, int bits = 16) {
    return [=](AudioFileCodec& c) {
        c.setWavFormatChooser(
            [=](const codec::WavFormat&) { return codec::makeWavFormat(codec, rate, channels, bits); });
        c.ChooseWavFormat();
    };
}

} // namespace

Q_DECLARE_METATYPE(Reader)

class TestCodecFormats : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }

    void recordsServerTone_data();
    void recordsServerTone();
    void writesToneInEachFormat_data();
    void writesToneInEachFormat();
    void refusedCombinationsFailCreate_data();
    void refusedCombinationsFailCreate();
    void takesFormatOfSampleFile_data();
    void takesFormatOfSampleFile();
    void foldsOtherChannelLayouts_data();
    void foldsOtherChannelLayouts();
    void killedWriterLeavesReadableFile_data();
    void killedWriterLeavesReadableFile();
    void fullDiskKeepsWhatWasWritten_data();
    void fullDiskKeepsWhatWasWritten();
    void chooserDialogPicksFormat_data();
    void chooserDialogPicksFormat();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestCodecFormats::recordsServerTone_data() {
    QTest::addColumn<Setter>("set");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Reader>("reader");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    const QString wav = QStringLiteral("tone.wav");
    QTest::newRow("wav ima 22050 mono") << adpcm(22050, 1) << wav << wavReader() << 22050 << 1;
    QTest::newRow("wav ima 44100 stereo") << adpcm(44100, 2) << wav << wavReader() << 44100 << 2;
    QTest::newRow("wav gsm") << gsm(8000) << wav << wavReader() << 8000 << 1;
    QTest::newRow("wav dsp") << Setter([](AudioFileCodec& c) { c.SetWavDsp(); }) << wav << wavReader() << 8000
                             << 1;
    QTest::newRow("vox 8000") << vox(8000) << QStringLiteral("tone.vox") << voxReader(8000) << 8000 << 1;
    QTest::newRow("vox 32000") << vox(32000) << QStringLiteral("tone.VOX") << voxReader(32000) << 32000 << 1;
    QTest::newRow("raw pcm 48000 stereo")
        << raw(1, 48000, 2) << QStringLiteral("tone.raw") << rawReader("s16le", 48000, 2) << 48000 << 2;
    QTest::newRow("raw a-law 8000 mono")
        << raw(2, 8000, 1) << QStringLiteral("tone.Raw") << rawReader("alaw", 8000, 1) << 8000 << 1;
    QTest::newRow("raw mu-law 16000 stereo")
        << raw(3, 16000, 2) << QStringLiteral("tone.raw") << rawReader("mulaw", 16000, 2) << 16000 << 2;
    QTest::newRow("g726 2 bits 8000")
        << g726(8000, 2) << QStringLiteral("tone.g726") << g726Reader(2, 8000) << 8000 << 1;
    QTest::newRow("g726 5 bits 16000")
        << g726(16000, 5) << QStringLiteral("tone.G726") << g726Reader(5, 16000) << 16000 << 1;
}

void TestCodecFormats::recordsServerTone() {
    // Guards against capture and encoder disagreeing on rate or channels, and codes the tools cannot decode.
    QFETCH(Setter, set);
    QFETCH(QString, name);
    QFETCH(Reader, reader);
    QFETCH(int, rate);
    QFETCH(int, channels);
    AudioFileCodec codec;
    set(codec);
    QVERIFY(recordTone(codec, path(name), 3.0));
    verifyTone(path(name), reader, rate, channels, 3.0, 0.15);
}

void TestCodecFormats::writesToneInEachFormat_data() {
    using codec::WavCodec;
    QTest::addColumn<Setter>("set");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Reader>("reader");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QString>("encoding");
    const QString wav = QStringLiteral("sine.wav");
    QTest::newRow("ima 8000 mono") << adpcm(8000, 1) << wav << wavReader() << 8000 << 1
                                   << QStringLiteral("IMA ADPCM");
    QTest::newRow("ima 48000 stereo")
        << adpcm(48000, 2) << wav << wavReader() << 48000 << 2 << QStringLiteral("IMA ADPCM");
    QTest::newRow("ms adpcm 11025 stereo") << chosen(WavCodec::MsAdpcm, 11025, 2) << wav << wavReader()
                                           << 11025 << 2 << QStringLiteral("MS ADPCM");
    QTest::newRow("a-law 32000 mono")
        << chosen(WavCodec::ALaw, 32000, 1) << wav << wavReader() << 32000 << 1 << QStringLiteral("A-law");
    QTest::newRow("mu-law 48000 stereo")
        << chosen(WavCodec::MuLaw, 48000, 2) << wav << wavReader() << 48000 << 2 << QStringLiteral("u-law");
    QTest::newRow("pcm 8-bit 24000 mono") << chosen(WavCodec::Pcm, 24000, 1, 8) << wav << wavReader() << 24000
                                          << 1 << QStringLiteral("Unsigned Integer PCM");
    QTest::newRow("vox 22050") << vox(22050) << QStringLiteral("s.vox") << voxReader(22050) << 22050 << 1
                               << QString();
    QTest::newRow("vox 48000") << vox(48000) << QStringLiteral("s.vox") << voxReader(48000) << 48000 << 1
                               << QString();
    QTest::newRow("raw pcm 6000 mono") << raw(1, 6000, 1) << QStringLiteral("s.raw")
                                       << rawReader("s16le", 6000, 1) << 6000 << 1 << QString();
    QTest::newRow("raw a-law 44100 stereo") << raw(2, 44100, 2) << QStringLiteral("s.raw")
                                            << rawReader("alaw", 44100, 2) << 44100 << 2 << QString();
    // Odd code sizes over blocks that end inside a byte test the carried bits.
    QTest::newRow("g726 3 bits 11025")
        << g726(11025, 3) << QStringLiteral("s.g726") << g726Reader(3, 11025) << 11025 << 1 << QString();
    QTest::newRow("g726 4 bits 8000")
        << g726(8000, 4) << QStringLiteral("s.g726") << g726Reader(4, 8000) << 8000 << 1 << QString();
    QTest::newRow("g726 5 bits 22050")
        << g726(22050, 5) << QStringLiteral("s.g726") << g726Reader(5, 22050) << 22050 << 1 << QString();
}

void TestCodecFormats::writesToneInEachFormat() {
    // Guards against a codec other than the one described, lost or doubled blocks, and broken bit packing.
    QFETCH(Setter, set);
    QFETCH(QString, name);
    QFETCH(Reader, reader);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(QString, encoding);
    AudioFileCodec codec;
    set(codec);
    QVERIFY(!codec.FormatDescription().isEmpty());
    codec.Create(path(name), 0);
    QCOMPARE(codec.Status(), 0);
    QCOMPARE(codec.SampleRate(), rate);
    QCOMPARE(codec.Channels(), channels);
    const SampleBlock values = sine(1000, rate, channels, 2.0);
    // Blocks of a tenth of a second: an odd count of values at 11025 and 22050 Hz mono.
    const auto step = static_cast<std::ptrdiff_t>(rate / 10 * channels);
    for (auto at = values.begin(); at < values.end(); at += std::min(step, values.end() - at))
        codec.Write(SampleBlock(at, at + std::min(step, values.end() - at)));
    codec.Close();
    QCOMPARE(codec.Status(), 0);
    QCOMPARE(soxEncoding(path(name)), encoding);
    // The block codecs round up to a whole block of up to about 50 ms.
    verifyTone(path(name), reader, rate, channels, 2.0, 0.06);
}

void TestCodecFormats::refusedCombinationsFailCreate_data() {
    QTest::addColumn<Setter>("set");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("reason");
    const QString wav = QStringLiteral("r.wav");
    QTest::newRow("gsm 8000") << gsm(8000) << wav << QStringLiteral("WAV GSM 6.10 8000 Hz mono") << QString();
    QTest::newRow("gsm 16000") << gsm(16000) << wav << QString() << QStringLiteral("8000 Hz mono only");
    QTest::newRow("gsm 11025") << gsm(11025) << wav << QString() << QStringLiteral("8000 Hz mono only");
    QTest::newRow("gsm 0") << gsm(0) << wav << QString() << QStringLiteral("at 0 Hz");
    QTest::newRow("ima 11025 stereo")
        << adpcm(11025, 2) << wav << QStringLiteral("WAV IMA ADPCM 11025 Hz stereo") << QString();
    QTest::newRow("ima 0 Hz") << adpcm(0, 1) << wav << QString() << QStringLiteral("at 0 Hz");
    QTest::newRow("ima 96000") << adpcm(96000, 2) << wav << QString() << QStringLiteral("at 96000 Hz");
    QTest::newRow("ima 3 channels") << adpcm(8000, 3) << wav << QString() << QStringLiteral("3 channels");
    QTest::newRow("dsp") << Setter([](AudioFileCodec& c) { c.SetWavDsp(); }) << wav
                         << QStringLiteral("WAV \u00b5-Law 8000 Hz mono") << QString();
    QTest::newRow("like a missing file")
        << Setter([](AudioFileCodec& c) { c.SetWavLikeFile(QStringLiteral("/nonexistent/a.wav")); }) << wav
        << QString() << QStringLiteral("/nonexistent/a.wav");
    QTest::newRow("pcm after refused gsm") << Setter([](AudioFileCodec& c) {
        c.SetWavGsm(16000);
        c.SetWavFormat(8000, 1, 16);
    }) << wav << QStringLiteral("WAV PCM 8000 Hz 16-bit mono")
                                           << QString();
    QTest::newRow("vox after refused gsm") << Setter([](AudioFileCodec& c) {
        c.SetWavGsm(16000);
        c.SetVoxFormat(8000);
    }) << QStringLiteral("r.vox") << QStringLiteral("VOX 8000 Hz mono")
                                           << QString();
}

void TestCodecFormats::refusedCombinationsFailCreate() {
    // Guards against a refused codec recording something else, or failing without saying why.
    QFETCH(Setter, set);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QString, reason);
    QFile::remove(path(name));
    AudioFileCodec codec;
    set(codec);
    QCOMPARE(codec.FormatDescription(), description);
    codec.Create(path(name), 0);
    codec.Write(sine(1000, 8000, 1, 0.5));
    codec.Close();
    QCOMPARE(QFile::exists(path(name)), !description.isEmpty());
    if (description.isEmpty()) {
        QCOMPARE(codec.Status(), int{AudioFileCodec::kFormatUnavailable});
        QVERIFY2(codec.ErrorText().contains(reason), qPrintable(codec.ErrorText()));
    } else {
        QCOMPARE(codec.Status(), 0);
    }
}

void TestCodecFormats::takesFormatOfSampleFile_data() {
    // Arguments that make sox write the sample; none for a file that is not audio.
    QTest::addColumn<QStringList>("soxArgs");
    QTest::addColumn<QString>("description");
    auto args = [](const char* text) { return QString::fromLatin1(text).split(QLatin1Char(' ')); };
    QTest::newRow("ima adpcm") << args("-r 22050 -c 1 -e ima-adpcm")
                               << QStringLiteral("WAV IMA ADPCM 22050 Hz mono");
    QTest::newRow("ms adpcm") << args("-r 11025 -c 2 -e ms-adpcm")
                              << QStringLiteral("WAV MS ADPCM 11025 Hz stereo");
    QTest::newRow("gsm") << args("-r 8000 -c 1 -e gsm-full-rate")
                         << QStringLiteral("WAV GSM 6.10 8000 Hz mono");
    QTest::newRow("a-law stereo") << args("-r 8000 -c 2 -e a-law")
                                  << QStringLiteral("WAV A-Law 8000 Hz stereo");
    QTest::newRow("8-bit") << args("-r 16000 -c 1 -b 8 -e unsigned")
                           << QStringLiteral("WAV PCM 16000 Hz 8-bit mono");
    QTest::newRow("24-bit becomes 16")
        << args("-r 48000 -c 2 -b 24") << QStringLiteral("WAV PCM 48000 Hz 16-bit stereo");
    QTest::newRow("gsm at 16000 becomes pcm")
        << args("-r 16000 -c 1 -e gsm-full-rate") << QStringLiteral("WAV PCM 16000 Hz 16-bit mono");
    QTest::newRow("four channels become stereo")
        << args("-r 44100 -c 4 -b 16") << QStringLiteral("WAV PCM 44100 Hz 16-bit stereo");
    QTest::newRow("96 kHz becomes 48")
        << args("-r 96000 -c 1 -b 16") << QStringLiteral("WAV PCM 48000 Hz 16-bit mono");
    QTest::newRow("not audio") << QStringList() << QString();
}

void TestCodecFormats::takesFormatOfSampleFile() {
    // Guards against copying a format we cannot write, or silently keeping the old one for an unreadable
    // sample.
    QFETCH(QStringList, soxArgs);
    QFETCH(QString, description);
    const QString sample = path(QStringLiteral("sample.wav"));
    QFile::remove(sample);
    if (soxArgs.isEmpty()) {
        QFile text(sample);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("this is not a sound file\n");
    } else {
        QCOMPARE(
            run(QStringLiteral("sox"), QStringList{QStringLiteral("-n")} + soxArgs +
                                           QStringList{sample, QStringLiteral("synth"), QStringLiteral("0.2"),
                                                       QStringLiteral("sine"), QStringLiteral("1000")}),
            0);
    }
    AudioFileCodec codec;
    codec.SetWavFormat(44100, 2, 16);
    codec.SetWavLikeFile(sample);
    QCOMPARE(codec.FormatDescription(), description);
    if (description.isEmpty())
        return;
    const QString file = path(QStringLiteral("like.wav"));
    codec.Create(file, 0);
    codec.Write(sine(1000, codec.SampleRate(), codec.Channels(), 1.0));
    codec.Close();
    QCOMPARE(codec.Status(), 0);
    verifyTone(file, wavReader(), codec.SampleRate(), codec.Channels(), 1.0, 0.06);
}

void TestCodecFormats::foldsOtherChannelLayouts_data() {
    QTest::addColumn<Setter>("set");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Reader>("reader");
    QTest::addColumn<int>("inputChannels");
    QTest::addColumn<int>("channels");
    QTest::newRow("stereo into vox") << vox(8000) << QStringLiteral("f.vox") << voxReader(8000) << 2 << 1;
    QTest::newRow("stereo into g726")
        << g726(8000, 4) << QStringLiteral("f.g726") << g726Reader(4, 8000) << 2 << 1;
    QTest::newRow("stereo into gsm") << gsm(8000) << QStringLiteral("f.wav") << wavReader() << 2 << 1;
    QTest::newRow("stereo into mono raw")
        << raw(1, 8000, 1) << QStringLiteral("f.raw") << rawReader("s16le", 8000, 1) << 2 << 1;
    QTest::newRow("mono into stereo raw")
        << raw(3, 8000, 2) << QStringLiteral("f.raw") << rawReader("mulaw", 8000, 2) << 1 << 2;
}

void TestCodecFormats::foldsOtherChannelLayouts() {
    // Guards against interleaved stereo written as mono samples, which doubles the length and halves the
    // pitch.
    QFETCH(Setter, set);
    QFETCH(QString, name);
    QFETCH(Reader, reader);
    QFETCH(int, inputChannels);
    QFETCH(int, channels);
    AudioFileCodec codec;
    set(codec);
    codec.Create(path(name), 0);
    codec.SetInputFormat(8000, inputChannels);
    const SampleBlock second = sine(1000, 8000, inputChannels, 1.0);
    codec.Write(second);
    codec.Write(second);
    codec.Close();
    QCOMPARE(codec.Status(), 0);
    verifyTone(path(name), reader, 8000, channels, 2.0, 0.06);
}

void TestCodecFormats::killedWriterLeavesReadableFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("writerArgs");
    QTest::addColumn<Reader>("reader");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::newRow("wav ima") << QStringLiteral("k.wav")
                             << QStringList{QStringLiteral("22050"), QStringLiteral("1"),
                                            QStringLiteral("adpcm")}
                             << wavReader() << 22050 << 1;
    QTest::newRow("wav gsm") << QStringLiteral("k.wav")
                             << QStringList{QStringLiteral("8000"), QStringLiteral("1"),
                                            QStringLiteral("gsm")}
                             << wavReader() << 8000 << 1;
    QTest::newRow("wav dsp") << QStringLiteral("k.wav")
                             << QStringList{QStringLiteral("8000"), QStringLiteral("1"),
                                            QStringLiteral("dsp")}
                             << wavReader() << 8000 << 1;
    QTest::newRow("vox") << QStringLiteral("k.vox") << QStringList{QStringLiteral("16000")}
                         << voxReader(16000) << 16000 << 1;
    QTest::newRow("raw") << QStringLiteral("k.raw")
                         << QStringList{QStringLiteral("44100"), QStringLiteral("2")}
                         << rawReader("s16le", 44100, 2) << 44100 << 2;
    QTest::newRow("g726") << QStringLiteral("k.g726") << QStringList{QStringLiteral("11025")}
                          << g726Reader(4, 11025) << 11025 << 1;
}

void TestCodecFormats::killedWriterLeavesReadableFile() {
    // Guards against audio held back in memory or a header only Close completes, lost when the recorder is
    // killed.
    QFETCH(QString, name);
    QFETCH(QStringList, writerArgs);
    QFETCH(Reader, reader);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QProcess writer;
    writer.start(QStringLiteral(CODEC_WRITER), QStringList{path(name)} + writerArgs);
    QVERIFY(writer.waitForStarted());
    constexpr int kSeconds = 3;
    for (int second = 1; second <= kSeconds; ++second) {
        writer.write("\n");
        QTRY_VERIFY(writer.canReadLine());
        QCOMPARE(writer.readLine().trimmed().toInt(), second);
    }
    writer.kill();
    QVERIFY(writer.waitForFinished());
    QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
    // At most two seconds may be lost; nothing may be invented.
    verifyTone(path(name), reader, rate, channels, kSeconds - 1.0, 1.0);
}

void TestCodecFormats::fullDiskKeepsWhatWasWritten_data() {
    QTest::addColumn<Setter>("set");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Reader>("reader");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::newRow("wav ima") << adpcm(44100, 2) << QStringLiteral("d.wav") << wavReader() << 44100 << 2;
    QTest::newRow("wav gsm") << gsm(8000) << QStringLiteral("d.wav") << wavReader() << 8000 << 1;
    QTest::newRow("vox") << vox(44100) << QStringLiteral("d.vox") << voxReader(44100) << 44100 << 1;
    QTest::newRow("raw") << raw(1, 22050, 2) << QStringLiteral("d.raw") << rawReader("s16le", 22050, 2)
                         << 22050 << 2;
    QTest::newRow("g726") << g726(48000, 5) << QStringLiteral("d.g726") << g726Reader(5, 48000) << 48000 << 1;
}

void TestCodecFormats::fullDiskKeepsWhatWasWritten() {
    // Guards against a full disk going unnoticed, or ending in a file the tools cannot read.
    QFETCH(Setter, set);
    QFETCH(QString, name);
    QFETCH(Reader, reader);
    QFETCH(int, rate);
    QFETCH(int, channels);
    // Odd, so that the limit falls inside a frame and inside a code byte.
    constexpr rlim_t kLimit = 100003;
    AudioFileCodec codec;
    set(codec);
    int blocks = 0;
    {
        FileSizeLimit limit(kLimit);
        codec.Create(path(name), 0);
        const SampleBlock tenth = sine(1000, rate, channels, 0.1);
        for (; blocks < 1000 && codec.Status() == 0; ++blocks)
            codec.Write(tenth);
    }
    QCOMPARE(codec.Status(), int{AudioFileCodec::kDiskFull});
    QVERIFY2(codec.ErrorText().contains(qt_error_string(EFBIG)), qPrintable(codec.ErrorText()));
    codec.Close();
    const qint64 size = QFileInfo(path(name)).size();
    QVERIFY2(size > static_cast<qint64>(kLimit) - 8192 && size <= static_cast<qint64>(kLimit),
             qPrintable(QString::number(size)));
    if (name.endsWith(QLatin1String(".raw")))
        QCOMPARE(size % (2 * channels), 0);
    // Both tools agree on the length: the header counts only what reached the disk.
    if (name.endsWith(QLatin1String(".wav")))
        QCOMPARE(ffprobeInfo(path(name)).durationTs, qRound64(soxInfo(path(name)).seconds * rate));
    // Everything up to the last whole block or frame before the limit is kept.
    verifyTone(path(name), reader, rate, channels, (blocks - 1) * 0.1, 0.1);
}

void TestCodecFormats::chooserDialogPicksFormat_data() {
    QTest::addColumn<QString>("codecName");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<bool>("okEnabled");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("description");
    const QString unchanged = QStringLiteral("WAV PCM 22050 Hz 16-bit mono");
    QTest::newRow("gsm 8000 mono") << QStringLiteral("GSM 6.10") << 8000 << 1 << true << true
                                   << QStringLiteral("WAV GSM 6.10 8000 Hz mono");
    QTest::newRow("gsm 16000 refused")
        << QStringLiteral("GSM 6.10") << 16000 << 1 << false << true << unchanged;
    QTest::newRow("ms adpcm stereo") << QStringLiteral("MS ADPCM") << 44100 << 2 << true << true
                                     << QStringLiteral("WAV MS ADPCM 44100 Hz stereo");
    QTest::newRow("pcm 8-bit") << QStringLiteral("PCM 8-bit") << 11025 << 2 << true << true
                               << QStringLiteral("WAV PCM 11025 Hz 8-bit stereo");
    QTest::newRow("cancelled") << QStringLiteral("IMA ADPCM") << 8000 << 1 << true << false << unchanged;
}

void TestCodecFormats::chooserDialogPicksFormat() {
    // Guards against the chooser offering a refused combination or applying a cancelled choice.
    QFETCH(QString, codecName);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(bool, okEnabled);
    QFETCH(bool, accept);
    QFETCH(QString, description);
    AudioFileCodec codec;
    codec.SetWavFormat(22050, 1, 16);
    QCOMPARE(codec.ChooseWavFormat(), -1);
    codec.setWavFormatChooser(
        [](const codec::WavFormat& current) { return WavFormatDialog::choose(current); });
    bool seenOk = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<WavFormatDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("lstCodec"));
        QCOMPARE(list->currentItem()->text(), QStringLiteral("PCM 16-bit"));
        list->setCurrentItem(list->findItems(codecName, Qt::MatchExactly).value(0));
        auto* rates = dialog->findChild<QComboBox*>(QStringLiteral("cboRate"));
        rates->setCurrentIndex(rates->findData(rate));
        auto* channelBox = dialog->findChild<QComboBox*>(QStringLiteral("cboChannels"));
        channelBox->setCurrentIndex(channelBox->findData(channels));
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"));
        seenOk = ok->isEnabled();
        const QString shown = dialog->findChild<QLabel*>(QStringLiteral("lblDescription"))->text();
        QCOMPARE(shown.contains(QLatin1String("8000 Hz mono only")), !okEnabled);
        if (accept)
            QTest::mouseClick(ok, Qt::LeftButton);
        if (dialog->isVisible())
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    });
    const bool took = accept && okEnabled;
    QCOMPARE(codec.ChooseWavFormat(), took ? 0 : -1);
    QCOMPARE(seenOk, okEnabled);
    QCOMPARE(codec.FormatDescription(), description);
}

QTEST_MAIN(TestCodecFormats)
#include "test_codec_formats.moc"
