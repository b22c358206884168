#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a session ending, a service stop, a closed terminal) turned into
// a Qt signal on the thread that made this object, so that the program can end in order and a
// running recording is closed rather than cut. One instance at a time; the handlers are set
// while it lives and the default actions come back when it goes.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void received(int signalNumber);

private:
    void drain();

    int m_readEnd = -1;
    QSocketNotifier* m_notifier = nullptr;
};
