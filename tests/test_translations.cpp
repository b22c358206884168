// What the translations rest on: every text a window asks to be translated is listed in the .ts
// files under the context it is asked with, and texts the program stores stay English.
#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleModel.h"
#include "shell/ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>
#include <algorithm>

namespace {

using Key = std::pair<QString, QString>; // context, source text

// Notes what is asked and answers with the English text, or a marked one when `marked`.
class NotingTranslator : public QTranslator {
public:
    explicit NotingTranslator(bool marked)
        : m_marked(marked) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        asked.insert({QString::fromUtf8(context), QString::fromUtf8(source)});
        return m_marked ? QStringLiteral("<<%1>>").arg(QString::fromUtf8(source)) : QString();
    }
    mutable QSet<Key> asked;

private:
    bool m_marked;
};

QSet<Key> listedTexts(const QString& tsPath) {
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSet<Key> listed;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            listed.insert({context, xml.readElementText(QXmlStreamReader::IncludeChildElements)});
    }
    return listed;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowTextsAreListedUnderTheirContexts() {
        // Guards against a text asked under another context than lupdate files it under: it
        // would stay English in every language.
        const QSet<Key> listed = listedTexts(qEnvironmentVariable("TAVRIK_TS"));
        QVERIFY2(!listed.isEmpty(), "TAVRIK_TS names no .ts file");
        QSet<QString> ourContexts;
        for (const Key& key : listed)
            ourContexts.insert(key.first);

        NotingTranslator translator(false);
        QCoreApplication::installTranslator(&translator);
        QTemporaryDir app;
        {
            MainWindow window(app.path());
            window.show();
            // Each window that opens modally is closed again as soon as it shows; the format
            // settings open each format's own window first.
            QTimer closer;
            bool formatsOpened = false;
            connect(&closer, &QTimer::timeout, [&formatsOpened] {
                QWidget* modal = QApplication::activeModalWidget();
                if (modal && modal->objectName() == QLatin1String("Form2") && !formatsOpened) {
                    formatsOpened = true;
                    // Queued: a window opened from this handler would wait for a tick it cannot get.
                    for (const char* name : {"cmdWAV", "cmdMP3", "cmdVOX", "cmdOgg", "cmdRAW", "cmdG726"})
                        if (auto* open = modal->findChild<QPushButton*>(QLatin1String(name)))
                            QMetaObject::invokeMethod(open, &QPushButton::click, Qt::QueuedConnection);
                    return;
                }
                if (modal)
                    modal->close();
            });
            closer.start(20);
            for (const char* name : {"outputfile", "formatsettings", "soundactivation", "severalsources",
                                     "schedule", "audioplayer", "audioconverter", "EditID3", "about"}) {
                auto* action = window.findChild<QAction*>(QLatin1String(name));
                QVERIFY2(action, name);
                action->trigger();
            }
        }
        QCoreApplication::removeTranslator(&translator);

        QStringList unlisted;
        for (const Key& key : std::as_const(translator.asked)) {
            const bool qtsOwn = key.first.startsWith(QLatin1Char('Q')) && !ourContexts.contains(key.first);
            // Numbers and names such as "44100" or "PCM" pass through tr() with their captions
            // but are no words to translate.
            const bool words = std::ranges::any_of(key.second, [](QChar c) { return c.isLower(); });
            if (!qtsOwn && words && !listed.contains(key))
                unlisted << key.first + QStringLiteral(": ") + key.second;
        }
        QVERIFY2(unlisted.isEmpty(), qPrintable(unlisted.join(QLatin1Char('\n'))));
        QVERIFY(translator.asked.contains(
            {QStringLiteral("OutputNamingDialog"), QStringLiteral("Output Files")}));
    }

    void scheduleStatusIsStoredInEnglish_data() {
        QTest::addColumn<QString>("status");
        QTest::newRow("waiting") << ScheduleModel::kWaiting;
        QTest::newRow("recording") << ScheduleModel::kRecording;
        QTest::newRow("done") << ScheduleModel::kDone;
        QTest::newRow("missed") << ScheduleModel::kMissed;
    }

    void scheduleStatusIsStoredInEnglish() {
        // Guards against a translated status word in schedule.dat, which the next start
        // (in any language) could no longer read as that status.
        QFETCH(QString, status);
        NotingTranslator translator(true);
        QCoreApplication::installTranslator(&translator);
        ScheduleModel list;
        list.appendEntry(QStringLiteral("start"), QStringLiteral("stop"), QStringLiteral("comment"));
        list.setStatus(0, status);
        QCOMPARE(list.data(list.index(0, ScheduleModel::Status), Qt::DisplayRole).toString(),
                 QStringLiteral("<<%1>>").arg(status));
        QCOMPARE(list.data(list.index(0, ScheduleModel::Comment), Qt::DisplayRole).toString(),
                 QStringLiteral("comment"));
        QTemporaryDir dir;
        const QString path = ScheduleFile::path(dir.path());
        QVERIFY(ScheduleFile::save(path, list).ok);
        QCoreApplication::removeTranslator(&translator);

        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QStringLiteral("start\tstop\t\t%1\tcomment\r\n").arg(status).toUtf8());
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
