#include "base/DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStringList>
#include <QVariantMap>

namespace DesktopNotifications {

void notify(const QString& summary, const QString& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // Application, no notification to replace, icon, texts, no actions, no hints, the server's timeout.
    call << QStringLiteral("Tavrik") << 0U << QStringLiteral("tavrik") << summary << body << QStringList()
         << QVariantMap() << -1;
    bus.asyncCall(call);
}

} // namespace DesktopNotifications
