#include "TestSupport.h"
#include "engine/codec/AudioFileWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cerrno>
#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>

using namespace testsupport;
using Setter = std::function<void(AudioFileWriter&)>;
Q_DECLARE_METATYPE(Setter)

namespace {

QByteArray bytesAt(const QString& path, qint64 offset, qint64 count) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.seek(offset) ? file.read(count) : QByteArray();
}

// The format tag of a WAV's fmt chunk, or -1 without one.
int formatTag(const QString& path) {
    const Chunk fmt = findChunk(path, "fmt ");
    const QByteArray tag = bytesAt(path, fmt.start, 2);
    return fmt.start < 0 || tag.size() < 2 ? -1 : qFromLittleEndian<quint16>(tag.constData());
}

// Writes `values` in blocks of about a tenth of a second, as a recorder hands them over.
void writeInBlocks(AudioFileWriter& codec, const SampleBlock& values, int channels, int rate) {
    const size_t step = static_cast<size_t>(rate / 10 * channels);
    for (size_t at = 0; at < values.size(); at += step)
        codec.write(
            SampleBlock(values.begin() + static_cast<std::ptrdiff_t>(at),
                        values.begin() + static_cast<std::ptrdiff_t>(std::min(values.size(), at + step))));
}

qint64 availableMemory() {
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (!meminfo.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : meminfo.readAll().split('\n'))
        if (line.startsWith("MemAvailable:"))
            return line.simplified().split(' ').value(1).toLongLong() * 1024;
    return 0;
}

} // namespace

class TestCodec : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }

    void writesWavThatToolsRead_data();
    void writesWavThatToolsRead();
    void fallsBackToDefaults_data();
    void fallsBackToDefaults();
    void describesEachFormat_data();
    void describesEachFormat();
    void choosesEncoderByExtension_data();
    void choosesEncoderByExtension();
    void createFailureSaysWhy_data();
    void createFailureSaysWhy();
    void closeIsHarmlessWhenRepeated();
    void recordsServerTone();
    void killedWriterLeavesReadableFile();
    void fullDiskStopsWithReadableFile_data();
    void fullDiskStopsWithReadableFile();
    void keepsLengthPastFourGiB();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestCodec::writesWavThatToolsRead_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("bits");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("8000 mono") << 8000 << 1 << 16 << 1e-3;
    QTest::newRow("11025 stereo") << 11025 << 2 << 16 << 1e-3;
    QTest::newRow("16000 mono") << 16000 << 1 << 16 << 1e-3;
    QTest::newRow("22050 stereo") << 22050 << 2 << 16 << 1e-3;
    QTest::newRow("32000 mono 8-bit") << 32000 << 1 << 8 << 0.05;
    QTest::newRow("44100 stereo") << 44100 << 2 << 16 << 1e-3;
    QTest::newRow("48000 mono") << 48000 << 1 << 16 << 1e-3;
    QTest::newRow("48000 stereo 8-bit") << 48000 << 2 << 8 << 0.05;
    // An odd count of bytes: the data chunk needs its pad byte.
    QTest::newRow("11025 mono 8-bit") << 11025 << 1 << 8 << 0.05;
}

