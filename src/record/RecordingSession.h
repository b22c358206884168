#pragma once

#include "engine/dsp/SampleBlock.h"
#include "record/OutputNaming.h"
#include "record/RecordingJournal.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <mutex>
#include <vector>

class AudioFileWriter;
class AudioCapture;

// One run from start to stop: names the output file from section `set`, creates it
// through the file codec (format by extension), captures in the file's format in
// one-second blocks, writes every block, and on stop closes the file and announces it.
// A recording that ends on its own (device gone, disk full) is finished the same way. A
// long one goes on in a new file at the split rule's limits, each part a finished file.
class RecordingSession : public QObject {
    Q_OBJECT
public:
    RecordingSession(QString appFolder, AudioCapture& capture, AudioFileWriter& file,
                     QObject* parent = nullptr);

    // Recordings stop when the free space of their disk falls below this.
    static constexpr qint64 kReserveBytes = 50 * 1024 * 1024;

    bool isRecording() const { return m_recording; }

    struct StartResult {
        bool ok = false;
        QString text; // the format description, or why the start failed
    };
    // Starts a recording into a new file whose extension is `extension`; `listedRows` (the
    // rows of the recordings list) numbers a name that is taken. The caller has stopped any
    // running recording and playback.
    StartResult start(const QString& extension, int listedRows);
    // Stops capture, writes the blocks still pending, closes the file and emits finished().
    void stop();

    QString outputPath() const { return m_path; }
    // Rate and channels of the sound being recorded.
    int sampleRate() const { return m_rate; }
    int channels() const { return m_channels; }
    QString baseName() const { return m_baseName; }
    QDateTime startTime() const { return m_startTime; }
    QString elapsed() const { return m_elapsed; }

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

private:
    void onBlock(const SampleBlock& block);
    void onTimer(qint64 currentSamples);
    void fail(const QString& reason);
    void stopAfterFailure();
    // Writer thread: closes the part at a block boundary and goes on in the next file.
    void splitFile();
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
