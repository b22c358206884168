#include "TestSupport.h"
#include "base/AppFolder.h"
#include "base/SettingsFile.h"
#include "base/ui/Dialogs.h"
#include "recordings/RecordingsModel.h"
#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleModel.h"
#include "schedule/ScheduleTime.h"
#include "schedule/Scheduler.h"
#include "schedule/ui/ScheduleEntryDialog.h"
#include "shell/ui/MainWindow.h"

#include <QAction>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

const QDateTime kBase(QDate(2030, 1, 1), QTime(10, 0, 0));

QString at(qint64 seconds) {
    return ScheduleTime::text(kBase.addSecs(seconds), QLocale());
}

// "5" is five seconds after the base time; anything else is taken as the text itself.
QString entryText(const QString& field) {
    bool number = false;
    const qint64 seconds = field.toLongLong(&number);
    return number ? at(seconds) : field;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

void click(QWidget* within, const char* name) {
    auto* b = within->findChild<QPushButton*>(QLatin1String(name));
    QVERIFY2(b && b->isEnabled(), name);
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class TestSchedule : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_app;

private Q_SLOTS:
    void init() {
        m_app = std::make_unique<QTemporaryDir>();
        Dialogs::shownMessages().clear();
    }

    void followsTheClock_data() {
        QTest::addColumn<QStringList>("entries"); // "start,stop" in seconds after 10:00:00
        // tN: the clock at N and a tick; r/s: record/stop by hand; f/o: the output folder fails/works
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("after"); // after each step: R recording or - not, then the list's rows
        QTest::addColumn<QStringList>("statuses"); // of the entries at the end
        QTest::newRow("one stops and the next starts in the same second")
            << QStringList{u"0,5"_s, u"5,10"_s} << u"t-1 t0 t4 t5 t10"_s << u"-0 R0 R0 R1 -2"_s
            << QStringList{u"Done"_s, u"Done"_s};
        QTest::newRow("two entries at once: the upper starts")
            << QStringList{u"0,5"_s, u"0,8"_s} << u"t0 t1 t5 t8"_s << u"R0 R0 -1 -1"_s
            << QStringList{u"Done"_s, u"Missed"_s};
        QTest::newRow("an entry inside a running one never starts")
            << QStringList{u"0,10"_s, u"3,6"_s} << u"t0 t3 t6 t10"_s << u"R0 R0 R0 -1"_s
            << QStringList{u"Done"_s, u"Missed"_s};
        QTest::newRow("a manual recording at a start is ended and listed, the scheduled one starts")
            << QStringList{u"2,5"_s} << u"r t0 t2 t5"_s << u"R0 R0 R1 -2"_s << QStringList{u"Done"_s};
        QTest::newRow("stopped by hand: nothing at the stop time, a later manual recording runs on")
            << QStringList{u"0,10"_s} << u"t0 s t5 r t10 t11"_s << u"R0 -1 -1 R1 R1 R1"_s
            << QStringList{u"Done"_s};
        QTest::newRow("a late tick starts a waiting entry at once")
            << QStringList{u"2,6"_s} << u"t0 t4 t6"_s << u"-0 R0 -1"_s << QStringList{u"Done"_s};
        QTest::newRow("a window passed while not running is missed, not fired")
            << QStringList{u"-20,-10"_s, u"5,8"_s} << u"t0 t5 t8"_s << u"-0 R0 -1"_s
            << QStringList{u"Missed"_s, u"Done"_s};
        QTest::newRow("a stop time a late tick stepped over stops")
            << QStringList{u"0,5"_s} << u"t0 t3 t9"_s << u"R0 R0 -1"_s << QStringList{u"Done"_s};
        QTest::newRow("a start that failed is tried again at the next tick")
            << QStringList{u"0,5"_s} << u"f t0 t1 o t2 t5"_s << u"-0 -0 -0 -0 R0 -1"_s
            << QStringList{u"Done"_s};
        QTest::newRow("a start that fails until the stop is missed, not done")
            << QStringList{u"0,5"_s} << u"f t0 t3 t5 o t6"_s << u"-0 -0 -0 -0 -0 -0"_s
            << QStringList{u"Missed"_s};
        QTest::newRow("unreadable and empty windows never start")
            << QStringList{u"garbage,5"_s, u"3,3"_s, u"4,garbage"_s} << u"t3 t4 t5"_s << u"-0 -0 -0"_s
            << QStringList{u"Waiting"_s, u"Missed"_s, u"Waiting"_s};
    }
    void followsTheClock() {
        // Guards against scheduled recordings that start late, twice or never, that are not
        // listed, that stop what they did not start, or an entry that says "Done" while it records.
        QFETCH(QStringList, entries);
        QFETCH(QString, script);
        QFETCH(QString, after);
        QFETCH(QStringList, statuses);
        MainWindow w(m_app->path());
        Scheduler& scheduler = w.scheduler();
        qint64 offset = -100;
        scheduler.setClock([&offset] { return kBase.addSecs(offset); });
        ScheduleModel& list = scheduler.list();
        for (const QString& e : entries)
            list.appendEntry(entryText(e.section(QLatin1Char(','), 0, 0)),
                             entryText(e.section(QLatin1Char(','), 1, 1)), QString());
        QSignalSpy notices(&scheduler, &Scheduler::notice);

        const QStringList steps = script.split(QLatin1Char(' '));
        const QStringList expected = after.split(QLatin1Char(' '));
        QCOMPARE(steps.size(), expected.size());
        for (int i = 0; i < steps.size(); ++i) {
            const QString& step = steps[i];
            if (step == QLatin1String("r")) {
                w.startRecording();
            } else if (step == QLatin1String("s")) {
                w.stopRecording();
            } else if (step == QLatin1String("f") || step == QLatin1String("o")) {
                // A file where the folder should be: no recording can be created in it.
                writeSetting(settingsFile(m_app->path()), u"set"_s, u"outputfolder"_s,
                             step == QLatin1String("f") ? settingsFile(m_app->path()) : QString());
            } else {
                offset = step.mid(1).toLongLong();
                scheduler.tick();
            }
            const QString state = (w.isRecording() ? QStringLiteral("R") : QStringLiteral("-")) +
                                  QString::number(w.recordings().rowCount());
            QVERIFY2(state == expected[i], qPrintable(QStringLiteral("after %1: %2").arg(step, state)));
            // While its recording runs an entry reads "Recording" and names the file; no other does.
            int marked = 0;
            for (int r = 0; r < list.rowCount(); ++r) {
                if (list.row(r)[ScheduleModel::Status] == QLatin1String("Recording")) {
                    ++marked;
                    QCOMPARE(list.row(r)[ScheduleModel::File], w.session().outputPath());
                }
            }
            QVERIFY2(marked <= (w.isRecording() ? 1 : 0), qPrintable(step));
        }
        // A finished entry names the recording it made, which the recordings list holds.
        QStringList listed;
        for (int r = 0; r < w.recordings().rowCount(); ++r)
            listed << w.recordings().path(r);
        for (int r = 0; r < list.rowCount(); ++r) {
            const ScheduleModel::Row& row = list.row(r);
            QCOMPARE(row[ScheduleModel::Status] == QLatin1String("Done"),
                     listed.contains(row[ScheduleModel::File]));
        }
        QStringList seen;
        for (int r = 0; r < list.rowCount(); ++r)
            seen << list.row(r)[ScheduleModel::Status];
        QCOMPARE(seen, statuses);
        // A missed entry is told in the status bar.
        QCOMPARE(notices.isEmpty(), !statuses.contains(QStringLiteral("Missed")));
        // Without logind (as here) the lock is simply not held.
        QVERIFY(!scheduler.sleepInhibitor().isHeld());
    }

    void readsWhateverTheFileHolds_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("firstRow"); // empty: not compared
        QTest::addColumn<bool>("timesRead");       // the first row runs from 10:00:00 to 10:00:05
        QTest::newRow("garbage") << QByteArray("lorem ipsum\r\n#!@$%^ &*\r\n") << 2
                                 << QStringList{u"lorem ipsum"_s, u""_s, u""_s, u""_s, u""_s} << false;
        QTest::newRow("three fields, then a full line")
            << QByteArray("a\tb\tc\r\nd\te\tf\tg\th\r\n") << 2
            << QStringList{u"a"_s, u"b"_s, u"c"_s, u""_s, u""_s} << false;
        QTest::newRow("fields past the fifth are ignored")
            << QByteArray("d\te\tf\tg\th\tx\ty\r\n") << 1
            << QStringList{u"d"_s, u"e"_s, u"f"_s, u"g"_s, u"h"_s} << false;
        QTest::newRow("empty lines are skipped")
            << QByteArray("\r\n\r\nx\r\n\n") << 1 << QStringList{u"x"_s, u""_s, u""_s, u""_s, u""_s} << false;
        QTest::newRow("an entry left recording by a killed program is done")
            << QByteArray("a\tb\t/r/x.WAV\tRecording\tc\r\n") << 1
            << QStringList{u"a"_s, u"b"_s, u"/r/x.WAV"_s, u"Done"_s, u"c"_s} << false;
        QTest::newRow("lone line feeds, no end of the last line")
            << QByteArray("a\tb\nc") << 2 << QStringList{u"a"_s, u"b"_s, u""_s, u""_s, u""_s} << false;
        QByteArray binary;
        for (int i = 0; i < 256; ++i)
            binary.append(static_cast<char>(i));
        QTest::newRow("binary bytes") << binary << 3 << QStringList() << false;
        QTest::newRow("ISO dates") << QByteArray(
                                          "2030-01-01T10:00:00\t2030-01-01 10:00:05\t\tWaiting\tiso\r\n")
                                   << 1 << QStringList() << true;
        QTest::newRow("the locale's dates")
            << u"%1\t%2\t\tWaiting\tlocal\r\n"_s.arg(at(0), at(5)).toUtf8() << 1 << QStringList() << true;
    }
    void readsWhateverTheFileHolds() {
        // Guards against a crash, lost lines or shifted cells on a damaged or foreign schedule
        // file, and against a save that does not give back what was loaded.
        QFETCH(QByteArray, content);
        QFETCH(int, rows);
        QFETCH(QStringList, firstRow);
        QFETCH(bool, timesRead);
        const QString path = ScheduleFile::path(m_app->path());
        writeFile(path, content);
        ScheduleModel list;
        QVERIFY(ScheduleFile::load(path, list).ok);
        QCOMPARE(list.rowCount(), rows);
        if (!firstRow.isEmpty())
            QCOMPARE(QStringList(list.row(0).begin(), list.row(0).end()), firstRow);
        if (timesRead) {
            QCOMPARE(list.startSeconds(0), std::optional<qint64>(ScheduleTime::wallSeconds(kBase)));
            QCOMPARE(list.stopSeconds(0), std::optional<qint64>(ScheduleTime::wallSeconds(kBase) + 5));
        }
        const QString copy = m_app->filePath(QStringLiteral("copy.dat"));
        QVERIFY(ScheduleFile::save(copy, list).ok);
        ScheduleModel again;
        QVERIFY(ScheduleFile::load(copy, again).ok);
        QCOMPARE(again.rowCount(), rows);
        for (int r = 0; r < rows; ++r)
            QCOMPARE(again.row(r), list.row(r));
    }

    void readsBackTheTimeItWrites_data() {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"C", "en_US", "de_DE", "fr_FR", "ja_JP", "ar_EG"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void readsBackTheTimeItWrites() {
        // Guards against a date written in one century and read in another (two-digit years),
        // an afternoon read as a morning, or the quick reader and the locale's disagreeing.
        QFETCH(QString, locale);
        const QLocale l(locale);
        const QDateTime when(QDate(2031, 12, 30), QTime(23, 59, 58));
        const QString text = ScheduleTime::text(when, l);
        QCOMPARE(ScheduleTime::seconds(text, l), std::optional<qint64>(ScheduleTime::wallSeconds(when)));
        QCOMPARE(ScheduleTime::read(text, l), when);
        QCOMPARE(ScheduleTime::seconds(QStringLiteral("2031-12-30T23:59:58"), l),
                 std::optional<qint64>(ScheduleTime::wallSeconds(when)));
        QCOMPARE(ScheduleTime::seconds(text + QStringLiteral("x"), l), std::nullopt);
    }

    void longFileLoadsQuickly() {
        // Guards against a schedule file of 100,000 lines that takes ages to open, or whose
        // missed entries flood the status bar.
        QByteArray content;
        const QByteArray line = QStringLiteral("%1\t%2\t\tWaiting\tnews\r\n").arg(at(0), at(5)).toUtf8();
        for (int i = 0; i < 100000; ++i)
            content += line;
        const QString path = ScheduleFile::path(m_app->path());
        writeFile(path, content);
        ScheduleModel list;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(ScheduleFile::load(path, list).ok);
        const qint64 loadMs = clock.elapsed();
        qInfo("100,000 lines loaded in %lld ms", loadMs);
        QCOMPARE(list.rowCount(), 100000);
        QVERIFY2(loadMs < 1000, qPrintable(QString::number(loadMs)));

        Scheduler scheduler(list);
        scheduler.setClock([] { return kBase.addSecs(60); });
        QSignalSpy notices(&scheduler, &Scheduler::notice);
        clock.restart();
        scheduler.tick();
        qInfo("the first check of 100,000 entries took %lld ms", clock.elapsed());
        QCOMPARE(list.row(99999)[ScheduleModel::Status], QStringLiteral("Missed"));
        QCOMPARE(notices.size(), 1);
        QVERIFY(notices[0][0].toString().contains(QStringLiteral("100000")));
    }

    void hugeFileIsCutAndKept() {
        // Guards against a schedule of millions of empty lines taking gigabytes and seconds
        // before the window shows, and against a cut list saved over the whole file.
        QByteArray content(10 * 1024 * 1024, '\n');
        const QByteArray line = QStringLiteral("%1\t%2\t\tWaiting\tnews\r\n").arg(at(0), at(5)).toUtf8();
        for (int i = 0; i <= ScheduleFile::kMostEntries; ++i)
            content += line;
        const QString path = ScheduleFile::path(m_app->path());
        writeFile(path, content);
        QElapsedTimer clock;
        clock.start();
        MainWindow w(m_app->path());
        qInfo("the window was ready after %lld ms", clock.elapsed());
        QCOMPARE(w.scheduler().list().rowCount(), ScheduleFile::kMostEntries);
        QTRY_VERIFY(w.messageStatusText().contains(ScheduleFile::wholeCopyPath(path)));
        QCOMPARE(readAll(ScheduleFile::wholeCopyPath(path)), content);
        w.exitApplication();
    }

    void killDuringSaveLeavesAWholeList() {
        // Guards against a crash in the middle of a save leaving a truncated schedule.
        const QString path = ScheduleFile::path(m_app->path());
        QProcess writer;
        writer.start(QStringLiteral(SCHEDULE_WRITER), {path, QStringLiteral("20000")});
        QVERIFY(writer.waitForStarted());
        int saving = 0;
        while (saving < 3) {
            QVERIFY(writer.waitForReadyRead(20000));
            while (writer.canReadLine())
                saving = writer.readLine().trimmed().toInt();
        }
        // The third save has just begun: the kill lands in it.
        writer.kill();
        QVERIFY(writer.waitForFinished());
        ScheduleModel list;
        QVERIFY(ScheduleFile::load(path, list).ok);
        QCOMPARE(list.rowCount(), 20000);
        const QString generation = list.row(0)[ScheduleModel::Comment];
        QVERIFY(generation.toInt() >= saving - 1);
        QCOMPARE(list.row(19999)[ScheduleModel::Comment], generation);
    }

    void entryDialogChecksTheTimes_data() {
        QTest::addColumn<int>("stopDay"); // days after the start's
        QTest::addColumn<QTime>("startTime");
        QTest::addColumn<QTime>("stopTime");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("stored"); // empty: refused with "Time is error"
        QTest::newRow("equal times are refused") << 0 << QTime(10, 0) << QTime(10, 0) << u"x"_s << u""_s;
        QTest::newRow("a stop before the start is refused")
            << 0 << QTime(10, 0, 5) << QTime(10, 0) << u"x"_s << u""_s;
        QTest::newRow("the next day at an earlier clock time")
            << 1 << QTime(22, 0) << QTime(6, 0) << u"night"_s << u"night"_s;
        QTest::newRow("leading spaces are kept")
            << 0 << QTime(10, 0) << QTime(10, 0, 1) << u"  news"_s << u"  news"_s;
        QTest::newRow("TAB and line breaks become spaces")
            << 0 << QTime(10, 0) << QTime(11, 0) << u"a\tb\r\nc"_s << u"a b  c"_s;
    }
    void entryDialogChecksTheTimes() {
        // Guards against entries that cannot run being accepted, and comments changed or
        // breaking the file's columns.
        QFETCH(int, stopDay);
        QFETCH(QTime, startTime);
        QFETCH(QTime, stopTime);
        QFETCH(QString, comment);
        QFETCH(QString, stored);
        ScheduleModel list;
        ScheduleEntryDialog dialog(
            list, [] { return kBase; }, m_app->path());
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("SkinLabel1"))->text(), at(0));
        QCOMPARE(dialog.findChild<QTimeEdit*>(QStringLiteral("DTPicker2"))->time(), kBase.time());
        dialog.findChild<QTimeEdit*>(QStringLiteral("DTPicker2"))->setTime(startTime);
        dialog.findChild<QDateEdit*>(QStringLiteral("DTPicker3"))->setDate(kBase.date().addDays(stopDay));
        dialog.findChild<QTimeEdit*>(QStringLiteral("DTPicker4"))->setTime(stopTime);
        dialog.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(comment);
        Dialogs::setNextMessageAnswer(QMessageBox::Ok);
        click(&dialog, "Command1");
        if (stored.isEmpty()) {
            QCOMPARE(Dialogs::shownMessages(), QStringList{QStringLiteral("Time is error")});
            QCOMPARE(list.rowCount(), 0);
            return;
        }
        QVERIFY(Dialogs::shownMessages().isEmpty());
        QCOMPARE(list.rowCount(), 1);
        const ScheduleModel::Row expected{
            ScheduleTime::text(QDateTime(kBase.date(), startTime), QLocale()),
            ScheduleTime::text(QDateTime(kBase.date().addDays(stopDay), stopTime), QLocale()), QString(),
            QStringLiteral("Waiting"), stored};
        QCOMPARE(list.row(0), expected);
    }

    void windowEditsAndSavesTheList() {
        // Guards against the schedule window losing its edits: OK and the close box both write
        // the file, and the button and the menu entry open the same list.
        MainWindow w(m_app->path());
        const QString path = ScheduleFile::path(m_app->path());
        QCOMPARE(readAll(path), QByteArray()); // created empty at start
        const auto enabled = [](QWidget* window, const char* name) {
            return window->findChild<QPushButton*>(QLatin1String(name))->isEnabled();
        };
        QTimer::singleShot(0, &w, [&] {
            auto* window = w.findChild<QDialog*>(QStringLiteral("Form5"));
            QVERIFY(window && window->isVisible() && window->windowTitle() == QLatin1String("Schedule"));
            // Remove and Clear do nothing on an empty list, Remove nothing without a selection.
            QVERIFY(!enabled(window, "Command2") && !enabled(window, "Command3"));
            QTimer::singleShot(0, window, [window] {
                auto* entry = window->findChild<QDialog*>(QStringLiteral("Form6"));
                QVERIFY(entry && entry->windowTitle() == QLatin1String("Scheduler"));
                entry->findChild<QTimeEdit*>(QStringLiteral("DTPicker4"))
                    ->setTime(entry->findChild<QTimeEdit*>(QStringLiteral("DTPicker2"))->time().addSecs(60));
                entry->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("note"));
                click(entry, "Command1");
            });
            click(window, "Command1");
            QVERIFY(!enabled(window, "Command2") && enabled(window, "Command3"));
            click(window, "Command4");
        });
        click(&w, "Command2");
        QVERIFY(readAll(path).endsWith("\tWaiting\tnote\r\n"));
        QCOMPARE(readAll(path).count("\r\n"), 1);

        QTimer::singleShot(0, &w, [&] {
            auto* window = w.findChild<QDialog*>(QStringLiteral("Form5"));
            QCOMPARE(window->findChild<QWidget*>(QStringLiteral("ListView1"))->isVisible(), true);
            click(window, "Command3");
            QVERIFY(!enabled(window, "Command2") && !enabled(window, "Command3"));
            window->close();
        });
        w.findChild<QAction*>(QStringLiteral("schedule"))->trigger();
        QCOMPARE(readAll(path), QByteArray());
        QCOMPARE(w.scheduler().list().rowCount(), 0);
    }
};

QTEST_MAIN(TestSchedule)
#include "test_schedule.moc"
