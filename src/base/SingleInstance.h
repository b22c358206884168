#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

// Makes sure one copy of the program runs per user. The first copy holds a lock file
// in the runtime folder and listens on a local socket; a second copy finds the lock
// taken and pokes the first one, which then shows its main window.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QObject* parent = nullptr);
    // True when this is the only copy; false when another copy holds the lock.
    bool acquire();
    // Asks the running copy to show itself.
    void notifyRunningCopy() const;

Q_SIGNALS:
    void activationRequested();

private:
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};
