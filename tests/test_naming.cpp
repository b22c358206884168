#include "base/TimeText.h"
#include "record/OutputNaming.h"

#include <QTest>

class TestNaming : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void composeOutputPath_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("datetime");
        QTest::addColumn<QString>("existed");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("expected");
        const QString stamped = QStringLiteral("/rec/Take122626143005.WAV");
        QTest::newRow("empty section: stamp in app folder")
            << ""
            << ""
            << ""
            << "MP3" << QStringList{} << "/app/Take122626143005.MP3";
        QTest::newRow("stamp when free") << "/rec"
                                         << "1"
                                         << "0"
                                         << "WAV" << QStringList{} << stamped;
        QTest::newRow("stamped name taken gets a number")
            << "/rec"
            << "1"
            << "0"
            << "WAV" << QStringList{stamped} << "/rec/Take122626143005_4.WAV";
        QTest::newRow("non-numeric datetime stamps, overwrite keeps the name")
            << "/rec"
            << "yes"
            << "1"
            << "WAV" << QStringList{stamped} << stamped;
        QTest::newRow("plain name when free") << "/rec"
                                              << "0"
                                              << "0"
                                              << "Raw" << QStringList{} << "/rec/Take.Raw";
        QTest::newRow("number when taken")
            << "/rec"
            << "0"
            << "0"
            << "OGG" << QStringList{QStringLiteral("/rec/Take.OGG")} << "/rec/Take_4.OGG";
        QTest::newRow("missing rule adds number")
            << "/rec"
            << "0"
            << ""
            << "OGG" << QStringList{QStringLiteral("/rec/Take.OGG")} << "/rec/Take_4.OGG";
        QTest::newRow("numbered names taken count on")
            << "/rec"
            << "0"
            << "0"
            << "WAV"
            << QStringList{QStringLiteral("/rec/Take.WAV"), QStringLiteral("/rec/Take_4.WAV"),
                           QStringLiteral("/rec/Take_5.WAV")}
            << "/rec/Take_6.WAV";
        QTest::newRow("overwrite when taken")
            << "/rec"
            << "0"
            << "1"
            << "WAV" << QStringList{QStringLiteral("/rec/Take.WAV")} << "/rec/Take.WAV";
        QTest::newRow("any other number overwrites")
            << "/rec"
            << "2"
            << "7"
            << "WAV" << QStringList{QStringLiteral("/rec/Take.WAV")} << "/rec/Take.WAV";
        QTest::newRow("folder with trailing slash") << "/rec/"
                                                    << "0"
                                                    << "0"
                                                    << "WAV" << QStringList{} << "/rec/Take.WAV";
    }
    void composeOutputPath() {
        // Guards against the naming rules drifting, and against "Add number" replacing a file.
        QFETCH(QString, folder);
        QFETCH(QString, datetime);
        QFETCH(QString, existed);
        QFETCH(QString, ext);
        QFETCH(QStringList, taken);
        QFETCH(QString, expected);
        const QDateTime now(QDate(2026, 12, 26), QTime(14, 30, 5));
        const QString path =
            ::composeOutputPath({folder, QStringLiteral("Take"), datetime, existed}, QStringLiteral("/app"),
                                ext, 3, now, [&](const QString& p) { return taken.contains(p); });
        QCOMPARE(path, expected);
    }

    void elapsedText_data() {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << qint64(0) << "0:00.000";
        QTest::newRow("999") << qint64(999) << "0:00.999";
        QTest::newRow("60000") << qint64(60000) << "1:00.000";
        QTest::newRow("61005") << qint64(61005) << "1:01.005";
        QTest::newRow("3600000") << qint64(3600000) << "60:00.000";
        QTest::newRow("125040") << qint64(125040) << "2:05.040";
    }
    void elapsedText() {
        // Guards against padding mistakes in the elapsed-time and duration texts.
        QFETCH(qint64, ms);
        QFETCH(QString, text);
        QCOMPARE(::elapsedText(ms), text);
    }
};

QTEST_GUILESS_MAIN(TestNaming)
#include "test_naming.moc"
