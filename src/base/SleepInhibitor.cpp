#include "base/SleepInhibitor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr int kAnswerTimeoutMs = 5000;
}

SleepInhibitor::SleepInhibitor(QString who, QString why, QObject* parent)
    : QObject(parent)
    , m_who(std::move(who))
    , m_why(std::move(why)) {}

SleepInhibitor::~SleepInhibitor() {
    if (m_fd >= 0)
        ::close(m_fd);
}

void SleepInhibitor::acquire() {
    m_wanted = true;
    if (m_fd >= 0 || m_asking)
        return;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        failed(bus.lastError().message());
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << m_who << m_why << QStringLiteral("block");
    m_asking = true;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kAnswerTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &SleepInhibitor::answered);
}

void SleepInhibitor::answered(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    m_asking = false;
    const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *call;
    if (reply.isError() || !reply.value().isValid()) {
        failed(reply.error().message());
        return;
    }
    // The reply closes its own descriptor; the lock lives as long as our copy.
    const int fd = ::fcntl(reply.value().fileDescriptor(), F_DUPFD_CLOEXEC, 0);
    if (fd < 0) {
        failed(QStringLiteral("cannot keep the lock's file descriptor"));
        return;
    }
    if (!m_wanted) {
        ::close(fd);
        return;
    }
    m_fd = fd;
}

void SleepInhibitor::release() {
    m_wanted = false;
    if (m_fd < 0)
        return;
    ::close(m_fd);
    m_fd = -1;
}

void SleepInhibitor::failed(const QString& reason) {
    if (!m_toldFailure)
        std::fprintf(stderr, "tavrik: cannot keep the machine from sleeping: %s\n", qPrintable(reason));
    m_toldFailure = true;
}
