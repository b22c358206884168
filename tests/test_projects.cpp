#include "recordings/ProjectFile.h"
#include "recordings/RecordingsModel.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <algorithm>

namespace {

RecordingsModel::Row row(const QString& n, const QString& path) {
    return {n, path, QStringLiteral("1.5MB"), QStringLiteral("2:05.040"), QStringLiteral("12/6/26 2:03 PM")};
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace

class TestProjects : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private Q_SLOTS:
    void roundTrip() {
        // Guards against cells lost, reordered or re-encoded between save and open.
        RecordingsModel saved;
        saved.appendRows({row(QStringLiteral("1"), QStringLiteral("/rec/take one.wav")),
                          row(QStringLiteral("2"), QStringLiteral("/rec/caf\u00e9.mp3")),
                          row(QStringLiteral("3"), QStringLiteral("/rec/x.OGG"))});
        const QString path = m_dir.filePath(QStringLiteral("proj"));
        QVERIFY(ProjectFile::save(path, saved).ok);
        const QByteArray bytes = readAll(path);
        QVERIFY(bytes.startsWith("1\t/rec/take one.wav\t1.5MB\t2:05.040\t12/6/26 2:03 PM\r\n2\t"));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), 3);

        RecordingsModel opened;
        QVERIFY(ProjectFile::open(path, opened).ok);
        QCOMPARE(opened.rowCount(), 3);
        for (int r = 0; r < 3; ++r)
            QCOMPARE(opened.row(r), saved.row(r));

        RecordingsModel empty;
        QVERIFY(ProjectFile::save(path, empty).ok);
        QCOMPARE(readAll(path), QByteArray());
    }

    void openRules_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("cells"); // "|"-separated
        const QByteArray full = "7\t/a.wav\t1.MB\t0:01.000\tT\r\n";
        QTest::newRow("trailing empty line") << full + "\r\n"
                                             << QStringLiteral("7|/a.wav|1.MB|0:01.000|T|||||");
        QTest::newRow("short line stops")
            << full + "8\t/b.wav\r\n" + full << QStringLiteral("7|/a.wav|1.MB|0:01.000|T|8|/b.wav|||");
        QTest::newRow("extra fields ignored")
            << QByteArray("1\t2\t3\t4\t5\t6\t7\r\n") << QStringLiteral("1|2|3|4|5");
        QTest::newRow("LF line ends")
            << QByteArray("1\t2\t3\t4\t5\n6\t7\t8\t9\t10") << QStringLiteral("1|2|3|4|5|6|7|8|9|10");
        QTest::newRow("empty file") << QByteArray() << QString();
    }
    void openRules() {
        // Guards against the line rules: short lines end loading, empty lines give empty rows.
        QFETCH(QByteArray, file);
        QFETCH(QString, cells);
        const QString path = m_dir.filePath(QStringLiteral("rules.rpf"));
        writeAll(path, file);
        RecordingsModel list;
        QVERIFY(ProjectFile::open(path, list).ok);
        QStringList got;
        for (int r = 0; r < list.rowCount(); ++r)
            for (const QString& cell : list.row(r))
                got << cell;
        QCOMPARE(got.join(QLatin1Char('|')), cells);
    }

    void appendsAndKeepsNumbers() {
        // Guards against open replacing the list or renumbering the loaded rows.
        const QString path = m_dir.filePath(QStringLiteral("two.rpf"));
        writeAll(path, "5\t/p.wav\t1.MB\t0:01.000\tT\r\n9\t/q.wav\t1.MB\t0:01.000\tT\r\n");
        RecordingsModel list;
        list.appendRows(
            {row(QStringLiteral("1"), QStringLiteral("/a")), row(QStringLiteral("2"), QStringLiteral("/b"))});
        QVERIFY(ProjectFile::open(path, list).ok);
        QCOMPARE(list.rowCount(), 4);
        QCOMPARE(list.row(2)[RecordingsModel::Number], QStringLiteral("5"));
        QCOMPARE(list.row(3)[RecordingsModel::Number], QStringLiteral("9"));
        QCOMPARE(list.path(3), QStringLiteral("/q.wav"));
    }

    void failuresKeepWhatExists() {
        // Guards against a failed save destroying the previous project or passing as success.
        const QString path = m_dir.filePath(QStringLiteral("keep.rpf"));
        writeAll(path, "1\t/old.wav\t1.MB\t0:01.000\tT\r\n");
        RecordingsModel list;
        list.appendRows({row(QStringLiteral("1"), QStringLiteral("/new.wav"))});
        const ProjectFile::Result missing =
            ProjectFile::save(m_dir.filePath(QStringLiteral("no/such/dir/p.rpf")), list);
        QVERIFY(!missing.ok);
        QVERIFY(missing.error.contains(QStringLiteral("p.rpf")));
        QVERIFY(!ProjectFile::open(m_dir.filePath(QStringLiteral("absent.rpf")), list).ok);
        QVERIFY(!ProjectFile::open(m_dir.path(), list).ok);
        QCOMPARE(list.rowCount(), 1);
        QCOMPARE(readAll(path), QByteArray("1\t/old.wav\t1.MB\t0:01.000\tT\r\n"));
    }

    void hostileFiles() {
        // Guards against crashes or runaway memory on binary garbage and very long projects.
        const QString path = m_dir.filePath(QStringLiteral("garbage.rpf"));
        QByteArray garbage(1 << 20, '\0');
        QRandomGenerator rng(42);
        rng.fillRange(reinterpret_cast<quint32*>(garbage.data()), garbage.size() / 4);
        writeAll(path, garbage);
        RecordingsModel list;
        QVERIFY(ProjectFile::open(path, list).ok);
        QVERIFY(list.rowCount() >= 1);

        QByteArray many;
        for (int i = 1; i <= 100000; ++i)
            many += QByteArray::number(i) + "\t/rec/take" + QByteArray::number(i) +
                    ".wav\t1.5MB\t0:03.000\tT\r\n";
        writeAll(path, many);
        // The progress reaches the caller's thread, rising to the whole file.
        RecordingsModel big;
        QList<int> percents;
        QVERIFY(ProjectFile::open(path, big, [&percents](int percent) {
                    QCOMPARE(QThread::currentThread(), QCoreApplication::instance()->thread());
                    percents << percent;
                }).ok);
        QVERIFY(std::ranges::is_sorted(percents));
        QCOMPARE(percents.value(percents.size() - 1), 100);
        QCOMPARE(big.rowCount(), 100000);
        QCOMPARE(big.path(99999), QStringLiteral("/rec/take100000.wav"));
    }
};

QTEST_GUILESS_MAIN(TestProjects)
#include "test_projects.moc"
