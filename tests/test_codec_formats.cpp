#include "TestSupport.h"
#include "engine/codec/AudioFileWriter.h"
#include "engine/codec/WavCodecs.h"
#include "engine/ui/WavFormatDialog.h"

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
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <functional>
#include <numbers>
#include <sys/resource.h>

using namespace testsupport;
using Setter = std::function<void(AudioFileWriter&)>;
Q_DECLARE_METATYPE(Setter)

namespace {

// One of the formats under test; `bits` is the G.726 code size.
struct Format {
    enum Kind { Ima, MsAdpcm, Gsm, Dsp, ALaw, MuLaw, Pcm8, Vox, RawPcm, RawALaw, RawMuLaw, G726 } kind;
    int rate;
    int channels;
    int bits = 4;

    bool isWav() const { return kind <= Pcm8; }
    QString name() const {
        return QStringLiteral("f.") + (isWav()        ? QStringLiteral("wav")
                                       : kind == Vox  ? QStringLiteral("vox")
                                       : kind == G726 ? QStringLiteral("g726")
                                                      : QStringLiteral("raw"));
    }
    void apply(AudioFileWriter& c) const {
        using codec::WavCodec;
        auto choose = [&](WavCodec codec, int pcmBits) {
            c.setWavFormat(codec::makeWavFormat(codec, rate, channels, pcmBits));
        };
        switch (kind) {
        case Ima:
            return c.setWavAdpcm(rate, channels);
        case Gsm:
            return c.setWavGsm(rate);
        case Dsp:
            return c.setWavTelephone();
        case MsAdpcm:
            return choose(WavCodec::MsAdpcm, 16);
        case ALaw:
            return choose(WavCodec::ALaw, 16);
        case MuLaw:
            return choose(WavCodec::MuLaw, 16);
        case Pcm8:
            return choose(WavCodec::Pcm, 8);
        case Vox:
            return c.setVoxFormat(rate);
        case RawPcm:
            return c.setRawFormat(1, rate, channels, 16);
        case RawALaw:
            return c.setRawFormat(2, rate, channels, 16);
        case RawMuLaw:
            return c.setRawFormat(3, rate, channels, 16);
        case G726:
            return c.setG726Format(rate, bits);
        }
    }
    // The encoding soxi names for a WAV of this kind.
    QString soxEncoding() const {
        static const char* const names[] = {
            "IMA ADPCM", "MS ADPCM", "GSM", "u-law", "A-law", "u-law", "Unsigned Integer PCM"};
        return QLatin1String(names[kind]);
    }
    // Turns `file` into a WAV with an independent tool; returns its path, empty on failure.
    QString asWav(const QString& file) const {
        if (isWav())
            return file;
        const QString out = file + QStringLiteral(".decoded.wav");
        QFile::remove(out);
        const QString coding = kind == RawPcm    ? QStringLiteral("s16le")
                               : kind == RawALaw ? QStringLiteral("alaw")
                                                 : QStringLiteral("mulaw");
        QStringList args =
            (kind == Vox ? QStringLiteral("sox -t vox -r %1").arg(rate)
             : kind == G726
                 ? QStringLiteral("ffmpeg -v error -f g726le -code_size %1 -ar %2 -i").arg(bits).arg(rate)
                 : QStringLiteral("ffmpeg -v error -f %1 -ar %2 -ac %3 -i")
                       .arg(coding)
                       .arg(rate)
                       .arg(channels))
                .split(QLatin1Char(' '));
        const QString tool = args.takeFirst();
        return run(tool, args + QStringList{file, out}) == 0 ? out : QString();
    }
};

// Share of the power in the 1000 Hz tone in each fifth of a second of the file.
std::vector<double> toneShares(const std::vector<float>& samples, int rate) {
    const std::size_t n = static_cast<std::size_t>(rate) / 5;
    std::vector<double> shares;
    for (std::size_t start = 0; start + n <= samples.size(); start += n) {
        double re = 0, im = 0, total = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const double x = samples[start + i];
            const double w = 2 * std::numbers::pi * 1000.0 * static_cast<double>(i) / rate;
            re += x * std::cos(w);
            im += x * std::sin(w);
            total += x * x;
        }
        shares.push_back(total > 0 ? 2 * (re * re + im * im) / static_cast<double>(n) / total : 0);
    }
    return shares;
}

