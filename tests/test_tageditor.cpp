#include "Mp3Fixtures.h"
#include "base/ui/Dialogs.h"
#include "shell/ui/MainWindow.h"
#include "tags/Id3v1Tag.h"
#include "tags/Id3v2Tag.h"
#include "tags/TagFileModel.h"
#include "tags/TagPreview.h"
#include "tags/ui/TagEditorDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace mp3fixtures;

namespace {

constexpr const char* kTagged = "Artist - my_song%20title";

// What mutagen reads from the file's ID3v2 frames (not merged with ID3v1), as "ID=text" lines.
QString mutagenFrames(const QString& path) {
    QString out;
    python(QStringLiteral("import sys\nfrom mutagen.id3 import ID3\nt = ID3(sys.argv[1], load_v1=False)\n"
                          "print('version=%d' % t.version[1])\n"
                          "for k in sorted(t.keys()): print('%s=%s' % (k.split(':')[0], t[k]))"),
           path, &out);
    return out;
}

// What `id3v2 -l` reports, which also reads the ID3v1 trailer.
QString id3v2List(const QString& path) {
    QString out;
    testsupport::run(QStringLiteral("id3v2"), {QStringLiteral("-l"), path}, &out);
    return out;
}

} // namespace

class TestTagEditor : public QObject {
    Q_OBJECT
    QTemporaryDir m_config;
    QTemporaryDir m_dir;
    QString m_folder;

