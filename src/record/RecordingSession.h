#pragma once

#include "engine/dsp/PreRecordRing.h"
#include "engine/dsp/SampleBlock.h"
#include "engine/dsp/SoundActivation.h"
#include "record/ActivationSettings.h"
#include "record/OutputNaming.h"
#include "record/RecordingHealth.h"
#include "record/RecordingJournal.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <atomic>
#include <mutex>
#include <optional>
#include <vector>

class AudioFileWriter;
class AudioCapture;

// One run from start to stop: names the output file from section `set`, creates it
// through the file codec (format by extension), captures in the file's format in
// blocks of a fifth of a second, writes every block, and on stop closes the file and announces it.
// A recording that ends on its own (device gone, disk full) is finished the same way. A
// long one goes on in a new file at the split rule's limits, each part a finished file.
class RecordingSession : public QObject {
    Q_OBJECT
public:
    RecordingSession(QString appFolder, AudioCapture& capture, AudioFileWriter& file,
                     QObject* parent = nullptr);

    // Recordings stop when the free space of their disk falls below this.
    static constexpr qint64 kReserveBytes = 50 * 1024 * 1024;

    // Recording, or armed for sound events.
    bool isRecording() const { return m_recording; }
    bool isArmed() const { return m_armed; }
    // Sound events recorded since arming.
    int eventCount() const { return m_events; }

    struct StartResult {
        bool ok = false;
        QString text; // the format description, or why the start failed
    };
    // Who asked for a start. A user's Record begins with the seconds kept while listening,
    // and with sound activation on (section `activation`) it arms instead: each sound event
    // becomes a file of its own, until stop(). A scheduled entry records its own time,
    // continuously.
    enum class StartedBy { User, Schedule };
    // Starts a recording into a new file whose extension is `extension`; `listedRows` (the
    // rows of the recordings list) numbers a name that is taken. The caller has stopped any
    // running recording and playback.
    StartResult start(const QString& extension, int listedRows, StartedBy startedBy = StartedBy::User);
    // Stops capture, writes the blocks still pending, closes the file and emits finished().
    // Listening goes on afterwards, with an empty ring.
    void stop();

    // While nothing records and `seconds` is above 0, captures the selected source into a
    // ring of that many seconds (at most PreRecordRing::kMaxSeconds) in the format of
    // `extension`: the next start's file begins with them, and the sound goes on without a
    // gap. 0 stops listening. Called again, it starts afresh with an empty ring (the source or
    // the format changed). During a recording it takes effect once the recording stops.
    void listen(int seconds, const QString& extension);
    bool isListening() const { return m_listening; }
    // Keeps the capture open while nothing records, even with nothing to keep, so that the
    // input level shows (while a dialog sets the threshold).
    void monitor(bool on);
    int listeningSeconds() const { return m_listenSeconds; }
    // The ring's memory, in bytes.
    std::size_t listeningBytes() const { return m_ring.bytes(); }