// Which window's share must pass: decoding with the wrong bit order still peaks near
// 1000 Hz but scores low in every window. A file we wrote must be clean in most windows;
// a server recording only in its best one, as underruns on a loaded machine cut the tone
// into pieces whose edges spread power over the spectrum.
enum class Judge { Median, Best };

// Verifies, through the independent tools, that `file` holds `seconds` (within
// `tolerance`) of a clean 1000 Hz tone in `format`.
void verifyTone(const Format& format, const QString& file, double seconds, double tolerance,
                Judge judge = Judge::Median) {
    const QString wav = format.asWav(file);
    QVERIFY2(!wav.isEmpty(), qPrintable(file));
    const AudioInfo info = soxInfo(wav);
    QCOMPARE(info.sampleRate, format.rate);
    QCOMPARE(info.channels, format.channels);
    QVERIFY2(qAbs(info.seconds - seconds) <= tolerance, qPrintable(QString::number(info.seconds)));
    const std::vector<float> decoded = soxDecodeMono(wav);
    QCOMPARE(peakFrequency(decoded, info.sampleRate), 1000.0);
    std::vector<double> shares = toneShares(decoded, info.sampleRate);
    QVERIFY(!shares.empty());
    QStringList listed;
    for (const double share : shares)
        listed << QString::number(share, 'f', 2);
    std::sort(shares.begin(), shares.end());
    const double share = judge == Judge::Best ? shares.back() : shares[shares.size() / 2];
    QVERIFY2(share > 0.9, qPrintable(QStringLiteral("only %1 of the power is the tone (windows: %2)")
                                         .arg(share)
                                         .arg(listed.join(QLatin1Char(' ')))));
}

} // namespace

Q_DECLARE_METATYPE(Format)

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
    QTest::addColumn<Format>("format");
    QTest::newRow("wav ima 22050 mono") << Format{Format::Ima, 22050, 1};
    QTest::newRow("wav ima 44100 stereo") << Format{Format::Ima, 44100, 2};
    QTest::newRow("wav gsm") << Format{Format::Gsm, 8000, 1};
    QTest::newRow("wav dsp") << Format{Format::Dsp, 8000, 1};
    QTest::newRow("vox 8000") << Format{Format::Vox, 8000, 1};
    QTest::newRow("vox 32000") << Format{Format::Vox, 32000, 1};
    QTest::newRow("raw pcm 48000 stereo") << Format{Format::RawPcm, 48000, 2};
    QTest::newRow("raw a-law 8000 mono") << Format{Format::RawALaw, 8000, 1};
    QTest::newRow("raw mu-law 16000 stereo") << Format{Format::RawMuLaw, 16000, 2};
    QTest::newRow("g726 2 bits 8000") << Format{Format::G726, 8000, 1, 2};
    QTest::newRow("g726 5 bits 16000") << Format{Format::G726, 16000, 1, 5};
}

void TestCodecFormats::recordsServerTone() {
    // Guards against capture and encoder disagreeing on rate or channels, and codes the tools cannot decode.
    QFETCH(Format, format);
    AudioFileWriter codec;
    format.apply(codec);
    QVERIFY(recordTone(codec, path(format.name()), 3.0));
    verifyTone(format, path(format.name()), 3.0, 0.15, Judge::Best);
}

void TestCodecFormats::writesToneInEachFormat_data() {
    QTest::addColumn<Format>("format");
    QTest::newRow("ima 48000 stereo") << Format{Format::Ima, 48000, 2};
    QTest::newRow("ms adpcm 11025 stereo") << Format{Format::MsAdpcm, 11025, 2};
    QTest::newRow("a-law 32000 mono") << Format{Format::ALaw, 32000, 1};
    QTest::newRow("mu-law 48000 stereo") << Format{Format::MuLaw, 48000, 2};
    QTest::newRow("pcm 8-bit 24000 mono") << Format{Format::Pcm8, 24000, 1};
    QTest::newRow("vox 22050") << Format{Format::Vox, 22050, 1};
    QTest::newRow("raw pcm 6000 mono") << Format{Format::RawPcm, 6000, 1};
    QTest::newRow("raw a-law 44100 stereo") << Format{Format::RawALaw, 44100, 2};
    QTest::newRow("g726 3 bits 11025") << Format{Format::G726, 11025, 1, 3};
    QTest::newRow("g726 5 bits 22050") << Format{Format::G726, 22050, 1, 5};
}

