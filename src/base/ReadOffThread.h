#pragma once

#include <QEventLoop>
#include <QFutureWatcher>
#include <QtConcurrentRun>
#include <functional>
#include <type_traits>

// Told the whole percent of a long read done so far.
using PercentDone = std::function<void(int percent)>;

// Runs `read` on a worker thread while this thread goes on handling its events, so that a window
// stays responsive through a huge or endless file, and returns what `read` returned. `read` is
// given a callback for the bytes done and the total; they reach `percent` on this thread.
template <typename Read> auto readOffThread(Read read, const PercentDone& percent) {
    using Result = std::invoke_result_t<Read, std::function<void(qint64, qint64)>>;
    QEventLoop loop;
    QFutureWatcher<Result> reading;
    QObject::connect(&reading, &QFutureWatcher<Result>::finished, &loop, &QEventLoop::quit);
    // Reports queued to `loop` are dropped with it, so none outlives `percent`.
    reading.setFuture(QtConcurrent::run([&read, &percent, &loop] {
        return read(std::function<void(qint64, qint64)>([&percent, &loop](qint64 done, qint64 total) {
            if (!percent)
                return;
            const int value = total > 0 ? static_cast<int>(done * 100 / total) : 0;
            QMetaObject::invokeMethod(
                &loop, [&percent, value] { percent(value); }, Qt::QueuedConnection);
        }));
    }));
    loop.exec();
    return reading.result();
}
