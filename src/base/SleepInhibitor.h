#pragma once

#include <QObject>
#include <QString>

class QDBusPendingCallWatcher;

// Keeps the machine from suspending while something must not be cut short: holds a
// logind "sleep" inhibitor lock (a file descriptor) from acquire() until release().
// Where there is no logind, acquiring fails quietly: one line on stderr for the run.
class SleepInhibitor : public QObject {
    Q_OBJECT
public:
    SleepInhibitor(QString who, QString why, QObject* parent = nullptr);
    ~SleepInhibitor() override;

    // Asks for the lock; the answer comes asynchronously and is dropped when release()
    // came first. Does nothing while the lock is held or asked for.
    void acquire();
    void release();
    bool isHeld() const { return m_fd >= 0; }

private:
    void answered(QDBusPendingCallWatcher* call);
    void failed(const QString& reason);

    QString m_who;
    QString m_why;
    int m_fd = -1;
    bool m_wanted = false;
    bool m_asking = false;
    bool m_toldFailure = false;
};