void TestCodec::writesWavThatToolsRead() {
    // Guards against wrong header fields, a header simple readers refuse, lost or repeated blocks, and a
    // wrong sample layout.
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, bits);
    QFETCH(double, tolerance);
    AudioFileWriter codec;
    codec.setWavFormat(rate, channels, bits);
    const QString file = path(QStringLiteral("tone.wav"));
    codec.create(file);
    QCOMPARE(codec.status(), 0);
    QCOMPARE(codec.sampleRate(), rate);
    QCOMPARE(codec.channels(), channels);
    writeInBlocks(codec, sine(1000, rate, channels, 3.0), channels, rate);
    codec.close();
    QCOMPARE(codec.status(), 0);

    QCOMPARE(bytesAt(file, 0, 4), QByteArray("RIFF"));
    // RIFF keeps every chunk, and so the file, at an even length.
    QCOMPARE(qFromLittleEndian<quint32>(bytesAt(file, 4, 4).constData()), QFileInfo(file).size() - 8);
    QCOMPARE(QFileInfo(file).size() % 2, 0);
    QCOMPARE(findChunk(file, "fmt ").size, 16);
    QCOMPARE(formatTag(file), 1);
    QString python;
    QCOMPARE(
        run(QStringLiteral("python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import sys, wave; w = wave.open(sys.argv[1]); "
                            "print(w.getnchannels(), w.getframerate(), w.getsampwidth(), w.getnframes())"),
             file},
            &python),
        0);
    QCOMPARE(python.trimmed(),
             QStringLiteral("%1 %2 %3 %4").arg(channels).arg(rate).arg(bits / 8).arg(3 * rate));
    AudioFileWriter like;
    like.setWavLikeFile(file);
    QCOMPARE(like.formatDescription(), codec.formatDescription());
    const AudioInfo sox = soxInfo(file);
    QVERIFY(sox.ok);
    QCOMPARE(sox.sampleRate, rate);
    QCOMPARE(sox.channels, channels);
    QCOMPARE(sox.seconds, 3.0);
    const ProbeInfo probe = ffprobeInfo(file);
    QVERIFY(probe.ok);
    QCOMPARE(probe.sampleRate, rate);
    QCOMPARE(probe.channels, channels);
    QCOMPARE(probe.durationTs, qint64{3} * rate);
    const std::vector<float> decoded = soxDecodeMono(file);
    QCOMPARE(peakFrequency(decoded, rate), 1000.0);
    QVERIFY(maxSineResidual(decoded, 1000, rate, 0) < tolerance);
}

void TestCodec::fallsBackToDefaults_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("description");
    const QString defaults = QStringLiteral("WAV PCM 44100 Hz 16-bit stereo");
    QTest::newRow("all zero") << 0 << 0 << 0 << defaults;
    QTest::newRow("below range") << 5999 << 0 << 4 << defaults;
    QTest::newRow("above range") << 48001 << 3 << 24 << defaults;
    QTest::newRow("negative") << -8000 << -1 << -16 << defaults;
    QTest::newRow("only channels bad") << 8000 << 7 << 16 << QStringLiteral("WAV PCM 8000 Hz 16-bit stereo");
    QTest::newRow("edges kept") << 6000 << 1 << 8 << QStringLiteral("WAV PCM 6000 Hz 8-bit mono");
}

void TestCodec::fallsBackToDefaults() {
    // Guards against a fresh user's zero settings producing a file no tool can play.
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, bits);
    QFETCH(QString, description);
    AudioFileWriter codec;
    codec.setWavFormat(rate, channels, bits);
    QCOMPARE(codec.formatDescription(), description);
    const QString file = path(QStringLiteral("fallback.wav"));
    codec.create(file);
    QCOMPARE(codec.status(), 0);
    QCOMPARE(codec.formatDescription(), description);
    codec.write(sine(1000, codec.sampleRate(), codec.channels(), 0.5));
    codec.close();
    const AudioInfo sox = soxInfo(file);
    QCOMPARE(sox.sampleRate, codec.sampleRate());
    QCOMPARE(sox.channels, codec.channels());
    QCOMPARE(sox.seconds, 0.5);
}

