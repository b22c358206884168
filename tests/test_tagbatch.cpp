#include "Mp3Fixtures.h"
#include "tags/FileSearch.h"
#include "tags/Id3v1Tag.h"
#include "tags/Id3v2Tag.h"
#include "tags/TagBatch.h"
#include "tags/TagFileModel.h"
#include "tags/TagText.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <sys/stat.h>

using namespace mp3fixtures;

namespace {

QString& v2(FileEntry& e, Id3v2Field f) {
    return e.v2[static_cast<std::size_t>(f)];
}

QString& v2(TagPages& p, Id3v2Field f) {
    return p.v2[static_cast<std::size_t>(f)];
}

QString v2(const FileEntry& e, Id3v2Field f) {
    return e.v2[static_cast<std::size_t>(f)];
}

QString v2(const PageView& v, Id3v2Field f) {
    return v.v2[static_cast<std::size_t>(f)];
}

// The MPEG audio of a file: what lies between its ID3v2 header and its ID3v1 trailer.
QByteArray audioPart(const QByteArray& file) {
    QByteArray audio = file;
    if (audio.startsWith("ID3") && audio.size() >= 10) {
        const auto b = [&](int i) { return static_cast<int>(static_cast<unsigned char>(audio.at(i))); };
        audio = audio.mid(10 + ((b(6) << 21) | (b(7) << 14) | (b(8) << 7) | b(9)));
        // Padding after the frames is zeros up to the first frame sync.
        while (!audio.isEmpty() && audio.at(0) == '\0')
            audio.remove(0, 1);
    }
    if (audio.size() >= 128 && audio.right(128).startsWith("TAG"))
        audio.chop(128);
    return audio;
}

// Lists `folder` in the model and waits until its rows are there.
void scan(TagFileModel& model, const QString& folder) {
    QSignalSpy finished(&model, &TagFileModel::scanFinished);
    model.showFolder(folder);
    QVERIFY(finished.wait(10000));
}

// Tags by other tools into argv[1]: argv[2] is an eyeD3 or id3v2 command line, or else an
// ID3v2.4 tag by mutagen with several values per frame ("popm": behind a POPM frame of size 0).
const QString kMakeTag = QStringLiteral(R"(import sys, subprocess
from mutagen.id3 import ID3, TIT2, TPE1, TRCK, TDRC, TCON, TCOM, COMM, TXXX
path, kind = sys.argv[1:3]
if '|' in kind: sys.exit(subprocess.call(kind.split('|') + [path]))
t = ID3()
for f in [TIT2(text='Title'), TPE1(text=['Art One', 'Art Two']), TRCK(text='7'), TDRC(text='2021-03-04T05:06'),
          TCON(text=['Foo', 'Bar']), TCOM(text=['C1', 'C2']), COMM(lang='eng', text='the comment'), TXXX(desc='W', text=['x', 'y'])]:
    t.add(f)
t.save(path, v2_version=4)
if kind == 'popm':
    b = bytearray(open(path, 'rb').read())
    end = 10 + ((b[6] << 21) | (b[7] << 14) | (b[8] << 7) | b[9])
    del b[end - 10:end]
    b[10:10] = b'POPM' + bytes(6)
    open(path, 'wb').write(b)
)");

// The frames and version as mutagen reads them (in ID3v2.4 terms), values joined by "/".
QJsonObject dumpTag(const QString& path) {
    QString out;
    python(QStringLiteral(R"(import sys, json
from mutagen.id3 import ID3
t = ID3(sys.argv[1])
d = {'version': t.version[1]}
for k, f in t.items():
    d[k] = '/'.join(f.genres) if k == 'TCON' else '/'.join(map(str, f.text))[:16] if hasattr(f, 'text') else repr(f)
print(json.dumps(d))
)"),
           path, &out);
    return QJsonDocument::fromJson(out.toUtf8()).object();
}

} // namespace

