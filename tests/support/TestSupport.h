#pragma once

#include "engine/pulse/AudioRecorder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QtConcurrentRun>
#include <algorithm>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

class AudioFileWriter;

namespace testsupport {

// The description (the name the recorder lists) of the server's source `name`.
QString sourceDescription(const QString& name);

// Loads a source of silence paced by the server's clock named `name` (PipeWire's PulseAudio
// server has no module-null-source: a virtual source from module-null-sink stands in there).
// Returns the module's number, or an empty string.
QString loadNullSource(const QString& name, int channels = 2);

// Loads a source `name` of a `frequency` Hz sine, for a test to unload. PipeWire's PulseAudio
// server has no module-sine-source: there a pipe source in `folder` stands in, fed by a sox that
// ends with the module. Returns the module's number, or an empty string.
QString loadSineSource(const QString& name, int frequency, const QString& folder);

// Selects the source described as `description` and makes it the one recorded.
bool chooseSource(AudioRecorder& rec, const QString& description);

// Creates `path` on `codec` with the parameters set before, records `seconds` of the
// private server's 1000 Hz tone into it at the file's rate and channels, and closes it.
// Returns false, saying why, when any step fails.
bool recordTone(AudioFileWriter& codec, const QString& path, double seconds);

// What an independent tool (sox) reads from an audio file.
struct AudioInfo {
    bool ok = false;
    int sampleRate = 0;
    int channels = 0;
    double seconds = 0;
};
AudioInfo soxInfo(const QString& path);

// A chunk of a RIFF or RF64 WAV: where its data starts and the size its header gives;
// both -1 when the file has no such chunk.
struct Chunk {
    qint64 start = -1;
    qint64 size = -1;
};
Chunk findChunk(const QString& path, const char* id);

// Records, in memory and mono, what the private server's output sink "out" plays.
class SinkListener {
public:
    explicit SinkListener(int sampleRate);
    bool ok() const { return m_ok; }
    void start() { m_rec.start(); }
    // Waits until `ms` more of the sink have been heard, by the sound's own clock.
    bool listenFor(int ms);
    // Stops and collects the last blocks.
    void stop();
    // Seconds between the first and the last 10 ms that hold sound.
    double soundSeconds() const;
    // RMS of the 20 ms windows, relative to full scale.
    std::vector<double> windowRms() const;
    std::vector<float> asFloat() const;
    const std::vector<std::int16_t>& heard() const { return m_heard; }
    int sampleRate() const { return m_rate; }
    static constexpr double kWindowSeconds = 0.02;

private:
    AudioRecorder m_rec;
    std::vector<std::int16_t> m_heard;
    int m_rate;
    bool m_ok = false;
};

// Decodes `path` with sox to mono float samples at its own rate (first channel only
// when `firstChannel`, else mixed). Empty when sox cannot read the file.
std::vector<float> soxDecodeMono(const QString& path, bool firstChannel = true);

// Frequency (Hz) of the strongest component, scanned 50..8000 Hz in 5 Hz steps.
double peakFrequency(const std::vector<float>& samples, int sampleRate);

// Largest deviation of a pure sine of `freq` from the two-term recurrence
// x[n] = 2cos(w)x[n-1] - x[n-2], relative to the signal's peak. A gap, a repeat or a
// splice anywhere shows as a spike far above the quantisation noise.
double maxSineResidual(const std::vector<float>& samples, double freq, int sampleRate, int skip);

// `seconds` of a sine of `freq` at `amplitude` (of full scale), the same on every channel,
// as interleaved 16-bit values.
std::vector<std::int16_t> sine(double freq, int sampleRate, int channels, double seconds,
                               double amplitude = 0.5);

// Ramp files: a mono 1000 Hz tone whose amplitude rises from 0.05 to 0.95 of full scale over
// `seconds`, so that the loudness of a window tells the second it was taken from.
bool writeRamp(const QString& path, double seconds, int rate = 44100);
// The second of a ramp file of `seconds` that a window of this RMS was taken from.
double rampSecond(double rms, double seconds);
// Where playback went on after a seek from near the start of a ramp file of `seconds`: the
// second of the window after the first that is clearly louder than the start; -1 without one.
double secondResumedAfterSeek(const std::vector<double>& rms, double seconds);

// What ffprobe reads from the first audio stream; durationTs counts sample frames.
struct ProbeInfo {
    bool ok = false;
    int sampleRate = 0;
    int channels = 0;
    qint64 durationTs = 0;
};
ProbeInfo ffprobeInfo(const QString& path);

// Runs a program and returns its exit code (-1 if it could not start); output in `out`.
int run(const QString& program, const QStringList& args, QString* out = nullptr, int timeoutMs = 60000);

// A tmpfs mounted for one test and always unmounted again.
class TmpfsMount {
public:
    TmpfsMount(const QString& dir, const QString& size)
        : m_dir(dir) {
        QDir().mkpath(dir);
        m_mounted =
            run(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                          QStringLiteral("size=") + size, QStringLiteral("tmpfs"), dir}) == 0;
    }
    ~TmpfsMount() {
        if (m_mounted)
            run(QStringLiteral("umount"), {m_dir});
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;
    bool mounted() const { return m_mounted; }

private:
    QString m_dir;
    bool m_mounted = false;
};

// A file size limit on this process, lifted again on leaving the scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
};

// Runs the codec writer program `writer` with `args`, lets it write `seconds` seconds one
// at a time, then kills it with SIGKILL. Returns the seconds it said it wrote, or -1 when
// it did not run, answer or die as expected.
int writeThenKill(const QString& writer, const QStringList& args, int seconds);

// The longest the event loop stood still while it ran: what a user feels as a frozen window.
class StallMeter : public QObject {
public:
    StallMeter() {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this,
                [this] { m_longest = std::max(m_longest, m_clock.restart()); });
        m_clock.start();
        m_timer.start();
    }
    qint64 longestMs() const { return std::max(m_longest, m_clock.elapsed()); }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

// Runs `call` on another thread and returns its result. Should it still wait after a few
// seconds (on the FIFO `fifo`, say), `blocked` is set and writers opened there for a moment
// let each blocked open go on, so that a test fails instead of hanging.
template <typename Call> auto unblocked(const QString& fifo, bool& blocked, Call call) {
    QFuture<decltype(call())> running = QtConcurrent::run(call);
    const auto finished = [&running] { return running.isFinished(); };
    blocked = !QTest::qWaitFor(finished, 5000);
    for (bool done = !blocked; !done; done = QTest::qWaitFor(finished, 20)) {
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
    return running.result();
}

} // namespace testsupport
