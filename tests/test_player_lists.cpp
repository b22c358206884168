#include "TestSupport.h"
#include "base/ui/Dialogs.h"
#include "player/M3uFile.h"
#include "player/MediaControl.h"
#include "player/PlayList.h"
#include "player/PlayerController.h"
#include "player/ui/AudioPlayerWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <sys/stat.h>

namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList locations(const QList<m3u::Entry>& entries) {
    QStringList out;
    for (const m3u::Entry& e : entries)
        out << e.location;
    return out;
}

// The most memory this process has held so far, in kB.
long peakMemoryKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct Rig {
    MediaControl media;
    PlayList list;
    PlayerController controller{media, list};
};

} // namespace

class TestPlayerLists : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void hugeListLoadsOffTheWindowAndIsCut() {
        // Guards against a huge list file freezing the window while it loads, its blank lines held in
        // memory, and a list that grows without bound.
        const QString listPath = path(QStringLiteral("blank lines.m3u"));
        {
            QFile f(listPath);
            QVERIFY(f.open(QIODevice::WriteOnly));
            for (int i = 0; i < 32; ++i)
                f.write(QByteArray(1024 * 1024, '\n'));
            for (int i = 0; i < PlayList::kCapacity + 10; ++i)
                f.write("song" + QByteArray::number(i) + ".mp3\n\n");
        }
        const long before = peakMemoryKb();
        AudioPlayerWindow w(m_dir.path());
        w.show();
        w.findChild<QToolButton*>(QStringLiteral("list"))->click();
        Dialogs::setNextFileName(listPath);
        const testsupport::StallMeter stall;
        w.findChild<QToolButton*>(QStringLiteral("LOADLIST"))->click();
        QCOMPARE(w.playList().count(), PlayList::kCapacity);
        QCOMPARE(w.playList().entry(PlayList::kCapacity - 1).name, QStringLiteral("song99999.mp3"));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label24"))->text(),
                 QStringLiteral(
                     "The play list is full: it holds at most 100000 entries, the rest were left out."));
        const long grownMb = (peakMemoryKb() - before) / 1024;
        qInfo("the window stood still for at most %lld ms; memory grew by %ld MB", stall.longestMs(),
              grownMb);
        QVERIFY(stall.longestMs() < 500 && grownMb < 300);

        // A full list takes nothing more.
        Dialogs::setNextFileName(listPath);
        w.findChild<QToolButton*>(QStringLiteral("LOADLIST"))->click();
        QCOMPARE(w.playList().count(), PlayList::kCapacity);
    }

    void fifoAsListIsRefused() {
        // Guards against a FIFO chosen as a play list blocking the window for good.
        const QString fifo = path(QStringLiteral("fifo.m3u"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        bool blocked = false;
        const PlayerController::ListFile read =
            testsupport::unblocked(fifo, blocked, [&fifo] { return PlayerController::readList(fifo, 10); });
        QVERIFY(!blocked);
        Rig rig;
        QString shown;
        connect(&rig.controller, &PlayerController::displayText, this,
                [&shown](const QString& t) { shown = t; });
        QVERIFY(!rig.controller.appendList(fifo, read));
        QCOMPARE(shown, QStringLiteral("The play list fifo.m3u cannot be loaded: it is not a regular file."));
        QCOMPARE(rig.list.count(), 0);
    }

    void roundTripKeepsNamesAndPlaces_data() {
        QTest::addColumn<QString>("listName");
        QTest::newRow("m3u") << QStringLiteral("lists/mix.m3u");
        QTest::newRow("m3u8") << QStringLiteral("lists/mix.m3u8");
    }
    void roundTripKeepsNamesAndPlaces() {
        // Guards against names in other scripts garbled, and lists that break when their folder moves.
        QFETCH(QString, listName);
        const QString listPath = path(listName);
        const QStringList files{path(QStringLiteral("lists/Лебединое озеро.mp3")),
                                path(QStringLiteral("lists/sub/東京 #1, ok.wav")),
                                path(QStringLiteral("elsewhere/Ærø.ogg")),
                                QStringLiteral("CDAUDIO:/dev/sr0#3")};
        QList<m3u::Entry> entries;
        for (const QString& f : files) {
            if (!f.startsWith(QLatin1String("CDAUDIO:")))
                touch(f);
            entries.append({f, PlayList::stripPath(f), -1});
        }
        QCOMPARE(m3u::write(listPath, entries), QString());

        QFile raw(listPath);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(raw.readAll());
        QVERIFY(text.startsWith(QLatin1String("#EXTM3U\n")));
        QVERIFY(text.contains(QStringLiteral("\nЛебединое озеро.mp3\n")));
        QVERIFY(text.contains(QStringLiteral("\nsub/東京 #1, ok.wav\n")));
        QVERIFY(text.contains(QLatin1Char('\n') + files[2] + QLatin1Char('\n')));
        QVERIFY(text.contains(QStringLiteral("\nCDAUDIO:/dev/sr0#3\n")));

        const m3u::ReadResult back = m3u::read(listPath, PlayList::kCapacity);
        QCOMPARE(back.error, QString());
        QCOMPARE(locations(back.entries), files);
        QCOMPARE(back.entries[1].title, QStringLiteral("東京 #1, ok.wav"));

        // The folder moves with its list; relative entries follow, absolute ones stay.
        const QString moved = path(QStringLiteral("moved"));
        QVERIFY(QDir().rename(path(QStringLiteral("lists")), moved));
        const m3u::ReadResult after =
            m3u::read(moved + QLatin1Char('/') + QFileInfo(listPath).fileName(), PlayList::kCapacity);
        QCOMPARE(after.entries[0].location, moved + QStringLiteral("/Лебединое озеро.mp3"));
        QCOMPARE(after.entries[2].location, files[2]);
        QVERIFY(QDir().rename(moved, path(QStringLiteral("lists"))));
    }

    void foreignAndDamagedLists_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("refused");
        const QString here = m_dir.path();
        QTest::newRow("windows lines, plain")
            << QByteArray("a.mp3\r\n\r\nsub\\b.mp3\r\n")
            << QStringList{here + QStringLiteral("/a.mp3"), here + QStringLiteral("/sub/b.mp3")} << false;
        QTest::newRow("latin-1 name") << QByteArray("#EXTM3U\n#EXTINF:12,Caf\xe9\ncaf\xe9.mp3\n")
                                      << QStringList{here + QStringLiteral("/café.mp3")} << false;
        QTest::newRow("bom and file url") << QByteArray("\xef\xbb\xbf#EXTM3U\nfile:///tmp/x%20y.mp3\n")
                                          << QStringList{QStringLiteral("/tmp/x y.mp3")} << false;
        QTest::newRow("broken extinf and comments")
            << QByteArray("#EXTINF:\n#EXTINF:abc\n# just a note\n/abs/t.mp3\n")
            << QStringList{QStringLiteral("/abs/t.mp3")} << false;
        QTest::newRow("control characters") << QByteArray("ok.mp3\nbad\x01name.mp3\n")
                                            << QStringList{here + QStringLiteral("/ok.mp3")} << false;
        QTest::newRow("binary file") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << QStringList{}
                                     << true;
    }
    void foreignAndDamagedLists() {
        // Guards against lists from other systems misread, and binary files taken for lists.
        QFETCH(QByteArray, content);
        const QString listPath = path(QStringLiteral("foreign.m3u"));
        writeBytes(listPath, content);
        QFETCH(bool, refused);
        QFETCH(QStringList, expected);
        const m3u::ReadResult r = m3u::read(listPath, PlayList::kCapacity);
        QCOMPARE(!r.error.isEmpty(), refused);
        QCOMPARE(locations(r.entries), expected);
    }

    void missingEntriesStayGreyed() {
        // Guards against a list silently dropping the entries whose files are gone.
        touch(path(QStringLiteral("here.mp3")));
        writeBytes(path(QStringLiteral("holes.m3u")),
                   "here.mp3\ngone.mp3\n/nowhere/else.wav\nCDAUDIO:/dev/sr9#2\n");
        Rig rig;
        QVERIFY(rig.controller.loadList(path(QStringLiteral("holes.m3u"))));
        QCOMPARE(rig.list.count(), 4);
        QList<bool> missing;
        for (int i = 0; i < rig.list.count(); ++i)
            missing << rig.list.index(i, 0).data(PlayList::MissingRole).toBool();
        QCOMPARE(missing, (QList<bool>{false, true, true, false}));
        QCOMPARE(rig.list.entry(3).name, QStringLiteral("Track 02"));
        QCOMPARE(rig.list.index(1, PlayList::PathColumn).data().toString(), path(QStringLiteral("gone.mp3")));

        QCOMPARE(rig.controller.saveList(path(QStringLiteral("again"))), true);
        const m3u::ReadResult back = m3u::read(path(QStringLiteral("again.m3u")), PlayList::kCapacity);
        QCOMPARE(back.entries.size(), 4);
        QVERIFY(!rig.controller.loadList(path(QStringLiteral("no-such-list.m3u"))));
    }

    void hundredThousandEntriesOpenQuickly() {
        // Guards against a large list freezing the window while it loads.
        QByteArray text("#EXTM3U\n");
        text.reserve(4 * 1024 * 1024);
        for (int i = 0; i < 100000; ++i)
            text += "#EXTINF:200,Song " + QByteArray::number(i) + "\nmusic/song" + QByteArray::number(i) +
                    ".mp3\n";
        writeBytes(path(QStringLiteral("huge.m3u8")), text);
        AudioPlayerWindow w(m_dir.path());
        w.show();
        Dialogs::setNextFileName(path(QStringLiteral("huge.m3u8")));
        QElapsedTimer clock;
        clock.start();
        w.findChild<QToolButton*>(QStringLiteral("list"))->click();
        w.findChild<QToolButton*>(QStringLiteral("plup"))->click();
        w.findChild<QToolButton*>(QStringLiteral("LOADLIST"))->click();
        QCOMPARE(w.playList().count(), 100000);
        QCoreApplication::processEvents();
        const qint64 ms = clock.elapsed();
        qInfo("100,000 entries loaded and shown in %lld ms", ms);
        // The goal is under a second; the bound leaves room for a loaded machine.
        QVERIFY2(ms < 3000, qPrintable(QString::number(ms)));
        QCOMPARE(w.playList().entry(99999).name, QStringLiteral("song99999.mp3"));
    }

    void addDirectoryTakesPlayableFilesInNameOrder() {
        // Guards against a folder added in a random order or with files that are no sound.
        const QString folder = path(QStringLiteral("album"));
        for (const char* n :
             {"10 ten.mp3", "2 two.MP3", "1 one.wav", "cover.jpg", "notes.txt", "3 three.flac"})
            touch(folder + QLatin1Char('/') + QLatin1String(n));
        QDir().mkpath(folder + QStringLiteral("/sub.mp3"));
        Rig rig;
        QCOMPARE(rig.controller.addDirectory(folder), 4);
        QStringList names;
        for (const PlayList::Entry& e : rig.list.entries())
            names << e.name;
        QCOMPARE(names, (QStringList{QStringLiteral("1 one.wav"), QStringLiteral("2 two.MP3"),
                                     QStringLiteral("3 three.flac"), QStringLiteral("10 ten.mp3")}));
        QCOMPARE(rig.list.entry(0).path, folder + QStringLiteral("/1 one.wav"));
    }
};

QTEST_MAIN(TestPlayerLists)
#include "test_player_lists.moc"
