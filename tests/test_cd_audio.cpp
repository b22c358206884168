#include "TestSupport.h"
#include "engine/codec/AudioFileReader.h"
#include "engine/codec/CdAudio.h"
#include "player/MediaControl.h"
#include "player/PlayList.h"
#include "player/PlayerController.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace testsupport;

namespace {

constexpr int kSectorBytes = 2352;
constexpr int kFramesPerSector = 588;

struct Tone {
    double seconds;
    int freq;
    const char* title;
};
const Tone kTones[] = {{2.0, 1000, "Kilohertz"}, {1.5, 440, "Concert A"}, {1.0, 2000, ""}};

// A disc image of the tones: raw CD audio (44.1 kHz, 16-bit stereo, little-endian), each
// track padded to whole sectors, with a CUE sheet that titles all but the last.
bool writeDisc(const QString& dir, QString& cue) {
    QByteArray bin;
    QString sheet = QStringLiteral("TITLE \"Test Tones\"\nFILE \"disc.bin\" BINARY\n");
    int track = 0;
    for (const Tone& t : kTones) {
        const QString raw = dir + QStringLiteral("/t.raw");
        if (run(QStringLiteral("sox"),
                {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"), QStringLiteral("-c"),
                 QStringLiteral("2"), QStringLiteral("-b"), QStringLiteral("16"), QStringLiteral("-e"),
                 QStringLiteral("signed"), QStringLiteral("-L"), QStringLiteral("-t"), QStringLiteral("raw"),
                 raw, QStringLiteral("synth"), QString::number(t.seconds), QStringLiteral("sine"),
                 QString::number(t.freq), QStringLiteral("gain"), QStringLiteral("-6")}) != 0)
            return false;
        QFile f(raw);
        if (!f.open(QIODevice::ReadOnly))
            return false;
        const int sector = static_cast<int>(bin.size() / kSectorBytes);
        bin += f.readAll();
        bin += QByteArray((kSectorBytes - bin.size() % kSectorBytes) % kSectorBytes, '\0');
        sheet += QStringLiteral("  TRACK %1 AUDIO\n").arg(++track, 2, 10, QLatin1Char('0'));
        if (*t.title)
            sheet += QStringLiteral("    TITLE \"%1\"\n").arg(QLatin1String(t.title));
        sheet += QStringLiteral("    INDEX 01 %1:%2:%3\n")
                     .arg(sector / 75 / 60, 2, 10, QLatin1Char('0'))
                     .arg(sector / 75 % 60, 2, 10, QLatin1Char('0'))
                     .arg(sector % 75, 2, 10, QLatin1Char('0'));
    }
    QFile b(dir + QStringLiteral("/disc.bin"));
    QFile c(dir + QStringLiteral("/disc.cue"));
    if (!b.open(QIODevice::WriteOnly) || !c.open(QIODevice::WriteOnly))
        return false;
    b.write(bin);
    c.write(sheet.toUtf8());
    cue = c.fileName();
    return true;
}

qint64 sectorsOf(double seconds) {
    return static_cast<qint64>(std::ceil(seconds * 75));
}

} // namespace

