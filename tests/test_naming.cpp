#include "record/OutputNaming.h"

#include <QTest>

class TestNaming : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void composeOutputPath_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("datetime");
        QTest::addColumn<QString>("existed");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty section: stamp in app folder") << ""
                                                            << ""
                                                            << ""
                                                            << ""
                                                            << "MP3" << false << "/app/122626143005.MP3";
        QTest::newRow("stamp even when the file exists") << "/rec"
                                                         << "Take"
                                                         << "1"
                                                         << "0"
                                                         << "WAV" << true << "/rec/Take122626143005.WAV";
        QTest::newRow("non-numeric datetime stamps") << "/rec"
                                                     << "Take"
                                                     << "yes"
                                                     << "1"
                                                     << "WAV" << true << "/rec/Take122626143005.WAV";
        QTest::newRow("plain name when free") << "/rec"
                                              << "Take"
                                              << "0"
                                              << "0"
                                              << "Raw" << false << "/rec/Take.Raw";
        QTest::newRow("number when taken") << "/rec"
                                           << "Take"
                                           << "0"
                                           << "0"
                                           << "OGG" << true << "/rec/Take_4.OGG";
        QTest::newRow("missing rule adds number") << "/rec"
                                                  << "Take"
                                                  << "0"
                                                  << ""
                                                  << "OGG" << true << "/rec/Take_4.OGG";
        QTest::newRow("overwrite when taken") << "/rec"
                                              << "Take"
                                              << "0"
                                              << "1"
                                              << "WAV" << true << "/rec/Take.WAV";
        QTest::newRow("any other number overwrites") << "/rec"
                                                     << "Take"
                                                     << "2"
                                                     << "7"
                                                     << "WAV" << true << "/rec/Take.WAV";
        QTest::newRow("folder with trailing slash") << "/rec/"
                                                    << "T"
                                                    << "0"
                                                    << "0"
                                                    << "WAV" << false << "/rec/T.WAV";
    }
    void composeOutputPath() {
        // Guards against the naming rules (stamp, number, overwrite, extension case) drifting.
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, datetime);
        QFETCH(QString, existed);
        QFETCH(QString, ext);
        QFETCH(bool, exists);
        QFETCH(QString, expected);
        const QDateTime now(QDate(2026, 12, 26), QTime(14, 30, 5));
        QStringList asked;
        const QString path = ::composeOutputPath({folder, name, datetime, existed}, QStringLiteral("/app"),
                                                 ext, 3, now, [&](const QString& p) {
                                                     asked << p;
                                                     return exists;
                                                 });
        QCOMPARE(path, expected);
        // The numbered name is never checked again: an existing one gets overwritten.
        QVERIFY(asked.size() <= 1);
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
