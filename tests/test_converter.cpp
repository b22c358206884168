#include "TestSupport.h"
#include "base/ui/Dialogs.h"
#include "convert/ConversionRun.h"
#include "convert/ui/ConverterDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <csignal>
#include <sys/file.h>
#include <unistd.h>

using testsupport::run;

namespace {

const QString kTool = QStringLiteral("/usr/bin/python3");

// Makes a `seconds`-long 1000 Hz tone with sox, then hands it to `command` (words split at
// spaces, %i the sox WAV, %o the output) unless it is empty.
bool makeTone(const QString& out, int rate, int channels, double seconds, const QString& command = {}) {
    const QString wav = command.isEmpty() ? out : out + QStringLiteral(".src.wav");
    // Words split at spaces, the path kept whole.
    const QStringList sox =
        QStringLiteral("-n -r %1 -c %2 -b 16").arg(rate).arg(channels).split(QLatin1Char(' ')) +
        QStringList{wav} + QStringLiteral("synth %1 sine 1000 vol 0.5").arg(seconds).split(QLatin1Char(' '));
    if (run(QStringLiteral("sox"), sox) != 0)
        return false;
    if (command.isEmpty())
        return true;
    QStringList args = command.split(QLatin1Char(' '));
    const QString tool = args.takeFirst();
    for (QString& arg : args)
        arg = arg == QLatin1String("%i") ? wav : arg == QLatin1String("%o") ? out : arg;
    const bool ok = run(tool, args) == 0;
    QFile::remove(wav);
    return ok && QFile::exists(out);
}

const QString kLame = QStringLiteral("lame --quiet %i %o");
const QString kOggenc = QStringLiteral("oggenc -Q -o %o %i");

// Inputs whose headers promise sound no frame delivers, into argv[1]: "flac" (236 s by sox, all
// after its metadata overwritten) or "ape" (Monkey's Audio headers and seek table of one frame).
const QString kUndecodable = QStringLiteral(R"(import sys, struct, subprocess
path, kind = sys.argv[1:3]
if kind == 'flac':
    subprocess.run(['sox', '-n', '-r', '8000', '-c', '1', path, 'synth', '236', 'sine', '1000'], check=True)
    b = bytearray(open(path, 'rb').read())
    at, last = 4, False
    while not last:
        last = bool(b[at] & 0x80)
        at += 4 + int.from_bytes(b[at + 1:at + 4], 'big')
    b[at:] = b'x' * (len(b) - at)
else:
    b = b'MAC ' + struct.pack('<HHIIIIIII', 3990, 0, 52, 24, 4, 0, 48, 0, 0) + bytes(16)
    b += struct.pack('<HHIIIHHII', 2000, 0, 73728, 73728, 1, 16, 2, 44100, 80)
    b += b'Z' * (128 - len(b))
open(path, 'wb').write(b)
)");

struct Probe {
    QString codec;
    int rate = 0;
    int channels = 0;
    double seconds = 0;
    QJsonObject tags;
};

Probe probe(const QString& path) {
    QString out;
    run(QStringLiteral("ffprobe"),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
         QStringLiteral("a:0"), QStringLiteral("-show_entries"),
         QStringLiteral("stream=codec_name,sample_rate,channels:format=duration"), QStringLiteral("-of"),
         QStringLiteral("json"), path},
        &out);
    const QJsonObject root = QJsonDocument::fromJson(out.toUtf8()).object();
    const QJsonObject stream = root[QStringLiteral("streams")].toArray().at(0).toObject();
    return {stream[QStringLiteral("codec_name")].toString(),
            stream[QStringLiteral("sample_rate")].toString().toInt(),
            stream[QStringLiteral("channels")].toInt(),
            root[QStringLiteral("format")][QStringLiteral("duration")].toString().toDouble(),
            {}};
}

// The strongest frequency of the file's first channel, decoded by ffmpeg.
double toneOf(const QString& path) {
    const QString wav = path + QStringLiteral(".check.wav");
    if (run(QStringLiteral("ffmpeg"),
            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-i"), path,
             QStringLiteral("-ac"), QStringLiteral("1"), wav}) != 0)
        return 0;
    const std::vector<float> samples = testsupport::soxDecodeMono(wav);
    QFile::remove(wav);
    return testsupport::peakFrequency(samples, 44100);
}

