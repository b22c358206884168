#include "base/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <unistd.h>

SingleInstance::SingleInstance(QObject* parent)
    : QObject(parent)
    , m_name(QStringLiteral("tavrik-%1").arg(getuid())) {}

bool SingleInstance::acquire() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    m_lock = std::make_unique<QLockFile>(dir + QLatin1Char('/') + m_name + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(100))
        return false;
    QLocalServer::removeServer(m_name);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server.nextPendingConnection()) {
            s->deleteLater();
            Q_EMIT activationRequested();
        }
    });
    m_server.listen(m_name);
    return true;
}

void SingleInstance::notifyRunningCopy() const {
    QLocalSocket s;
    s.connectToServer(m_name);
    s.waitForConnected(500);
}
