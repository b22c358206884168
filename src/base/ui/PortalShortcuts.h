#pragma once

#include <QDBusObjectPath>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <vector>

// A client of the desktop portal's global shortcuts (org.freedesktop.portal.GlobalShortcuts)
// on the session bus: one session, its shortcuts bound once, their activations reported.
class PortalShortcuts : public QObject {
    Q_OBJECT
public:
    struct Shortcut {
        QString id;
        QString description;
        // The trigger we would like, in the shortcuts XDG form ("CTRL+r"); the desktop decides.
        QString preferredTrigger;
    };

    explicit PortalShortcuts(QObject* parent = nullptr);
    ~PortalShortcuts() override;

    // False at once when no portal with global shortcuts answers; otherwise `bound` or
    // `failed` follows.
    bool start(const std::vector<Shortcut>& shortcuts);
    // Ends the session: the desktop forgets the bindings of this run.
    void close();

Q_SIGNALS:
    // The identifiers the desktop bound; the others are refused or taken.
    void bound(const QStringList& ids);
    void failed();
    void activated(const QString& id);

private Q_SLOTS:
    // The slots of the portal's signals, which QtDBus connects by signature.
    void sessionCreated(uint response, const QVariantMap& results);
    void shortcutsBound(uint response, const QVariantMap& results);
    void shortcutActivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                           const QVariantMap& options);

private:
    // Calls `method` with a fresh request token in `options`, then waits for its Response on `slot`.
    bool request(const QString& method, QVariantList arguments, QVariantMap options, const char* slot);
    void disconnectRequest();

    std::vector<Shortcut> m_shortcuts;
    QString m_session;
    QString m_requestPath;
    const char* m_requestSlot = nullptr;
    int m_tokens = 0;
};
