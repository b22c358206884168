#include "shell/ui/DesktopControls.h"

#include "base/ui/Dialogs.h"
#include "shell/ui/MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>

namespace {

// A red dot; while listening it sits in a ring, like an open ear.
QIcon trayImage(bool listening) {
    QIcon icon;
    for (int size : {16, 22, 32, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        const double dot = listening ? 0.3 : 0.15;
        p.setBrush(QColor(220, 40, 40));
        p.setPen(QPen(QColor(120, 10, 10), size / 16.0));
        p.drawEllipse(QRectF(size * dot, size * dot, size * (1 - 2 * dot), size * (1 - 2 * dot)));
        if (listening) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(220, 40, 40), size / 10.0));
            p.drawEllipse(QRectF(size * 0.08, size * 0.08, size * 0.84, size * 0.84));
        }
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace

DesktopControls::DesktopControls(MainWindow& window, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_menu(std::make_unique<QMenu>(QStringLiteral("SysTray")))
    , m_tray(new QSystemTrayIcon(trayImage(false), this))
    , m_hotkeys(new GlobalHotkeys(this)) {
    buildMenu();
    m_tray->setToolTip(Dialogs::kAppTitle);
    m_tray->setContextMenu(m_menu.get());
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            showWindow();
    });
    connect(m_hotkeys, &GlobalHotkeys::activated, this, &DesktopControls::hotkeyPressed);
    connect(m_hotkeys, &GlobalHotkeys::taken, this, &DesktopControls::hotkeyTaken);
    connect(m_hotkeys, &GlobalHotkeys::unavailable, this, &DesktopControls::hotkeysUnavailable);
    connect(&m_window, &MainWindow::listeningShown, this, &DesktopControls::showListening);
    showListening(m_window.listeningText());
    connect(&m_window, &MainWindow::exiting, this, [this] {
        m_tray->hide();
        m_hotkeys->unregisterKeys();
    });
    m_window.setTrayIcon(m_tray);
}

DesktopControls::~DesktopControls() {
    m_window.setTrayIcon(nullptr);
}

void DesktopControls::showListening(const QString& text) {
    m_tray->setIcon(trayImage(!text.isEmpty()));
    m_tray->setToolTip(text.isEmpty() ? Dialogs::kAppTitle
                                      : Dialogs::kAppTitle + QStringLiteral(" - ") + text);
}

void DesktopControls::start() {
    m_tray->show();
    m_hotkeys->registerKeys();
}

void DesktopControls::buildMenu() {
    m_menu->setObjectName(QStringLiteral("mPopupSys"));
    const auto add = [this](const char* name, const QString& caption, auto slot) {
        QAction* a = m_menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QAction* web = add("web", tr("Tavrik On the Web"), [this] { triggerWindowAction("homepage"); });
    QAction* help = add("Help", tr("Help"), [this] { triggerWindowAction("helpitem"); });
    m_menu->addSeparator();
    add("maindisp", tr("Tavrik"), [this] { showWindow(); });
    m_menu->addSeparator();
    add("Option", tr("Settings"), [this] { m_window.showFormatSettings(); });
    m_menu->addSeparator();
    add("settings", tr("Record Now"), [this] { m_window.startRecording(); });
    add("Restore", tr("Stop Record"), [this] { stopIfRecording(); });
    m_menu->addSeparator();
    add("Exit", tr("Exit"), [this] { m_window.exitApplication(); });
    // The web and help entries are only as available as the window's own commands.
    connect(m_menu.get(), &QMenu::aboutToShow, this, [this, web, help] {
        for (auto [entry, name] : {std::pair{web, "homepage"}, std::pair{help, "helpitem"}}) {
            const auto* own = m_window.findChild<QAction*>(QLatin1String(name));
            entry->setEnabled(own && own->isEnabled());
        }
    });
}

void DesktopControls::triggerWindowAction(const char* name) {
    if (auto* action = m_window.findChild<QAction*>(QLatin1String(name)))
        action->trigger();
}

void DesktopControls::showWindow() {
    m_window.showNormal();
    m_window.raise();
    m_window.activateWindow();
}

void DesktopControls::stopIfRecording() {
    if (m_window.isRecording())
        m_window.stopRecording();
}

void DesktopControls::hotkeyPressed(GlobalHotkeys::Key key) {
    // Neither key brings the window forward: the user stays in the program they are in.
    if (key == GlobalHotkeys::Key::Record)
        m_window.startRecording();
    else
        stopIfRecording();
}

void DesktopControls::hotkeyTaken(GlobalHotkeys::Key key) {
    Dialogs::message(&m_window, QMessageBox::Critical,
                     key == GlobalHotkeys::Key::Record
                         ? tr("Can not register the hotkeys CTRL+R ...this key is already registered "
                              "by some other running applications.")
                         : tr("Can not register the hotkeys CTRL+S ... this key is already "
                              "registered by some other running applications."));
}

void DesktopControls::hotkeysUnavailable() {
    Dialogs::message(&m_window, QMessageBox::Critical,
                     tr("Can not register the hotkeys CTRL+R and CTRL+S ...this desktop offers "
                        "no global hotkeys."));
}

void DesktopControls::run(SingleInstance::Command command) {
    switch (command) {
    case SingleInstance::Command::Show:
        showWindow();
        break;
    case SingleInstance::Command::Record:
        // A second --record keeps the running recording instead of cutting it in two.
        if (!m_window.isRecording())
            m_window.startRecording();
        break;
    case SingleInstance::Command::Stop:
        stopIfRecording();
        break;
    case SingleInstance::Command::Toggle:
        if (m_window.isRecording())
            m_window.stopRecording();
        else
            m_window.startRecording();
        break;
    }
}