class TestCdAudio : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_cue;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(writeDisc(m_dir.path(), m_cue));
    }

    void discImageGivesTracksLengthsAndTitles() {
        // Guards against tracks lost, lengths off by sectors, or CD-Text titles misplaced.
        QString error;
        const std::optional<cdaudio::Disc> disc = cdaudio::readDisc(m_cue, error);
        QVERIFY2(disc, qPrintable(error));
        QCOMPARE(disc->title, QStringLiteral("Test Tones"));
        QCOMPARE(disc->tracks.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(disc->tracks[i].number, i + 1);
            QCOMPARE(disc->tracks[i].frames, sectorsOf(kTones[i].seconds) * kFramesPerSector);
            QCOMPARE(disc->tracks[i].title, QLatin1String(kTones[i].title));
        }
        QVERIFY(!cdaudio::readDisc(m_dir.filePath(QStringLiteral("nothing.cue")), error));
        QVERIFY(!error.isEmpty());
    }

    void tracksDecodeToTheirTones() {
        // Guards against byte order or track boundaries read wrong from the disc.
        for (int track = 1; track <= 3; ++track) {
            AudioFileReader reader;
            reader.open(cdaudio::locator(m_cue, track));
            QCOMPARE(reader.status(), 0);
            QCOMPARE(reader.sampleRate(), 44100);
            QCOMPARE(reader.channels(), 2);
            std::vector<float> left;
            for (SampleBlock b = reader.read(44100); !b.empty(); b = reader.read(44100))
                for (std::size_t i = 0; i < b.size(); i += 2)
                    left.push_back(b[i] / 32768.0f);
            QCOMPARE(static_cast<qint64>(left.size()), reader.length());
            QCOMPARE(qRound(peakFrequency(left, 44100) / 10) * 10, kTones[track - 1].freq);
        }
        AudioFileReader reader;
        reader.open(cdaudio::locator(m_cue, 9));
        QVERIFY(reader.status() < 0);
    }

    void fifoIsRefusedAsDiscImage() {
        // Guards against a FIFO opened as a disc image blocking the program for good.
        QTemporaryDir dir;
        const QString image = dir.filePath(QStringLiteral("x.cue"));
        QCOMPARE(::mkfifo(QFile::encodeName(image).constData(), 0600), 0);
        bool blocked = false;
        QString error;
        QVERIFY(!unblocked(image, blocked,
                           [&image, &error] { return cdaudio::readDisc(image, error).has_value(); }));
        QVERIFY(!blocked);

        // The player's Open (and the desktop's OpenUri) and a play list's track entry.
        MediaControl media;
        PlayList list;
        PlayerController controller(media, list);
        QString shown;
        connect(&controller, &PlayerController::displayText, this, [&shown](const QString& t) { shown = t; });
        controller.addAndPlay(image);
        QCOMPARE(shown, QStringLiteral(
                            "No audio CD: %1 is not a regular file, so it cannot be read as a disc image.")
                            .arg(image));
        QCOMPARE(list.count(), 0);
        const QString m3u = dir.filePath(QStringLiteral("disc.m3u"));
        QFile f(m3u);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QFile::encodeName(cdaudio::locator(image, 1))) > 0);
        f.close();
        QVERIFY(controller.loadList(m3u));
        controller.playEntry(0);
        QCOMPARE(shown, QStringLiteral("Nothing in the play list can be played."));
        QCOMPARE(media.state(), MediaControl::State::Closed);
    }

    void chosenCdaPlaysTheDiscTrackByTrack() {
        // Guards against a chosen track file played instead of the disc, or the disc added as one entry.
        qputenv("TAVRIK_CD_DEVICE", QFile::encodeName(m_cue));
        SinkListener listener(44100);
        QVERIFY(listener.ok());
        listener.start();
        MediaControl media;
        PlayList list;
        PlayerController controller(media, list);
        controller.setMode(playorder::Mode::Normal);
        controller.addAndPlay(QStringLiteral("/media/cdrom/Track03.cda"));
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.entry(0).name, QStringLiteral("Kilohertz"));
        QCOMPARE(list.entry(2).name, QStringLiteral("Track 03"));
        QCOMPARE(list.current(), 0);
        QCOMPARE(media.state(), MediaControl::State::Playing);
        QCOMPARE(media.duration(), sectorsOf(2.0) / 75.0);
        // The first track ends and the second follows.
        QTRY_COMPARE_WITH_TIMEOUT(list.current(), 1, 6000);
        QVERIFY(listener.listenFor(800));
        controller.setMode(playorder::Mode::StopAtEnd);
        QSignalSpy ends(&media, &MediaControl::endOfStream);
        QVERIFY(ends.wait(5000));
        listener.stop();
        QCOMPARE(media.state(), MediaControl::State::Stopped);

        // Half a second well inside the first sound heard, and one well inside the last.
        const std::vector<float> heard = listener.asFloat();
        const auto loud = [](float x) { return std::abs(x) > 0.05f; };
        const auto start = std::find_if(heard.begin(), heard.end(), loud);
        const auto end = std::find_if(heard.rbegin(), heard.rend(), loud).base();
        const std::ptrdiff_t tenth = 4410;
        QVERIFY(end - start > 30 * tenth);
        QCOMPARE(qRound(peakFrequency({start + 2 * tenth, start + 7 * tenth}, 44100) / 10) * 10, 1000);
        QCOMPARE(qRound(peakFrequency({end - 7 * tenth, end - 2 * tenth}, 44100) / 10) * 10, 440);
        QVERIFY2(qAbs(listener.soundSeconds() - 3.5) <= 0.3,
                 qPrintable(QString::number(listener.soundSeconds())));

        // "CDAUDIO:" alone opens the first track of the disc found.
        QCOMPARE(media.setFileName(QStringLiteral("CDAUDIO:")), MediaControl::Open::Playing);
        QCOMPARE(media.duration(), sectorsOf(2.0) / 75.0);
        media.stop();
        qunsetenv("TAVRIK_CD_DEVICE");
    }
};

QTEST_MAIN(TestCdAudio)
#include "test_cd_audio.moc"