void TestCodecFormats::writesToneInEachFormat() {
    // Guards against a codec other than the one described, lost or doubled blocks, and broken bit packing.
    QFETCH(Format, format);
    AudioFileWriter codec;
    format.apply(codec);
    QVERIFY(!codec.formatDescription().isEmpty());
    const QString file = path(format.name());
    codec.create(file);
    QCOMPARE(codec.status(), 0);
    QCOMPARE(codec.sampleRate(), format.rate);
    QCOMPARE(codec.channels(), format.channels);
    const SampleBlock values = sine(1000, format.rate, format.channels, 2.0);
    // Tenths of a second: an odd count of values at 11025 and 22050 Hz mono, which ends
    // VOX and G.726 blocks inside a byte.
    const auto step = static_cast<std::ptrdiff_t>(format.rate / 10 * format.channels);
    for (auto at = values.begin(); at < values.end(); at += std::min(step, values.end() - at))
        codec.write(SampleBlock(at, at + std::min(step, values.end() - at)));
    codec.close();
    QCOMPARE(codec.status(), 0);
    if (format.isWav()) {
        QString encoding;
        QCOMPARE(run(QStringLiteral("soxi"), {QStringLiteral("-e"), file}, &encoding), 0);
        QCOMPARE(encoding.trimmed(), format.soxEncoding());
    }
    // The block codecs round up to a whole block of up to about 50 ms.
    verifyTone(format, file, 2.0, 0.06);
}

void TestCodecFormats::refusedCombinationsFailCreate_data() {
    QTest::addColumn<Setter>("set");
    QTest::addColumn<QString>("description");
    // Part of the error text when refused.
    QTest::addColumn<QString>("reason");
    auto gsm = [](int rate) { return Setter([=](AudioFileWriter& c) { c.setWavGsm(rate); }); };
    auto ima = [](int rate, int ch) { return Setter([=](AudioFileWriter& c) { c.setWavAdpcm(rate, ch); }); };
    QTest::newRow("gsm 8000") << gsm(8000) << QStringLiteral("WAV GSM 6.10 8000 Hz mono") << QString();
    QTest::newRow("gsm 16000") << gsm(16000) << QString() << QStringLiteral("8000 Hz mono only");
    QTest::newRow("gsm 0") << gsm(0) << QString() << QStringLiteral("at 0 Hz");
    QTest::newRow("ima 11025 stereo")
        << ima(11025, 2) << QStringLiteral("WAV IMA ADPCM 11025 Hz stereo") << QString();
    QTest::newRow("ima 96000") << ima(96000, 2) << QString() << QStringLiteral("at 96000 Hz");
    QTest::newRow("ima 3 channels") << ima(8000, 3) << QString() << QStringLiteral("3 channels");
    QTest::newRow("dsp") << Setter([](AudioFileWriter& c) { c.setWavTelephone(); })
                         << QStringLiteral("WAV \u00b5-Law 8000 Hz mono") << QString();
    QTest::newRow("like a missing file")
        << Setter([](AudioFileWriter& c) { c.setWavLikeFile(QStringLiteral("/nonexistent/a.wav")); })
        << QString() << QStringLiteral("/nonexistent/a.wav");
    QTest::newRow("pcm after a refusal") << Setter([](AudioFileWriter& c) {
        c.setWavGsm(16000);
        c.setWavFormat(8000, 1, 16);
    }) << QStringLiteral("WAV PCM 8000 Hz 16-bit mono")
                                         << QString();
}

void TestCodecFormats::refusedCombinationsFailCreate() {
    // Guards against a refused codec recording something else, or failing without saying why.
    QFETCH(Setter, set);
    QFETCH(QString, description);
    QFETCH(QString, reason);
    const QString file = path(QStringLiteral("refused.wav"));
    QFile::remove(file);
    AudioFileWriter codec;
    set(codec);
    QCOMPARE(codec.formatDescription(), description);
    codec.create(file);
    codec.write(sine(1000, 8000, 1, 0.5));
    codec.close();
    QCOMPARE(QFile::exists(file), !description.isEmpty());
    QCOMPARE(codec.status(), description.isEmpty() ? int{AudioFileWriter::kFormatUnavailable} : 0);
    QVERIFY2(codec.errorText().contains(reason), qPrintable(codec.errorText()));
}

