#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>
#include <optional>

// Makes sure one copy of the program runs per user. The first copy holds a lock file
// in the runtime folder and listens on a local socket; a later copy finds the lock
// taken and hands the first one a command instead of running itself.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Command { Show, Record, Stop, Toggle };

    explicit SingleInstance(QObject* parent = nullptr);
    // True when this is the only copy; false when another copy holds the lock.
    bool acquire();
    // Hands `command` to the running copy; true once that copy has taken it.
    bool sendToRunningCopy(Command command) const;

    // The command a command line asks of a running copy: the last of --record, --stop and
    // --toggle, else Show.
    static Command commandOf(const QStringList& arguments);

Q_SIGNALS:
    void commandReceived(SingleInstance::Command command);

private:
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};
