#include "TestSupport.h"
#include "base/AppFolder.h"
#include "base/SettingsFile.h"
#include "base/ui/Dialogs.h"
#include "engine/codec/AudioFileWriter.h"
#include "engine/codec/SndfileEncoder.h"
#include "engine/codec/WavCodecs.h"
#include "engine/ui/WavFormatDialog.h"
#include "formats/ui/HeaderlessSettingsDialog.h"
#include "formats/ui/Mp3SettingsDialog.h"
#include "formats/ui/OggSettingsDialog.h"
#include "formats/ui/WavSettingsDialog.h"
#include "recordings/RecordingsModel.h"
#include "shell/ApplicationCore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>

using Drive = std::function<void(QDialog&)>;
Q_DECLARE_METATYPE(Drive)
Q_DECLARE_METATYPE(HeaderlessSettingsDialog::Format)

namespace {

template <typename T> T* child(QDialog& d, const char* name) {
    return d.findChild<T*>(QLatin1String(name));
}

void click(QDialog& d, const char* name) {
    auto* button = child<QAbstractButton>(d, name);
    QVERIFY2(button, name);
    // Option buttons and check boxes take clicks on their mark and text only, not on the
    // rest of a row the layout stretched them to.
    const bool marked = button->isCheckable() && !qobject_cast<QPushButton*>(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, marked ? QPoint(6, button->height() / 2) : QPoint());
}

// Answers the WAV format chooser the next click opens: OK on `codecName` at `rate` and
// `channels`, or Cancel when `codecName` is empty.
void answerWavChooser(const QString& codecName = {}, int rate = 0, int channels = 0) {
    QTimer::singleShot(0, [=] {
        auto* chooser = qobject_cast<WavFormatDialog*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        const char* button = "cmdCancel";
        if (!codecName.isEmpty()) {
            auto* codecs = chooser->findChild<QListWidget*>(QStringLiteral("lstCodec"));
            codecs->setCurrentItem(codecs->findItems(codecName, Qt::MatchExactly).value(0));
            auto* rates = chooser->findChild<QComboBox*>(QStringLiteral("cboRate"));
            rates->setCurrentIndex(rates->findData(rate));
            auto* channelChoice = chooser->findChild<QComboBox*>(QStringLiteral("cboChannels"));
            channelChoice->setCurrentIndex(channelChoice->findData(channels));
            button = "cmdOK";
        }
        QTest::mouseClick(chooser->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    });
}

void typeInto(QDialog& d, const char* field, const QString& text) {
    auto* edit = child<QLineEdit>(d, field);
    QVERIFY2(edit, field);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

bool checked(QDialog& d, const char* name) {
    auto* button = child<QAbstractButton>(d, name);
    return button && button->isChecked();
}

QStringList entries(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts)
        list << QLatin1String(text);
    return list;
}

// "section/key=value" entries.
void store(const QString& file, const QStringList& entries) {
    for (const QString& entry : entries) {
        const qsizetype slash = entry.indexOf(QLatin1Char('/'));
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        writeSetting(file, entry.left(slash), entry.mid(slash + 1, equals - slash - 1),
                     entry.mid(equals + 1));
    }
}

QStringList storedNow(const QString& file, const QStringList& entries) {
    QStringList now;
    for (const QString& entry : entries) {
        const qsizetype slash = entry.indexOf(QLatin1Char('/'));
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        now << entry.left(equals) + QLatin1Char('=') +
                   readSetting(file, entry.left(slash), entry.mid(slash + 1, equals - slash - 1));
    }
    return now;
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A core started as the program starts it, on the private server's default source.
struct Session {
    QTemporaryDir app;
    std::unique_ptr<ApplicationCore> core;

    bool start(const QStringList& stored) {
        const QString settings = settingsFile(app.path());
        writeSetting(settings, QStringLiteral("set"), QStringLiteral("folder"), app.path());
        store(settings, stored);
        core = std::make_unique<ApplicationCore>(app.path());
        if (!core->load())
            return false;
        const DeviceSelection::DeviceList& list = core->devices();
        const DeviceSelection::SourceList sources =
            core->chooseDevice(list.devices[static_cast<std::size_t>(list.selected)].index);
        core->chooseSource(sources.selected);
        return !sources.names.empty();
    }
    QString settings() const { return core->settingsFile(); }
    // The program ends and starts again on the same folder.
    bool restart() {
        core.reset();
        return start({});
    }

    // About 1.5 s of the tone in `format`; the file, or empty when recording failed.
    QString record(const QString& format) {
        if (!core->startRecording(format).ok)
            return {};
        const bool longEnough =
            QTest::qWaitFor([this] { return core->session().elapsed() >= QLatin1String("0:01.500"); }, 10000);
        core->stopRecording();
        const int rows = core->recordings().rowCount();
        return longEnough && rows > 0 ? core->recordings().path(rows - 1) : QString();
    }
};

QMap<QString, QString> probe(const QString& path, const QStringList& extra = {}) {
    QString out;
    testsupport::run(QStringLiteral("ffprobe"),
                     QStringList{QStringLiteral("-v"), QStringLiteral("error")} + extra +
                         QStringList{QStringLiteral("-show_entries"),
                                     QStringLiteral("stream=codec_name,sample_rate,channels,bit_rate"),
                                     QStringLiteral("-of"), QStringLiteral("default=nw=1"), path},
                     &out);
    QMap<QString, QString> values;
    for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        values.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    return values;
}

// The strongest frequency of `path` decoded by sox (`soxArgs` describe a headerless file)
// or by ffmpeg (`ffmpegArgs`); -1 when the tool cannot read it.
double tonePeak(const QString& path, const QStringList& soxArgs, const QStringList& ffmpegArgs, int rate) {
    const QString wav = path + QStringLiteral(".decoded.wav");
    const int rc = ffmpegArgs.isEmpty()
                       ? testsupport::run(QStringLiteral("sox"), soxArgs + QStringList{path, wav})
                       : testsupport::run(QStringLiteral("ffmpeg"),
                                          QStringList{QStringLiteral("-v"), QStringLiteral("error"),
                                                      QStringLiteral("-y")} +
                                              ffmpegArgs + QStringList{QStringLiteral("-i"), path, wav});
    const std::vector<float> samples = rc == 0 ? testsupport::soxDecodeMono(wav) : std::vector<float>{};
    return samples.size() < static_cast<std::size_t>(rate) / 2 ? -1
                                                               : testsupport::peakFrequency(samples, rate);
}

double rms(const std::vector<float>& samples) {
    double sum = 0;
    for (const float s : samples)
        sum += double(s) * s;
    return samples.empty() ? 0 : std::sqrt(sum / double(samples.size()));
}

// Bit rates of a Vorbis identification header (maximum, nominal, minimum, in bit/s).
struct VorbisRates {
    bool ok = false;
    int channels = 0;
    int rate = 0;
    qint32 maximum = 0, nominal = 0, minimum = 0;
};

VorbisRates vorbisRates(const QString& path) {
    const QByteArray head = bytesOf(path).left(4096);
    const qsizetype at = head.indexOf(QByteArray("\x01vorbis", 7));
    VorbisRates r;
    if (at < 0 || head.size() < at + 7 + 4 + 1 + 4 + 12)
        return r;
    const auto le32 = [&](qsizetype pos) {
        quint32 v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | quint8(head[pos + i]);
        return static_cast<qint32>(v);
    };
    const qsizetype p = at + 7 + 4;
    r.channels = quint8(head[p]);
    r.rate = le32(p + 1);
    r.maximum = le32(p + 5);
    r.nominal = le32(p + 9);
    r.minimum = le32(p + 13);
    r.ok = true;
    return r;
}

} // namespace

// The format dialogs as a user drives them, checked in settings.dat, in the state the
// settings window re-applies, and in a recording read back by ffprobe, sox or ffmpeg.
class TestFormatDialogs : public QObject {
    Q_OBJECT

    QTemporaryDir m_samples;

    QString sample(const char* name) const { return m_samples.filePath(QLatin1String(name)); }

    // After OK or Cancel no field may show a value other than the one applied.
    static void fieldsAgree(QDialog& dialog) {
        for (QSpinBox* spin : dialog.findChildren<QSpinBox*>())
            QCOMPARE(spin->findChild<QLineEdit*>()->text(), QString::number(spin->value()));
    }

    // Shows `dialog`, lets `drive` act, presses `button` unless it is null; checks settings.dat:
    // the entries of `expectStored`, or unchanged bytes when there are none.
    static void operate(QDialog& dialog, Session& s, const Drive& drive, const char* button,
                        const QStringList& expectStored) {
        const QByteArray before = bytesOf(s.settings());
        dialog.show();
        drive(dialog);
        if (QTest::currentTestFailed())
            return;
        if (button)
            click(dialog, button);
        fieldsAgree(dialog);
        if (expectStored.isEmpty())
            QCOMPARE(bytesOf(s.settings()), before);
        else
            QCOMPARE(storedNow(s.settings(), expectStored), expectStored);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_samples.isValid());
        QCOMPARE(testsupport::run(QStringLiteral("sox"),
                                  {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("16000"),
                                   QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-e"),
                                   QStringLiteral("u-law"), sample("ulaw.wav"), QStringLiteral("synth"),
                                   QStringLiteral("0.1"), QStringLiteral("sine"), QStringLiteral("500")}),
                 0);
        QFile text(sample("notes.wav"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a sound file\n");
    }
    void init() { Dialogs::shownMessages().clear(); }

    void mp3Dialog_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<Drive>("drive");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QStringList>("expectStored");
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("kbps");
        QTest::addColumn<bool>("vbrTag");
        QTest::addColumn<bool>("lowpassed");

        const QStringList plain =
            entries({"mp3/MP3Bitrate=128", "mp3/MP3Frequency=44100", "mp3/MP3Channels=2"});
        const QStringList small =
            entries({"mp3/MP3Bitrate=64", "mp3/MP3Frequency=22050", "mp3/MP3Channels=1"});
        QTest::newRow("64 kbit 22050 mono") << plain << Drive([](QDialog& d) {
            child<QSlider>(d, "Slider1")->setValue(6);
            QCOMPARE(child<QLabel>(d, "Label1")->text(), QStringLiteral("Current bitrate: 64 kbit"));
            child<QComboBox>(d, "Combo5")->setCurrentIndex(4);
            child<QComboBox>(d, "Combo3")->setCurrentIndex(4);
        }) << true << small << "MP3 22050 Hz 64 kbit/s mono"
                                            << 22050 << 1 << 64 << false << false;
        QTest::newRow("stored 80 kept; VBR with typed quality refused past 9")
            << entries({"mp3/MP3Bitrate=80"}) << Drive([](QDialog& d) {
                   QCOMPARE(child<QLabel>(d, "Label1")->text(), QStringLiteral("Current bitrate: 80 kbit"));
                   QCOMPARE(child<QSlider>(d, "Slider1")->value(), 9);
                   QVERIFY(!child<QSpinBox>(d, "udVbrQ")->isEnabled());
                   QVERIFY(!child<QSlider>(d, "Slider3")->isEnabled());
                   child<QComboBox>(d, "Combo1")->setCurrentIndex(3);
                   QVERIFY(child<QSpinBox>(d, "udVbrQ")->isEnabled());
                   QVERIFY(!child<QSpinBox>(d, "udABR")->isEnabled());
                   QVERIFY(child<QSlider>(d, "Slider3")->isEnabled());
                   typeInto(d, "tVbrQ", QStringLiteral("12"));
                   QCOMPARE(child<QLineEdit>(d, "tVbrQ")->text(), QStringLiteral("1"));
               })
            << true << entries({"mp3/MP3Bitrate=80", "mp3/MP3Frequency=44100", "mp3/MP3Channels=2"})
            << "MP3 44100 Hz VBR quality 1 stereo" << 44100 << 2 << 0 << true << false;
        QTest::newRow("ABR target typed below its range is held to 4") << plain << Drive([](QDialog& d) {
            child<QComboBox>(d, "Combo1")->setCurrentIndex(5);
            QVERIFY(!child<QSpinBox>(d, "udVbrQ")->isEnabled());
            QVERIFY(child<QSpinBox>(d, "udABR")->isEnabled());
            typeInto(d, "tABR", QStringLiteral("2"));
        }) << true << plain << "MP3 44100 Hz ABR 4 kbit/s stereo" << 44100
                                                                       << 2 << 0 << true << false;
        QTest::newRow("low-pass at 500 Hz takes the tone out") << plain << Drive([](QDialog& d) {
            QVERIFY(!child<QSpinBox>(d, "udLFiltF")->isEnabled());
            click(d, "chLFilt");
            QVERIFY(child<QSpinBox>(d, "udLFiltF")->isEnabled());
            typeInto(d, "tLFiltF", QStringLiteral("500"));
            typeInto(d, "tLFiltW", QStringLiteral("100"));
        }) << true << plain << "MP3 44100 Hz 128 kbit/s stereo" << 44100
                                                               << 2 << 128 << false << true;
        QTest::newRow("Cancel keeps the stored format and the state") << small << Drive([](QDialog& d) {
            QCOMPARE(child<QComboBox>(d, "Combo3")->currentText(), QStringLiteral("Mono"));
            QCOMPARE(child<QComboBox>(d, "Combo5")->currentText(), QStringLiteral("22050"));
            child<QSlider>(d, "Slider1")->setValue(14);
            child<QComboBox>(d, "Combo5")->setCurrentIndex(0);
            child<QComboBox>(d, "Combo3")->setCurrentIndex(0);
            child<QComboBox>(d, "Combo1")->setCurrentIndex(3);
        }) << false << QStringList{} << QString() << 22050 << 1 << 64 << false
                                                                      << false;
    }
    void mp3Dialog() {
        // Fault: a choice is lost (at a restart too), shown wrong, or survives Cancel into the
        // next recording.
        QFETCH(QStringList, stored);
        QFETCH(Drive, drive);
        QFETCH(bool, confirm);
        QFETCH(QStringList, expectStored);
        QFETCH(QString, description);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, kbps);
        QFETCH(bool, vbrTag);
        QFETCH(bool, lowpassed);
        Session s;
        QVERIFY(s.start(stored));
        Mp3SettingsDialog dialog(s.core->appFolder(), s.settings(), s.core->writer());
        QSignalSpy applied(&dialog, &FormatDialog::formatApplied);
        operate(dialog, s, drive, confirm ? "Command1" : "Command2", expectStored);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(applied.size(), confirm ? 1 : 0);
        if (confirm)
            QCOMPARE(applied.at(0).at(0).toString(), description);

        // A restart, then what the settings window does when it opens: the dialog shows and the
        // writer records what was confirmed.
        const int method = child<QComboBox>(dialog, "Combo1")->currentIndex();
        QVERIFY(s.restart());
        Mp3SettingsDialog reopened(s.core->appFolder(), s.settings(), s.core->writer());
        QCOMPARE(child<QComboBox>(reopened, "Combo1")->currentIndex(), confirm ? method : 0);
        const QString path = s.record(QStringLiteral("MP3"));
        QVERIFY(!path.isEmpty());
        const auto info = probe(path);
        QCOMPARE(info.value(QStringLiteral("sample_rate")).toInt(), rate);
        QCOMPARE(info.value(QStringLiteral("channels")).toInt(), channels);
        if (kbps > 0)
            QCOMPARE(info.value(QStringLiteral("bit_rate")).toInt(), kbps * 1000);
        QCOMPARE(bytesOf(path).left(8192).contains("Xing"), vbrTag);
        // The tone comes through at about a third of full scale; the low-pass leaves a trace.
        const double level = rms(testsupport::soxDecodeMono(path));
        QVERIFY2(lowpassed ? level < 0.03 : level > 0.1, qPrintable(QString::number(level)));
    }

    void oggDialog_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<Drive>("drive");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QStringList>("expectStored");
        QTest::addColumn<QString>("description");
        // Header bit rates in kbit/s; 0 for none, -1 when the encoder picks it.
        QTest::addColumn<int>("nominal");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");

        QTest::newRow("VBR between 128 and 256")
            << QStringList{} << Drive([](QDialog& d) {
                   QVERIFY(!child<QSlider>(d, "sldrMinBitrate")->isEnabled());
                   click(d, "chVbr");
                   QVERIFY(child<QSlider>(d, "sldrMinBitrate")->isEnabled());
                   child<QSlider>(d, "sldrBitrate")->setValue(3);
                   QCOMPARE(child<QLabel>(d, "lblBitrate")->text(),
                            QStringLiteral("Current nominal oggBitrate: 160 kbit"));
                   child<QSlider>(d, "sldrMaxBitrate")->setValue(5);
               })
            << true
            << entries({"ogg/oggBitrate=160", "ogg/MinBitrate=128", "ogg/MaxBitrate=256", "ogg/Quality=300",
                        "ogg/VbrEnabled=1", "ogg/QualityEnabled=0"})
            << "Ogg Vorbis 44100 Hz stereo, 160 kbit/s (128-256 kbit/s VBR)" << 160 << 128 << 256;
        QTest::newRow("stored 100 kept; quality 2.5 wins over VBR")
            << entries({"ogg/oggBitrate=100", "ogg/MinBitrate=100", "ogg/VbrEnabled=1"})
            << Drive([](QDialog& d) {
                   QCOMPARE(child<QLabel>(d, "lblBitrate")->text(),
                            QStringLiteral("Current nominal Bitrate: 100 kbit"));
                   QCOMPARE(child<QSlider>(d, "sldrBitrate")->value(), 2);
                   QCOMPARE(child<QLabel>(d, "lblMinBitrate")->text(),
                            QStringLiteral("Current min oggBitrate: 128 kbit"));
                   click(d, "chQuality");
                   QVERIFY(!child<QCheckBox>(d, "chVbr")->isEnabled());
                   QVERIFY(!child<QSlider>(d, "sldrBitrate")->isEnabled());
                   QVERIFY(!child<QSlider>(d, "sldrMinBitrate")->isEnabled());
                   click(d, "chQuality");
                   QVERIFY(child<QSlider>(d, "sldrMinBitrate")->isEnabled());
                   click(d, "chQuality");
                   child<QSlider>(d, "sldrQuality")->setValue(250);
                   QCOMPARE(child<QSlider>(d, "sldrQuality")->toolTip(), QLocale().toString(2.5));
               })
            << true
            << entries({"ogg/oggBitrate=100", "ogg/MinBitrate=128", "ogg/Quality=250", "ogg/VbrEnabled=1",
                        "ogg/QualityEnabled=1"})
            << "Ogg Vorbis 44100 Hz stereo, quality 2.50" << -1 << 0 << 0;
        QTest::newRow("constant 320")
            << entries({"ogg/oggBitrate=128"})
            << Drive([](QDialog& d) { child<QSlider>(d, "sldrBitrate")->setValue(6); }) << true
            << entries({"ogg/oggBitrate=320", "ogg/VbrEnabled=0", "ogg/QualityEnabled=0"})
            << "Ogg Vorbis 44100 Hz stereo, 320 kbit/s" << 320 << 0 << 0;
        QTest::newRow("Cancel keeps the stored VBR")
            << entries({"ogg/oggBitrate=192", "ogg/MinBitrate=128", "ogg/MaxBitrate=256", "ogg/VbrEnabled=1"})
            << Drive([](QDialog& d) {
                   click(d, "chQuality");
                   child<QSlider>(d, "sldrQuality")->setValue(900);
               })
            << false << QStringList{} << QString() << 192 << 128 << 256;
    }
    void oggDialog() {
        // Fault: the mode rule, a kept stored rate or Cancel goes wrong on its way to the file.
        QFETCH(QStringList, stored);
        QFETCH(Drive, drive);
        QFETCH(bool, confirm);
        QFETCH(QStringList, expectStored);
        QFETCH(QString, description);
        QFETCH(int, nominal);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        Session s;
        QVERIFY(s.start(stored));
        OggSettingsDialog dialog(s.core->appFolder(), s.settings(), s.core->writer());
        QSignalSpy applied(&dialog, &FormatDialog::formatApplied);
        operate(dialog, s, drive, confirm ? "cmdOK" : "cmdCancel", expectStored);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(applied.size(), confirm ? 1 : 0);
        if (confirm)
            QCOMPARE(applied.at(0).at(0).toString(), description);

        const QString path = s.record(QStringLiteral("OGG"));
        QVERIFY(!path.isEmpty());
        const VorbisRates header = vorbisRates(path);
        QVERIFY(header.ok);
        QCOMPARE(header.rate, 44100);
        QCOMPARE(header.channels, 2);
        if (nominal >= 0)
            QCOMPARE(header.nominal, nominal * 1000);
        QCOMPARE(std::max(header.minimum, 0), minimum * 1000);
        QCOMPARE(std::max(header.maximum, 0), maximum * 1000);
        QVERIFY(std::abs(tonePeak(path, {}, {}, 44100) - 1000) < 20);
    }