void TestCodecFormats::takesFormatOfSampleFile_data() {
    // What sox writes as the sample; empty for a file that is not audio.
    QTest::addColumn<QString>("soxArgs");
    QTest::addColumn<QString>("description");
    QTest::newRow("ima") << QStringLiteral("-r 22050 -c 1 -e ima-adpcm")
                         << QStringLiteral("WAV IMA ADPCM 22050 Hz mono");
    QTest::newRow("ms adpcm") << QStringLiteral("-r 11025 -c 2 -e ms-adpcm")
                              << QStringLiteral("WAV MS ADPCM 11025 Hz stereo");
    QTest::newRow("gsm") << QStringLiteral("-r 8000 -c 1 -e gsm-full-rate")
                         << QStringLiteral("WAV GSM 6.10 8000 Hz mono");
    QTest::newRow("gsm at 16000 as pcm")
        << QStringLiteral("-r 16000 -c 1 -e gsm-full-rate") << QStringLiteral("WAV PCM 16000 Hz 16-bit mono");
    QTest::newRow("24-bit, 4 channels")
        << QStringLiteral("-r 48000 -c 4 -b 24") << QStringLiteral("WAV PCM 48000 Hz 16-bit stereo");
    QTest::newRow("96 kHz 8-bit") << QStringLiteral("-r 96000 -c 1 -b 8")
                                  << QStringLiteral("WAV PCM 48000 Hz 8-bit mono");
    QTest::newRow("not audio") << QString() << QString();
}

void TestCodecFormats::takesFormatOfSampleFile() {
    // Guards against copying a format we cannot write, or keeping the old one for an unreadable sample.
    QFETCH(QString, soxArgs);
    QFETCH(QString, description);
    const QString sample = path(QStringLiteral("sample.wav"));
    QFile::remove(sample);
    if (soxArgs.isEmpty()) {
        QFile text(sample);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a sound file\n");
    } else {
        const QStringList args = QStringList{QStringLiteral("-n")} + soxArgs.split(QLatin1Char(' ')) +
                                 QStringList{sample, QStringLiteral("synth"), QStringLiteral("0.2")};
        QCOMPARE(run(QStringLiteral("sox"), args), 0);
    }
    AudioFileWriter codec;
    codec.setWavLikeFile(sample);
    QCOMPARE(codec.formatDescription(), description);
}

void TestCodecFormats::foldsOtherChannelLayouts_data() {
    QTest::addColumn<Format>("format");
    QTest::addColumn<int>("inputChannels");
    QTest::newRow("stereo into vox") << Format{Format::Vox, 8000, 1} << 2;
    QTest::newRow("stereo into g726") << Format{Format::G726, 8000, 1} << 2;
    QTest::newRow("stereo into gsm") << Format{Format::Gsm, 8000, 1} << 2;
    QTest::newRow("mono into stereo raw") << Format{Format::RawMuLaw, 8000, 2} << 1;
}

void TestCodecFormats::foldsOtherChannelLayouts() {
    // Guards against interleaved stereo written as mono samples, which doubles the length and halves the
    // pitch.
    QFETCH(Format, format);
    QFETCH(int, inputChannels);
    AudioFileWriter codec;
    format.apply(codec);
    codec.create(path(format.name()));
    codec.setInputFormat(8000, inputChannels);
    const SampleBlock second = sine(1000, 8000, inputChannels, 1.0);
    codec.write(second);
    codec.write(second);
    codec.close();
    QCOMPARE(codec.status(), 0);
    verifyTone(format, path(format.name()), 2.0, 0.06);
}

void TestCodecFormats::killedWriterLeavesReadableFile_data() {
    QTest::addColumn<Format>("format");
    QTest::addColumn<QString>("wavCodec");
    QTest::newRow("wav ima") << Format{Format::Ima, 22050, 1} << QStringLiteral("adpcm");
    QTest::newRow("wav gsm") << Format{Format::Gsm, 8000, 1} << QStringLiteral("gsm");
    QTest::newRow("vox") << Format{Format::Vox, 16000, 1} << QString();
    QTest::newRow("raw") << Format{Format::RawPcm, 44100, 2} << QString();
    QTest::newRow("g726") << Format{Format::G726, 11025, 1} << QString();
}

void TestCodecFormats::killedWriterLeavesReadableFile() {
    // Guards against audio held back in memory or a header only Close completes, lost when the recorder is
    // killed.
    QFETCH(Format, format);
    QFETCH(QString, wavCodec);
    QCOMPARE(writeThenKill(QStringLiteral(CODEC_WRITER),
                           {path(format.name()), QString::number(format.rate),
                            QString::number(format.channels), wavCodec},
                           3),
             3);
    // Of three seconds, at most two may be lost; nothing may be invented.
    verifyTone(format, path(format.name()), 2.0, 1.0);
}

