#include "record/RecordingSession.h"

#include "base/AppFolder.h"
#include "base/TimeText.h"
#include "engine/codec/AudioFileWriter.h"
#include "engine/pulse/AudioRecorder.h"
#include "record/OutputNaming.h"

#include <QFileInfo>
#include <QStorageInfo>

RecordingSession::RecordingSession(QString appFolder, AudioRecorder& recorder, AudioFileWriter& file,
                                   QObject* parent)
    : QObject(parent)
    , m_appFolder(std::move(appFolder))
    , m_recorder(recorder)
    , m_file(file)
    , m_journal(m_appFolder) {
    // Encoding and writing run on the recorder's writer thread, away from the windows.
    connect(&m_recorder, &AudioRecorder::blockCaptured, this, &RecordingSession::onBlock,
            Qt::DirectConnection);
    connect(&m_recorder, &AudioRecorder::tick, this, &RecordingSession::onTimer);
    connect(&m_recorder, &AudioRecorder::failed, this, &RecordingSession::fail);
}

RecordingSession::StartResult RecordingSession::start(const QString& extension, int listedRows) {
    const NamingSettings naming = NamingSettings::read(settingsFile(m_appFolder));
    m_baseName = naming.fileName;
    m_startTime = QDateTime::currentDateTime();
    m_path = composeOutputPath(naming, m_appFolder, extension, listedRows, QDateTime::currentDateTime(),
                               [](const QString& p) { return QFileInfo::exists(p); });
    m_recording = false;
    m_failure.clear();

    m_file.create(m_path);
    if (m_file.status() < 0)
        return {false, m_file.errorText()};
    if (const JournalError journal = m_journal.begin(journalEntryFor(m_path, m_startTime, m_file));
        journal.failed())
        Q_EMIT journalFailed(journal.reason);
    m_recorder.setCaptureFormat(m_file.sampleRate(), m_file.channels());
    m_recorder.setBlockSize(m_recorder.blockSizeFor(1000));
    const QString description = m_file.formatDescription();

    m_elapsed = elapsedText(0);
    Q_EMIT elapsedChanged(m_elapsed);
    m_fileOpen = true;
    m_recorder.start();
    if (m_recorder.status() < 0) {
        m_fileOpen = false;
        m_file.close();
        m_journal.end();
        return {false, m_recorder.errorText()};
    }
    m_recording = true;
    return {true, description};
}

void RecordingSession::stop() {
    if (!m_fileOpen || m_stopping)
        return;
    m_stopping = true;
    m_recording = false;
    // Returns once every captured block is written.
    m_recorder.stop();
    // The last Timer may be a tick old; the list gets the length of what was captured.
    m_elapsed = elapsedText(m_recorder.framesToMs(m_recorder.capturedFrames()));
    Q_EMIT elapsedChanged(m_elapsed);
    m_fileOpen = false;
    m_file.close();
    m_journal.end();
    Q_EMIT finished(m_path, m_elapsed, m_startTime);
    m_stopping = false;
    Q_EMIT stopped();
}

// The recorder's writer thread, between start and stop: the file and the path are this
// recording's and nobody else touches them meanwhile.
void RecordingSession::onBlock(const SampleBlock& block) {
    if (m_file.status() < 0)
        return;
    m_file.write(block);
    QString failure;
    if (m_file.status() < 0) {
        failure = m_file.errorText();
    } else {
        const QStorageInfo disk(QFileInfo(m_path).absolutePath());
        if (disk.isValid() && disk.bytesAvailable() < kReserveBytes)
            failure = tr("Recording stopped: less than %1 MB are free on the disk of \"%2\".")
                          .arg(kReserveBytes / (1024 * 1024))
                          .arg(QFileInfo(m_path).absolutePath());
    }
    if (!failure.isEmpty())
        QMetaObject::invokeMethod(
            this, [this, failure] { fail(failure); }, Qt::QueuedConnection);
}

void RecordingSession::onTimer(qint64 currentSamples) {
    if (!m_recording)
        return;
    m_elapsed = elapsedText(m_recorder.framesToMs(currentSamples));
    Q_EMIT elapsedChanged(m_elapsed);
}

void RecordingSession::fail(const QString& reason) {
    if (!m_failure.isEmpty() || !m_fileOpen)
        return;
    m_failure = reason;
    // Stop from the event loop, not from inside the recorder's own signal.
    QMetaObject::invokeMethod(this, &RecordingSession::stopAfterFailure, Qt::QueuedConnection);
}

void RecordingSession::stopAfterFailure() {
    if (!m_fileOpen)
        return;
    stop();
    Q_EMIT interrupted(m_failure);
}
