#pragma once

#include <QString>

// The desktop's notification service (org.freedesktop.Notifications on the session bus), so
// that news reaches a user whose window is hidden in the tray. Nothing is awaited: without a
// service, or without a session bus, nothing happens.
namespace DesktopNotifications {

void notify(const QString& summary, const QString& body);

} // namespace DesktopNotifications
