#pragma once

#include "base/SingleInstance.h"
#include "base/ui/GlobalHotkeys.h"

#include <QObject>
#include <memory>

class MainWindow;
class QMenu;
class QSystemTrayIcon;

// What reaches the main window from outside it: the tray icon and its menu, the global
// hotkeys Ctrl+R and Ctrl+S, and the commands a later copy of the program passes on.
class DesktopControls : public QObject {
    Q_OBJECT
public:
    explicit DesktopControls(MainWindow& window, QObject* parent = nullptr);
    ~DesktopControls() override;

    // Shows the tray icon and registers the hotkeys; a key that cannot be had is told once.
    void start();
    void run(SingleInstance::Command command);

    QSystemTrayIcon& trayIcon() { return *m_tray; }
    QMenu& trayMenu() { return *m_menu; }
    GlobalHotkeys& hotkeys() { return *m_hotkeys; }

private:
    void buildMenu();
    // The tray's look and tooltip say whether the microphone is open while nothing records.
    void showListening(const QString& text);
    void hotkeyPressed(GlobalHotkeys::Key key);
    void hotkeyTaken(GlobalHotkeys::Key key);
    void hotkeysUnavailable();
    void showWindow();
    void stopIfRecording();
    // Triggers one of the main window's own menu commands, found by its name.
    void triggerWindowAction(const char* name);

    MainWindow& m_window;
    std::unique_ptr<QMenu> m_menu;
    QSystemTrayIcon* m_tray;
    GlobalHotkeys* m_hotkeys;
};
