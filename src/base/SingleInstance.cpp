#include "base/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <array>
#include <sys/stat.h>
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
// A later copy sends its word at once: a connection still open after this long is dropped.
constexpr int kIdleMs = 3000;
// Connections held at once; past it the oldest goes, so idle peers cannot use up the descriptors.
constexpr qsizetype kMostHeld = 16;
// How often a channel lost (an accept that failed closes it) is opened again.
constexpr int kWatchMs = 2000;
// How long a sender waits for the running copy's answer; a copy busy with a modal dialog still
// answers at once, as the dialog's event loop serves the socket.
constexpr int kAnswerMs = 10000;

// Why `path` is no channel of ours: empty when nothing is there or it is the user's own.
QString foreignOwner(const QString& path) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0 || status.st_uid == ::getuid())
        return {};
    return QStringLiteral("%1 belongs to another user").arg(path);
}

} // namespace

SingleInstance::SingleInstance(QObject* parent)
    : QObject(parent)
    // Qt hands out the runtime folder only when it is the user's own and closed to others (0700).
    , m_folder(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
    , m_socketPath(m_folder + QStringLiteral("/tavrik-%1").arg(::getuid())) {
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    connect(&m_watch, &QTimer::timeout, this, &SingleInstance::listen);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire() {
    const QString folder = m_folder.isEmpty() ? QDir::tempPath() : m_folder;
    m_lock = std::make_unique<QLockFile>(folder + QStringLiteral("/tavrik-%1.lock").arg(::getuid()));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(100))
        return false;
    listen();
    if (!m_folder.isEmpty())
        m_watch.start(kWatchMs);
    return true;
}

void SingleInstance::listen() {
    if (m_server.isListening())
        return;
    if (m_folder.isEmpty()) {
        m_channelProblem = QStringLiteral("there is no private runtime folder (XDG_RUNTIME_DIR)");
        return;
    }
    if (const QString foreign = foreignOwner(m_socketPath); !foreign.isEmpty()) {
        m_channelProblem = foreign;
        return;
    }
    QLocalServer::removeServer(m_socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(m_socketPath)) {
        m_channelProblem = QStringLiteral("%1: %2").arg(m_socketPath, m_server.errorString());
        return;
    }
    m_channelProblem.clear();
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        if (m_held.size() >= kMostHeld) {
            QLocalSocket* oldest = m_held.takeFirst();
            oldest->abort();
            oldest->deleteLater();
        }
        m_held.append(socket);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_held.removeOne(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readCommand(socket); });
        QTimer::singleShot(kIdleMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
    }
}

void SingleInstance::readCommand(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        // A peer that never ends its line is cut off instead of being buffered for.
        if (socket->bytesAvailable() > kMaxLine)
            socket->abort();
        return;
    }
    const QByteArray word = socket->readLine(kMaxLine).trimmed();
    socket->write("ok\n");
    socket->disconnectFromServer();
    // Unknown words are ignored: a copy of another version must not drive this one.
    for (const auto& [command, text] : kWords)
        if (word == text)
            Q_EMIT commandReceived(command);
}

SingleInstance::Delivery SingleInstance::sendToRunningCopy(Command command) const {
    using Kind = Delivery::Kind;
    if (m_folder.isEmpty())
        return {Kind::NoChannel, QStringLiteral("there is no private runtime folder (XDG_RUNTIME_DIR)")};
    if (const QString foreign = foreignOwner(m_socketPath); !foreign.isEmpty())
        return {Kind::NoChannel, foreign};
    const QDeadlineTimer deadline(kAnswerMs);
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime())))
        return {Kind::NoChannel, QStringLiteral("%1: %2").arg(m_socketPath, socket.errorString())};
    for (const auto& [known, text] : kWords)
        if (known == command)
            socket.write(QByteArray(text) + '\n');
    while (!socket.canReadLine())
        if (socket.bytesAvailable() > kMaxLine ||
            !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return {Kind::NoAnswer, QStringLiteral("no answer within %1 s").arg(kAnswerMs / 1000)};
    if (socket.readLine(kMaxLine).trimmed() != "ok")
        return {Kind::NoAnswer, QStringLiteral("the answer was not understood")};
    return {};
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
