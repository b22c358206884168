#include "base/AppFolder.h"
#include "base/CommandLine.h"
#include "base/SingleInstance.h"
#include "base/TerminationSignals.h"
#include "base/Translations.h"
#include "base/ui/Dialogs.h"
#include "shell/ui/DesktopControls.h"
#include "shell/ui/MainWindow.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTimer>
#include <csignal>
#include <cstdio>

int main(int argc, char* argv[]) {
    // A file size limit must become a write error the recorder reports, not a kill.
    std::signal(SIGXFSZ, SIG_IGN);
    // --help, --version and a malformed line are answered without a display or sound server.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const CommandLine line = parseCommandLine(arguments); line.action != CommandLine::Action::Run) {
        std::fputs(line.text.toLocal8Bit().constData(),
                   line.action == CommandLine::Action::Error ? stderr : stdout);
        return line.exitStatus();
    }
    QApplication app(argc, argv);
    installTranslations(QLocale::system());
    QApplication::setOrganizationName(QStringLiteral("tavrik"));
    QApplication::setApplicationName(QStringLiteral("tavrik"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Ties the windows to org.tavrik.Tavrik.desktop (and its icon) on Wayland and in task bars.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tavrik.Tavrik"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tavrik")));

    SingleInstance instance;
    const SingleInstance::Command command = SingleInstance::commandOf(QApplication::arguments());
    if (!instance.acquire()) {
        const SingleInstance::Delivery delivery = instance.sendToRunningCopy(command);
        if (!delivery.taken())
            std::fprintf(stderr, "Tavrik: the running copy did not answer: %s.\n",
                         qPrintable(delivery.reason));
        // --record, --stop and --toggle are meant for the running copy: handing them on is success.
        if (command != SingleInstance::Command::Show)
            return delivery.taken() ? 0 : 1;
        // The running copy has come forward (out of the tray too); this one says why it ends.
        Dialogs::message(
            nullptr, QMessageBox::Critical,
            QCoreApplication::translate("main", "There is another copy of the application being executed!"));
        return 1;
    }
    MainWindow window(resolveAppFolder(QApplication::arguments(), QApplication::applicationDirPath()));
    DesktopControls controls(window);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &window, &MainWindow::endSession);
    QObject::connect(&instance, &SingleInstance::commandReceived, &controls, &DesktopControls::run);
    controls.start();
    if (const QString problem = instance.channelProblem(); !problem.isEmpty()) {
        std::fprintf(stderr, "Tavrik: --record, --stop and --toggle cannot reach this copy: %s.\n",
                     qPrintable(problem));
        window.showNotice(QCoreApplication::translate("main",
                                                      "--record, --stop and --toggle cannot reach this "
                                                      "copy: %1.")
                              .arg(problem));
    }
    if (QApplication::arguments().contains(QStringLiteral("--minimized")))
        window.showMinimized();
    else
        window.show();
    if (command == SingleInstance::Command::Record || command == SingleInstance::Command::Toggle)
        QTimer::singleShot(0, &window, [&window] { window.startRecording(); });
    return QApplication::exec();
}
