#include "Mp3Fixtures.h"
#include "tags/Id3v1Tag.h"
#include "tags/Id3v2Tag.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace mp3fixtures;

namespace {

// Prints the tag's version and the texts of the frames the editor edits, as JSON, the way
// mutagen reads them.
const QString kMutagenDump = QStringLiteral(
    "import sys, json\n"
    "from mutagen.id3 import ID3\n"
    "t = ID3(sys.argv[1])\n"
    "d = {'version': '%d.%d' % t.version[:2], 'frames': sorted(k.split(':')[0] for k in t.keys())}\n"
    "for k in ['TRCK','TIT2','TPE1','TALB','TYER','TDRC','TCON','TCOM','TOPE','TCOP','TENC']:\n"
    "    if k in t: d[k] = str(t[k].text[0]) if k != 'TCON' else t[k].text[0]\n"
    "c = t.getall('COMM')\n"
    "if c: d['COMM'] = c[0].text[0]\n"
    "d['comments'] = {x.desc: x.text[0] for x in c}\n"
    "w = t.getall('WXXX')\n"
    "if w: d['WXXX'] = w[0].url\n"
    "print(json.dumps(d))\n");

QJsonObject mutagenDump(const QString& path) {
    QString out;
    if (python(kMutagenDump, path, &out) != 0)
        qWarning().noquote() << out;
    return QJsonDocument::fromJson(out.toUtf8()).object();
}

Id3v2Fields sampleFields() {
    Id3v2Fields f;
    const auto set = [&](Id3v2Field field, const QString& v) { f[static_cast<std::size_t>(field)] = v; };
    set(Id3v2Field::Track, QStringLiteral("3/12"));
    set(Id3v2Field::Title, QStringLiteral("Caf\u00e9 \u041f\u0440\u0438\u0432\u0435\u0442"));
    set(Id3v2Field::Artist, QStringLiteral("The Artist"));
    set(Id3v2Field::Album, QStringLiteral("Album"));
    set(Id3v2Field::Year, QStringLiteral("2004"));
    set(Id3v2Field::Genre, QStringLiteral("Rock"));
    set(Id3v2Field::Comments, QStringLiteral("line one\nline two"));
    set(Id3v2Field::Composer, QStringLiteral("Composer"));
    set(Id3v2Field::OrigArtist, QStringLiteral("Original"));
    set(Id3v2Field::Copyright, QStringLiteral("2004 Someone"));
    set(Id3v2Field::URL, QStringLiteral("https://example.org/x"));
    set(Id3v2Field::EncodedBy, QStringLiteral("Tavrik"));
    return f;
}

} // namespace

class TestId3v2 : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString mp3(const QString& name) {
        const QString path = m_dir.filePath(name);
        return makeMp3(path) ? path : QString();
    }