// What mutagen reads of the common tags, in any of the three formats.
QJsonObject mutagenTags(const QString& path) {
    const QString code = QStringLiteral(R"(import sys, json, mutagen
f = mutagen.File(sys.argv[1])
keys = {'title': ['TIT2', 'title', 'Title'], 'artist': ['TPE1', 'artist', 'Author'],
        'album': ['TALB', 'album', 'WM/AlbumTitle'], 'year': ['TYER', 'TDRC', 'date', 'WM/Year'],
        'comment': ['COMM::eng', 'COMM::XXX', 'comment', 'Description'], 'track': ['TRCK', 'tracknumber', 'WM/TrackNumber'],
        'genre': ['TCON', 'genre', 'WM/Genre']}
out = {}
for name, ks in keys.items():
    for k in ks:
        if f.tags is not None and k in f.tags:
            v = f.tags[k]
            v = v.text if hasattr(v, 'text') else v
            v = v[0] if isinstance(v, list) else v
            out[name] = str(v.value if hasattr(v, 'value') else v)
            break
print(json.dumps(out))
)");
    QString out;
    run(kTool, {QStringLiteral("-c"), code, path}, &out);
    return QJsonDocument::fromJson(out.toUtf8()).object();
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Unfinished outputs are hidden files named ".<name>.<random>.part.<ext>".
QStringList partFiles(const QString& dir) {
    return QDir(dir).entryList({QStringLiteral("*.part.*")}, QDir::Files | QDir::Hidden);
}

// A read-only view of a folder, for a root that writes through mode bits.
struct ReadOnlyView {
    QString dir;
    bool mounted = false;
    ReadOnlyView(const QString& source, const QString& view)
        : dir(view) {
        QDir().mkpath(view);
        mounted = run(QStringLiteral("mount"), {QStringLiteral("--bind"), QStringLiteral("-o"),
                                                QStringLiteral("ro"), source, view}) == 0;
    }
    ~ReadOnlyView() {
        if (mounted)
            run(QStringLiteral("umount"), {dir});
    }
    ReadOnlyView(const ReadOnlyView&) = delete;
    ReadOnlyView& operator=(const ReadOnlyView&) = delete;
};

QStringList logTexts(const QTreeWidget* log) {
    QStringList texts;
    for (int i = 0; i < log->topLevelItemCount(); ++i)
        texts.append(log->topLevelItem(i)->text(2));
    return texts;
}

} // namespace

