#pragma once

#include "base/SleepInhibitor.h"

#include <QDateTime>
#include <QObject>
#include <QPersistentModelIndex>
#include <QString>
#include <QTimer>
#include <functional>

class ScheduleModel;

// Starts and stops recordings by the schedule list, checking it once a second. A scheduled
// recording is an ordinary one: the scheduler only asks for the start and the stop, and
// the shell does them. While its recording runs the machine is kept from suspending.
//
// An entry starts when a tick falls in its start second, or at the first tick after it
// when that tick came late (a busy or suspended machine) and its stop is still ahead.
// An entry reads "Recording", with its file, while its recording runs, and "Done" once it
// ended. While a scheduled recording is active no other entry starts: those whose start passes
// meanwhile are marked missed, as are waiting entries whose whole window has passed. A start
// that fails (no device, no output folder) leaves its entry waiting, to be tried again at
// each tick until its stop passes.
class Scheduler : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    explicit Scheduler(ScheduleModel& list, QObject* parent = nullptr);

    // Tests move the clock by hand; the real one is the system's.
    void setClock(Clock clock) { m_clock = std::move(clock); }
    QDateTime now() const { return m_clock(); }
    // Ticks once a second from now on, just after each full second.
    void start();
    // No more ticks (the program ends).
    void halt() { m_timer.stop(); }

    // Compares the clock with the list; a second already looked at is not looked at again.
    void tick();
    // Any recording began, into the file at `path`: tells the scheduler that the start it
    // asked for succeeded.
    void recordingStarted(const QString& path) {
        m_started = true;
        m_startedPath = path;
    }
    // Any recording ended, by the scheduler or otherwise: the scheduler has none running.
    void recordingStopped();

    ScheduleModel& list() { return m_list; }
    // From a scheduled start until its stop time, even when the recording was stopped sooner.
    bool isActive() const { return m_active; }
    const QString& activeStopText() const { return m_activeStop; }
    SleepInhibitor& sleepInhibitor() { return m_inhibitor; }

Q_SIGNALS:
    void startRequested();
    void stopRequested();
    // A line for the status bar: entries that were missed.
    void notice(const QString& text);

private:
    void scheduleNextTick();
    void begin(int row);
    void tellMissed(int count, int first);

    ScheduleModel& m_list;
    Clock m_clock;
    QTimer m_timer;
    SleepInhibitor m_inhibitor;
    qint64 m_lastSecond = -1;
    bool m_active = false;
    // The recording the scheduler started still runs.
    bool m_recording = false;
    // Set while a start asked for is under way, when the recording began, and its file.
    bool m_started = false;
    QString m_startedPath;
    // The entry whose recording runs: "Recording" until it ends, then "Done".
    QPersistentModelIndex m_recordingEntry;
    QString m_activeStop;
};