private Q_SLOTS:
    void noTag() {
        // Guards against stale fields after reading a tagless file, and against an empty save
        // being reported as a failure.
        const QString path = mp3(QStringLiteral("plain.mp3"));
        QVERIFY(!path.isEmpty());
        Id3v2Tag tag;
        tag.setPath(path);
        tag.setTitle(QStringLiteral("stale"));
        QVERIFY(!tag.hasTag());
        QVERIFY(!tag.read());
        QCOMPARE(tag.fields(), Id3v2Fields{});
        QVERIFY(tag.save());
        QVERIFY(tag.remove());
        QVERIFY(decodes(path));

        const QString missing = m_dir.filePath(QStringLiteral("missing.mp3"));
        tag.setPath(missing);
        tag.setTitle(QStringLiteral("kept"));
        QVERIFY(!tag.read());
        QCOMPARE(tag.field(Id3v2Field::Title), QStringLiteral("kept"));
        QVERIFY(!tag.save());
        QVERIFY(!QFile::exists(missing));
    }

    void trimmedGenre_data() {
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QString>("trimmed");
        const auto s = [](const char* text) { return QString::fromLatin1(text); };
        QTest::newRow("reference and name") << s("(17)Rock") << s("Rock");
        QTest::newRow("reference only") << s("(17)") << QString();
        QTest::newRow("unclosed") << s("(17") << s("(17");
        QTest::newRow("name only") << s("Rock") << s("Rock");
        QTest::newRow("bracket later") << s("Rock (live)") << s("Rock (live)");
    }

    void trimmedGenre() {
        // Guards against the numeric reference leaking into the shown genre, or names cut.
        QFETCH(QString, genre);
        QFETCH(QString, trimmed);
        Id3v2Tag tag;
        tag.setField(Id3v2Field::Genre, genre);
        QCOMPARE(trimGenreReference(tag.field(Id3v2Field::Genre)), trimmed);
        QCOMPARE(tag.field(Id3v2Field::Genre), genre);
    }

    void otherToolsReadOurs() {
        // Guards against saving ID3v2.4 (which id3v2 cannot see), lost fields, and text
        // outside ISO-8859-1 being mangled.
        const QString path = mp3(QStringLiteral("ours.mp3"));
        Id3v2Tag tag;
        tag.setPath(path);
        const Id3v2Fields fields = sampleFields();
        for (int i = 0; i < kId3v2FieldCount; ++i)
            tag.setField(static_cast<Id3v2Field>(i), fields[static_cast<std::size_t>(i)]);
        QVERIFY(tag.save());
        QVERIFY(tag.hasTag());

        const QJsonObject m = mutagenDump(path);
        QCOMPARE(m[QStringLiteral("version")].toString(), QStringLiteral("2.3"));
        const Id3v2Fields f = sampleFields();
        const auto want = [&](Id3v2Field field) { return f[static_cast<std::size_t>(field)]; };
        QCOMPARE(m[QStringLiteral("TRCK")].toString(), want(Id3v2Field::Track));
        QCOMPARE(m[QStringLiteral("TIT2")].toString(), want(Id3v2Field::Title));
        QCOMPARE(m[QStringLiteral("TPE1")].toString(), want(Id3v2Field::Artist));
        QCOMPARE(m[QStringLiteral("TALB")].toString(), want(Id3v2Field::Album));
        QCOMPARE(m[QStringLiteral("TDRC")].toString(), want(Id3v2Field::Year));
        QCOMPARE(m[QStringLiteral("TCON")].toString(), want(Id3v2Field::Genre));
        QCOMPARE(m[QStringLiteral("COMM")].toString(), want(Id3v2Field::Comments));
        QCOMPARE(m[QStringLiteral("TCOM")].toString(), want(Id3v2Field::Composer));
        QCOMPARE(m[QStringLiteral("TOPE")].toString(), want(Id3v2Field::OrigArtist));
        QCOMPARE(m[QStringLiteral("TCOP")].toString(), want(Id3v2Field::Copyright));
        QCOMPARE(m[QStringLiteral("WXXX")].toString(), want(Id3v2Field::URL));
        QCOMPARE(m[QStringLiteral("TENC")].toString(), want(Id3v2Field::EncodedBy));

        QString out;
        QCOMPARE(testsupport::run(QStringLiteral("id3v2"), {QStringLiteral("-l"), path}, &out), 0);
        QVERIFY2(out.contains(QLatin1String("id3v2 tag info")), qPrintable(out));
        QVERIFY(out.contains(QLatin1String("TPE1 (Lead performer(s)/Soloist(s)): The Artist")));
        QVERIFY(out.contains(QLatin1String("TYER (Year): 2004")));
        QVERIFY(out.contains(QLatin1String("TRCK (Track number/Position in set): 3/12")));
        QVERIFY(out.contains(QLatin1String("TENC (Encoded by): Tavrik")));
        QVERIFY(out.contains(QLatin1String("https://example.org/x")));

        QCOMPARE(testsupport::run(QStringLiteral("eyeD3"),
                                  {QStringLiteral("--no-color"), QStringLiteral("-2"), path}, &out),
                 0);
        QVERIFY2(out.contains(QLatin1String("ID3 v2.3")), qPrintable(out));
        QVERIFY(out.contains(QStringLiteral("title: Caf\u00e9 \u041f\u0440\u0438\u0432\u0435\u0442")));
        QVERIFY(out.contains(QLatin1String("artist: The Artist")));
        QVERIFY(out.contains(QLatin1String("track: 3/12")));
        QVERIFY(decodes(path));

        Id3v2Tag back;
        back.setPath(path);
        QVERIFY(back.read());
        QCOMPARE(back.fields(), sampleFields());
    }

    void weReadOtherTools() {
        // Guards against misreading UTF-16 frames, a described comment taken for the comment,
        // and frames we do not edit being dropped by a save.
        const QString path = mp3(QStringLiteral("theirs.mp3"));
        QCOMPARE(
            python(QStringLiteral("import sys\n"
                                  "from mutagen.id3 import ID3, TIT2, TPE1, TRCK, TCON, TYER, COMM, WXXX, "
                                  "TXXX, APIC, PRIV\n"
                                  "t = ID3()\n"
                                  "t.add(TIT2(encoding=1, text='\\u00dcber \\u65e5\\u672c'))\n"
                                  "t.add(TPE1(encoding=1, text='Art'))\n"
                                  "t.add(TRCK(encoding=0, text='7'))\n"
                                  "t.add(TCON(encoding=0, text='(17)Rock'))\n"
                                  "t.add(TYER(encoding=0, text='1999'))\n"
                                  "t.add(COMM(encoding=1, lang='eng', desc='iTunNORM', text='0000 1111'))\n"
                                  "t.add(COMM(encoding=1, lang='eng', desc='', text='the comment'))\n"
                                  "t.add(WXXX(encoding=0, desc='', url='http://a.example/'))\n"
                                  "t.add(TXXX(encoding=1, desc='MOOD', text='calm'))\n"
                                  "t.add(APIC(encoding=0, mime='image/png', type=3, desc='', "
                                  "data=b'\\x89PNG' + b'x'*300))\n"
                                  "t.add(PRIV(owner='tavrik.test', data=b'\\x00\\x01\\x02'))\n"
                                  "t.save(sys.argv[1], v2_version=3)\n"),
                   path, nullptr),
            0);
        Id3v2Tag tag;
        tag.setPath(path);
        QVERIFY(tag.hasTag());
        QVERIFY(tag.read());
        QCOMPARE(tag.field(Id3v2Field::Title), QStringLiteral("\u00dcber \u65e5\u672c"));
        QCOMPARE(tag.field(Id3v2Field::Artist), QStringLiteral("Art"));
        QCOMPARE(tag.field(Id3v2Field::Track), QStringLiteral("7"));
        QCOMPARE(trimGenreReference(tag.field(Id3v2Field::Genre)), QStringLiteral("Rock"));
        QCOMPARE(tag.field(Id3v2Field::Year), QStringLiteral("1999"));
        QCOMPARE(tag.field(Id3v2Field::Comments), QStringLiteral("the comment"));
        QCOMPARE(tag.field(Id3v2Field::URL), QStringLiteral("http://a.example/"));
        QCOMPARE(tag.field(Id3v2Field::Album), QString());

        tag.setField(Id3v2Field::Album, QStringLiteral("New Album"));
        tag.setField(Id3v2Field::Comments, QStringLiteral("changed"));
        tag.setField(Id3v2Field::Artist, QString());
        QVERIFY(tag.save());
        const QJsonObject m = mutagenDump(path);
        QCOMPARE(m[QStringLiteral("version")].toString(), QStringLiteral("2.3"));
        QCOMPARE(m[QStringLiteral("TALB")].toString(), QStringLiteral("New Album"));
        const QJsonObject comments = m[QStringLiteral("comments")].toObject();
        QCOMPARE(comments[QString()].toString(), QStringLiteral("changed"));
        QCOMPARE(comments[QStringLiteral("iTunNORM")].toString(), QStringLiteral("0000 1111"));
        const QStringList frames = m[QStringLiteral("frames")].toVariant().toStringList();
        for (const char* kept : {"APIC", "PRIV", "TXXX", "TIT2", "TCON", "WXXX"})
            QVERIFY2(frames.contains(QLatin1String(kept)), kept);
        QVERIFY(!frames.contains(QLatin1String("TPE1")));
        QCOMPARE(frames.count(QLatin1String("COMM")), 2);

        Id3v2Tag back;
        back.setPath(path);
        QVERIFY(back.read());
        QCOMPARE(back.field(Id3v2Field::Comments), QStringLiteral("changed"));
        QCOMPARE(back.field(Id3v2Field::Title), QStringLiteral("\u00dcber \u65e5\u672c"));
        QVERIFY(decodes(path));
    }

    void weReadId3lib() {
        // Guards against misreading what the id3v2 tool (another ID3v2.3 writer) stores.
        const QString path = mp3(QStringLiteral("id3lib.mp3"));
        QCOMPARE(testsupport::run(QStringLiteral("id3v2"),
                                  {QStringLiteral("-2"), QStringLiteral("-t"), QStringLiteral("Name"),
                                   QStringLiteral("-a"), QStringLiteral("Band"), QStringLiteral("-A"),
                                   QStringLiteral("Disc"), QStringLiteral("-y"), QStringLiteral("1977"),
                                   QStringLiteral("-T"), QStringLiteral("4/9"), QStringLiteral("-g"),
                                   QStringLiteral("17"), QStringLiteral("-c"), QStringLiteral("words"),
                                   QStringLiteral("--TCOM"), QStringLiteral("Writer"), path}),
                 0);
        Id3v2Tag tag;
        tag.setPath(path);
        QVERIFY(tag.read());
        QCOMPARE(tag.field(Id3v2Field::Title), QStringLiteral("Name"));
        QCOMPARE(tag.field(Id3v2Field::Artist), QStringLiteral("Band"));
        QCOMPARE(tag.field(Id3v2Field::Album), QStringLiteral("Disc"));
        QCOMPARE(tag.field(Id3v2Field::Year), QStringLiteral("1977"));
        QCOMPARE(tag.field(Id3v2Field::Track), QStringLiteral("4/9"));
        // id3v2 stores a genre number as a bare reference, which the shown genre drops.
        QCOMPARE(tag.field(Id3v2Field::Genre), QStringLiteral("(17)"));
        QCOMPARE(trimGenreReference(tag.field(Id3v2Field::Genre)), QString());
        QCOMPARE(tag.field(Id3v2Field::Comments), QStringLiteral("words"));
        QCOMPARE(tag.field(Id3v2Field::Composer), QStringLiteral("Writer"));
    }

    void malformed_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray audio = mp3Bytes();
        // A TIT2 frame of 5 bytes: encoding byte and "Song".
        const QByteArray frame = QByteArray("TIT2\0\0\0\x05\0\0\0Song", 15);
        const auto header = [](const char* size) {
            return QByteArray("ID3\x03\0\0", 6) + QByteArray(size, 4);
        };
        QTest::newRow("size past the end") << header("\x7f\x7f\x7f\x7f") + frame + audio;
        QTest::newRow("size not synchsafe") << header("\xff\xff\xff\xff") + frame + audio;
        QTest::newRow("frame longer than tag")
            << header("\0\0\0\x0f") + QByteArray(frame).replace(7, 1, "\x7f") + audio;
        QTest::newRow("frame of length 0")
            << header("\0\0\0\x0f") + QByteArray(frame).replace(7, 1, "\0") + audio;
        QTest::newRow("cut in a frame header") << header("\0\0\0\x0f") + frame.left(6);
        QTest::newRow("header only") << header("\0\0\0\0");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("127 bytes") << QByteArray("ID3").leftJustified(127, '\0');
    }

    void malformed() {
        // Guards against crashes or runaway reads on tags whose sizes lie, and against a save
        // into such a file that cannot be read back.
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(QStringLiteral("bad.mp3"));
        QVERIFY(writeAll(path, bytes));
        Id3v2Tag tag;
        tag.setPath(path);
        tag.read();
        tag.hasTag();
        tag.setTitle(QStringLiteral("Mended"));
        if (tag.save()) {
            Id3v2Tag back;
            back.setPath(path);
            QVERIFY(back.read());
            QCOMPARE(back.field(Id3v2Field::Title), QStringLiteral("Mended"));
        }
        if (tag.remove())
            QVERIFY(!tag.hasTag());
    }

    void keepsTheOtherTag() {
        // Guards against an ID3v2 save or removal dropping the ID3v1 trailer, or the reverse.
        const QString path = mp3(QStringLiteral("both.mp3"));
        Id3v1Tag v1;
        v1.setPath(path);
        v1.setTitle(QStringLiteral("one"));
        QVERIFY(v1.save());
        Id3v2Tag v2;
        v2.setPath(path);
        v2.setTitle(QStringLiteral("two"));
        QVERIFY(v2.save());
        QVERIFY(v1.read());
        QCOMPARE(v1.title(), QStringLiteral("one"));
        QVERIFY(v1.remove());
        QVERIFY(v2.read());
        QCOMPARE(v2.field(Id3v2Field::Title), QStringLiteral("two"));
        QVERIFY(v1.save());
        QVERIFY(v2.remove());
        QVERIFY(!v2.hasTag());
        QVERIFY(v1.hasTag());
        QVERIFY(!readAll(path).startsWith("ID3"));
        QVERIFY(decodes(path));
    }
};

QTEST_GUILESS_MAIN(TestId3v2)
#include "test_id3v2.moc"
