#pragma once

#include <QObject>
#include <memory>

// Ctrl+R and Ctrl+S for the whole desktop, whichever program has the focus. Under X11
// the keys are grabbed on the root window; under Wayland, where no program may grab
// keys, they are bound through the desktop portal's global shortcuts. Outcomes come as
// signals: at once from the X server, later from the portal.
class GlobalHotkeys : public QObject {
    Q_OBJECT
public:
    enum class Key { Record, Stop };

    explicit GlobalHotkeys(QObject* parent = nullptr);
    // Releases whatever is still held.
    ~GlobalHotkeys() override;

    // Asks for both keys; each is asked for whatever became of the other.
    void registerKeys();
    // Releases the keys that were registered; no signal comes afterwards.
    void unregisterKeys();
    bool isRegistered(Key key) const;

    // How the keys reach the program: "x11", "portal", or empty when they do not.
    QString mechanism() const;

    class Backend;

Q_SIGNALS:
    void activated(GlobalHotkeys::Key key);
    // Another program holds the key; it does nothing for this run.
    void taken(GlobalHotkeys::Key key);
    // This desktop offers neither a key grab nor global shortcuts.
    void unavailable();

private:
    std::unique_ptr<Backend> m_backend;
};
