#include "base/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <array>
#include <unistd.h>

namespace {

// The words on the socket, one line per connection; the running copy answers "ok".
constexpr std::array<std::pair<SingleInstance::Command, const char*>, 4> kWords{{
    {SingleInstance::Command::Show, "show"},
    {SingleInstance::Command::Record, "record"},
    {SingleInstance::Command::Stop, "stop"},
    {SingleInstance::Command::Toggle, "toggle"},
}};

constexpr int kMaxLine = 64;

} // namespace

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
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (!s->canReadLine()) {
                    // A peer that never ends its line is cut off instead of being buffered for.
                    if (s->bytesAvailable() > kMaxLine)
                        s->abort();
                    return;
                }
                const QByteArray word = s->readLine(kMaxLine).trimmed();
                s->write("ok\n");
                s->disconnectFromServer();
                // Unknown words are ignored: a copy of another version must not drive this one.
                for (const auto& [command, text] : kWords)
                    if (word == text)
                        Q_EMIT commandReceived(command);
            });
        }
    });
    m_server.listen(m_name);
    return true;
}

bool SingleInstance::sendToRunningCopy(Command command) const {
    QLocalSocket s;
    s.connectToServer(m_name);
    if (!s.waitForConnected(1000))
        return false;
    for (const auto& [known, text] : kWords)
        if (known == command)
            s.write(QByteArray(text) + '\n');
    // A busy running copy (a modal dialog, a long save) answers late, but it answers.
    while (!s.canReadLine())
        if (!s.waitForReadyRead(5000))
            return false;
    return s.readLine().trimmed() == "ok";
}

SingleInstance::Command SingleInstance::commandOf(const QStringList& arguments) {
    Command command = Command::Show;
    for (const QString& a : arguments) {
        if (a == QLatin1String("--record"))
            command = Command::Record;
        else if (a == QLatin1String("--stop"))
            command = Command::Stop;
        else if (a == QLatin1String("--toggle"))
            command = Command::Toggle;
    }
    return command;
}
