#include "Mp3Fixtures.h"
#include "tags/Id3v1Tag.h"

#include <QProcess>
#include <QTest>

using namespace mp3fixtures;

namespace {

// A 128-byte tag: marker, then the fields as raw bytes.
QByteArray tagBytes(const QByteArray& marker, const QByteArray& title, const QByteArray& comment28, char zero,
                    char track, char genre) {
    QByteArray tag = marker;
    tag += title.leftJustified(30, '\0', true);
    tag += QByteArray(30 + 30 + 4, '\0');
    tag += comment28.leftJustified(28, '\0', true);
    tag += zero;
    tag += track;
    tag += genre;
    return tag;
}

} // namespace

class TestId3v1 : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(name);
        writeAll(path, bytes);
        return path;
    }

private Q_SLOTS:
    void savedLayout() {
        // Guards against fields at wrong offsets, NUL instead of space padding, or a tag
        // appended twice instead of overwritten.
        const QByteArray audio = mp3Bytes();
        const QString path = file(QStringLiteral("layout.mp3"), audio);
        Id3v1Tag tag;
        tag.setPath(path);
        tag.setTitle(QStringLiteral("Title"));
        tag.setArtist(QStringLiteral("Artist"));
        tag.setYear(QStringLiteral("1999"));
        tag.setTrack(7);
        tag.setComment(QStringLiteral("note"));
        tag.setGenre(17);
        QVERIFY(tag.save());
        QByteArray bytes = readAll(path);
        QCOMPARE(bytes.size(), audio.size() + 128);
        QCOMPARE(bytes.left(audio.size()), audio);
        const QByteArray t = bytes.right(128);
        QCOMPARE(t.mid(0, 3), QByteArray("TAG"));
        QCOMPARE(t.mid(3, 30), QByteArray("Title").leftJustified(30, ' '));
        QCOMPARE(t.mid(33, 30), QByteArray("Artist").leftJustified(30, ' '));
        QCOMPARE(t.mid(63, 30), QByteArray(30, '\0')); // never set
        QCOMPARE(t.mid(93, 4), QByteArray("1999"));
        QCOMPARE(t.mid(97, 28), QByteArray("note").leftJustified(28, ' '));
        QCOMPARE(t.at(125), '\0');
        QCOMPARE(t.at(126), '\7');
        QCOMPARE(t.at(127), '\21');

        tag.setAlbum(QString());
        QVERIFY(tag.save());
        bytes = readAll(path);
        QCOMPARE(bytes.size(), audio.size() + 128);
        QCOMPARE(bytes.mid(audio.size() + 63, 30), QByteArray(30, ' '));
        QVERIFY(tag.hasTag());
        QVERIFY(tag.remove());
        QCOMPARE(readAll(path), audio);
        QVERIFY(!QFile::exists(path + QStringLiteral(".temp")));
    }

    void readRules_data() {
        QTest::addColumn<QByteArray>("tag");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<int>("track");
        QTest::addColumn<int>("genre");
        QTest::addColumn<QString>("genreName");
        const QByteArray c28(28, 'c');
        const QString s28 = QString::fromLatin1(c28);
        const auto s = [](const char* text) { return QString::fromLatin1(text); };
        QTest::newRow("v1.1 track") << tagBytes("TAG", "Song", c28, 0, 7, 0) << true << s("Song") << s28 << 7
                                    << 0 << s("Blues");
        QTest::newRow("v1.0 comment") << tagBytes("TAG", "Song", c28, 'x', 7, char(147)) << true << s("Song")
                                      << s28 + s("x\x07") << 0 << 147 << s("Synth Pop");
        QTest::newRow("blanks before NULs") << tagBytes("TAG", "  word", "", 0, 0, char(148)) << true
                                            << s("word") << QString() << 0 << 148 << QString();
        QTest::newRow("blanks kept before NULs") << tagBytes("TAG", "word  ", "", 0, 0, char(255)) << true
                                                 << s("word  ") << QString() << 0 << 255 << QString();
        QTest::newRow("space padding")
            << tagBytes("TAG", QByteArray("word").leftJustified(30, ' '), "", 0, 0, 1) << true << s("word")
            << QString() << 0 << 1 << s("Classic Rock");
        QTest::newRow("latin-1") << tagBytes("TAG", "caf\xe9", "", 0, 0, 0) << true << s("caf\xe9")
                                 << QString() << 0 << 0 << s("Blues");
        QTest::newRow("lower-case marker") << tagBytes("tag", "Song", "", 0, 3, 5) << false << QString()
                                           << QString() << 0 << 255 << QString();
        QTest::newRow("mixed-case marker") << tagBytes("Tag", "Song", "", 0, 3, 5) << false << QString()
                                           << QString() << 0 << 255 << QString();
    }

    void readRules() {
        // Guards against misread padding, v1.0/v1.1 confusion, a case-blind marker, and an
        // undefined state after reading a file without a tag.
        QFETCH(QByteArray, tag);
        QFETCH(bool, found);
        QFETCH(QString, title);
        QFETCH(QString, comment);
        QFETCH(int, track);
        QFETCH(int, genre);
        QFETCH(QString, genreName);
        const QString path = file(QStringLiteral("read.mp3"), mp3Bytes() + tag);
        Id3v1Tag v1;
        v1.setPath(path);
        QCOMPARE(v1.hasTag(), found);
        QCOMPARE(v1.read(), found);
        QCOMPARE(v1.title(), title);
        QCOMPARE(v1.comment(), comment);
        QCOMPARE(int(v1.track()), track);
        QCOMPARE(int(v1.genre()), genre);
        QCOMPARE(Id3v1Tag::genreName(v1.genre()), genreName);
        QCOMPARE(v1.artist(), QString());
        QCOMPARE(v1.year(), QString());
    }

    void setterRules() {
        // Guards against overlong fields spilling into the next one, a track that survives a
        // long comment (or the reverse), and characters ISO-8859-1 cannot hold.
        Id3v1Tag v1;
        v1.setTitle(QString(31, QLatin1Char('t')));
        QCOMPARE(v1.title(), QString(30, QLatin1Char('t')));
        v1.setYear(QStringLiteral("19999"));
        QCOMPARE(v1.year(), QStringLiteral("1999"));
        v1.setArtist(QStringLiteral("\u00c9t\u00e9 \u20ac \U0001F600!"));
        QCOMPARE(v1.artist(), QStringLiteral("\u00c9t\u00e9 ? ?!"));

        v1.setTrack(9);
        const QString thirty = QStringLiteral("abcdefghijklmnopqrstuvwxyz1234567");
        v1.setComment(thirty);
        QCOMPARE(v1.comment(), thirty.left(30));
        QCOMPARE(int(v1.track()), 0);
        v1.setTrack(4);
        QCOMPARE(v1.comment(), thirty.left(28));
        QCOMPARE(int(v1.track()), 4);
        v1.setComment(thirty.left(29));
        QCOMPARE(v1.comment(), thirty.left(29));
        v1.setComment(QStringLiteral("short"));
        // A short comment after a long one drops the long one's last characters.
        QCOMPARE(v1.comment(), QStringLiteral("short"));
        v1.setTrack(6);
        v1.setComment(QStringLiteral("again"));
        QCOMPARE(int(v1.track()), 6);

        QCOMPARE(Id3v1Tag::genreName(0), QStringLiteral("Blues"));
        QCOMPARE(Id3v1Tag::genreName(67), QStringLiteral("Phychedelic"));
        QCOMPARE(Id3v1Tag::genreName(117), QStringLiteral("power Ballad"));
        QCOMPARE(Id3v1Tag::genreName(147), QStringLiteral("Synth Pop"));
        QCOMPARE(Id3v1Tag::genreName(148), QString());
        int count = 0;
        while (!Id3v1Tag::genreName(static_cast<std::uint8_t>(count)).isEmpty())
            ++count;
        QCOMPARE(count, Id3v1Tag::kGenreCount);
    }

    void shortFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("127 bytes") << QByteArray("TAG") + QByteArray(124, 'x');
        QTest::newRow("1 byte") << QByteArray("T");
    }

    void shortFiles() {
        // Guards against reads before the file's start and writes into files too short to
        // hold a tag.
        QFETCH(QByteArray, bytes);
        const QString path = file(QStringLiteral("short.mp3"), bytes);
        Id3v1Tag v1;
        v1.setPath(path);
        v1.setTitle(QStringLiteral("kept"));
        QVERIFY(!v1.hasTag());
        QVERIFY(!v1.read());
        QCOMPARE(v1.title(), QStringLiteral("kept"));
        QVERIFY(!v1.save());
        QVERIFY(!v1.remove());
        QCOMPARE(readAll(path), bytes);
    }

    void wholeFileTag() {
        // Guards against an off-by-one at the boundary: a file that is only a tag.
        const QString path = file(QStringLiteral("only.mp3"), tagBytes("TAG", "Only", "", 0, 1, 2));
        Id3v1Tag v1;
        v1.setPath(path);
        QVERIFY(v1.read());
        QCOMPARE(v1.title(), QStringLiteral("Only"));
        QVERIFY(v1.remove());
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    void failuresLeaveFilesAlone() {
        // Guards against a lost or truncated file when the folder or file cannot be written,
        // and against a tagless file being rewritten by a removal.
        const QByteArray audio = mp3Bytes();
        const QString plain = file(QStringLiteral("plain.mp3"), audio);
        Id3v1Tag v1;
        v1.setPath(plain);
        const QDateTime before = QFileInfo(plain).lastModified();
        QVERIFY(v1.remove());
        QCOMPARE(QFileInfo(plain).lastModified(), before);

        const QString missing = m_dir.filePath(QStringLiteral("missing.mp3"));
        v1.setPath(missing);
        QVERIFY(!v1.hasTag());
        QVERIFY(!v1.save());
        QVERIFY(!v1.remove());
        QVERIFY(!QFile::exists(missing));

        // A folder in the way of the temporary file makes the removal fail part-way.
        const QByteArray tagged = audio + tagBytes("TAG", "Keep", "", 0, 1, 2);
        const QString path = file(QStringLiteral("blocked.mp3"), tagged);
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("blocked.mp3.temp")));
        v1.setPath(path);
        QVERIFY(!v1.remove());
        QCOMPARE(readAll(path), tagged);
        v1.setPath(m_dir.filePath(QStringLiteral("blocked.mp3.temp")));
        QVERIFY(!v1.save());
        QVERIFY(!v1.read());
    }

    void otherToolsReadOurs() {
        // Guards against a tag that only we can read: id3v2, eyeD3 and mutagen must agree
        // field for field.
        const QString path = m_dir.filePath(QStringLiteral("ours.mp3"));
        QVERIFY(makeMp3(path));
        Id3v1Tag v1;
        v1.setPath(path);
        v1.setTrack(12);
        v1.setTitle(QStringLiteral("Caf\u00e9 Song"));
        v1.setArtist(QStringLiteral("The Artist"));
        v1.setAlbum(QStringLiteral("Album"));
        v1.setYear(QStringLiteral("2001"));
        v1.setComment(QStringLiteral("A comment"));
        v1.setGenre(17);
        QVERIFY(v1.save());

        // id3v2 prints the tag's bytes as they stand, so read its output as ISO-8859-1.
        QString out = QString::fromLatin1(id3v2List(path));
        QVERIFY2(out.contains(QLatin1String("Title  : Caf\xe9 Song")), qPrintable(out));
        QVERIFY(out.contains(QLatin1String("Artist: The Artist")));
        QVERIFY(out.contains(QLatin1String("Year: 2001, Genre: Rock (17)")));
        QVERIFY(out.contains(QLatin1String("Comment: A comment")));
        QVERIFY(out.contains(QLatin1String("Track: 12")));

        QCOMPARE(
            python(QStringLiteral("import sys\n"
                                  "from mutagen.id3 import ID3\n"
                                  "t = ID3(sys.argv[1])\n"
                                  "for k in ['TIT2','TPE1','TALB','TDRC','TRCK','TCON']: print(k, t[k])\n"
                                  "print('COMM', t.getall('COMM')[0])\n"),
                   path, &out),
            0);
        QCOMPARE(out, QStringLiteral("TIT2 Caf\u00e9 Song\nTPE1 The Artist\nTALB Album\nTDRC 2001\nTRCK 12\n"
                                     "TCON Rock\nCOMM A comment\n"));

        QCOMPARE(testsupport::run(QStringLiteral("eyeD3"),
                                  {QStringLiteral("--no-color"), QStringLiteral("-1"), path}, &out),
                 0);
        QVERIFY2(out.contains(QStringLiteral("title: Caf\u00e9 Song")), qPrintable(out));
        QVERIFY(out.contains(QLatin1String("artist: The Artist")));
        QVERIFY(out.contains(QLatin1String("album: Album")));
        QVERIFY(out.contains(QLatin1String("track: 12")));
        QVERIFY(out.contains(QLatin1String("genre: Rock (id 17)")));
        QVERIFY(out.contains(QLatin1String("A comment")));
    }

    void weReadOtherTools() {
        // Guards against misreading tags written by common tools (NUL padding, v1.1 track).
        const QString path = m_dir.filePath(QStringLiteral("theirs.mp3"));
        QVERIFY(makeMp3(path));
        QCOMPARE(testsupport::run(QStringLiteral("id3v2"),
                                  {QStringLiteral("-1"), QStringLiteral("-t"), QStringLiteral("Their Title"),
                                   QStringLiteral("-a"), QStringLiteral("Them"), QStringLiteral("-A"),
                                   QStringLiteral("Record"), QStringLiteral("-y"), QStringLiteral("1987"),
                                   QStringLiteral("-c"), QStringLiteral("Said"), QStringLiteral("-T"),
                                   QStringLiteral("5"), QStringLiteral("-g"), QStringLiteral("8"), path}),
                 0);
        Id3v1Tag v1;
        v1.setPath(path);
        QVERIFY(v1.read());
        QCOMPARE(v1.title(), QStringLiteral("Their Title"));
        QCOMPARE(v1.artist(), QStringLiteral("Them"));
        QCOMPARE(v1.album(), QStringLiteral("Record"));
        QCOMPARE(v1.year(), QStringLiteral("1987"));
        QCOMPARE(v1.comment(), QStringLiteral("Said"));
        QCOMPARE(int(v1.track()), 5);
        QCOMPARE(Id3v1Tag::genreName(v1.genre()), QStringLiteral("Jazz"));

        QCOMPARE(python(QStringLiteral("import sys\n"
                                       "from mutagen.id3 import ID3, TIT2, TPE1, TRCK\n"
                                       "t = ID3()\n"
                                       "t.add(TIT2(encoding=0, text='M\\u00fcller'))\n"
                                       "t.add(TPE1(encoding=0, text='Mutagen'))\n"
                                       "t.add(TRCK(encoding=0, text='3'))\n"
                                       "t.save(sys.argv[1], v1=2, v2_version=3)\n"),
                        path, nullptr),
                 0);
        QVERIFY(v1.read());
        QCOMPARE(v1.title(), QStringLiteral("M\u00fcller"));
        QCOMPARE(v1.artist(), QStringLiteral("Mutagen"));
        QCOMPARE(int(v1.track()), 3);
    }

private:
    static QByteArray id3v2List(const QString& path) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral("id3v2"), {QStringLiteral("-l"), path});
        p.waitForFinished();
        return p.readAll();
    }
};

QTEST_GUILESS_MAIN(TestId3v1)
#include "test_id3v1.moc"
