#include "recordings/RecordingsActions.h"
#include "recordings/RecordingsModel.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

class TestRecordings : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString makeFile(const QString& name, qint64 size) {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || !f.resize(size))
            return {};
        return path;
    }

private Q_SLOTS:
    void sizeText_data() {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.5") << qint64(1572864) << "1.5MB";
        QTest::newRow("whole") << qint64(1048576) << "1.MB";
        QTest::newRow("small") << qint64(10000) << "0.01MB";
        QTest::newRow("zero") << qint64(0) << "0.MB";
        QTest::newRow("rounds up") << qint64(1048576 * 2 - 100) << "2.MB";
        QTest::newRow("big") << qint64(5000) * 1048576 + 524288 << "5000.5MB";
    }
    void sizeText() {
        // Guards against the "0.##" size pattern losing its separator or trailing rules.
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(::sizeText(bytes, QLocale::c()), text);
        QCOMPARE(::sizeText(1572864, QLocale(QLocale::German)), QStringLiteral("1,5MB"));
    }

    void appendDeleteAndRenumber() {
        // Guards against stale numbers after a removal and against loaded numbers leaking into appends.
        RecordingsModel model;
        model.appendRows({{QStringLiteral("7"), QStringLiteral("/a"), {}, {}, {}}});
        const QDateTime start(QDate(2026, 12, 7), QTime(10, 0));
        for (int i = 0; i < 4; ++i)
            model.appendRecording(makeFile(QStringLiteral("r%1.WAV").arg(i), 1048576),
                                  QStringLiteral("0:03.000"), start);
        QCOMPARE(model.row(0)[RecordingsModel::Number], QStringLiteral("7"));
        QCOMPARE(model.row(1)[RecordingsModel::Number], QStringLiteral("2"));
        QCOMPARE(model.row(1)[RecordingsModel::Size],
                 QStringLiteral("1") + QLocale().decimalPoint() + QStringLiteral("MB"));
        QVERIFY(!model.row(1)[RecordingsModel::RecordTime].contains(QLatin1Char('\t')));

        const QString third = model.path(2);
        RecordingsActions::deleteFile(model, 2);
        QVERIFY(!QFile::exists(third));
        QCOMPARE(model.rowCount(), 4);
        for (int r = 0; r < 4; ++r)
            QCOMPARE(model.row(r)[RecordingsModel::Number], QString::number(r + 1));
        QCOMPARE(model.path(2), m_dir.filePath(QStringLiteral("r2.WAV")));

        // A row whose file is already gone is still removed.
        RecordingsActions::deleteFile(model, 0);
        QCOMPARE(model.rowCount(), 3);
    }

    void rename() {
        // Guards against a rename replacing another recording or updating the row on failure.
        RecordingsModel model;
        const QString a = makeFile(QStringLiteral("a.WAV"), 10), b = makeFile(QStringLiteral("b.WAV"), 20);
        model.appendRecording(a, QStringLiteral("0:01.000"), QDateTime::currentDateTime());
        QCOMPARE(RecordingsActions::rename(model, 0, b), RecordingsActions::RenameResult::Failed);
        QCOMPARE(QFile(b).size(), 20);
        QCOMPARE(model.path(0), a);
        const QString c = m_dir.filePath(QStringLiteral("c.WAV"));
        QCOMPARE(RecordingsActions::rename(model, 0, c), RecordingsActions::RenameResult::Renamed);
        QCOMPARE(model.path(0), c);
        QVERIFY(QFile::exists(c) && !QFile::exists(a));
    }
};

QTEST_GUILESS_MAIN(TestRecordings)
#include "test_recordings.moc"