void TestCodec::describesEachFormat_data() {
    QTest::addColumn<Setter>("set");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::newRow("mp3") << Setter([](AudioFileWriter& c) { c.setMp3Format(44100, 128, 2); })
                         << QStringLiteral("MP3 44100 Hz 128 kbit/s stereo") << 44100 << 2;
    QTest::newRow("mp3 not an MPEG rate") << Setter([](AudioFileWriter& c) { c.setMp3Format(44000, 100, 1); })
                                          << QStringLiteral("MP3 44100 Hz 128 kbit/s mono") << 44100 << 1;
    QTest::newRow("ogg quality") << Setter(
                                        [](AudioFileWriter& c) { c.setOggFormat(44100, 2, 128, 0, 0, 300); })
                                 << QStringLiteral("Ogg Vorbis 44100 Hz stereo, quality 3.00") << 44100 << 2;
    QTest::newRow("ogg managed") << Setter([](AudioFileWriter& c) {
        c.setOggFormat(44100, 2, 128, 112, 160, -1);
    }) << QStringLiteral("Ogg Vorbis 44100 Hz stereo, 128 kbit/s (112-160 kbit/s VBR)")
                                 << 44100 << 2;
    QTest::newRow("ogg limits inverted")
        << Setter([](AudioFileWriter& c) { c.setOggFormat(22050, 1, 96, 160, 112, -1); })
        << QStringLiteral("Ogg Vorbis 22050 Hz mono, 96 kbit/s") << 22050 << 1;
    QTest::newRow("vox") << Setter([](AudioFileWriter& c) { c.setVoxFormat(8000); })
                         << QStringLiteral("VOX 8000 Hz mono") << 8000 << 1;
    QTest::newRow("raw a-law") << Setter([](AudioFileWriter& c) { c.setRawFormat(2, 8000, 1, 8); })
                               << QStringLiteral("RAW A-Law 8000 Hz mono") << 8000 << 1;
    QTest::newRow("raw pcm") << Setter([](AudioFileWriter& c) { c.setRawFormat(1, 16000, 2, 16); })
                             << QStringLiteral("RAW PCM 16000 Hz 16-bit stereo") << 16000 << 2;
    QTest::newRow("raw unknown coding") << Setter([](AudioFileWriter& c) { c.setRawFormat(9, 0, 0, 0); })
                                        << QStringLiteral("RAW PCM 44100 Hz 16-bit stereo") << 44100 << 2;
    QTest::newRow("g726") << Setter([](AudioFileWriter& c) { c.setG726Format(8000, 4); })
                          << QStringLiteral("G.726 8000 Hz 4 bits") << 8000 << 1;
    QTest::newRow("g726 bits out of range") << Setter([](AudioFileWriter& c) { c.setG726Format(8000, 6); })
                                            << QStringLiteral("G.726 8000 Hz 4 bits") << 8000 << 1;
}

void TestCodec::describesEachFormat() {
    // Guards against the status line naming another format than the one last chosen.
    QFETCH(Setter, set);
    QFETCH(QString, description);
    QFETCH(int, rate);
    QFETCH(int, channels);
    AudioFileWriter codec;
    codec.setWavFormat(48000, 1, 16);
    set(codec);
    QCOMPARE(codec.formatDescription(), description);
    QCOMPARE(codec.sampleRate(), rate);
    QCOMPARE(codec.channels(), channels);
}

void TestCodec::choosesEncoderByExtension_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("reason");
    QTest::newRow("wav") << QStringLiteral("a.wav") << true << QString();
    QTest::newRow("WAV") << QStringLiteral("a.WAV") << true << QString();
    QTest::newRow("Wav") << QStringLiteral("a.Wav") << true << QString();
    QTest::newRow("mp3") << QStringLiteral("a.mp3") << true << QString();
    QTest::newRow("OGG") << QStringLiteral("a.OGG") << true << QString();
    QTest::newRow("Wma") << QStringLiteral("a.Wma") << true << QString();
    QTest::newRow("vox") << QStringLiteral("a.vox") << true << QString();
    QTest::newRow("Raw") << QStringLiteral("a.Raw") << true << QString();
    QTest::newRow("g726") << QStringLiteral("a.g726") << true << QString();
    QTest::newRow("flac") << QStringLiteral("a.flac") << false << QStringLiteral("Unknown file type");
    QTest::newRow("none") << QStringLiteral("wav") << false << QStringLiteral("Unknown file type");
}