class TestConverter : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;

    QString path(const QString& name) const { return m_tmp.filePath(name); }

    // The window with `input` typed and the given targets checked.
    std::unique_ptr<ConverterDialog> window(const QString& input, bool wma, bool mp3, bool ogg) {
        auto dialog = std::make_unique<ConverterDialog>(m_tmp.path(), codec::HeaderlessFormats{});
        dialog->findChild<QLineEdit*>(QStringLiteral("txtInputFile"))->setText(input);
        dialog->findChild<QCheckBox*>(QStringLiteral("chWMA"))->setChecked(wma);
        dialog->findChild<QCheckBox*>(QStringLiteral("chMP3"))->setChecked(mp3);
        dialog->findChild<QCheckBox*>(QStringLiteral("chOGG"))->setChecked(ogg);
        return dialog;
    }

    // Presses Convert and waits for the run to end.
    static void convert(ConverterDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdConvert")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isConverting(), 60000);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_tmp.isValid());
        std::signal(SIGXFSZ, SIG_IGN);
    }

    void everyInputToEveryTarget_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("command");
        QTest::newRow("wav by sox") << "in.wav" << 22050 << 1 << QString();
        QTest::newRow("aiff by sox") << "in.aiff" << 8000 << 1 << QString();
        QTest::newRow("flac by sox") << "in.flac" << 16000 << 2 << QString();
        // Headerless VOX is read at the VOX rate set for recording, 8000 Hz below.
        QTest::newRow("vox by sox") << "in.vox" << 8000 << 1 << QString();
        QTest::newRow("mp3 by lame") << "in.mp3" << 44100 << 2 << kLame;
        QTest::newRow("ogg by oggenc") << "in.ogg" << 48000 << 2 << kOggenc;
        QTest::newRow("wma by ffmpeg")
            << "in.wma" << 44100 << 2 << QStringLiteral("ffmpeg -v error -y -i %i -c:a wmav2 %o");
        QTest::newRow("m4a by ffmpeg")
            << "in.m4a" << 32000 << 1 << QStringLiteral("ffmpeg -v error -y -i %i -c:a aac %o");
    }

    void everyInputToEveryTarget() {
        // Guards against an input format the converter cannot read, or a target with the wrong format, length
        // or pitch (a rate or channel conversion done wrong).
        QFETCH(QString, name);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(QString, command);
        QTemporaryDir dir;
        const QString input = dir.filePath(name);
        QVERIFY2(makeTone(input, rate, channels, 2.0, command), qPrintable(name));
        const double inputSeconds = name.endsWith(QLatin1String(".vox")) ? 2.0 : probe(input).seconds;

        ConversionSettings settings;
        settings.wma = settings.mp3 = settings.ogg = true;
        settings.headerless.vox.rate = 8000;
        ConversionRun conversion({input}, settings);
        QStringList log;
        connect(&conversion, &ConversionRun::logged, this, [&log](const QString& text) { log.append(text); });
        conversion.run();
        // An Ogg input's Ogg output would be the input itself, and is skipped.
        const bool oggInput = name.endsWith(QLatin1String(".ogg"));
        QCOMPARE(conversion.succeeded(), oggInput ? 2 : 3);

        const QString base = dir.filePath(QStringLiteral("in"));
        const QList<std::pair<QString, QString>> outputs{
            {base + QStringLiteral("_24.wma"), QStringLiteral("wmav2")},
            {base + QStringLiteral("_128kbps.mp3"), QStringLiteral("mp3")},
            {base + QStringLiteral(".ogg"), QStringLiteral("vorbis")}};
        for (const auto& [output, codecName] : outputs) {
            if (oggInput && output.endsWith(QLatin1String(".ogg")))
                continue;
            const Probe p = probe(output);
            QCOMPARE(p.codec, codecName);
            QCOMPARE(p.rate, 44100);
            QCOMPARE(p.channels, 2);
            QVERIFY2(
                std::abs(p.seconds - inputSeconds) <= 0.1,
                qPrintable(
                    QStringLiteral("%1: %2 s, input %3 s").arg(output).arg(p.seconds).arg(inputSeconds)));
            QVERIFY2(std::abs(toneOf(output) - 1000) <= 10, qPrintable(output));
        }
        QVERIFY(partFiles(dir.path()).isEmpty());
    }

    void windowLogsJobsInOrderWithNamesOfTheTable() {
        // Guards against wrong output names (first dot of the file name, bit rate, profile), a wrong job or
        // log order, missing icons, or the profile change not reaching the conversion.
        const QString input = path(QStringLiteral("b.c.wav"));
        QVERIFY(makeTone(input, 44100, 2, 1.0));
        auto dialog = window(input, true, true, true);
        auto* profile = dialog->findChild<QSpinBox*>(QStringLiteral("udWMAProfile"));
        QCOMPARE(profile->value(), 24);
        const QString before = dialog->findChild<QLineEdit*>(QStringLiteral("txtWMAFormatString"))->text();
        profile->setValue(19);
        QVERIFY(dialog->findChild<QLineEdit*>(QStringLiteral("txtWMAFormatString"))->text() != before);
        convert(*dialog);
        QVERIFY(!dialog->isConverting());

        auto* log = dialog->findChild<QTreeWidget*>(QStringLiteral("viewEvent"));
        const QStringList expected{QStringLiteral("Set WMA Format parameters "),
                                   QStringLiteral("Start Convert To WMA"),
                                   QStringLiteral("complete Convert To WMA"),
                                   QStringLiteral("Start Convert To MP3"),
                                   QStringLiteral("complete Convert To MP3"),
                                   QStringLiteral("Start Convert To Ogg"),
                                   QStringLiteral("complete Convert To Ogg"),
                                   QStringLiteral("Tasks is completed: 3 of 3 jobs succeeded")};
        QCOMPARE(logTexts(log), expected);
        QCOMPARE(log->topLevelItem(0)->data(0, Qt::UserRole).toInt(), 2);
        QCOMPARE(log->topLevelItem(1)->data(0, Qt::UserRole).toInt(), 1);
        QVERIFY(QTime::fromString(log->topLevelItem(1)->text(1), QStringLiteral("hh:mm:ss")).isValid());
        QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("cmdConvert"))->text(),
                 QStringLiteral("Convert Now"));
        QCOMPARE(probe(path(QStringLiteral("b_19.wma"))).rate, 44100);
        QVERIFY(QFile::exists(path(QStringLiteral("b_128kbps.mp3"))));
        QVERIFY(QFile::exists(path(QStringLiteral("b.ogg"))));

        // No target checked: only the closing entry.
        auto empty = window(input, false, false, false);
        convert(*empty);
        QVERIFY(!empty->isConverting());
        QCOMPARE(logTexts(empty->findChild<QTreeWidget*>(QStringLiteral("viewEvent"))),
                 QStringList{QStringLiteral("Tasks is completed")});
    }

    void severalInputsFromDialogAndDrop() {
        // Guards against a multiple choice or a drop losing files, or a batch converting only its first
        // input.
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("one.wav"));
        const QString b = dir.filePath(QStringLiteral("two words.wav"));
        QVERIFY(makeTone(a, 8000, 1, 1.0));
        QVERIFY(makeTone(b, 8000, 1, 1.0));
        auto dialog = window(QString(), false, false, true);
        auto* input = dialog->findChild<QLineEdit*>(QStringLiteral("txtInputFile"));
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(b)});
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        // The application filters drops that come from no drag, so the event goes straight in.
        static_cast<QObject*>(dialog.get())->event(&drop);
        QCOMPARE(input->text(), b);
        Dialogs::setNextFileNames({a, b});
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOpenFile")), Qt::LeftButton);
        convert(*dialog);
        QVERIFY(!dialog->isConverting());
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("one.ogg"))));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("two words.ogg"))));
        QCOMPARE(dialog->findChild<QProgressBar*>(QStringLiteral("ProgressBatch"))->value(), 100);
        QVERIFY(logTexts(dialog->findChild<QTreeWidget*>(QStringLiteral("viewEvent")))
                    .contains(QStringLiteral("Tasks is completed: 2 of 2 jobs succeeded")));
    }

    void cancelRemovesPartialAndKeepsOlderFile() {
        // Guards against Cancel leaving a half file under the final name, harming an older file of that name,
        // or the window blocking while the encoder works.
        const QString input = path(QStringLiteral("long.wav"));
        QVERIFY(makeTone(input, 44100, 2, 240.0));
        const QString older = path(QStringLiteral("long_128kbps.mp3"));
        QVERIFY(makeTone(older, 8000, 1, 1.0, kLame));
        const QByteArray olderBytes = contents(older);
        auto dialog = window(input, true, true, false);
        auto* button = dialog->findChild<QPushButton*>(QStringLiteral("cmdConvert"));
        auto* progress = dialog->findChild<QProgressBar*>(QStringLiteral("ProgressConvert"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->text(), QStringLiteral("Cancel"));
        // The progress bar moving proves the event loop runs during the conversion.
        QTRY_VERIFY_WITH_TIMEOUT(progress->value() > 0, 30000);
        QVERIFY(dialog->isConverting());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->text(), QStringLiteral("Convert"));
        QCOMPARE(progress->value(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->isConverting(), 10000);
        QCOMPARE(button->text(), QStringLiteral("Convert Now"));
        const QStringList log = logTexts(dialog->findChild<QTreeWidget*>(QStringLiteral("viewEvent")));
        QVERIFY(log.contains(QStringLiteral("Convert To WMA cancelled; its unfinished file was removed")));
        QVERIFY(log.contains(QStringLiteral("Convert To MP3 cancelled; its unfinished file was removed")));
        QCOMPARE(log.last(), QStringLiteral("Tasks is completed: 0 of 2 jobs succeeded"));
        QCOMPARE(contents(older), olderBytes);
        QVERIFY(!QFile::exists(path(QStringLiteral("long_24.wma"))));
        QVERIFY(partFiles(m_tmp.path()).isEmpty());
    }

    void killedConversionLeavesOlderFile() {
        // Guards against a killed converter leaving a half file under the final name or truncating an older
        // one.
        const QString input = path(QStringLiteral("killed.wav"));
        QVERIFY(makeTone(input, 44100, 2, 240.0));
        const QString older = path(QStringLiteral("killed.ogg"));
        QVERIFY(makeTone(older, 8000, 1, 1.0, kOggenc));
        const QByteArray olderBytes = contents(older);
        QProcess converter;
        converter.start(QStringLiteral(CONVERT_FILE),
                        {QStringLiteral("--ogg"), QStringLiteral("--mp3"), input});
        QVERIFY(converter.waitForStarted());
        const auto partSize = [this] {
            qint64 size = 0;
            for (const QString& name : partFiles(m_tmp.path()))
                size += QFileInfo(m_tmp.filePath(name)).size();
            return size;
        };
        QTRY_VERIFY_WITH_TIMEOUT(partSize() > 100000, 30000);
        QCOMPARE(converter.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(converter.processId()), SIGKILL);
        QVERIFY(converter.waitForFinished());
        QCOMPARE(contents(older), olderBytes);
        QVERIFY(!QFile::exists(path(QStringLiteral("killed_128kbps.mp3"))));

        // The next run removes what the killed one left, but not what a live run holds.
        QVERIFY(!partFiles(m_tmp.path()).isEmpty());
        const QString held = QStringLiteral(".killed.0123abcd.part.ogg");
        QFile live(path(held));
        QVERIFY(live.open(QIODevice::WriteOnly));
        QCOMPARE(::flock(live.handle(), LOCK_EX), 0);
        QCOMPARE(run(QStringLiteral(CONVERT_FILE), {QStringLiteral("--ogg"), QStringLiteral("--mp3"), input}),
                 0);
        QCOMPARE(partFiles(m_tmp.path()), QStringList{held});
        QCOMPARE(probe(path(QStringLiteral("killed_128kbps.mp3"))).codec, QStringLiteral("mp3"));
        QCOMPARE(probe(older).codec, QStringLiteral("vorbis"));
        live.remove();
    }

    void hostileInputs_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("output is the input, by name") << "same"
                                                      << "skipped: the output";
        QTest::newRow("output is the input, dotted name") << "dotname"
                                                          << "skipped: the output";
        QTest::newRow("output is the input, through dotted folders") << "dotfolder"
                                                                     << "skipped: the output";
        QTest::newRow("output is the input, through a link") << "link"
                                                             << "skipped: the output";
        QTest::newRow("missing input") << "missing"
                                       << "Invalid input file name: ";
        QTest::newRow("name without a dot") << "nodot"
                                            << "Invalid input file name: ";
        QTest::newRow("undecodable input") << "junk"
                                           << "Convert To Ogg failed: Cannot open";
        QTest::newRow("FLAC whose frames do not decode")
            << "flac"
            << "Convert To Ogg failed: no sound in it could be decoded";
        QTest::newRow("Monkey's Audio header alone")
            << "ape"
            << "Convert To Ogg failed: no sound in it could be decoded";
        QTest::newRow("read-only folder") << "readonly"
                                          << "Convert To Ogg failed: cannot write into";
        QTest::newRow("full disk") << "full"
                                   << "failed: the disk is full";
    }

    void hostileInputs() {
        // Guards against a conversion destroying its input or an older file, crashing, or reporting a failed
        // job as complete.
        QFETCH(QString, kind);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("a.b"));
        QDir().mkpath(folder);
        QString input = folder + QStringLiteral("/song.ogg");
        std::unique_ptr<testsupport::TmpfsMount> mount;
        QString older;
        bool mp3 = false;
        if (kind == QLatin1String("full")) {
            mount = std::make_unique<testsupport::TmpfsMount>(folder, QStringLiteral("1m"));
            if (!mount->mounted())
                QSKIP("a 1 MiB tmpfs cannot be mounted here (needs root)");
            input = folder + QStringLiteral("/song.wav");
            QVERIFY(makeTone(input, 8000, 1, 40.0));
            older = folder + QStringLiteral("/song_128kbps.mp3");
            QVERIFY(makeTone(older, 8000, 1, 1.0, kLame));
            mp3 = true;
        } else if (kind == QLatin1String("junk")) {
            input = folder + QStringLiteral("/song.wav");
            QFile f(input);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4000, 'x'));
        } else if (kind == QLatin1String("flac") || kind == QLatin1String("ape")) {
            input = folder + QStringLiteral("/song.") + kind;
            QCOMPARE(run(kTool, {QStringLiteral("-c"), kUndecodable, input, kind}), 0);
        } else if (kind == QLatin1String("readonly")) {
            input = folder + QStringLiteral("/song.wav");
            QVERIFY(makeTone(input, 8000, 1, 1.0));
        } else if (kind != QLatin1String("missing")) {
            QVERIFY(makeTone(input, 8000, 1, 1.0, kOggenc));
        }
        if (kind == QLatin1String("dotname")) {
            input = folder + QStringLiteral("/.ogg");
            QVERIFY(QFile::rename(folder + QStringLiteral("/song.ogg"), input));
        } else if (kind == QLatin1String("dotfolder")) {
            input = folder + QStringLiteral("/../a.b/./song.ogg");
        } else if (kind == QLatin1String("link")) {
            QVERIFY(QFile::link(input, folder + QStringLiteral("/alias.ogg")));
            input = folder + QStringLiteral("/alias.ogg");
        } else if (kind == QLatin1String("nodot")) {
            input = folder + QStringLiteral("/noext");
            QVERIFY(QFile::rename(folder + QStringLiteral("/song.ogg"), input));
        }
        std::unique_ptr<ReadOnlyView> readOnly;
        if (kind == QLatin1String("readonly")) {
            if (::geteuid() == 0) {
                // Root writes through mode bits; a read-only bind mount stops it.
                readOnly = std::make_unique<ReadOnlyView>(folder, dir.filePath(QStringLiteral("ro")));
                if (!readOnly->mounted)
                    QSKIP("a read-only bind mount is refused here");
                input = readOnly->dir + QStringLiteral("/song.wav");
            } else {
                QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            }
        }
        const QByteArray inputBytes = contents(input);
        const QByteArray olderBytes = older.isEmpty() ? QByteArray() : contents(older);

        auto dialog = window(input, mp3, mp3, true);
        Dialogs::shownMessages().clear();
        Dialogs::setNextMessageAnswer(QMessageBox::Ok);
        convert(*dialog);
        QVERIFY(!dialog->isConverting());
        const QStringList log = logTexts(dialog->findChild<QTreeWidget*>(QStringLiteral("viewEvent")));
        const QString all = Dialogs::shownMessages().join(QLatin1Char('\n')) + log.join(QLatin1Char('\n'));
        QVERIFY2(all.contains(expected), qPrintable(all));
        if (!log.isEmpty()) {
            QVERIFY2(log.last().startsWith(QLatin1String("Tasks is completed: 0 of")),
                     qPrintable(log.last()));
            QVERIFY(!log.join(QLatin1Char('\n')).contains(QLatin1String("complete Convert To")));
            // A failure is marked apart from the steps that went well.
            auto* view = dialog->findChild<QTreeWidget*>(QStringLiteral("viewEvent"));
            for (int i = 0; i < view->topLevelItemCount(); ++i) {
                const QString text = view->topLevelItem(i)->text(2);
                QCOMPARE(view->topLevelItem(i)->data(0, Qt::UserRole).toInt() == ConversionRun::kFailureIcon,
                         text.contains(QLatin1String(" failed: ")) ||
                             text.startsWith(QLatin1String("Invalid input")));
            }
        }
        if (!input.endsWith(QLatin1String(".ogg")))
            QVERIFY(!QFile::exists(QFileInfo(input).absolutePath() + QStringLiteral("/song.ogg")));
        QCOMPARE(contents(input), inputBytes);
        if (!older.isEmpty())
            QCOMPARE(contents(older), olderBytes);
        QVERIFY(partFiles(QFileInfo(input).absolutePath()).isEmpty());
        QFile::setPermissions(folder,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void tagsCarryOver_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("title");
        // FFmpeg rejects the UTF-16 comment frame lame writes by default (no byte order mark on its empty
        // description), so lame writes Latin-1 here.
        QTest::newRow("ID3 by lame")
            << "tagged.mp3"
            << "lame --quiet --id3v2-only --id3v2-latin1 --tt Plain --ta Artist --tl Album "
               "--ty 1999 --tc Remark --tn 7 --tg Jazz %i %o"
            << "Plain";
        QTest::newRow("Vorbis comments by oggenc")
            << "tagged.ogg"
            << QStringLiteral(
                   "oggenc -Q -t Ночь -a Artist -l Album -d 1999 -c COMMENT=Remark -N 7 -G Jazz -o %o %i")
            << QStringLiteral("Ночь");
        QTest::newRow("WMA attributes by ffmpeg")
            << "tagged.wma"
            << QStringLiteral(
                   "ffmpeg -v error -y -i %i -metadata title=Ночь -metadata artist=Artist -metadata "
                   "album=Album -metadata date=1999 -metadata comment=Remark -metadata track=7 -metadata "
                   "genre=Jazz -c:a wmav2 %o")
            << QStringLiteral("Ночь");
    }

    void tagsCarryOver() {
        // Guards against converted files losing the title, artist, year and other tags of their source.
        QFETCH(QString, name);
        QFETCH(QString, command);
        QFETCH(QString, title);
        QTemporaryDir dir;
        const QString input = dir.filePath(name);
        QVERIFY(makeTone(input, 44100, 2, 1.0, command));
        ConversionSettings settings;
        settings.wma = settings.mp3 = settings.ogg = true;
        ConversionRun conversion({input}, settings);
        conversion.run();
        QCOMPARE(conversion.succeeded(), name.endsWith(QLatin1String(".ogg")) ? 2 : 3);
        const QJsonObject expected{{QStringLiteral("title"), title},
                                   {QStringLiteral("artist"), QStringLiteral("Artist")},
                                   {QStringLiteral("album"), QStringLiteral("Album")},
                                   {QStringLiteral("year"), QStringLiteral("1999")},
                                   {QStringLiteral("comment"), QStringLiteral("Remark")},
                                   {QStringLiteral("track"), QStringLiteral("7")},
                                   {QStringLiteral("genre"), QStringLiteral("Jazz")}};
        for (const char* output : {"tagged_24.wma", "tagged_128kbps.mp3", "tagged.ogg"}) {
            if (name == QLatin1String(output))
                continue;
            const QJsonObject tags = mutagenTags(dir.filePath(QLatin1String(output)));
            QVERIFY2(tags == expected, qPrintable(QLatin1String(output) + QLatin1Char(' ') +
                                                  QString::fromUtf8(QJsonDocument(tags).toJson())));
        }
        // WMA readers know the year only as the attribute WM/Year.
        if (name.endsWith(QLatin1String(".wma")))
            return;
        QString wmYear;
        run(QStringLiteral("ffprobe"),
            QStringLiteral("-v error -show_entries format_tags=WM/Year -of default=nw=1")
                    .split(QLatin1Char(' '))
                << dir.filePath(QStringLiteral("tagged_24.wma")),
            &wmYear);
        QCOMPARE(wmYear.trimmed(), QStringLiteral("TAG:WM/Year=1999"));
    }
};

QTEST_MAIN(TestConverter)
#include "test_converter.moc"