class TestTagBatch : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString folder(const QString& name) {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(path);
        return path;
    }

    static void tagV1(const QString& path, const QString& title, const QString& artist, int track,
                      int genre) {
        Id3v1Tag v1;
        v1.setPath(path);
        v1.setTitle(title);
        v1.setArtist(artist);
        v1.setTrack(static_cast<std::uint8_t>(track));
        v1.setGenre(static_cast<std::uint8_t>(genre));
        QVERIFY(v1.save());
    }

    static void tagV2(const QString& path, const QString& title, const QString& artist,
                      const QString& genre) {
        Id3v2Tag tag;
        tag.setPath(path);
        tag.setTitle(title);
        tag.setField(Id3v2Field::Artist, artist);
        tag.setField(Id3v2Field::Genre, genre);
        QVERIFY(tag.save());
    }

private Q_SLOTS:
    void pathParts_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("parts");
        QTest::addColumn<QString>("result");
        const auto s = [](const char* text) { return QString::fromLatin1(text); };
        QTest::newRow("name with dots") << s("/music/a.b-c.mp3") << int(kPathName) << s("a.b-c");
        QTest::newRow("dot only in folder") << s("/music.dir/track") << int(kPathName) << s("track");
        QTest::newRow("extension") << s("/music/a.b-c.mp3") << int(kPathExtension) << s("mp3");
        QTest::newRow("no extension") << s("/music.dir/track") << int(kPathExtension) << QString();
        QTest::newRow("name and extension") << s("/m/x.mp3") << int(kPathName | kPathExtension) << s("x.mp3");
        QTest::newRow("lone dot") << s("/m.d/x") << int(kPathName | kPathExtension) << s("x.");
        QTest::newRow("folder") << s("/m/x.mp3") << int(kPathFolder) << s("/m/");
        QTest::newRow("all") << s("/m/x.mp3") << int(kPathFolder | kPathName | kPathExtension)
                             << s("/m/x.mp3");
        QTest::newRow("bare name") << s("x.mp3") << int(kPathFolder | kPathName) << s("x");
    }

    void pathParts() {
        // Guards against the name cut at a dot inside a folder name, or separators doubled.
        QFETCH(QString, path);
        QFETCH(int, parts);
        QFETCH(QString, result);
        QCOMPARE(::pathParts(path, parts), result);
    }

    void titles_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        const auto s = [](const char* text) { return QString::fromLatin1(text); };
        QTest::newRow("underscores and %20") << s("/m/Artist - my_song%20title.mp3") << s("My Song Title");
        QTest::newRow("no dash") << s("/m/just a song.mp3") << QString();
        QTest::newRow("last dash wins") << s("/m/A - B - c d.mp3") << s("C D");
        QTest::newRow("brackets") << s("/m/x-a (live) version.mp3") << s("A (Live) Version");
        QTest::newRow("letter case") << s("/m/x-SHOUTED wORDS.mp3") << s("Shouted Words");
        QTest::newRow("after a dot") << s("/m/x-mr.jones [remix].mp3") << s("Mr.Jones [Remix]");
        QTest::newRow("dash in folder only") << s("/m-x/song.mp3") << QString();
    }

    void titles() {
        // Guards against titles taken from the wrong part of the name or left untidied.
        QFETCH(QString, file);
        QFETCH(QString, title);
        QCOMPARE(titleFromFileName(file), title);
    }

    void keysAndNumbers() {
        // Guards against the track box accepting letters or misreading "3/12" and blanks.
        for (int key : {int('0'), int('9'), 8, 13, 27, 46})
            QCOMPARE(filterKey(key, kFilterDigits), key);
        for (int key : {int('a'), int('-'), int(' '), 127})
            QCOMPARE(filterKey(key, kFilterDigits), 0);
        QCOMPARE(leadingNumber(QStringLiteral(" 3/12")), 3);
        QCOMPARE(leadingNumber(QStringLiteral("-4")), -4);
        QCOMPARE(leadingNumber(QStringLiteral("x1")), 0);
        QCOMPARE(leadingNumber(QStringLiteral("99999999999999999999")), 1'000'000'000'000LL);
        QCOMPARE(clampTrackText(QStringLiteral("300")), QStringLiteral("255"));
        QCOMPARE(clampTrackText(QStringLiteral("-1")), QStringLiteral("0"));
        QCOMPARE(clampTrackText(QStringLiteral("25")), QStringLiteral("25"));
        QVERIFY(isNumber(QStringLiteral(" 12 ")));
        QVERIFY(!isNumber(QString()));
        QVERIFY(!isNumber(QStringLiteral("3/12")));
    }

    void findRules() {
        // Guards against subfolder files listed after the folder's own, patterns merged into
        // one pass, upper-case extensions missed, and a second search replacing the first.
        const QString root = folder(QStringLiteral("find"));
        QVERIFY(QDir(root).mkpath(QStringLiteral("sub")));
        for (const char* name : {"b.mp3", "A.MP3", "c.wav", "sub/s.mp3", "notes.txt"})
            QVERIFY(writeAll(root + QLatin1Char('/') + QLatin1String(name), QByteArray(1023, 'x')));
        FileSearch mp3s;
        QCOMPARE(mp3s.find(root + QLatin1Char('/'), QStringLiteral("*.mp3"), false), 2);
        QCOMPARE(mp3s.at(0).path(), root + QStringLiteral("/A.MP3"));
        QCOMPARE(::pathParts(mp3s.at(1).path(), kPathName | kPathExtension), QStringLiteral("b.mp3"));
        QCOMPARE(mp3s.at(0).sizeBytes(), 1023);
        FileSearch find;
        QCOMPARE(find.find(root, QStringLiteral("*.mp3;*.wav"), true), 4);
        QCOMPARE(find.at(0).path(), root + QStringLiteral("/sub/s.mp3"));
        QCOMPARE(::pathParts(find.at(3).path(), kPathExtension), QStringLiteral("wav"));
        QCOMPARE(find.find(root, QStringLiteral("*.wav"), false), 5);
        QCOMPARE(find.count(), 5);
        QCOMPARE(find.find(root + QStringLiteral("/missing"), QStringLiteral("*.mp3"), true), 5);

        const QString timed = root + QStringLiteral("/c.wav");
        QFile f(timed);
        QVERIFY(f.open(QIODevice::ReadWrite));
        const QDateTime late(QDate(2024, 3, 1), QTime(23, 59, 59, 900));
        QVERIFY(f.setFileTime(late, QFileDevice::FileModificationTime));
        f.close();
        QCOMPARE(FileDetails(timed).lastModified(), QDateTime(QDate(2024, 3, 1), QTime(23, 59, 59)));
        QCOMPARE(FileDetails(root + QStringLiteral("/gone")).sizeBytes(), 0);
    }

    void specialFilesNeverBlock() {
        // Guards against a FIFO, a dangling link or a link to a FIFO named *.mp3 hanging the
        // scan in open(), or a save that waits forever for a reader.
        const QString dir = folder(QStringLiteral("special"));
        QVERIFY(makeMp3(dir + QStringLiteral("/real.mp3")));
        QCOMPARE(::mkfifo(QFile::encodeName(dir + QStringLiteral("/x.mp3")).constData(), 0644), 0);
        QVERIFY(QFile::link(dir + QStringLiteral("/gone"), dir + QStringLiteral("/dangling.mp3")));
        QVERIFY(QFile::link(dir + QStringLiteral("/x.mp3"), dir + QStringLiteral("/fifolink.mp3")));
        QVERIFY(QFile::link(dir + QStringLiteral("/real.mp3"), dir + QStringLiteral("/link.mp3")));

        TagFileModel model;
        scan(model, dir);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.entry(0).path, dir + QStringLiteral("/link.mp3"));
        QCOMPARE(model.entry(1).path, dir + QStringLiteral("/real.mp3"));

        for (const char* name : {"/x.mp3", "/fifolink.mp3", "/dangling.mp3"}) {
            const QString path = dir + QLatin1String(name);
            QVERIFY(!readFileEntry(path).hasV2);
            FileEntry entry;
            entry.path = path;
            TagPages pages;
            pages.v1Ticked = pages.v2Ticked = true;
            pages.v1[kV1Title] = QStringLiteral("never");
            QCOMPARE(saveEntries({&entry}, pages, BatchOptions()).failed.value(0).path, path);
        }
    }

    void lyingTagSizeKeepsTheAudio() {
        // Guards against a batch save that trusts an ID3v2 size past the end of the file and
        // replaces every MPEG frame with the new tag.
        const QString dir = folder(QStringLiteral("lying"));
        const QString lying = dir + QStringLiteral("/lying.mp3");
        const QString good = dir + QStringLiteral("/good.mp3");
        for (const QString& path : {lying, good}) {
            QVERIFY(makeMp3(path));
            tagV2(path, QStringLiteral("Before"), QStringLiteral("Band"), QString());
        }
        QByteArray bytes = readAll(lying);
        const qint64 claimed = 2 * bytes.size();
        for (int i = 0; i < 4; ++i)
            bytes[6 + i] = static_cast<char>((claimed >> (21 - 7 * i)) & 0x7f);
        QVERIFY(writeAll(lying, bytes));

        QList<FileEntry> entries = {readFileEntry(lying), readFileEntry(good)};
        TagPages pages;
        pages.v2Ticked = true;
        v2(pages, Id3v2Field::Title) = QStringLiteral("After");
        const SaveReport report = saveEntries({&entries[0], &entries[1]}, pages, BatchOptions());
        QCOMPARE(report.saved, 1);
        QCOMPARE(report.failed.size(), 1);
        QCOMPARE(report.failed[0].path, lying);
        QVERIFY2(report.failed[0].reason.contains(QLatin1String("claims more bytes")),
                 qPrintable(report.failed[0].reason));
        QCOMPARE(readAll(lying), bytes);
        QCOMPARE(v2(readFileEntry(good), Id3v2Field::Title), QStringLiteral("After"));
        QVERIFY(decodes(good));
    }

    void otherToolsTagsSurviveABatchSave_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("refusal"); // empty: saved
        QTest::newRow("mutagen, POPM of size 0 first") << "popm"
                                                       << "damaged frame";
        QTest::newRow("mutagen, several values per frame") << "multi" << QString();
        QTest::newRow("eyeD3, release year") << "eyeD3|-Q|-t|Title|-a|Artist|-Y|2019"
                                             << "holds TDRL";
        QTest::newRow("id3v2, year and date")
            << "id3v2|-2|-t|Title|-a|Artist|-T|7|-y|2021|-g|17|-c|the comment|--TCOM|Comp|--TDAT|0403"
            << QString();
    }

    void otherToolsTagsSurviveABatchSave() {
        // Guards against a save of one album erasing, cutting or dropping values of other tools' tags.
        QFETCH(QString, kind);
        QFETCH(QString, refusal);
        const QString dir = folder(QStringLiteral("tools-") + QLatin1String(QTest::currentDataTag()));
        const QString path = dir + QStringLiteral("/theirs.mp3");
        const QString other = dir + QStringLiteral("/plain.mp3");
        QVERIFY(makeMp3(path) && makeMp3(other));
        QCOMPARE(testsupport::run(QStringLiteral("/usr/bin/python3"),
                                  {QStringLiteral("-c"), kMakeTag, path, kind}),
                 0);
        const QByteArray before = readAll(path);
        QJsonObject expected = dumpTag(path);

        QList<FileEntry> entries = {readFileEntry(path), readFileEntry(other)};
        TagPages pages;
        pages.v2Ticked = true;
        v2(pages, Id3v2Field::Album) = QStringLiteral("Typed Album");
        pages.v2Edited[static_cast<std::size_t>(Id3v2Field::Album)] = true;
        const SaveReport report = saveEntries({&entries[0], &entries[1]}, pages, BatchOptions());
        if (!refusal.isEmpty()) {
            QCOMPARE(report.failed.size(), 1);
            QVERIFY2(report.failed[0].path == path && report.failed[0].reason.contains(refusal),
                     qPrintable(report.failed[0].reason));
            QCOMPARE(readAll(path), before);
            return;
        }
        QVERIFY(report.failed.isEmpty());
        expected[QStringLiteral("version")] = 3;
        expected[QStringLiteral("TALB")] = QStringLiteral("Typed Album");
        QCOMPARE(dumpTag(path), expected);
        if (kind == QLatin1String("multi")) { // ID3v2.3 readers see both values, joined.
            QCOMPARE(v2(entries[0], Id3v2Field::Artist), QStringLiteral("Art One/Art Two"));
            QString listed;
            testsupport::run(QStringLiteral("id3v2"), {QStringLiteral("-l"), path}, &listed);
            QVERIFY2(listed.contains(QLatin1String("): Art One/Art Two")) &&
                         listed.contains(QLatin1String("(W): x/y")),
                     qPrintable(listed));
        }
        QVERIFY(decodes(path));
    }

    void folderList() {
        // Guards against a genre-only Blues tag counted as a tag, wrong "Tags" texts, size
        // rounding, a save aimed at the selected row while one row is checked, and a removed
        // tag still shown.
        const QString dir = folder(QStringLiteral("scan"));
        const QStringList names = {QStringLiteral("both"), QStringLiteral("v2only"), QStringLiteral("blues"),
                                   QStringLiteral("none")};
        for (const QString& n : names)
            QVERIFY(makeMp3(dir + QLatin1Char('/') + n + QStringLiteral(".mp3")));
        tagV1(dir + QStringLiteral("/both.mp3"), QStringLiteral("  One  "), QStringLiteral("Band"), 4, 17);
        tagV2(dir + QStringLiteral("/both.mp3"), QStringLiteral(" Two "), QStringLiteral("Band"),
              QStringLiteral("(17)Rock"));
        tagV2(dir + QStringLiteral("/v2only.mp3"), QStringLiteral("Only"), QString(), QStringLiteral("(9)"));
        tagV1(dir + QStringLiteral("/blues.mp3"), QString(), QString(), 0, 0);

        TagFileModel model;
        QSignalSpy progress(&model, &TagFileModel::scanProgress);
        scan(model, dir);
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(progress.last(), (QList<QVariant>{4, 4}));
        const auto cell = [&](int row, int column) {
            return model.data(model.index(row, column), Qt::DisplayRole);
        };
        QCOMPARE(cell(0, TagFileModel::Filename).toString(), QStringLiteral("blues"));
        QCOMPARE(cell(0, TagFileModel::Tags).toString(), QString());
        QCOMPARE(cell(1, TagFileModel::Tags).toString(), QStringLiteral("ID3v1 ID3v2"));
        QCOMPARE(cell(3, TagFileModel::Tags).toString(), QStringLiteral("ID3v2"));
        QCOMPARE(model.longestText(TagFileModel::Tags), QStringLiteral("ID3v1 ID3v2"));
        const FileEntry& both = model.entry(1);
        QCOMPARE(both.v1[kV1Title], QStringLiteral("One"));
        QCOMPARE(both.v1[kV1Track], QStringLiteral("4"));
        QCOMPARE(int(both.v1Genre), 17);
        QCOMPARE(v2(both, Id3v2Field::Title), QStringLiteral("Two"));
        QCOMPARE(v2(both, Id3v2Field::Genre), QStringLiteral("Rock"));
        // A bare reference shows its name, so that saving the page keeps the genre.
        QCOMPARE(v2(model.entry(3), Id3v2Field::Genre), QStringLiteral("Metal"));
        QCOMPARE(sizeKbText(1023), QStringLiteral("1 kB"));
        QCOMPARE(sizeKbText(10240), QStringLiteral("10 kB"));
        QCOMPARE(sizeKbText(511), QStringLiteral("0 kB"));

        // One row checked, another selected: the checked one is shown and saved.
        QVERIFY(model.setData(model.index(1, 0), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(model.checkedCount(), 1);
        QCOMPARE(model.pageView(1).v1[kV1Title], QStringLiteral("One"));
        TagPages pages;
        pages.v2Ticked = true;
        v2(pages, Id3v2Field::Title) = QStringLiteral("Saved");
        QCOMPARE(model.save(3, pages, BatchOptions()).saved, 1);
        QCOMPARE(cell(1, TagFileModel::Tags).toString(), QStringLiteral("ID3v2"));
        QCOMPARE(v2(readFileEntry(dir + QStringLiteral("/both.mp3")), Id3v2Field::Title),
                 QStringLiteral("Saved"));
        QCOMPARE(v2(readFileEntry(dir + QStringLiteral("/v2only.mp3")), Id3v2Field::Title),
                 QStringLiteral("Only"));
        QVERIFY(!readFileEntry(dir + QStringLiteral("/both.mp3")).hasV1);

        model.setAllChecked(true);
        QCOMPARE(model.checkedCount(), 4);
        QCOMPARE(v2(model.pageView(0), Id3v2Field::Title), QString());
        scan(model, folder(QStringLiteral("empty")));
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!model.pageView(0).hasV1);
    }

    void combined() {
        // Guards against differences hidden in the combined view (or equal values shown as
        // different because of letter case).
        FileEntry a, b, c;
        for (FileEntry* e : {&a, &b, &c}) {
            e->hasV1 = e->hasV2 = true;
            e->v1[kV1Artist] = QStringLiteral("Same");
            v2(*e, Id3v2Field::Artist) = QStringLiteral("Same");
            v2(*e, Id3v2Field::Genre) = QStringLiteral("Rock");
            e->v1[kV1Track] = QStringLiteral("3");
            v2(*e, Id3v2Field::Track) = QStringLiteral("3");
        }
        b.v1[kV1Artist] = QStringLiteral("SAME");
        v2(c, Id3v2Field::Artist) = QStringLiteral("same");
        c.v1Genre = 5;
        v2(c, Id3v2Field::Genre) = QStringLiteral("Pop");
        v2(b, Id3v2Field::Track) = QStringLiteral("03");

        PageView view = combinedView({&a, &b, &c});
        QVERIFY(view.hasV1 && view.hasV2);
        QCOMPARE(view.v1[kV1Artist], QStringLiteral("Same"));
        QCOMPARE(v2(view, Id3v2Field::Artist), QStringLiteral("Same"));
        QCOMPARE(view.v1Genre, -1);
        QCOMPARE(v2(view, Id3v2Field::Genre), QString());
        QCOMPARE(view.v1[kV1Track], QStringLiteral("3")); // "3" and "3" as numbers
        QCOMPARE(v2(view, Id3v2Field::Track), QString()); // "3" and "03" as texts

        b.v1[kV1Track].clear();
        c.hasV1 = false;
        c.v1Genre = 0;
        view = combinedView({&a, &b, &c});
        QCOMPARE(view.v1[kV1Track], QString());
        QCOMPARE(view.v1Genre, 0);

        a.hasV2 = b.hasV2 = c.hasV2 = false;
        QVERIFY(!combinedView({&a, &b, &c}).hasV2);
    }

    void batchOptions() {
        // Guards against track numbers taken from row positions instead of the saved files'
        // order, grabbed titles not applied, and empty boxes wiping each file's own values.
        const QString dir = folder(QStringLiteral("batch"));
        for (int i = 1; i <= 8; ++i) {
            const QString path = dir + QStringLiteral("/Artist %1 - song_%1.mp3").arg(i);
            QVERIFY(makeMp3(path));
            tagV1(path, QStringLiteral("Old %1").arg(i), QStringLiteral("Artist %1").arg(i), 0, 1);
            tagV2(path, QStringLiteral("Old %1").arg(i), QStringLiteral("Artist %1").arg(i),
                  QStringLiteral("Pop"));
        }
        QList<FileEntry> entries = scanFolder(dir);
        QCOMPARE(entries.size(), 8);
        QList<FileEntry*> checked;
        for (int row : {1, 2, 4, 6, 7})
            checked.append(&entries[row]);

        TagPages pages;
        pages.v1Ticked = pages.v2Ticked = true;
        pages.v1[kV1Album] = QStringLiteral("Shared Album");
        v2(pages, Id3v2Field::Album) = QStringLiteral("Shared Album");
        BatchOptions options;
        options.numberTracks = true;
        options.grabTitle = true;
        int progressCalls = 0;
        const SaveReport report = saveEntries(checked, pages, options, [&](int, int n) {
            ++progressCalls;
            QCOMPARE(n, 5);
        });
        QCOMPARE(report.saved, 5);
        QVERIFY(report.failed.isEmpty());
        QCOMPARE(progressCalls, 5);

        const QList<FileEntry> reread = scanFolder(dir);
        for (int k = 0; k < checked.size(); ++k) {
            const int row = static_cast<int>(checked[k] - entries.data());
            const FileEntry& e = reread[row];
            const QString n = QString::number(row + 1);
            QCOMPARE(e.v1[kV1Track], QString::number(k + 1));
            QCOMPARE(e.v2[static_cast<std::size_t>(Id3v2Field::Track)], QString::number(k + 1));
            QCOMPARE(e.v1[kV1Title], QStringLiteral("Song ") + n);
            QCOMPARE(e.v2[static_cast<std::size_t>(Id3v2Field::Title)], QStringLiteral("Song ") + n);
            QCOMPARE(e.v1[kV1Album], QStringLiteral("Shared Album"));
            // Left empty in the pages, so each file keeps its own artist and genre.
            QCOMPARE(e.v1[kV1Artist], QStringLiteral("Artist ") + n);
            QCOMPARE(e.v2[static_cast<std::size_t>(Id3v2Field::Artist)], QStringLiteral("Artist ") + n);
            QCOMPARE(int(e.v1Genre), 1);
            QCOMPARE(e.v2[static_cast<std::size_t>(Id3v2Field::Genre)], QStringLiteral("Pop"));
            // The saved entry already shows what the file holds.
            QCOMPARE(checked[k]->v1, e.v1);
            QCOMPARE(checked[k]->v2, e.v2);
        }
        QCOMPARE(reread[0].v1[kV1Title], QStringLiteral("Old 1"));
        QCOMPARE(reread[0].v1[kV1Album], QString());
        QVERIFY(QDir(dir).entryList(QDir::Files | QDir::Hidden).size() == 8);
    }

    void singleSaveAndRemoval() {
        // Guards against options acting on a single save, a missing genre selection writing
        // genre 0 (Blues), and an unticked tag left in the file.
        const QString dir = folder(QStringLiteral("single"));
        const QString path = dir + QStringLiteral("/x - y.mp3");
        QVERIFY(makeMp3(path));
        const QByteArray audio = readAll(path);
        QList<FileEntry> entries = scanFolder(dir);
        TagPages pages;
        pages.v1Ticked = pages.v2Ticked = true;
        pages.v1[kV1Track] = QStringLiteral("300");
        pages.v1[kV1Title] = QStringLiteral("  Typed  ");
        v2(pages, Id3v2Field::Title) = QStringLiteral("  Typed  ");
        v2(pages, Id3v2Field::Track) = QStringLiteral("0");
        BatchOptions options;
        options.numberTracks = options.grabTitle = true;
        QCOMPARE(saveEntries({&entries[0]}, pages, options).saved, 1);
        FileEntry e = readFileEntry(path);
        QCOMPARE(e.v1[kV1Title], QStringLiteral("Typed"));
        QCOMPARE(e.v1[kV1Track], QStringLiteral("255"));
        QCOMPARE(int(e.v1Genre), 255);
        QCOMPARE(v2(e, Id3v2Field::Title), QStringLiteral("Typed"));
        QCOMPARE(v2(entries[0], Id3v2Field::Title), QStringLiteral("  Typed  "));
        QCOMPARE(v2(e, Id3v2Field::Track), QString());
        QCOMPARE(tagsText(entries[0]), QStringLiteral("ID3v1 ID3v2"));

        pages.v1Ticked = false;
        QCOMPARE(saveEntries({&entries[0]}, pages, options).saved, 1);
        QCOMPARE(tagsText(entries[0]), QStringLiteral("ID3v2"));
        QVERIFY(!readAll(path).right(128).startsWith("TAG"));
        pages.v2Ticked = false;
        QCOMPARE(saveEntries({&entries[0]}, pages, options).saved, 1);
        QCOMPARE(tagsText(entries[0]), QString());
        QCOMPARE(audioPart(readAll(path)), audio);
        QVERIFY(decodes(path));

        // Saved through a link, the linked file changes and the link stays a link.
        const QString link = m_dir.filePath(QStringLiteral("link.mp3"));
        QVERIFY(QFile::link(path, link));
        FileEntry linked = readFileEntry(link);
        pages.v2Ticked = true;
        QCOMPARE(saveEntries({&linked}, pages, options).saved, 1);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(v2(readFileEntry(path), Id3v2Field::Title), QStringLiteral("Typed"));
    }

    void failedSaveIsReported() {
        // Guards against a file that could not be written being marked as saved.
        const QString dir = folder(QStringLiteral("fail"));
        const QString path = dir + QStringLiteral("/a.mp3");
        QVERIFY(makeMp3(path));
        QList<FileEntry> entries = scanFolder(dir);
        entries.append(readFileEntry(dir + QStringLiteral("/vanished.mp3")));
        entries[1].path = dir + QStringLiteral("/vanished.mp3");
        // A folder where the copy must go blocks the save of the first file.
        QVERIFY(QDir(dir).mkdir(QStringLiteral(".a.mp3.tavrik-save")));
        TagPages pages;
        pages.v1Ticked = true;
        pages.v1[kV1Title] = QStringLiteral("New");
        pages.v1Edited[kV1Title] = true;
        const SaveReport report = saveEntries({&entries[0], &entries[1]}, pages, BatchOptions());
        QCOMPARE(report.saved, 0);
        QCOMPARE(report.failed.size(), 2);
        QCOMPARE(report.failed[0].path, path);
        QCOMPARE(report.failed[0].reason, QStringLiteral("no copy of it could be written beside it"));
        QCOMPARE(report.failed[1].path, dir + QStringLiteral("/vanished.mp3"));
        QVERIFY(!entries[0].hasV1);
        QCOMPARE(entries[0].v1[kV1Title], QString());
        QCOMPARE(readAll(path), mp3Bytes());
    }

    void killedBatch() {
        // Guards against a file left half-written (or lost) when the program dies in the
        // middle of a batch save.
        const QString dir = folder(QStringLiteral("killed"));
        const QByteArray small = mp3Bytes(1.0);
        QVERIFY(small.size() > 4000);
        // File 100, being saved when the kill comes, is long enough that its rewrite is
        // still under way.
        const QByteArray large = small.repeated(3000);
        QHash<QString, QByteArray> originals;
        for (int i = 0; i < 200; ++i) {
            const QString name = QStringLiteral("f%1.mp3").arg(i, 3, 10, QLatin1Char('0'));
            originals[name] = i == 99 ? large : small;
            QVERIFY(writeAll(dir + QLatin1Char('/') + name, originals[name]));
        }

        QProcess writer;
        writer.start(QStringLiteral(TAG_BATCH_WRITER), {dir});
        QVERIFY(writer.waitForStarted());
        int reached = 0;
        while (reached < 100 && writer.state() == QProcess::Running) {
            if (!writer.canReadLine() && !writer.waitForReadyRead(10000))
                break;
            while (writer.canReadLine())
                reached = writer.readLine().trimmed().toInt();
        }
        QVERIFY(reached >= 100);
        // Kill as soon as the save of file 100 shows on disk: a file beside it, or the file
        // itself changed.
        const QString busy = dir + QStringLiteral("/f099.mp3");
        while (writer.state() == QProcess::Running &&
               QDir(dir).entryList(QDir::Files | QDir::Hidden).size() == 200 &&
               QFileInfo(busy).size() == large.size())
            QThread::usleep(50);
        writer.kill();
        QVERIFY(writer.waitForFinished());
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        int untouched = 0;
        int saved = 0;
        const QStringList files = QDir(dir).entryList({QStringLiteral("*.mp3")}, QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 200);
        for (const QString& name : files) {
            const QString path = dir + QLatin1Char('/') + name;
            const QByteArray bytes = readAll(path);
            const QByteArray& original = originals[name];
            if (bytes == original) {
                ++untouched;
                continue;
            }
            const FileEntry e = readFileEntry(path);
            QVERIFY2(e.hasV1 && e.hasV2, qPrintable(name));
            QCOMPARE(e.v1[kV1Title], QStringLiteral("Killed batch"));
            QCOMPARE(v2(e, Id3v2Field::Comments), QString(2000, QLatin1Char('c')));
            QCOMPARE(audioPart(bytes), original);
            ++saved;
        }
        QVERIFY2(saved >= 99 && untouched >= 1, qPrintable(QStringLiteral("%1 saved").arg(saved)));
        for (const QString& name : {files.first(), files.last()})
            QVERIFY(decodes(dir + QLatin1Char('/') + name));
    }
};

QTEST_GUILESS_MAIN(TestTagBatch)
#include "test_tagbatch.moc"
