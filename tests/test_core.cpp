#include "TestSupport.h"
#include "base/AppFolder.h"
#include "base/SettingsFile.h"
#include "engine/playback/FilePlayback.h"
#include "recordings/RecordingsModel.h"
#include "shell/ApplicationCore.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Picks the default device and its default source, as the window's lists do at start.
bool loadDefaults(ApplicationCore& core) {
    if (!core.load())
        return false;
    const DeviceSelection::DeviceList& list = core.devices();
    const DeviceSelection::SourceList sources =
        core.chooseDevice(list.devices[static_cast<std::size_t>(list.selected)].index);
    core.chooseSource(sources.selected);
    return !sources.names.empty();
}

} // namespace

// The application core without any window: what the main window forwards must work on
// its own, and the end must leave settings and recordings behind.
class TestCore : public QObject {
    Q_OBJECT
    QTemporaryDir m_app;

private Q_SLOTS:
    void init() {
        QVERIFY(m_app.isValid());
        writeSetting(settingsFile(m_app.path()), QStringLiteral("set"), QStringLiteral("outputformat"),
                     QStringLiteral("3"));
        writeSetting(settingsFile(m_app.path()), QStringLiteral("set"), QStringLiteral("folder"),
                     m_app.path());
    }

    void displaysFedOnlyWhileWatched_data() {
        QTest::addColumn<bool>("watched");
        QTest::newRow("watched") << true;
        QTest::newRow("hidden") << false;
    }
    void displaysFedOnlyWhileWatched() {
        // Fault: a hidden window's displays still cost analysis, or a shown one gets nothing.
        QFETCH(bool, watched);
        ApplicationCore core(m_app.path());
        QVERIFY(loadDefaults(core));
        core.setDisplaysWatched(watched, 1024, 512);
        QSignalSpy fed(&core, &ApplicationCore::displaysReady);
        QVERIFY(core.startRecording(QStringLiteral("WAV")).ok);
        if (watched) {
            QTRY_VERIFY_WITH_TIMEOUT(!fed.isEmpty(), 5000);
            const auto spectrum = fed.last().at(0).value<SampleBlock>();
            QVERIFY(spectrum.size() <= 1024);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(
                core.session().isRecording() && core.session().elapsed() >= QLatin1String("0:02"), 5000);
            QVERIFY(fed.isEmpty());
        }
        core.stopRecording();
        QCOMPARE(core.recordings().rowCount(), 1);
        QVERIFY(QFileInfo(core.recordings().path(0)).size() > 44);
    }

    void shutdownFinishesAndStores() {
        // Fault: ending while recording loses the running file's row, or forgets the format.
        ApplicationCore core(m_app.path());
        QVERIFY(loadDefaults(core));
        QCOMPARE(core.outputFormat(), 3);
        core.setOutputFormat(0);
        QVERIFY(core.startRecording(QStringLiteral("WAV")).ok);
        QTRY_VERIFY_WITH_TIMEOUT(core.session().elapsed() >= QLatin1String("0:00.5"), 5000);
        core.playRow(7); // no such row: nothing plays
        QVERIFY(core.playback().isStopped());
        core.shutdown();
        core.shutdown();
        QCOMPARE(core.recordings().rowCount(), 1);
        QVERIFY(QFileInfo(core.recordings().path(0)).size() > 44);
        QCOMPARE(
            readSetting(settingsFile(m_app.path()), QStringLiteral("set"), QStringLiteral("outputformat")),
            QStringLiteral("0"));
    }
};

QTEST_MAIN(TestCore)
#include "test_core.moc"