void TestCodecFormats::fullDiskKeepsWhatWasWritten_data() {
    QTest::addColumn<Format>("format");
    QTest::newRow("wav ima") << Format{Format::Ima, 44100, 2};
    QTest::newRow("wav gsm") << Format{Format::Gsm, 8000, 1};
    QTest::newRow("vox") << Format{Format::Vox, 44100, 1};
    QTest::newRow("raw") << Format{Format::RawPcm, 22050, 2};
    QTest::newRow("g726") << Format{Format::G726, 48000, 1, 5};
}

void TestCodecFormats::fullDiskKeepsWhatWasWritten() {
    // Guards against a full disk going unnoticed, or ending in a file the tools read differently or not at
    // all.
    QFETCH(Format, format);
    // Odd, so that the limit falls inside a frame and inside a code byte.
    constexpr qint64 kLimit = 100003;
    const QString file = path(format.name());
    AudioFileWriter codec;
    format.apply(codec);
    int blocks = 0;
    {
        FileSizeLimit limit(kLimit);
        codec.create(file);
        const SampleBlock tenth = sine(1000, format.rate, format.channels, 0.1);
        for (; blocks < 1000 && codec.status() == 0; ++blocks)
            codec.write(tenth);
    }
    QCOMPARE(codec.status(), int{AudioFileWriter::kDiskFull});
    QVERIFY2(codec.errorText().contains(qt_error_string(EFBIG)), qPrintable(codec.errorText()));
    codec.close();
    const qint64 size = QFileInfo(file).size();
    QVERIFY2(size > kLimit - 8192 && size <= kLimit, qPrintable(QString::number(size)));
    if (format.kind == Format::RawPcm)
        QCOMPARE(size % (2 * format.channels), 0);
    if (format.isWav())
        QCOMPARE(ffprobeInfo(file).durationTs, qRound64(soxInfo(file).seconds * format.rate));
    verifyTone(format, file, (blocks - 1) * 0.1, 0.1);
}

void TestCodecFormats::chooserDialogPicksFormat_data() {
    QTest::addColumn<QString>("codecName");
    QTest::addColumn<int>("rate");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("description");
    const QString unchanged = QStringLiteral("WAV PCM 22050 Hz 16-bit mono");
    QTest::newRow("gsm 8000") << QStringLiteral("GSM 6.10") << 8000 << true
                              << QStringLiteral("WAV GSM 6.10 8000 Hz mono");
    QTest::newRow("gsm 16000 refused") << QStringLiteral("GSM 6.10") << 16000 << true << unchanged;
    QTest::newRow("ms adpcm") << QStringLiteral("MS ADPCM") << 44100 << true
                              << QStringLiteral("WAV MS ADPCM 44100 Hz mono");
    QTest::newRow("cancelled") << QStringLiteral("IMA ADPCM") << 8000 << false << unchanged;
}

void TestCodecFormats::chooserDialogPicksFormat() {
    // Guards against the chooser accepting a refused combination or applying a cancelled choice.
    QFETCH(QString, codecName);
    QFETCH(int, rate);
    QFETCH(bool, accept);
    QFETCH(QString, description);
    AudioFileWriter codec;
    codec.setWavFormat(22050, 1, 16);
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<WavFormatDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("lstCodec"));
        list->setCurrentItem(list->findItems(codecName, Qt::MatchExactly).value(0));
        auto* rates = dialog->findChild<QComboBox*>(QStringLiteral("cboRate"));
        rates->setCurrentIndex(rates->findData(rate));
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"));
        const bool refused = dialog->findChild<QLabel*>(QStringLiteral("lblDescription"))
                                 ->text()
                                 .contains(QLatin1String("only"));
        QCOMPARE(ok->isEnabled(), !refused);
        if (accept)
            QTest::mouseClick(ok, Qt::LeftButton);
        if (dialog->isVisible())
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    });
    const std::optional<codec::WavFormat> chosen = WavFormatDialog::choose(codec.formats().wav());
    QCOMPARE(chosen.has_value(), description != QLatin1String("WAV PCM 22050 Hz 16-bit mono"));
    if (chosen)
        codec.setWavFormat(*chosen);
    QCOMPARE(codec.formatDescription(), description);
}

QTEST_MAIN(TestCodecFormats)
#include "test_codec_formats.moc"