void TestCodec::choosesEncoderByExtension() {
    // Guards against a case-sensitive extension match and against writing WAV data under another name.
    QFETCH(QString, name);
    QFETCH(bool, written);
    QFETCH(QString, reason);
    AudioFileWriter codec;
    codec.create(path(name));
    codec.write(sine(1000, 44100, 2, 0.1));
    codec.close();
    QCOMPARE(codec.status() == 0, written);
    QCOMPARE(QFile::exists(path(name)), written);
    if (written && name.endsWith(QLatin1String("wav"), Qt::CaseInsensitive))
        QCOMPARE(soxInfo(path(name)).seconds, 0.1);
    else
        QVERIFY2(codec.errorText().contains(reason), qPrintable(codec.errorText()));
}

void TestCodec::createFailureSaysWhy_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("error");
    QTest::newRow("missing folder") << QStringLiteral("missing/a.wav") << ENOENT;
    QTest::newRow("folder is a file") << QStringLiteral("plain/a.wav") << ENOTDIR;
    QTest::newRow("name is a folder") << QStringLiteral("folder.wav") << EISDIR;
}

void TestCodec::createFailureSaysWhy() {
    // Guards against a failed Create that reports success or hides the OS reason from the user.
    QFETCH(QString, name);
    QFETCH(int, error);
    QFile plain(path(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.wav")));
    AudioFileWriter codec;
    codec.create(path(name));
    QVERIFY(codec.status() < 0);
    QVERIFY2(codec.errorText().contains(qt_error_string(error)), qPrintable(codec.errorText()));
    QVERIFY(codec.errorText().contains(path(name)));
    codec.write(sine(1000, 44100, 2, 0.1));
    codec.close();
    QVERIFY(codec.status() < 0);
}

void TestCodec::closeIsHarmlessWhenRepeated() {
    // Guards against a double finalisation corrupting the file, or a crash closing what was never opened.
    AudioFileWriter codec;
    codec.close();
    QCOMPARE(codec.status(), 0);
    const QString file = path(QStringLiteral("twice.wav"));
    codec.create(file);
    codec.write(sine(1000, 44100, 2, 1.0));
    codec.close();
    codec.close();
    codec.write(sine(1000, 44100, 2, 1.0));
    QCOMPARE(codec.status(), 0);
    QCOMPARE(soxInfo(file).seconds, 1.0);
}

void TestCodec::recordsServerTone() {
    // Guards against capture and file disagreeing on rate or channels, or blocks lost between them.
    AudioFileWriter codec;
    codec.setWavFormat(22050, 1, 16);
    const QString file = path(QStringLiteral("server.wav"));
    QVERIFY(recordTone(codec, file, 3.0));
    const AudioInfo sox = soxInfo(file);
    QCOMPARE(sox.sampleRate, 22050);
    QCOMPARE(sox.channels, 1);
    QVERIFY2(qAbs(sox.seconds - 3.0) <= 0.15, qPrintable(QString::number(sox.seconds)));
    QCOMPARE(qRound(peakFrequency(soxDecodeMono(file), 22050)), 1000);
}

void TestCodec::killedWriterLeavesReadableFile() {
    // Guards against a header that only Close completes, which leaves a killed recording unreadable.
    const QString file = path(QStringLiteral("killed.wav"));
    const int written = writeThenKill(QStringLiteral(CODEC_WRITER), {file}, 3);
    QCOMPARE(written, 3);

    const AudioInfo sox = soxInfo(file);
    QVERIFY(sox.ok);
    QVERIFY2(sox.seconds >= written - 2 && sox.seconds <= written, qPrintable(QString::number(sox.seconds)));
    QCOMPARE(ffprobeInfo(file).durationTs, qint64{44100} * qRound(sox.seconds));
    const std::vector<float> decoded = soxDecodeMono(file);
    QVERIFY(maxSineResidual(decoded, 1000, 44100, 0) < 1e-3);
}

void TestCodec::fullDiskStopsWithReadableFile_data() {
    // A size limit of 0 means the tmpfs fills instead.
    QTest::addColumn<int>("sizeLimit");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full tmpfs") << 0 << QStringLiteral("The disk is full");
    QTest::newRow("file size limit") << (1 << 20) << qt_error_string(EFBIG);
    QTest::newRow("limit inside a frame") << (1 << 20) + 3 << qt_error_string(EFBIG);
}

void TestCodec::fullDiskStopsWithReadableFile() {
    // Guards against a full disk going unnoticed or leaving a file whose header disagrees with its data.
    QFETCH(int, sizeLimit);
    QFETCH(QString, reason);
    const QString dir = path(QStringLiteral("small"));
    std::optional<TmpfsMount> mount;
    if (sizeLimit) {
        QDir().mkpath(dir);
    } else {
        mount.emplace(dir, QStringLiteral("1M"));
        if (!mount->mounted())
            QSKIP("Cannot mount a tmpfs here (needs root)");
    }
    const QString file = dir + QStringLiteral("/full.wav");
    AudioFileWriter codec;
    codec.setWavFormat(44100, 2, 16);
    {
        std::optional<FileSizeLimit> limit;
        if (sizeLimit)
            limit.emplace(static_cast<rlim_t>(sizeLimit));
        codec.create(file);
        const SampleBlock second = sine(1000, 44100, 2, 1.0);
        for (int i = 0; i < 20 && codec.status() == 0; ++i)
            codec.write(second);
    }
    QCOMPARE(codec.status(), int{AudioFileWriter::kDiskFull});
    QVERIFY2(codec.errorText().contains(reason), qPrintable(codec.errorText()));
    codec.close();

    const AudioInfo sox = soxInfo(file);
    QVERIFY(sox.ok);
    QVERIFY(sox.seconds > 4.0 && sox.seconds < 6.0);
    QCOMPARE(ffprobeInfo(file).durationTs, qRound64(sox.seconds * 44100));
    // The header accounts for every byte, and only whole frames.
    const Chunk data = findChunk(file, "data");
    QCOMPARE(data.start + data.size, QFileInfo(file).size());
    QCOMPARE(data.size % 4, 0);
    QVERIFY(maxSineResidual(soxDecodeMono(file), 1000, 44100, 0) < 1e-3);
}

void TestCodec::keepsLengthPastFourGiB() {
    // Guards against 32-bit size fields wrapping, which makes a long recording read as a few minutes.
    constexpr qint64 kFourGiB = qint64{1} << 32;
    if (availableMemory() < kFourGiB + (qint64{1} << 30))
        QSKIP("Not enough free memory for a 4.3 GiB tmpfs");
    const QString dir = path(QStringLiteral("large"));
    TmpfsMount mount(dir, QStringLiteral("4400M"));
    if (!mount.mounted())
        QSKIP("Cannot mount a tmpfs here (needs root)");
    const QString file = dir + QStringLiteral("/long.wav");

    AudioFileWriter codec;
    codec.setWavFormat(44100, 2, 16);
    codec.create(file);
    const SampleBlock minute = sine(1000, 44100, 2, 60.0);
    const qint64 minuteBytes = static_cast<qint64>(minute.size()) * 2;
    const qint64 minutes = kFourGiB / minuteBytes + 2;
    for (qint64 i = 0; i < minutes && codec.status() == 0; ++i)
        codec.write(minute);
    codec.close();
    QCOMPARE(codec.status(), 0);
    QVERIFY(QFileInfo(file).size() > kFourGiB);

    QCOMPARE(soxInfo(file).seconds, minutes * 60.0);
    QCOMPARE(ffprobeInfo(file).durationTs, minutes * 60 * 44100);
    QCOMPARE(bytesAt(file, 0, 4), QByteArray("RF64"));
    QCOMPARE(formatTag(file), 1);
    QFile::remove(file);
}

QTEST_GUILESS_MAIN(TestCodec)
#include "test_codec.moc"