    QString outputPath() const { return m_path; }
    // Rate and channels of the sound being recorded, or listened to.
    int sampleRate() const { return m_listening ? m_listenFormat.first : m_rate; }
    int channels() const { return m_listening ? m_listenFormat.second : m_channels; }
    QString baseName() const { return m_baseName; }
    QDateTime startTime() const { return m_startTime; }
    QString elapsed() const { return m_elapsed; }
    // How the recording fares, for a glance at the status: the time its disk lasts at its
    // rate and the clipped peaks so far; empty while nothing records.
    QString healthText() const;

Q_SIGNALS:
    // A recording began: its file is open and the sound flows in.
    void started();
    void elapsedChanged(const QString& text);
    // The file is complete: the recordings list takes it as a row.
    void finished(const QString& path, const QString& duration, const QDateTime& start);
    // The recording has stopped and was announced by finished().
    void stopped();
    // The recording ended on its own; it was stopped and listed before this is emitted.
    void interrupted(const QString& reason);
    // A long recording went on in a new file; the part before was announced by finished().
    void fileChanged(const QString& path);
    // A span the server dropped while the program stood still was filled with silence.
    void silenceFilled(const QString& text);
    // The recording goes on, but a crash now would leave it unlisted and unrepaired.
    void journalFailed(const QString& reason);
    // The recording has had no sound above -60 dBFS for the seconds section `health` sets;
    // once per silent stretch.
    void silenceAlarm(const QString& text);
    void healthChanged(const QString& text);
    // What sound activation does now (waiting for sound, recording an event); empty once
    // disarmed.
    void activationChanged(const QString& text);
    // Listening began or ended; it ends too when its capture fails.
    void listeningChanged(bool listening);

private:
    void onBlock(const SampleBlock& block);
    StartResult arm(const ActivationSettings& activation);
    // Writer thread, armed: cuts the block into the events the detector finds.
    void onArmedBlock(const SampleBlock& block);
    bool openEventFile();
    void closeEventFile();
    void tellActivation();
    // A recording or an armed wait is under way: the writer thread takes the blocks.
    bool active() const { return m_fileOpen || m_armed; }
    void writeBlock(const SampleBlock& block);
    // Starts or stops the listening capture as set, once nothing records.
    void followListening();
    void stopListening();
    // Opens the capture in the format given, handing the file a block every fifth of a second.
    void startCapture(int rate, int channels);
    static constexpr int kBlocksPerSecond = 5;
    // Frames of the recording: captured since its first frame, which may lie before the start.
    qint64 recordedFrames() const;
    void onTimer(qint64 currentSamples);
    void fail(const QString& reason);
    void stopAfterFailure();
    // Writer thread: the part written so far is complete; the owner lists it.
    void finishPart();
    // Writer thread: goes on in a new file, named as the next recording would be; false, the
    // recording failing, when it cannot be created.
    bool beginPart();
    // Owner thread: lists the parts the writer thread finished.
    void announceParts();
    qint64 framesToMs(qint64 frames) const;
    QString filledSeconds(qint64 frames) const;

    QString m_appFolder;
    AudioCapture& m_capture;
    AudioFileWriter& m_file;
    RecordingJournal m_journal;

    bool m_recording = false;
    bool m_fileOpen = false;
    bool m_stopping = false;
    QString m_path;
    QString m_baseName;
    QDateTime m_startTime;
    QString m_elapsed = QStringLiteral("0:00.000");
    QString m_failure;
    int m_rate = 0;
    int m_channels = 0;

    int m_listenSeconds = 0;
    QString m_listenExtension;
    bool m_listening = false;
    bool m_monitoring = false;
    // Rate and channels of the listening capture.
    std::pair<int, int> m_listenFormat;
    // What a start takes over from listening: the capture's frame the file begins at, and the
    // filled-in silence before it.
    qint64 m_origin = 0;
    qint64 m_filledOrigin = 0;
    // Guards the ring, the file's being open and the held sound between the writer thread and
    // the owner while listening turns into recording.
    std::mutex m_modeMutex;
    PreRecordRing m_ring;
    // Writer thread: the ring's sound, written before the next block.
    SampleBlock m_held;

    // Writer thread: the recording's health by its own sound time, so that a silent stretch
    // is measured in sound, not in how late the blocks come.
    RecordingHealth m_health;
    qint64 m_writtenFrames = 0;
    int m_silenceAlarmSeconds = 0;
    // Read by the owner for healthText().
    std::atomic<qint64> m_clippedPeaks{0};
    std::atomic<qint64> m_freeBytes{-1};
    qint64 m_diskCheckedSecond = -1; // writer thread
    double m_bytesPerSecond = 0;
    QString m_healthText;
    qint64 m_healthSecond = -1;

    // Sound activation: set while armed, used by the writer thread between start and stop.
    bool m_armed = false;
    std::optional<SoundActivation> m_detector;
    bool m_eventOpen = false;
    std::atomic<int> m_events{0};
    QString m_waitingText;

    // Fixed at start, for naming the parts on the writer thread.
    NamingSettings m_naming;
    SplitRule m_split;
    int m_listedRows = 0;
    QString m_extension;
    // Writer thread while recording: the part being written.
    QString m_partPath;
    QDateTime m_partStart;
    qint64 m_partFrames = 0;
    int m_parts = 0;
    struct Part {
        QString path;
        qint64 frames;
        QDateTime start;
    };
    std::mutex m_partsMutex;
    std::vector<Part> m_doneParts;
    // Frames of the parts already listed, so the last part's length is its own.
    qint64 m_listedFrames = 0;
};