    void wavDialog_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<Drive>("drive");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("expectStored");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("encoding");
        // The refusal names what GSM takes, so that the user can choose it.
        const QStringList gsmRefused{
            QStringLiteral("Format Parametr not valid\n\nGSM 6.10 is written at 8000 Hz mono only.")};
        const QStringList sampleRefused{QStringLiteral("Format Parametr not valid\n\n") +
                                        wavFormatLike(sample("notes.wav")).refusal};
        const QString pcm = QStringLiteral("Signed Integer PCM");

        QTest::newRow("stored 48000 opens on 48000; mono stored")
            << entries({"wav/Freq=48000", "wav/Channel=2"}) << Drive([](QDialog& d) {
                   QVERIFY(checked(d, "F8"));
                   QVERIFY(checked(d, "P2"));
                   click(d, "P1");
               })
            << "Command1" << entries({"wav/Freq=48000", "wav/Channel=1", "wav/Codec=0", "wav/Bits=16"})
            << "WAV PCM 48000 Hz 16-bit mono" << QStringList{} << 48000 << 1 << pcm;
        QTest::newRow("stored 12000 opens on 44100; GSM refused there, taken at 8000 mono")
            << entries({"wav/Freq=12000"}) << Drive([](QDialog& d) {
                   QVERIFY(checked(d, "F7"));
                   Dialogs::setNextMessageAnswer(QMessageBox::Ok);
                   click(d, "cmdGSM");
                   QVERIFY(d.isVisible());
                   click(d, "F1");
                   click(d, "P1");
                   click(d, "cmdGSM");
               })
            << "" << entries({"wav/Freq=8000", "wav/Channel=1", "wav/Codec=3", "wav/Bits=16"})
            << "WAV GSM 6.10 8000 Hz mono" << gsmRefused << 8000 << 1 << "GSM";
        QTest::newRow("ADPCM") << entries({"wav/Freq=22050", "wav/Channel=2"})
                               << Drive([](QDialog& d) { click(d, "cmdADPCM"); }) << ""
                               << entries({"wav/Freq=22050", "wav/Channel=2", "wav/Codec=1", "wav/Bits=16"})
                               << "WAV IMA ADPCM 22050 Hz stereo" << QStringList{} << 22050 << 2
                               << "IMA ADPCM";
        QTest::newRow("Like Sample: cancelled, taken, then an unreadable file; the dialog stays")
            << QStringList{} << Drive([this](QDialog& d) {
                   Dialogs::setNextFileName(QString());
                   click(d, "cmdSample");
                   Dialogs::setNextFileName(sample("ulaw.wav"));
                   click(d, "cmdSample");
                   Dialogs::setNextFileName(sample("notes.wav"));
                   Dialogs::setNextMessageAnswer(QMessageBox::Ok);
                   click(d, "cmdSample");
                   QVERIFY(d.isVisible());
               })
            << "Command2" << entries({"wav/Freq=16000", "wav/Channel=1", "wav/Codec=5"})
            << QStringLiteral("WAV \u00b5-Law 16000 Hz mono") << sampleRefused << 16000 << 1 << "u-law";
        QTest::newRow("GSM refused, then Cancel: the writer keeps its format")
            << entries({"wav/Freq=22050", "wav/Channel=1"}) << Drive([](QDialog& d) {
                   Dialogs::setNextMessageAnswer(QMessageBox::Ok);
                   click(d, "cmdGSM");
               })
            << "Command2" << QStringList{} << QString() << gsmRefused << 22050 << 1 << pcm;
        QTest::newRow("DSP") << QStringList{} << Drive([](QDialog& d) { click(d, "cmdDSP"); }) << ""
                             << entries({"wav/Freq=8000", "wav/Channel=1", "wav/Codec=5"})
                             << QStringLiteral("WAV \u00b5-Law 8000 Hz mono") << QStringList{} << 8000 << 1
                             << "u-law";
        QTest::newRow("From Menu: a cancelled choice keeps the dialog open")
            << QStringList{} << Drive([](QDialog& d) {
                   answerWavChooser();
                   click(d, "cmdMenu");
                   QVERIFY(d.isVisible());
                   answerWavChooser(QStringLiteral("A-Law"), 11025, 1);
                   click(d, "cmdMenu");
               })
            << "" << entries({"wav/Freq=11025", "wav/Channel=1", "wav/Codec=4"}) << "WAV A-Law 11025 Hz mono"
            << QStringList{} << 11025 << 1 << "A-law";
        QTest::newRow("Cancel keeps the stored format and the state")
            << entries({"wav/Freq=22050", "wav/Channel=1"}) << Drive([](QDialog& d) {
                   click(d, "F8");
                   click(d, "P2");
               })
            << "Command2" << QStringList{} << QString() << QStringList{} << 22050 << 1 << pcm;
    }
    void wavDialog() {
        // Fault: a refused or cancelled codec choice breaks the writer or reports success, a
        // rate, channels or codec chosen are lost at a restart, or outlive Cancel.
        QFETCH(QStringList, stored);
        QFETCH(Drive, drive);
        QFETCH(QString, button);
        QFETCH(QStringList, expectStored);
        QFETCH(QString, description);
        QFETCH(QStringList, messages);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(QString, encoding);
        Session s;
        QVERIFY(s.start(stored));
        WavSettingsDialog dialog(s.core->appFolder(), s.settings(), s.core->writer());
        QSignalSpy applied(&dialog, &FormatDialog::formatApplied);
        const QByteArray name = button.toLatin1();
        operate(dialog, s, drive, button.isEmpty() ? nullptr : name.constData(), expectStored);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(!dialog.isVisible());
        QCOMPARE(Dialogs::shownMessages(), messages);
        QCOMPARE(applied.size(), description.isEmpty() ? 0 : 1);
        if (!description.isEmpty())
            QCOMPARE(applied.at(0).at(0).toString(), description);

        // A restart, then what the settings window does when it opens: the choice holds.
        QVERIFY(s.restart());
        const QString path = s.record(QStringLiteral("WAV"));
        QVERIFY(!path.isEmpty());
        const testsupport::AudioInfo info = testsupport::soxInfo(path);
        QVERIFY(info.ok);
        QCOMPARE(info.sampleRate, rate);
        QCOMPARE(info.channels, channels);
        QString soxEncoding;
        testsupport::run(QStringLiteral("soxi"), {QStringLiteral("-e"), path}, &soxEncoding);
        QCOMPARE(soxEncoding.trimmed(), encoding);
        QVERIFY(std::abs(tonePeak(path, {}, {}, rate) - 1000) < 20);
    }

    void headerlessDialogs_data() {
        QTest::addColumn<HeaderlessSettingsDialog::Format>("format");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<Drive>("drive");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QStringList>("expectStored");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("extension");
        // How sox or ffmpeg must read the file to hear the 1000 Hz tone.
        QTest::addColumn<QStringList>("soxArgs");
        QTest::addColumn<QStringList>("ffmpegArgs");
        QTest::addColumn<int>("rate");
        using F = HeaderlessSettingsDialog::Format;

        QTest::newRow("RAW: coding 7 opens on 16-bit PCM; A-law 8000 mono")
            << F::Raw << entries({"raw/rawFreq=44100", "raw/rawChannel=2", "raw/rawCompr=7"})
            << Drive([](QDialog& d) {
                   QCOMPARE(d.windowTitle(), QStringLiteral("Set RAW Format"));
                   QVERIFY(checked(d, "C1"));
                   click(d, "F1");
                   click(d, "P1");
                   click(d, "C2");
               })
            << true << entries({"raw/rawFreq=8000", "raw/rawChannel=1", "raw/rawCompr=2"})
            << "RAW A-Law 8000 Hz mono"
            << "Raw" << entries({"-t", "raw", "-r", "8000", "-c", "1", "-e", "a-law", "-b", "8"})
            << QStringList{} << 8000;
        QTest::newRow("RAW: 16-bit 12000 stereo")
            << F::Raw << QStringList{} << Drive([](QDialog& d) {
                   click(d, "F10");
                   click(d, "P2");
                   click(d, "C1");
               })
            << true << entries({"raw/rawFreq=12000", "raw/rawChannel=2", "raw/rawCompr=1"})
            << "RAW PCM 12000 Hz 16-bit stereo"
            << "Raw" << entries({"-t", "raw", "-r", "12000", "-c", "2", "-e", "signed", "-b", "16"})
            << QStringList{} << 12000;
        QTest::newRow("G.726: 6 bits opens on 4, 12000 on F10; 3 bits at 8000")
            << F::G726 << entries({"g726/gFreq=12000", "g726/gbit=6"}) << Drive([](QDialog& d) {
                   QVERIFY(checked(d, "F10"));
                   QVERIFY(checked(d, "Option1_2"));
                   click(d, "F1");
                   click(d, "Option1_1");
               })
            << true << entries({"g726/gFreq=8000", "g726/gbit=3"}) << "G.726 8000 Hz 3 bits"
            << "G726" << QStringList{} << entries({"-f", "g726le", "-code_size", "3", "-sample_rate", "8000"})
            << 8000;
        QTest::newRow("VOX: 6000 is not offered and opens on 44100; 16000")
            << F::Vox << entries({"vox/voxFreq=6000"}) << Drive([](QDialog& d) {
                   QVERIFY(checked(d, "F7"));
                   QVERIFY(!child<QAbstractButton>(d, "F9"));
                   click(d, "F2");
               })
            << true << entries({"vox/voxFreq=16000"}) << "VOX 16000 Hz mono"
            << "VOX" << entries({"-t", "vox", "-r", "16000"}) << QStringList{} << 16000;
        QTest::newRow("RAW: Cancel keeps the stored format and the state")
            << F::Raw << entries({"raw/rawFreq=8000", "raw/rawChannel=1", "raw/rawCompr=3"})
            << Drive([](QDialog& d) {
                   click(d, "F8");
                   click(d, "P2");
                   click(d, "C1");
               })
            << false << QStringList{} << QString() << "Raw"
            << entries({"-t", "raw", "-r", "8000", "-c", "1", "-e", "mu-law", "-b", "8"}) << QStringList{}
            << 8000;
    }
    void headerlessDialogs() {
        // Fault: a fallback, a click or Cancel leaves a headerless file in another format
        // than the one its readers will assume.
        QFETCH(HeaderlessSettingsDialog::Format, format);
        QFETCH(QStringList, stored);
        QFETCH(Drive, drive);
        QFETCH(bool, confirm);
        QFETCH(QStringList, expectStored);
        QFETCH(QString, description);
        QFETCH(QString, extension);
        QFETCH(QStringList, soxArgs);
        QFETCH(QStringList, ffmpegArgs);
        QFETCH(int, rate);
        Session s;
        QVERIFY(s.start(stored));
        HeaderlessSettingsDialog dialog(format, s.core->appFolder(), s.settings(), s.core->writer());
        QSignalSpy applied(&dialog, &FormatDialog::formatApplied);
        operate(dialog, s, drive, confirm ? "cmdOK" : "cmdCancel", expectStored);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(applied.size(), confirm ? 1 : 0);
        if (confirm)
            QCOMPARE(applied.at(0).at(0).toString(), description);

        const QString path = s.record(extension);
        QVERIFY(!path.isEmpty());
        QVERIFY(std::abs(tonePeak(path, soxArgs, ffmpegArgs, rate) - 1000) < 20);
    }

    void brokenSettings_data() {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("format");
        const char* keys[] = {"mp3/MP3Bitrate", "mp3/MP3Frequency", "mp3/MP3Channels", "wav/Freq",
                              "wav/Channel",    "vox/voxFreq",      "ogg/oggBitrate",  "ogg/MinBitrate",
                              "ogg/MaxBitrate", "ogg/Quality",      "ogg/VbrEnabled",  "ogg/QualityEnabled",
                              "raw/rawFreq",    "raw/rawChannel",   "raw/rawCompr",    "g726/gFreq",
                              "g726/gbit"};
        const auto all = [&](const QStringList& v) {
            QStringList list;
            for (std::size_t i = 0; i < std::size(keys); ++i)
                list << QLatin1String(keys[i]) + QLatin1Char('=') + v.at(v.size() == 1 ? 0 : qsizetype(i));
            return list;
        };
        QTest::newRow("letters") << all(entries({"abc"})) << "MP3";
        QTest::newRow("out of range")
            << all(entries({"500", "96000", "3", "96000", "0", "5", "9999", "1", "1000", "5000", "7", "7",
                            "99999", "9", "7", "-1", "6"}))
            << "OGG";
        QTest::newRow("overflowing") << all(entries({"70000000000"})) << "WAV";
        QTest::newRow("empty") << all(entries({""})) << "Raw";
    }
    void brokenSettings() {
        // Fault: a broken stored value shows one thing and records another, or breaks recording.
        QFETCH(QStringList, values);
        QFETCH(QString, format);
        Session s;
        QVERIFY(s.start(values));
        AudioFileWriter& writer = s.core->writer();
        QStringList descriptions;
        const auto confirm = [&](FormatDialog& d, const char* ok, const std::function<void()>& shown) {
            connect(&d, &FormatDialog::formatApplied, this, [&](const QString& t) { descriptions << t; });
            d.show();
            shown();
            click(d, ok);
        };
        {
            Mp3SettingsDialog d(s.core->appFolder(), s.settings(), writer);
            confirm(d, "Command1", [&] {
                QCOMPARE(child<QLabel>(d, "Label1")->text(), QStringLiteral("Current bitrate: 128 kbit"));
                QCOMPARE(child<QComboBox>(d, "Combo5")->currentText(), QStringLiteral("44100"));
                QVERIFY(child<QComboBox>(d, "Combo3")->currentText() != QLatin1String("Mono"));
            });
        }
        {
            WavSettingsDialog d(s.core->appFolder(), s.settings(), writer);
            confirm(d, "Command1", [&] { QVERIFY(checked(d, "F7") && checked(d, "P2")); });
        }
        {
            HeaderlessSettingsDialog d(HeaderlessSettingsDialog::Format::Vox, s.core->appFolder(),
                                       s.settings(), writer);
            confirm(d, "cmdOK", [&] { QVERIFY(checked(d, "F7")); });
        }
        {
            OggSettingsDialog d(s.core->appFolder(), s.settings(), writer);
            confirm(d, "cmdOK", [&] {
                QCOMPARE(child<QLabel>(d, "lblBitrate")->text(),
                         QStringLiteral("Current nominal Bitrate: 128 kbit"));
                QVERIFY(!checked(d, "chVbr") && !checked(d, "chQuality"));
                const int quality = child<QSlider>(d, "sldrQuality")->value();
                QVERIFY(quality == 300 || quality == 1000);
            });
        }
        {
            HeaderlessSettingsDialog d(HeaderlessSettingsDialog::Format::Raw, s.core->appFolder(),
                                       s.settings(), writer);
            confirm(d, "cmdOK", [&] { QVERIFY(checked(d, "F7") && checked(d, "P2") && checked(d, "C1")); });
        }
        {
            HeaderlessSettingsDialog d(HeaderlessSettingsDialog::Format::G726, s.core->appFolder(),
                                       s.settings(), writer);
            confirm(d, "cmdOK", [&] { QVERIFY(checked(d, "F7") && checked(d, "Option1_2")); });
        }
        QCOMPARE(descriptions, QStringList({QStringLiteral("MP3 44100 Hz 128 kbit/s stereo"),
                                            QStringLiteral("WAV PCM 44100 Hz 16-bit stereo"),
                                            QStringLiteral("VOX 44100 Hz mono"),
                                            QStringLiteral("Ogg Vorbis 44100 Hz stereo, 128 kbit/s"),
                                            QStringLiteral("RAW PCM 44100 Hz 16-bit stereo"),
                                            QStringLiteral("G.726 44100 Hz 4 bits")}));
        // What was shown is now stored as such: the next opening reads sound values.
        QCOMPARE(readSetting(s.settings(), QStringLiteral("ogg"), QStringLiteral("oggBitrate")),
                 QStringLiteral("128"));

        const QString path = s.record(format);
        QVERIFY(!path.isEmpty());
        const QStringList raw = entries({"-t", "raw", "-r", "44100", "-c", "2", "-e", "signed", "-b", "16"});
        QVERIFY(std::abs(tonePeak(path, format == QLatin1String("Raw") ? raw : QStringList{}, {}, 44100) -
                         1000) < 20);
        if (format != QLatin1String("Raw")) {
            const auto info = probe(path);
            QCOMPARE(info.value(QStringLiteral("sample_rate")).toInt(), 44100);
            QCOMPARE(info.value(QStringLiteral("channels")).toInt(), 2);
        }
    }
};

QTEST_MAIN(TestFormatDialogs)
#include "test_format_dialogs.moc"
