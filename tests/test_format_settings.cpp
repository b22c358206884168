#include "TestSupport.h"
#include "base/AppFolder.h"
#include "base/SettingsFile.h"
#include "base/ui/Dialogs.h"
#include "engine/dsp/SignalChain.h"
#include "engine/pulse/AudioRecorder.h"
#include "formats/ui/FormatSettingsDialog.h"
#include "shell/ApplicationCore.h"
#include "shell/ui/MainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace testsupport;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList fields(const char* commaSeparated) {
    return QString::fromLatin1(commaSeparated).split(QLatin1Char(','));
}

double rms(const std::vector<float>& samples) {
    double sum = 0;
    for (float s : samples)
        sum += static_cast<double>(s) * s;
    return samples.empty() ? 0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

} // namespace

class TestFormatSettings : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_app;
    QString m_settings;

    void other(const char* key, const QString& text) {
        writeSetting(m_settings, QStringLiteral("other"), QLatin1String(key), text);
    }
    QString storedOther(const char* key) const {
        return readSetting(m_settings, QStringLiteral("other"), QLatin1String(key));
    }

    // Opens the settings window from the main window's menu, runs `interact` in it, then
    // presses `button` ("Command1" OK, "Command2" Cancel).
    void runDialog(MainWindow& w, const std::function<void(QDialog*)>& interact, const char* button) {
        QTimer::singleShot(0, &w, [&] {
            auto* d = w.findChild<QDialog*>(QStringLiteral("Form2"));
            QVERIFY(d);
            interact(d);
            QTest::mouseClick(d->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
        });
        w.findChild<QAction*>(QStringLiteral("formatsettings"))->trigger();
    }

    // Records two seconds into `name`.WAV and measures its level after the first half second.
    void recordTone(MainWindow& w, const char* name, double& level) {
        writeSetting(m_settings, QStringLiteral("set"), QStringLiteral("filename"), QLatin1String(name));
        w.startRecording();
        QTRY_VERIFY_WITH_TIMEOUT(w.session().elapsed() >= QLatin1String("0:02"), 6000);
        w.stopRecording();
        std::vector<float> mono =
            soxDecodeMono(m_app->filePath(QLatin1String(name) + QStringLiteral(".WAV")));
        // A filter fades in over its first moments; measure the steady part.
        mono.erase(mono.begin(),
                   mono.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(mono.size(), 22050)));
        level = rms(mono);
    }

