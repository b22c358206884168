// Help and web entries of the main window and the About window, and Record Control, observed
// through stand-in programs on PATH and the browser's URL handler. Built twice: with the configured web
// addresses (EXPECTED_HOME_PAGE, EXPECTED_SUPPORT_PAGE) and with set ones.
#include "base/ui/Dialogs.h"
#include "shell/ui/AboutDialog.h"
#include "shell/ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
    QTemporaryDir m_app;
    std::unique_ptr<QTemporaryDir> m_bin;
    std::unique_ptr<MainWindow> m_window;
    QList<QUrl> m_opened;
    QByteArray m_path;

    QString appFile(const QString& name) const { return m_app.filePath(name); }
    QString programArgs(const QString& program) const {
        return m_bin->filePath(program + QStringLiteral(".args"));
    }

    // A stand-in for a program of the user's (CHM viewer, mixer): it notes its arguments and ends.
    void installProgram(const QString& name) {
        const QString path = m_bin->filePath(name);
        writeFile(path, QByteArrayLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args.tmp\" && "
                                          "/bin/mv \"$0.args.tmp\" \"$0.args\"\n"));
        QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void trigger(const char* name) {
        if (auto* action = m_window->findChild<QAction*>(QLatin1String(name))) {
            QVERIFY2(action->isEnabled(), name);
            action->trigger();
            return;
        }
        auto* button = m_window->findChild<QPushButton*>(QLatin1String(name));
        QVERIFY2(button && button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QUrl localPage(const char* name) const {
        return QUrl::fromLocalFile(appFile(QStringLiteral("help/") + QLatin1String(name)));
    }

public Q_SLOTS:
    void urlOpened(const QUrl& url) { m_opened << url; }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_app.isValid());
        m_path = qgetenv("PATH");
        for (const char* scheme : {"file", "http", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "urlOpened");
        m_window = std::make_unique<MainWindow>(m_app.path());
    }

    void cleanupTestCase() {
        for (const char* scheme : {"file", "http", "https"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
        m_window.reset();
        qputenv("PATH", m_path);
    }

    void init() {
        m_opened.clear();
        Dialogs::shownMessages().clear();
        QDir(appFile(QStringLiteral("help"))).removeRecursively();
        QFile::remove(appFile(QStringLiteral("help.chm")));
        m_bin = std::make_unique<QTemporaryDir>();
        // Only the stand-ins a test installs are programs that help can find.
        qputenv("PATH", m_bin->path().toLocal8Bit());
    }

    void helpStartsTheViewerOnTheAppFoldersChm_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("viewer");
        QTest::newRow("menu Help (F1), xchm") << QStringLiteral("helpitem") << QStringLiteral("xchm");
        QTest::newRow("button Help, kchmviewer")
            << QStringLiteral("Command10") << QStringLiteral("kchmviewer");
    }

    void helpStartsTheViewerOnTheAppFoldersChm() {
        // Guards against help that starts no viewer, or one on a help.chm other than the application
        // folder's.
        QFETCH(QString, command);
        QFETCH(QString, viewer);
        installProgram(viewer);
        writeFile(appFile(QStringLiteral("help.chm")), QByteArrayLiteral("ITSF"));
        writeFile(appFile(QStringLiteral("help/index.html")), QByteArrayLiteral("<html></html>"));
        trigger(command.toLatin1().constData());
        QTRY_VERIFY(QFileInfo::exists(programArgs(viewer)));
        QFile args(programArgs(viewer));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLocal8Bit(args.readAll()).trimmed(),
                 QFileInfo(appFile(QStringLiteral("help.chm"))).absoluteFilePath());
        QVERIFY(m_opened.isEmpty());
        QVERIFY(Dialogs::shownMessages().isEmpty());
    }

    void helpWithoutViewerOrChmOpensThePagesInTheBrowser_data() {
        QTest::addColumn<bool>("viewer");
        QTest::addColumn<bool>("chm");
        QTest::newRow("no viewer installed") << false << true;
        QTest::newRow("viewer but no help.chm") << true << false;
    }

    void helpWithoutViewerOrChmOpensThePagesInTheBrowser() {
        // Guards against help that shows nothing, or a viewer on a missing file, when the pages are there.
        QFETCH(bool, viewer);
        QFETCH(bool, chm);
        if (viewer)
            installProgram(QStringLiteral("xchm"));
        if (chm)
            writeFile(appFile(QStringLiteral("help.chm")), QByteArrayLiteral("ITSF"));
        writeFile(appFile(QStringLiteral("help/index.html")), QByteArrayLiteral("<html></html>"));
        trigger("helpitem");
        QCOMPARE(m_opened, QList<QUrl>{localPage("index.html")});
        QVERIFY(Dialogs::shownMessages().isEmpty());
    }

    void missingHelpIsSaid() {
        // Guards against a Help command that silently does nothing when no help is installed.
        installProgram(QStringLiteral("xchm"));
        Dialogs::setNextMessageAnswer(QMessageBox::Ok);
        trigger("helpitem");
        QCOMPARE(Dialogs::shownMessages().size(), 1);
        QVERIFY2(Dialogs::shownMessages().first().contains(QStringLiteral("help.chm")),
                 qPrintable(Dialogs::shownMessages().first()));
        QVERIFY(m_opened.isEmpty());
    }

    void webEntriesOpenTheConfiguredAddressOrTheLocalHelp_data() {
        QTest::addColumn<bool>("viewer");
        QTest::newRow("no viewer: the pages in the browser") << false;
        QTest::newRow("xchm and help.chm: the viewer, as F1") << true;
    }

    void webEntriesOpenTheConfiguredAddressOrTheLocalHelp() {
        // Guards against web entries that open a made-up address, or none, instead of the configured one,
        // and against ones that ask for a help viewer while F1 shows the help in the installed one.
        QFETCH(bool, viewer);
        const QString home = QStringLiteral(EXPECTED_HOME_PAGE);
        const QString support = QStringLiteral(EXPECTED_SUPPORT_PAGE);
        writeFile(appFile(QStringLiteral("help/index.html")), QByteArrayLiteral("<html></html>"));
        writeFile(appFile(QStringLiteral("help/support.html")), QByteArrayLiteral("<html></html>"));
        if (viewer) {
            installProgram(QStringLiteral("xchm"));
            writeFile(appFile(QStringLiteral("help.chm")), QByteArrayLiteral("ITSF"));
            // No handler for local pages: they fail to open, as on a desktop without a browser.
            QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        }
        const auto restoreBrowser = qScopeGuard(
            [this] { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "urlOpened"); });

        trigger("homepage");
        trigger("supportonline");
        AboutDialog about(m_app.path());
        auto* link = about.findChild<QLabel*>(QStringLiteral("lblWeb"));
        QVERIFY(link);
        QCOMPARE(link->text().contains(QStringLiteral("http")), !home.isEmpty());
        Q_EMIT link->linkActivated(QStringLiteral("link"));

        QList<QUrl> expected;
        for (const auto& [address, page] : {std::pair{home, "index.html"}, std::pair{support, "support.html"},
                                            std::pair{home, "index.html"}}) {
            if (!address.isEmpty())
                expected << QUrl(address);
            else if (!viewer)
                expected << localPage(page);
        }
        QCOMPARE(m_opened, expected);
        QVERIFY2(Dialogs::shownMessages().isEmpty(), qPrintable(Dialogs::shownMessages().join(u'\n')));
        if (viewer && (home.isEmpty() || support.isEmpty()))
            QTRY_VERIFY(QFileInfo::exists(programArgs(QStringLiteral("xchm"))));
    }

    void recordControlOpensAMixer_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("started"); // program and arguments; empty: our own Mixer tab
        const QStringList all{QStringLiteral("pavucontrol"), QStringLiteral("pwvucontrol"),
                              QStringLiteral("gnome-control-center"), QStringLiteral("kcmshell6")};
        QTest::newRow("pavucontrol") << all << QStringLiteral("GNOME")
                                     << QStringLiteral("pavucontrol --tab=2");
        QTest::newRow("pwvucontrol") << all.mid(1) << QStringLiteral("GNOME")
                                     << QStringLiteral("pwvucontrol");
        QTest::newRow("GNOME's settings")
            << all.mid(2) << QStringLiteral("ubuntu:GNOME") << QStringLiteral("gnome-control-center sound");
        QTest::newRow("KDE's settings")
            << all.mid(2) << QStringLiteral("KDE") << QStringLiteral("kcmshell6 kcm_pulseaudio");
        QTest::newRow("another desktop's settings only")
            << all.mid(2, 1) << QStringLiteral("KDE") << QString();
        QTest::newRow("nothing installed") << QStringList{} << QString() << QString();
    }

    void recordControlOpensAMixer() {
        // Guards against Record Control doing nothing when pavucontrol is not installed.
        QFETCH(QStringList, installed);
        QFETCH(QString, desktop);
        QFETCH(QString, started);
        for (const QString& program : installed)
            installProgram(program);
        const QByteArray savedDesktop = qgetenv("XDG_CURRENT_DESKTOP");
        const auto restore = qScopeGuard([&] { qputenv("XDG_CURRENT_DESKTOP", savedDesktop); });
        qputenv("XDG_CURRENT_DESKTOP", desktop.toUtf8());
        QString shownTab;
        const QObject pending; // the check below goes with this test
        QTimer::singleShot(0, &pending, [&shownTab] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                if (auto* tabs = dialog->findChild<QTabWidget*>())
                    shownTab = dialog->objectName() + QLatin1Char(' ') + tabs->tabText(tabs->currentIndex());
                dialog->reject();
            }
        });
        trigger("recordcontrol");
        if (started.isEmpty()) {
            QCOMPARE(shownTab, QStringLiteral("Form2 Mixer"));
            return;
        }
        const QString program = started.section(QLatin1Char(' '), 0, 0);
        QTRY_VERIFY(QFileInfo::exists(programArgs(program)));
        QFile args(programArgs(program));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(
            QString::fromLocal8Bit(args.readAll()).trimmed().replace(QLatin1Char('\n'), QLatin1Char(' ')),
            started.section(QLatin1Char(' '), 1));
        QVERIFY(shownTab.isEmpty());
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
