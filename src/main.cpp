#include "base/AppFolder.h"
#include "base/SingleInstance.h"
#include "base/ui/Dialogs.h"
#include "shell/ui/MainWindow.h"

#include <QApplication>
#include <QTimer>
#include <csignal>

int main(int argc, char* argv[]) {
    // A file size limit must become a write error the recorder reports, not a kill.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("tavrik"));
    QApplication::setApplicationName(QStringLiteral("tavrik"));
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    if (!instance.acquire()) {
        instance.notifyRunningCopy();
        Dialogs::message(nullptr, QMessageBox::Critical,
                         QStringLiteral("There is another copy of the application being executed!"));
        return 1;
    }
    MainWindow window(resolveAppFolder(QApplication::arguments(), QApplication::applicationDirPath()));
    QObject::connect(&instance, &SingleInstance::activationRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    if (QApplication::arguments().contains(QStringLiteral("--minimized")))
        window.showMinimized();
    else
        window.show();
    if (QApplication::arguments().contains(QStringLiteral("--record")))
        QTimer::singleShot(0, &window, &MainWindow::startRecording);
    return QApplication::exec();
}
