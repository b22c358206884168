#include "schedule/Scheduler.h"

#include "schedule/ScheduleModel.h"
#include "schedule/ScheduleTime.h"

#include <QLocale>

namespace {
// How far past the full second a tick lands: the clock is surely into the new second.
constexpr int kTickSlackMs = 20;
} // namespace

Scheduler::Scheduler(ScheduleModel& list, QObject* parent)
    : QObject(parent)
    , m_list(list)
    , m_clock([] { return QDateTime::currentDateTime(); })
    , m_inhibitor(QStringLiteral("Tavrik"), tr("Scheduled recording")) {
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        tick();
        scheduleNextTick();
    });
}

void Scheduler::start() {
    scheduleNextTick();
}

void Scheduler::scheduleNextTick() {
    const int intoSecond = QTime::currentTime().msec();
    m_timer.start(1000 - intoSecond + kTickSlackMs);
}

void Scheduler::tick() {
    const qint64 second = ScheduleTime::wallSeconds(m_clock());
    if (second == m_lastSecond)
        return;
    m_lastSecond = second;

    if (m_active) {
        // A stop time that a late tick stepped over still stops.
        const std::optional<qint64> stop = ScheduleTime::seconds(m_activeStop, QLocale());
        if (stop && second >= *stop) {
            m_active = false;
            m_inhibitor.release();
            if (m_recording) {
                m_recording = false;
                Q_EMIT stopRequested();
            }
        }
    }

    int missed = 0;
    int firstMissed = -1;
    const auto miss = [&](int r) {
        m_list.setStatus(r, ScheduleModel::kMissed);
        if (missed++ == 0)
            firstMissed = r;
    };
    for (int r = 0; r < m_list.rowCount(); ++r) {
        const std::optional<qint64> start = m_list.startSeconds(r);
        const std::optional<qint64> stop = m_list.stopSeconds(r);
        if (!start || !stop)
            continue;
        const bool waiting = m_list.row(r)[ScheduleModel::Status] == ScheduleModel::kWaiting;
        if (m_active) {
            if (waiting && *start <= second)
                miss(r);
            continue;
        }
        // The start second itself fires whatever the status says (the clock may have been
        // set back); a late tick catches up only on an entry that has not run.
        if (second < *stop && (*start == second || (waiting && *start < second))) {
            tellMissed(missed, firstMissed);
            begin(r);
            return;
        }
        if (waiting && *stop <= second)
            miss(r);
    }
    tellMissed(missed, firstMissed);
}

void Scheduler::begin(int row) {
    // A recording running now is ended (and reported stopped) by the start.
    m_started = false;
    Q_EMIT startRequested();
    if (!m_started)
        return;
    m_activeStop = m_list.row(row)[ScheduleModel::StopTime];
    m_active = true;
    m_list.setStatus(row, ScheduleModel::kRecording);
    m_list.setFile(row, m_startedPath);
    m_recordingEntry = QPersistentModelIndex(m_list.index(row, 0));
    m_recording = true;
    m_inhibitor.acquire();
}

void Scheduler::recordingStopped() {
    m_recording = false;
    m_inhibitor.release();
    if (m_recordingEntry.isValid())
        m_list.setStatus(m_recordingEntry.row(), ScheduleModel::kDone);
    m_recordingEntry = QPersistentModelIndex();
}

void Scheduler::tellMissed(int count, int first) {
    if (count == 0)
        return;
    const ScheduleModel::Row& row = m_list.row(first);
    if (count == 1)
        Q_EMIT notice(tr("Missed the scheduled recording from %1 to %2")
                          .arg(row[ScheduleModel::StartTime], row[ScheduleModel::StopTime]));
    else
        Q_EMIT notice(
            tr("Missed %1 scheduled recordings, the first from %2 to %3")
                .arg(QString::number(count), row[ScheduleModel::StartTime], row[ScheduleModel::StopTime]));
}