    QString file(const char* name) const {
        return m_folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".mp3");
    }

    // A folder of three real MP3 files with different tags and one that is no MP3 at all.
    void makeFolder() {
        m_folder = m_dir.filePath(QStringLiteral("music%1").arg(QDateTime::currentMSecsSinceEpoch()));
        QVERIFY(QDir().mkpath(m_folder));
        QVERIFY(makeMp3(file(kTagged), 2.0));
        QVERIFY(makeMp3(file("only2")));
        QVERIFY(makeMp3(file("plain")));
        QVERIFY(writeAll(file("broken"), QByteArray("ID3\x03\x00\x00\x7f\x7f\x7f\x7f garbage", 18)));
        Id3v1Tag v1;
        v1.setPath(file(kTagged));
        v1.setTitle(QStringLiteral("Old"));
        v1.setArtist(QStringLiteral("Band"));
        v1.setTrack(4);
        v1.setGenre(17);
        QVERIFY(v1.save());
        Id3v2Tag v2;
        v2.setPath(file(kTagged));
        v2.setTitle(QStringLiteral("Old v2"));
        v2.setField(Id3v2Field::Artist, QStringLiteral("Band"));
        QVERIFY(v2.save());
        v2.setPath(file("only2"));
        v2.setTitle(QStringLiteral("Second"));
        QVERIFY(v2.save());
    }

    static void storeFolder(const QString& folder) {
        QSettings s(QStringLiteral("tavrik"), QStringLiteral("tavrik"));
        s.setValue(QStringLiteral("Settings/folder"), folder);
    }

    static int rowOf(TagEditorDialog& w, const QString& name) {
        for (int r = 0; r < w.files().rowCount(); ++r) {
            if (w.files().index(r, TagFileModel::Filename).data().toString() == name)
                return r;
        }
        return -1;
    }

    static void clickRow(TagEditorDialog& w, int row) {
        auto* lvw = w.findChild<QTreeView*>(QStringLiteral("lvw"));
        const QRect rect = lvw->visualRect(w.files().index(row, TagFileModel::Tags));
        QTest::mouseClick(lvw->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // The stored folder is listed once the editor's scan is through.
    static void waitForScan(TagEditorDialog& w) {
        QSignalSpy done(&w.files(), &TagFileModel::scanFinished);
        QVERIFY(done.wait(10000));
    }

    template <typename T> static T* child(TagEditorDialog& w, const char* name) {
        T* c = w.findChild<T*>(QLatin1String(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }

    static void retype(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

private Q_SLOTS:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
        Dialogs::shownMessages().clear();
        makeFolder();
    }

    void init() { storeFolder(m_folder); }

    // Fault: the scan drops files, mislabels their tags or dies on a file that is no MP3.
    void listShowsFilesAndTags() {
        TagEditorDialog w(m_dir.path());
        waitForScan(w);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("ID3 Editor"));
        QCOMPARE(w.files().rowCount(), 4);
        const auto tags = [&](const char* name) {
            return w.files().index(rowOf(w, QLatin1String(name)), TagFileModel::Tags).data().toString();
        };
        QCOMPARE(tags(kTagged), QStringLiteral("ID3v1 ID3v2"));
        QCOMPARE(tags("only2"), QStringLiteral("ID3v2"));
        QCOMPARE(tags("plain"), QString());
        QCOMPARE(tags("broken"), QString());
        QVERIFY(child<QProgressBar>(w, "prb")->isHidden());

        clickRow(w, rowOf(w, QLatin1String(kTagged)));
        QCOMPARE(child<QLineEdit>(w, "txtv1_1")->text(), QStringLiteral("Old"));
        QCOMPARE(child<QLineEdit>(w, "txtv1_0")->text(), QStringLiteral("4"));
        QCOMPARE(child<QComboBox>(w, "cmbv1")->currentIndex(), 17);
        QCOMPARE(child<QComboBox>(w, "cmbv1")->currentText(), QStringLiteral("Rock"));
        QCOMPARE(child<QLineEdit>(w, "txtv2_1")->text(), QStringLiteral("Old v2"));
        QVERIFY(child<QCheckBox>(w, "chkv1")->isChecked());
        QVERIFY(child<QLineEdit>(w, "txtv1_1")->isEnabled());

        // A file without tags disables both pages and shows them empty.
        clickRow(w, rowOf(w, QStringLiteral("broken")));
        QVERIFY(!child<QCheckBox>(w, "chkv1")->isChecked());
        QVERIFY(!child<QLineEdit>(w, "txtv1_1")->isEnabled());
        QCOMPARE(child<QLineEdit>(w, "txtv1_1")->text(), QString());
    }

    // Fault: the ID3v1 track box takes letters, keeps numbers an ID3v1 tag cannot hold, or
    // traps the keyboard focus.
    void trackBoxTakesOnlyByteNumbers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << QStringLiteral("a") << QString();
        QTest::newRow("digits and letter") << QStringLiteral("1x2") << QStringLiteral("12");
        QTest::newRow("above 255") << QStringLiteral("300") << QStringLiteral("255");
        QTest::newRow("in range") << QStringLiteral("255") << QStringLiteral("255");
    }
    void trackBoxTakesOnlyByteNumbers() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TagEditorDialog w(m_dir.path());
        waitForScan(w);
        w.show();
        auto* box = child<QLineEdit>(w, "txtv1_0");
        box->setEnabled(true);
        retype(box, typed);
        QCOMPARE(box->text(), shown);
        // Tab still leaves the box.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(!box->hasFocus());
    }

    void keyboardSelectsLikeTheMouse_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("typed");
        QTest::newRow("arrows") << QList<int>{Qt::Key_Down, Qt::Key_Down} << QString();
        QTest::newRow("end and up") << QList<int>{Qt::Key_End, Qt::Key_Up} << QString();
        QTest::newRow("page down and up") << QList<int>{Qt::Key_PageDown, Qt::Key_Up} << QString();
        QTest::newRow("typed name") << QList<int>{Qt::Key_Home} << QStringLiteral("on");
    }
    // Fault: a highlight moved by keys leaves the pages on the old file, so Save writes that
    // file's tags into the highlighted one.
    void keyboardSelectsLikeTheMouse() {
        QFETCH(QList<int>, keys);
        QFETCH(QString, typed);
        TagEditorDialog w(m_dir.path());
        waitForScan(w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* lvw = child<QTreeView>(w, "lvw");
        lvw->setFocus();
        QCOMPARE(child<QLineEdit>(w, "txtv2_1")->text(), QStringLiteral("Old v2"));
        for (int key : keys)
            QTest::keyClick(lvw, static_cast<Qt::Key>(key));
        QTest::keyClicks(lvw, typed);
        QCOMPARE(lvw->currentIndex().row(), rowOf(w, QStringLiteral("only2")));
        QVERIFY(child<QLineEdit>(w, "txtv2_1")->text().startsWith(QLatin1String("Second")));
        QVERIFY(!child<QCheckBox>(w, "chkv1")->isChecked());

        retype(child<QLineEdit>(w, "txtv2_1"),
               QStringLiteral("Second ") + QLatin1String(QTest::currentDataTag()));
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        const QString saved = mutagenFrames(file("only2"));
        QVERIFY2(saved.contains(QStringLiteral("TIT2=Second ") + QLatin1String(QTest::currentDataTag())),
                 qPrintable(saved));
        QVERIFY(!id3v2List(file("only2")).contains(QLatin1String("id3v1 tag info")));
        const QString untouched = id3v2List(file(kTagged));
        QVERIFY2(untouched.contains(QLatin1String("Old v2")) && untouched.contains(QLatin1String("Old")),
                 qPrintable(untouched));
    }

    // Fault: the file list gets a sliver of the window and the field labels lack their colons.
    void listTakesMostOfTheHeight() {
        TagEditorDialog w(m_dir.path());
        waitForScan(w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(child<QTreeView>(w, "lvw")->height() > w.height() / 2);
        QStringList texts;
        for (const QLabel* l : w.findChildren<QLabel*>()) {
            if (l->buddy())
                texts << l->text();
        }
        QCOMPARE(texts.size(), 7 + 12);
        for (const QString& t : texts)
            QVERIFY2(t.endsWith(QLatin1Char(':')), qPrintable(t));
        QVERIFY(texts.contains(QStringLiteral("Track #:")) &&
                texts.contains(QStringLiteral("Orig. Artist:")));
    }

    // Fault: Save writes nothing, writes version 2.4, or does not reach the ID3v1 trailer.
    void singleSaveWritesBothTags() {
        TagEditorDialog w(m_dir.path());
        waitForScan(w);
        w.show();
        const int row = rowOf(w, QStringLiteral("plain"));
        clickRow(w, row);
        child<QCheckBox>(w, "chkv1")->click();
        QVERIFY(child<QLineEdit>(w, "txtv1_1")->isEnabled());
        retype(child<QLineEdit>(w, "txtv1_1"), QStringLiteral("Short one"));
        retype(child<QLineEdit>(w, "txtv1_2"), QStringLiteral("Someone"));
        child<QComboBox>(w, "cmbv1")->setCurrentIndex(8);
        child<QCheckBox>(w, "chkv2")->click();
        retype(child<QLineEdit>(w, "txtv2_1"), QStringLiteral("Long title here"));
        retype(child<QLineEdit>(w, "txtv2_9"), QStringLiteral("http://example.org/x"));
        child<QComboBox>(w, "cmbv2")->setEditText(QStringLiteral("Trip-Hop"));
        child<QAction>(w, "tbr_1_2")->trigger();

        const QString frames = mutagenFrames(file("plain"));
        QVERIFY2(frames.contains(QLatin1String("version=3")), qPrintable(frames));
        QVERIFY2(frames.contains(QLatin1String("TIT2=Long title here")), qPrintable(frames));
        QVERIFY2(frames.contains(QLatin1String("WXXX=http://example.org/x")), qPrintable(frames));
        QVERIFY2(frames.contains(QLatin1String("TCON=Trip-Hop")), qPrintable(frames));
        const QString listed = id3v2List(file("plain"));
        QVERIFY2(listed.contains(QLatin1String("Short one")), qPrintable(listed));
        QVERIFY2(listed.contains(QLatin1String("Someone")), qPrintable(listed));
        QVERIFY2(listed.contains(QLatin1String("Jazz")), qPrintable(listed));
        QCOMPARE(w.files().index(row, TagFileModel::Tags).data().toString(), QStringLiteral("ID3v1 ID3v2"));
        QVERIFY(decodes(file("plain")));

        // Unticking the ID3v1 page and saving removes the trailer again.
        child<QCheckBox>(w, "chkv1")->click();
        child<QAction>(w, "tbr_0_2")->trigger();
        QVERIFY(!id3v2List(file("plain")).contains(QLatin1String("Someone")));
        QCOMPARE(w.files().index(row, TagFileModel::Tags).data().toString(), QStringLiteral("ID3v2"));
    }

    // Fault: a batch save misses checked files, numbers them out of order or never ends its
    // progress bar; a corrupt file among them stops the batch.
    void batchSaveOverCheckedRows() {
        TagEditorDialog w(m_dir.path());
        waitForScan(w);
        w.show();
        auto* prb = child<QProgressBar>(w, "prb");
        int highest = 0;
        connect(prb, &QProgressBar::valueChanged, &w, [&](int v) { highest = std::max(highest, v); });
        for (const char* name : {kTagged, "plain", "only2", "broken"}) {
            const QModelIndex cell = w.files().index(rowOf(w, QLatin1String(name)), TagFileModel::Filename);
            QVERIFY(w.files().setData(cell, Qt::Checked, Qt::CheckStateRole));
        }
        child<QCheckBox>(w, "chkOpt_1")->click();
        child<QCheckBox>(w, "chkOpt_2")->click();
        if (!child<QCheckBox>(w, "chkv2")->isChecked())
            child<QCheckBox>(w, "chkv2")->click();
        retype(child<QLineEdit>(w, "txtv2_3"), QStringLiteral("Shared album"));
        const QByteArray broken = readAll(file("broken"));
        Dialogs::setNextMessageAnswer(QMessageBox::Ok);
        child<QAction>(w, "tbr_1_2")->trigger();

        // The corrupt file, whose tag claims more than it holds, is left as it was, and the
        // user is told which file and why.
        QCOMPARE(readAll(file("broken")), broken);
        QVERIFY(Dialogs::shownMessages().last().contains(QLatin1String("broken.mp3: its ID3v2 tag claims")));
        QVERIFY(w.files()
                    .index(rowOf(w, QStringLiteral("broken")), 0)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .contains(QLatin1String("Not saved")));
        QCOMPARE(highest, prb->maximum());
        QVERIFY(prb->isHidden());
        QStringList tracks;
        for (int r = 0; r < w.files().rowCount(); ++r) {
            const QString path = w.files().entry(r).path;
            if (path == file("broken"))
                continue;
            const QString frames = mutagenFrames(path);
            QVERIFY2(frames.contains(QLatin1String("TALB=Shared album")), qPrintable(frames));
            tracks << frames.section(QStringLiteral("TRCK="), 1, 1).section(QLatin1Char('\n'), 0, 0);
            if (path == file(kTagged))
                QVERIFY2(frames.contains(QLatin1String("TIT2=My Song Title")), qPrintable(frames));
        }
        QCOMPARE(tracks.size(), 3);
        // List order numbering; the corrupt file takes one place in it.
        for (const QString& t : tracks)
            QVERIFY2(QStringList(
                         {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")})
                         .contains(t),
                     qPrintable(t));
        QVERIFY(tracks.removeDuplicates() == 0);
    }

    // Fault: options, splitter or folder are not stored at close, or not read at opening.
    void settingsSurviveReopening() {
        {
            TagEditorDialog w(m_dir.path());
            waitForScan(w);
            w.show();
            QVERIFY(child<QCheckBox>(w, "chkOpt_0")->isChecked());
            QVERIFY(!child<QCheckBox>(w, "chkOpt_1")->isChecked());
            child<QCheckBox>(w, "chkOpt_0")->click();
            child<QCheckBox>(w, "chkOpt_2")->click();
            QVERIFY(child<QLabel>(w, "lblTitle")->text().startsWith(QLatin1String("Grabbed title")));
            w.reject();
        }
        QSettings s(QStringLiteral("tavrik"), QStringLiteral("tavrik"));
        QCOMPARE(s.value(QStringLiteral("Settings/opt0")).toInt(), 0);
        QCOMPARE(s.value(QStringLiteral("Settings/opt2")).toInt(), 1);
        QVERIFY(s.value(QStringLiteral("Settings/folderwidth")).toInt() >= 2410);
        QCOMPARE(s.value(QStringLiteral("Settings/folder")).toString(), m_folder);
        TagEditorDialog again(m_dir.path());
        waitForScan(again);
        QVERIFY(!child<QCheckBox>(again, "chkOpt_0")->isChecked());
        QVERIFY(child<QCheckBox>(again, "chkOpt_2")->isChecked());
        QCOMPARE(again.files().rowCount(), 4);
        child<QCheckBox>(again, "chkOpt_0")->click();
        child<QCheckBox>(again, "chkOpt_2")->click();
        again.reject();
    }

    // Fault: the preview does not reach the sound server, ignores seeking or keeps playing.
    void previewPlaysSeeksAndStops() {
        TagEditorDialog w(m_dir.path());
        waitForScan(w);
        w.show();
        clickRow(w, rowOf(w, QLatin1String(kTagged)));
        child<QAction>(w, "menPlayback_0")->trigger();
        QVERIFY(w.preview().isLoaded());
        QTRY_VERIFY_WITH_TIMEOUT(w.preview().positionMs() > 0, 10000);
        const qint64 length = w.preview().lengthMs();
        QVERIFY(length > 1900 && length < 2200);
        child<QAction>(w, "menJump")->trigger();
        QVERIFY(qAbs(w.preview().positionMs() - length / 2) < 100);
        child<QAction>(w, "menPlayback_1")->trigger();
        QVERIFY(!w.preview().isPlaying());
        child<QAction>(w, "menPlayback_1")->trigger();
        QVERIFY(w.preview().isPlaying());
        child<QAction>(w, "menPlayback_2")->trigger();
        QVERIFY(!w.preview().isLoaded());
        // With nothing loaded the seek commands are silent.
        const qsizetype shown = Dialogs::shownMessages().size();
        child<QAction>(w, "menPlayback_3")->trigger();
        QCOMPARE(Dialogs::shownMessages().size(), shown);

        // A file that is no MP3 is refused with a warning; the editor goes on.
        clickRow(w, rowOf(w, QStringLiteral("broken")));
        Dialogs::setNextMessageAnswer(QMessageBox::Ok);
        child<QAction>(w, "menPlayback_0")->trigger();
        QVERIFY(!w.preview().isLoaded());
        QCOMPARE(Dialogs::shownMessages().last(),
                 QStringLiteral("Could not recognize & play \"%1\".").arg(file("broken")));
    }

    // Fault: copy, revert and select commands touch the wrong boxes or rows.
    void pageCommands() {
        TagEditorDialog w(m_dir.path());
        waitForScan(w);
        w.show();
        clickRow(w, rowOf(w, QLatin1String(kTagged)));
        retype(child<QLineEdit>(w, "txtv2_1"), QStringLiteral("From two"));
        retype(child<QLineEdit>(w, "txtv2_6"), QStringLiteral("Composer only"));
        child<QAction>(w, "tbr_1_4")->trigger();
        QVERIFY(child<QCheckBox>(w, "chkv1")->isChecked());
        QVERIFY(child<QLineEdit>(w, "txtv1_1")->isEnabled());
        QCOMPARE(child<QLineEdit>(w, "txtv1_1")->text(), QStringLiteral("From two"));
        QCOMPARE(child<QComboBox>(w, "cmbv1")->currentIndex(), child<QComboBox>(w, "cmbv2")->currentIndex());

        retype(child<QLineEdit>(w, "txtv1_2"), QStringLiteral("Back to two"));
        child<QAction>(w, "tbr_0_5")->trigger();
        QCOMPARE(child<QLineEdit>(w, "txtv2_2")->text(), QStringLiteral("Back to two"));
        QCOMPARE(child<QLineEdit>(w, "txtv2_6")->text(), QStringLiteral("Composer only"));

        // Revert drops the unsaved edits.
        child<QAction>(w, "tbr_0_1")->trigger();
        QCOMPARE(child<QLineEdit>(w, "txtv2_1")->text(),
                 w.files()
                     .entry(rowOf(w, QLatin1String(kTagged)))
                     .v2[static_cast<std::size_t>(Id3v2Field::Title)]);

        child<QAction>(w, "menSelect_0")->trigger();
        QCOMPARE(w.files().checkedCount(), w.files().rowCount());
        child<QAction>(w, "menSelect_1")->trigger();
        QCOMPARE(w.files().checkedCount(), 0);
    }

    // Fault: the main window's Edit ID3 command and Ctrl+E stay disabled or open a window that does not
    // block.
    void mainWindowOpensTheEditorModally() {
        QTemporaryDir app;
        MainWindow main(app.path());
        for (const char* how : {"Command13", "EditID3"}) {
            bool seen = false;
            QTimer::singleShot(0, &main, [&] {
                auto* editor = qobject_cast<TagEditorDialog*>(QApplication::activeModalWidget());
                QVERIFY(editor);
                seen = editor->isModal() && editor->windowTitle() == QStringLiteral("ID3 Editor") &&
                       QTest::qWaitFor([&] { return editor->files().rowCount() == 4; }, 10000);
                editor->reject();
            });
            if (qstrcmp(how, "EditID3") == 0) {
                auto* action = main.findChild<QAction*>(QLatin1String(how));
                QVERIFY(action && action->isEnabled());
                QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
                action->trigger();
            } else {
                auto* button = main.findChild<QPushButton*>(QLatin1String(how));
                QVERIFY(button && button->isEnabled());
                button->click();
            }
            QVERIFY2(seen, how);
        }
    }

    // Fault: a batch save gives a file a tag it lacked, filled with the other files' values.
    void batchAddsNoTagNobodyAskedFor() {
        const QString dir = m_dir.filePath(QStringLiteral("batch"));
        QVERIFY(QDir().mkpath(dir));
        const auto track = [&dir](int n) { return dir + QStringLiteral("/track%1.mp3").arg(n); };
        for (int n = 1; n <= 3; ++n) { // track3 has only an ID3v1 tag
            QVERIFY(makeMp3(track(n)));
            const QString tags = n == 3 ? QStringLiteral("-1 -a OtherArtist")
                                        : QStringLiteral("-a TestArtist -A TestAlbum -y 2023");
            QCOMPARE(testsupport::run(QStringLiteral("id3v2"), tags.split(QLatin1Char(' ')) << track(n)), 0);
        }
        storeFolder(dir);
        TagEditorDialog w(m_dir.path());
        waitForScan(w);
        w.show();
        for (int r = 0; r < w.files().rowCount(); ++r)
            QVERIFY(w.files().setData(w.files().index(r, TagFileModel::Filename), Qt::Checked,
                                      Qt::CheckStateRole));
        QCOMPARE(child<QLineEdit>(w, "txtv2_2")->text(), QStringLiteral("TestArtist"));
        retype(child<QLineEdit>(w, "txtv1_3"), QStringLiteral("Typed Album"));
        child<QAction>(w, "tbr_0_2")->trigger();
        const QString listed = id3v2List(track(3));
        QVERIFY2(!listed.contains(QLatin1String("id3v2 tag info")) &&
                     listed.contains(QLatin1String("Typed Album")) &&
                     listed.contains(QLatin1String("OtherArtist")),
                 qPrintable(listed));
        QVERIFY(mutagenFrames(track(1)).contains(QLatin1String("TPE1=TestArtist")));

        // An edited ID3v2 box gives it an ID3v2 tag holding only that box.
        retype(child<QLineEdit>(w, "txtv2_6"), QStringLiteral("Typed Composer"));
        child<QAction>(w, "tbr_1_2")->trigger();
        QCOMPARE(mutagenFrames(track(3)), QStringLiteral("version=3\nTCOM=Typed Composer\n"));
    }

    // Fault: a missing or corrupt file is taken as a stream.
    void refusesBadFiles_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << m_dir.filePath(QStringLiteral("nothing.mp3"));
        QTest::newRow("corrupt") << file("broken");
        QTest::newRow("folder") << m_folder;
    }
    void refusesBadFiles() {
        QFETCH(QString, path);
        QStringList boxes;
        TagPreview preview([&](bool, const QString& text) { boxes << text; });
        QVERIFY(preview.ready());
        QVERIFY(!preview.play(path));
        QVERIFY(!preview.isLoaded());
        QCOMPARE(boxes, QStringList{QStringLiteral("Could not recognize & play \"%1\".").arg(path)});
    }

    // Fault: without a sound server previews run anyway, or fail without a word.
    void missingOutputIsReported() {
        const QByteArray server = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(m_dir.filePath(QStringLiteral("no-server"))));
        QStringList boxes;
        TagPreview preview([&](bool warning, const QString& text) {
            boxes << (warning ? QStringLiteral("W:") : QStringLiteral("E:")) + text;
        });
        qputenv("PULSE_SERVER", server);
        QVERIFY(!preview.ready());
        QVERIFY(!preview.play(file(kTagged)));
        QVERIFY(!preview.isLoaded());
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].startsWith(QStringLiteral("E:The sound output cannot be opened")),
                 qPrintable(boxes[0]));
    }
};

QTEST_MAIN(TestTagEditor)
#include "test_tageditor.moc"
