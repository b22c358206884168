#pragma once

#include <QList>
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QTimer>
#include <memory>

class QLocalSocket;

// Makes sure one copy of the program runs per user and session. The first copy holds a lock
// file in the user's runtime folder and listens on a local socket beside it; a later copy
// finds the lock taken and hands the first one a command instead of running itself. Copies
// with different runtime folders (other sessions, sandboxes) neither see nor command each other.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Command { Show, Record, Stop, Toggle };

    struct Delivery {
        enum class Kind { Taken, NoChannel, NoAnswer };
        Kind kind = Kind::Taken;
        QString reason;

        bool taken() const { return kind == Kind::Taken; }
    };

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;
    // True when this is the only copy; false when another copy holds the lock.
    bool acquire();
    // After acquire(): why later copies cannot reach this one; empty while the channel listens.
    const QString& channelProblem() const { return m_channelProblem; }
    // Hands `command` to the running copy, giving up when it has not answered within a few seconds.
    Delivery sendToRunningCopy(Command command) const;

    // The command a command line asks of a running copy: the last of --record, --stop and
    // --toggle, else Show.
    static Command commandOf(const QStringList& arguments);

Q_SIGNALS:
    void commandReceived(SingleInstance::Command command);

private:
    void listen();
    void acceptConnections();
    void readCommand(QLocalSocket* socket);

    // The user's private runtime folder; empty when there is none.
    QString m_folder;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    // Connections held, oldest first; declared before the server, whose end deletes them.
    QList<QLocalSocket*> m_held;
    QLocalServer m_server;
    QTimer m_watch;
    QString m_channelProblem;
};