private Q_SLOTS:
    void init() {
        m_app = std::make_unique<QTemporaryDir>();
        m_settings = settingsFile(m_app->path());
        writeSetting(m_settings, QStringLiteral("set"), QStringLiteral("folder"), m_app->path());
        writeSetting(m_settings, QStringLiteral("set"), QStringLiteral("filename"), QStringLiteral("take"));
        writeSetting(m_settings, QStringLiteral("set"), QStringLiteral("datetime"), QStringLiteral("0"));
    }

    void filtersAndGain_data() {
        QTest::addColumn<QStringList>("stored"); // notch, notchtxt, lowlevel, attacktime, autogain
        QTest::addColumn<QString>("typedNotch"); // typed into txtNotchFreq, empty: nothing typed
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("expected"); // what settings.dat holds afterwards
        QTest::addColumn<int>("appliedNotch");     // the running notch frequency afterwards
        QTest::newRow("stored values kept by OK")
            << fields("1,60,-30,150,1") << QString() << true << fields("1,60,-30,150,1") << 60;
        QTest::newRow("text and out of range shown as applied")
            << fields("1,abc,-200,9999,1") << QString() << true << fields("1,50,-90,200,1") << 50;
        QTest::newRow("typed past the range is refused")
            << fields("1,60,-30,150,0") << QStringLiteral("500") << true << fields("1,50,-30,150,0") << 50;
        QTest::newRow("typed below the range is raised")
            << fields("1,60,-30,150,0") << QStringLiteral("5") << true << fields("1,40,-30,150,0") << 40;
        QTest::newRow("cancel keeps file and capture")
            << fields("1,60,-30,150,1") << QStringLiteral("120") << false << fields("1,60,-30,150,1") << 60;
    }
    void filtersAndGain() {
        // Fault: a field and its up-down disagree (stored text differs from what is applied),
        // broken values crash or get applied, or Cancel changes the capture (gain control off).
        QFETCH(QStringList, stored);
        QFETCH(QString, typedNotch);
        QFETCH(bool, ok);
        QFETCH(QStringList, expected);
        QFETCH(int, appliedNotch);
        const char* keys[] = {"notch", "notchtxt", "lowlevel", "attacktime", "autogain"};
        for (int i = 0; i < 5; ++i)
            other(keys[i], stored[i]);
        MainWindow w(m_app->path());
        SignalChain& chain = w.findChild<ApplicationCore*>()->recorder().signalChain();
        const bool agcBefore = chain.agcEnabled();
        const QByteArray before = bytesOf(m_settings);
        runDialog(
            w,
            [&](QDialog* d) {
                QVERIFY(d->findChild<QSpinBox*>(QStringLiteral("udNotchFreq"))->isEnabled());
                if (!typedNotch.isEmpty()) {
                    auto* field = d->findChild<QLineEdit*>(QStringLiteral("txtNotchFreq"));
                    field->selectAll();
                    QTest::keyClicks(field, typedNotch);
                }
            },
            ok ? "Command1" : "Command2");
        for (int i = 0; i < 5; ++i)
            QCOMPARE(storedOther(keys[i]), expected[i]);
        if (!ok) {
            QCOMPARE(bytesOf(m_settings), before);
            QCOMPARE(chain.agcEnabled(), agcBefore);
        } else {
            QCOMPARE(chain.agcEnabled(), expected[4] == QLatin1String("1"));
            if (chain.agcEnabled())
                QCOMPARE(chain.agcLowLevel(), expected[2].toInt());
        }
        QCOMPARE(chain.filterEnabled(SignalChain::Notch), true);
        QCOMPARE(qRound(chain.filterFrequency(SignalChain::Notch)), appliedNotch);
        Dialogs::setNextMessageAnswer(QMessageBox::Cancel);
        w.exitApplication();
    }

    void highPassReachesTheNextRecording() {
        // Fault: OK stores the filters but the next recording is made without them.
        MainWindow w(m_app->path());
        auto* sources = w.findChild<QComboBox*>(QStringLiteral("cmbSrcInput"));
        sources->setCurrentIndex(sources->findText(QStringLiteral("Monitor of Tone")));
        double plain = 0;
        recordTone(w, "plain", plain);
        runDialog(
            w,
            [](QDialog* d) {
                d->findChild<QCheckBox*>(QStringLiteral("chFilter1"))->setChecked(true);
                d->findChild<QSpinBox*>(QStringLiteral("udHighPassFreq"))->setValue(4000);
            },
            "Command1");
        double filtered = 0;
        recordTone(w, "filtered", filtered);
        QVERIFY2(plain > 0.1 && filtered < plain / 10,
                 qPrintable(QStringLiteral("%1 against %2").arg(filtered).arg(plain)));
        Dialogs::setNextMessageAnswer(QMessageBox::Cancel);
        w.exitApplication();
    }

    void formatRowsShowSizes() {
        // Fault: a row shows another format's description (the open file's while recording)
        // or a size that does not follow its format.
        writeSetting(m_settings, QStringLiteral("wav"), QStringLiteral("Freq"), QStringLiteral("8000"));
        writeSetting(m_settings, QStringLiteral("wav"), QStringLiteral("Channel"), QStringLiteral("1"));
        MainWindow w(m_app->path());
        w.startRecording(); // a WAV file is open meanwhile
        runDialog(
            w,
            [](QDialog* d) {
                QCOMPARE(d->findChild<QLineEdit*>(QStringLiteral("txtWAV"))->text(),
                         QStringLiteral("WAV PCM 8000 Hz 16-bit mono"));
                QVERIFY(d->findChild<QLineEdit*>(QStringLiteral("txtMP3"))
                            ->text()
                            .startsWith(QStringLiteral("MP3")));
                QVERIFY(d->findChild<QLineEdit*>(QStringLiteral("txtOGG"))
                            ->text()
                            .startsWith(QStringLiteral("Ogg")));
                // 8000 Hz 16-bit mono: 57.6 MB an hour.
                QVERIFY2(d->findChild<QLabel*>(QStringLiteral("lblSizeWAV"))
                             ->text()
                             .startsWith(QStringLiteral("58 MB per hour, ")),
                         qPrintable(d->findChild<QLabel*>(QStringLiteral("lblSizeWAV"))->text()));
            },
            "Command2");
        w.stopRecording();
        Dialogs::setNextMessageAnswer(QMessageBox::Cancel);
        w.exitApplication();
    }

    void sizeTexts_data() {
        QTest::addColumn<double>("bytesPerSecond");
        QTest::addColumn<qint64>("freeBytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("cd quality") << 176400.0 << qint64{10'000'000'000}
                                    << QStringLiteral("635 MB per hour, 16 h free");
        QTest::newRow("little room") << 16000.0 << qint64{50'000'000}
                                     << QStringLiteral("58 MB per hour, 0.9 h free");
        QTest::newRow("free space unknown") << 16000.0 << qint64{-1} << QStringLiteral("58 MB per hour");
        QTest::newRow("refused format") << 0.0 << qint64{1000} << QString();
    }
    void sizeTexts() {
        // Fault: a wrong unit or a division by a refused format's zero rate.
        QFETCH(double, bytesPerSecond);
        QFETCH(qint64, freeBytes);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(FormatSettingsDialog::sizeText(bytesPerSecond, freeBytes), text);
    }
};

QTEST_MAIN(TestFormatSettings)
#include "test_format_settings.moc"
