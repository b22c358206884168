#include "record/RecordingSession.h"

#include "base/AppFolder.h"
#include "base/DiskSpace.h"
#include "base/TimeText.h"
#include "engine/codec/AudioFileWriter.h"
#include "engine/codec/FileFormats.h"
#include "engine/pulse/AudioCapture.h"
#include "record/ActivationSettings.h"
#include "record/OutputNaming.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>
#include <tuple>
#include <utility>

RecordingSession::RecordingSession(QString appFolder, AudioCapture& capture, AudioFileWriter& file,
                                   QObject* parent)
    : QObject(parent)
    , m_appFolder(std::move(appFolder))
    , m_capture(capture)
    , m_file(file)
    , m_journal(m_appFolder) {
    // Encoding and writing run on the capture's writer thread, away from the windows.
    connect(&m_capture, &AudioCapture::blockCaptured, this, &RecordingSession::onBlock, Qt::DirectConnection);
    connect(&m_capture, &AudioCapture::tick, this, &RecordingSession::onTimer);
    connect(&m_capture, &AudioCapture::failed, this, &RecordingSession::fail);
    connect(&m_capture, &AudioCapture::silenceFilled, this, [this](qint64 frames) {
        if (m_recording)
            Q_EMIT silenceFilled(
                tr("Tavrik stood still and the sound server dropped what it could not hold: "
                   "%1 s of \"%2\" are filled with silence, so the recording keeps its length.")
                    .arg(filledSeconds(frames - m_filledOrigin))
                    .arg(m_path));
    });
}

RecordingSession::StartResult RecordingSession::start(const QString& extension, int listedRows,
                                                      StartedBy startedBy) {
    const NamingSettings naming = NamingSettings::read(settingsFile(m_appFolder));
    m_naming = naming;
    m_split = SplitRule::read(settingsFile(m_appFolder));
    m_listedRows = listedRows;
    m_extension = extension;
    m_baseName = naming.fileName;
    m_startTime = QDateTime::currentDateTime();
    m_path = composeOutputPath(naming, m_appFolder, extension, listedRows, QDateTime::currentDateTime(),
                               [](const QString& p) { return QFileInfo::exists(p); });
    m_recording = false;
    m_failure.clear();
    if (const ActivationSettings activation = ActivationSettings::read(settingsFile(m_appFolder));
        activation.enabled && startedBy == StartedBy::User)
        return arm(activation);

    // Nothing is created (or overwritten) for a start that cannot succeed.
    if (!m_capture.canStart())
        return {false, m_capture.errorText()};
    m_file.create(m_path);
    if (m_file.status() < 0)
        return {false, m_file.errorText()};
    if (const JournalError journal = m_journal.begin(journalEntryFor(m_path, m_startTime, m_file));
        journal.failed())
        Q_EMIT journalFailed(journal.reason);
    m_rate = m_file.sampleRate();
    m_channels = m_file.channels();
    m_partPath = m_path;
    m_partStart = m_startTime;
    m_partFrames = 0;
    m_parts = 1;
    m_listedFrames = 0;
    const QString description = m_file.formatDescription();
    m_silenceAlarmSeconds = ActivationSettings::read(settingsFile(m_appFolder)).silenceAlarmSeconds;
    m_health.reset(m_channels, m_silenceAlarmSeconds, {});
    m_writtenFrames = 0;
    m_clippedPeaks = 0;
    m_freeBytes = -1;
    m_diskCheckedSecond = -1;
    m_bytesPerSecond =
        m_file.formats().bytesPerSecond(codec::fileTypeFor(m_path).value_or(codec::FileType::Wav));
    m_healthText.clear();
    m_healthSecond = -1;

    if (m_listening && m_listenFormat == std::pair{m_rate, m_channels}) {
        // The capture runs on: the file begins with the ring's last seconds, and the next
        // block follows them without a gap.
        const std::lock_guard lock(m_modeMutex);
        const qint64 wanted = m_capture.capturedFrames() - static_cast<qint64>(m_listenSeconds) * m_rate;
        if (startedBy == StartedBy::Schedule)
            m_ring.clear();
        m_held = m_ring.take(static_cast<std::uint64_t>(std::max<qint64>(0, wanted)));
        m_origin = static_cast<qint64>(m_ring.framesKept()) - static_cast<qint64>(m_held.size()) / m_channels;
        m_filledOrigin = m_capture.filledFrames();
        m_fileOpen = true;
        m_listening = false;
    } else {
        stopListening();
        m_origin = 0;
        m_filledOrigin = 0;
        m_fileOpen = true;
        startCapture(m_rate, m_channels);
        if (m_capture.status() < 0) {
            m_fileOpen = false;
            m_file.close();
            m_journal.end();
            // The file holds no sound: a failed start leaves nothing behind.
            QFile::remove(m_path);
            followListening();
            return {false, m_capture.errorText()};
        }
    }
    m_elapsed = elapsedText(framesToMs(recordedFrames()));
    Q_EMIT elapsedChanged(m_elapsed);
    m_recording = true;
    Q_EMIT started();
    Q_EMIT listeningChanged(false);
    return {true, description};
}

qint64 RecordingSession::framesToMs(qint64 frames) const {
    return frames * 1000 / std::max(1, m_rate);
}

QString RecordingSession::filledSeconds(qint64 frames) const {
    return QString::number(static_cast<double>(framesToMs(frames)) / 1000.0, 'f', 1);
}

void RecordingSession::stop() {
    if (m_armed && !m_stopping) {
        m_stopping = true;
        m_recording = false;
        // Returns once every captured block went through the detector.
        m_capture.stop();
        if (m_eventOpen)
            closeEventFile();
        announceParts();
        m_armed = false;
        m_detector.reset();
        m_stopping = false;
        Q_EMIT activationChanged({});
        Q_EMIT stopped();
        followListening();
        return;
    }
    if (!m_fileOpen || m_stopping)
        return;
    m_stopping = true;
    m_recording = false;
    // Returns once every captured block is written.
    m_capture.stop();
    // A stop right after a start that took over the ring may come before any block did.
    if (!m_held.empty())
        writeBlock(std::exchange(m_held, {}));
    announceParts();
    m_path = m_partPath;
    // The last Timer may be a tick old; the list gets the length of what was captured.
    m_elapsed = elapsedText(framesToMs(recordedFrames()));
    Q_EMIT elapsedChanged(m_elapsed);
    // Parts listed before: the row of this one gets its own length.
    const QString partLength = elapsedText(framesToMs(recordedFrames() - m_listedFrames));
    m_fileOpen = false;
    m_file.close();
    m_journal.end();
    // The row says how much of its length is filled-in silence.
    const qint64 filled = m_capture.filledFrames() - m_filledOrigin;
    Q_EMIT finished(m_path,
                    filled > 0 ? tr("%1 (%2 s silence filled)").arg(partLength).arg(filledSeconds(filled))
                               : partLength,
                    m_partStart);
    m_stopping = false;
    Q_EMIT stopped();
    followListening();
}

void RecordingSession::listen(int seconds, const QString& extension) {
    m_listenSeconds = std::clamp(seconds, 0, PreRecordRing::kMaxSeconds);
    m_listenExtension = extension;
    // Armed, the ring holds the next event's pre-roll: listening waits for Stop.
    if (!active()) {
        stopListening();
        followListening();
    }
}

void RecordingSession::monitor(bool on) {
    m_monitoring = on;
    if (!active()) {
        stopListening();
        followListening();
    }
}

void RecordingSession::followListening() {
    if (active() || m_listening)
        return;
    const std::optional<codec::FileType> type =
        codec::fileTypeFor(QStringLiteral("listen.") + m_listenExtension);
    if ((m_listenSeconds <= 0 && !m_monitoring) || !type) {
        m_ring.configure(0, 0, 1);
        return;
    }
    if (!m_capture.canStart())
        return;
    m_listenFormat = m_file.formats().rateAndChannels(*type);
    const auto [rate, channels] = m_listenFormat;
    m_ring.configure(m_listenSeconds, rate, channels);
    m_ring.clear();
    startCapture(rate, channels);
    if (m_capture.status() < 0)
        return;
    m_listening = true;
    Q_EMIT listeningChanged(true);
}

void RecordingSession::startCapture(int rate, int channels) {
    m_capture.setCaptureFormat(rate, channels);
    // A killed program loses at most the block the file has not yet got.
    m_capture.setBlockSize(std::max(1, rate / kBlocksPerSecond));
    m_capture.start();
}

void RecordingSession::stopListening() {
    if (!m_listening)
        return;
    m_capture.stop();
    m_listening = false;
    Q_EMIT listeningChanged(false);
}

QString RecordingSession::healthText() const {
    if (!m_recording)
        return {};
    QStringList parts;
    // Recording stops at the reserve, so what lies below it is no time left.
    if (const qint64 free = m_freeBytes; free >= 0)
        parts << diskTimeLeftText(std::max<qint64>(0, free - kReserveBytes), m_bytesPerSecond);
    if (const qint64 clipped = m_clippedPeaks; clipped > 0)
        parts << (clipped == 1 ? tr("1 clipped peak") : tr("%1 clipped peaks").arg(clipped));
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", "));
}

qint64 RecordingSession::recordedFrames() const {
    return m_capture.capturedFrames() - m_origin;
}

// The capture's writer thread, between start and stop: the file and the path are this
// recording's and nobody else touches them meanwhile.
void RecordingSession::onBlock(const SampleBlock& block) {
    if (m_armed) {
        onArmedBlock(block);
        return;
    }
    {
        const std::lock_guard lock(m_modeMutex);
        if (!m_fileOpen) {
            m_ring.keep(block);
            return;
        }
    }
    if (!m_held.empty())
        writeBlock(std::exchange(m_held, {}));
    writeBlock(block);
}

void RecordingSession::writeBlock(const SampleBlock& block) {
    if (m_file.status() < 0)
        return;
    if (m_split.active() && m_split.due(m_partFrames, m_rate, QFileInfo(m_partPath).size())) {
        finishPart();
        beginPart();
    }
    m_file.write(block);
    const qint64 frames = static_cast<qint64>(block.size()) / std::max(1, m_channels);
    m_partFrames += frames;
    m_writtenFrames += frames;
    if (m_health.note(block, std::chrono::milliseconds(framesToMs(m_writtenFrames)))) {
        const QString text =
            tr("No sound for %1 s: is the input muted?").arg(QString::number(m_silenceAlarmSeconds));
        QMetaObject::invokeMethod(
            this, [this, text] { Q_EMIT silenceAlarm(text); }, Qt::QueuedConnection);
    }
    m_clippedPeaks = m_health.clippedPeaks();
    QString failure;
    if (m_file.status() < 0) {
        failure = m_file.errorText();
    } else if (const qint64 second = m_writtenFrames / std::max(1, m_rate); second != m_diskCheckedSecond) {
        // Once a second of sound is often enough against the reserve.
        m_diskCheckedSecond = second;
        const std::optional<qint64> free = freeDiskBytes(QFileInfo(m_partPath).absolutePath());
        if (free)
            m_freeBytes = *free;
        if (free && *free < kReserveBytes)
            failure = tr("Recording stopped: less than %1 MB are free on the disk of \"%2\".")
                          .arg(kReserveBytes / (1024 * 1024))
                          .arg(QFileInfo(m_partPath).absolutePath());
    }
    if (!failure.isEmpty())
        QMetaObject::invokeMethod(
            this, [this, failure] { fail(failure); }, Qt::QueuedConnection);
}

void RecordingSession::finishPart() {
    m_file.close();
    m_journal.end();
    {
        const std::lock_guard lock(m_partsMutex);
        m_doneParts.push_back({m_partPath, m_partFrames, m_partStart});
    }
    QMetaObject::invokeMethod(this, &RecordingSession::announceParts, Qt::QueuedConnection);
}

bool RecordingSession::beginPart() {
    // Parts never replace a file, whatever the rule for taken names says.
    NamingSettings naming = m_naming;
    naming.existedFile = QStringLiteral("0");
    const QDateTime now = QDateTime::currentDateTime();
    m_partPath = composeOutputPath(naming, m_appFolder, m_extension, m_listedRows + m_parts, now,
                                   [](const QString& p) { return QFileInfo::exists(p); });
    m_partStart = now;
    m_partFrames = 0;
    ++m_parts;
    m_file.create(m_partPath);
    if (m_file.status() < 0) {
        const QString reason = m_file.errorText();
        QMetaObject::invokeMethod(
            this, [this, reason] { fail(reason); }, Qt::QueuedConnection);
        return false;
    }
    // A journal that cannot be written is told once a run, at its first file.
    if (const JournalError journal = m_journal.begin(journalEntryFor(m_partPath, now, m_file));
        journal.failed() && m_parts == 1) {
        const QString reason = journal.reason;
        QMetaObject::invokeMethod(
            this, [this, reason] { Q_EMIT journalFailed(reason); }, Qt::QueuedConnection);
    }
    return true;
}

void RecordingSession::announceParts() {
    std::vector<Part> parts;
    {
        const std::lock_guard lock(m_partsMutex);
        parts.swap(m_doneParts);
    }
    for (const Part& part : parts) {
        m_listedFrames += part.frames;
        Q_EMIT finished(part.path, elapsedText(framesToMs(part.frames)), part.start);
    }
    if (!parts.empty() && m_fileOpen) {
        m_path = m_partPath;
        Q_EMIT fileChanged(m_path);
    }
}

void RecordingSession::onTimer(qint64 currentSamples) {
    if (!m_recording)
        return;
    if (QString elapsed = elapsedText(framesToMs(currentSamples - m_origin)); elapsed != m_elapsed) {
        m_elapsed = std::move(elapsed);
        Q_EMIT elapsedChanged(m_elapsed);
    }
    // The disk's time left and the clipped peaks are news once a second, not at every tick.
    if (const qint64 second = framesToMs(currentSamples - m_origin) / 1000; second != m_healthSecond) {
        m_healthSecond = second;
        if (const QString health = healthText(); health != m_healthText) {
            m_healthText = health;
            Q_EMIT healthChanged(health);
        }
    }
}

void RecordingSession::fail(const QString& reason) {
    if (m_listening && !m_fileOpen) {
        // Back once a device is chosen or the server returns, which calls listen() again.
        QMetaObject::invokeMethod(this, &RecordingSession::stopListening, Qt::QueuedConnection);
        return;
    }
    if (!m_failure.isEmpty() || !active())
        return;
    m_failure = reason;
    // Stop from the event loop, not from inside the capture's own signal.
    QMetaObject::invokeMethod(this, &RecordingSession::stopAfterFailure, Qt::QueuedConnection);
}

void RecordingSession::stopAfterFailure() {
    if (!active())
        return;
    stop();
    Q_EMIT interrupted(m_failure);
}

RecordingSession::StartResult RecordingSession::arm(const ActivationSettings& activation) {
    if (!m_capture.canStart())
        return {false, m_capture.errorText()};
    const codec::FileType type = codec::fileTypeFor(m_path).value_or(codec::FileType::Wav);
    if (m_file.formats().description(type).isEmpty())
        return {false, tr("The output format's settings cannot be written: choose others in its settings.")};
    stopListening();
    std::tie(m_rate, m_channels) = m_file.formats().rateAndChannels(type);
    m_detector.emplace(m_rate, m_channels, activation.detectorParameters());
    // The pre-roll, and the onset and a block that may come before an event is seen.
    m_ring.configure(static_cast<int>(std::ceil(activation.prerollSeconds)) + 2, m_rate, m_channels);
    m_ring.clear();
    m_silenceAlarmSeconds = activation.silenceAlarmSeconds;
    m_health.reset(m_channels, m_silenceAlarmSeconds, {});
    m_writtenFrames = 0;
    m_clippedPeaks = 0;
    m_freeBytes = -1;
    m_diskCheckedSecond = -1;
    m_bytesPerSecond = m_file.formats().bytesPerSecond(type);
    m_healthText.clear();
    m_healthSecond = -1;
    m_parts = 0;
    m_events = 0;
    m_eventOpen = false;
    m_listedFrames = 0;
    m_origin = 0;
    m_filledOrigin = 0;
    m_path.clear();
    m_armed = true;
    startCapture(m_rate, m_channels);
    if (m_capture.status() < 0) {
        m_armed = false;
        m_detector.reset();
        followListening();
        return {false, m_capture.errorText()};
    }
    const double threshold = activation.thresholdDb;
    // A real minus sign, as in print.
    m_waitingText = tr("Waiting for sound (%1 dBFS)")
                        .arg((threshold < 0 ? QStringLiteral("\u2212") : QString()) +
                             QString::number(std::abs(threshold)));
    m_elapsed = elapsedText(0);
    Q_EMIT elapsedChanged(m_elapsed);
    m_recording = true;
    Q_EMIT started();
    tellActivation();
    return {true, m_waitingText};
}

void RecordingSession::tellActivation() {
    if (!m_armed)
        return;
    const int events = m_events;
    if (m_eventOpen)
        Q_EMIT activationChanged(tr("Armed: recording sound event %1").arg(events));
    else if (events > 0)
        Q_EMIT activationChanged(tr("%1: armed, %2 sound events so far").arg(m_waitingText).arg(events));
    else
        Q_EMIT activationChanged(m_waitingText);
}

void RecordingSession::onArmedBlock(const SampleBlock& block) {
    const auto channels = static_cast<std::uint64_t>(std::max(1, m_channels));
    const std::uint64_t first = m_detector->framesFed();
    const std::uint64_t end = first + block.size() / channels;
    // Writes the block's frames from `from` to `to` into the event's file.
    const auto writeFrames = [&](std::uint64_t from, std::uint64_t to) {
        if (from < to)
            writeBlock(SampleBlock(block.begin() + static_cast<std::ptrdiff_t>((from - first) * channels),
                                   block.begin() + static_cast<std::ptrdiff_t>((to - first) * channels)));
    };
    std::uint64_t cursor = first;
    for (const SoundActivation::Event& event : m_detector->feed(block)) {
        if (event.kind == SoundActivation::Event::Started) {
            if (!openEventFile())
                return;
            // The pre-roll lies in the ring, which holds the frames before this block.
            if (event.frame < first)
                writeBlock(m_ring.take(event.frame));
            cursor = std::max(event.frame, first);
        } else if (m_eventOpen) {
            writeFrames(cursor, event.frame);
            closeEventFile();
            cursor = event.frame;
        }
    }
    if (m_eventOpen)
        writeFrames(cursor, end);
    m_ring.keep(block);
}

bool RecordingSession::openEventFile() {
    if (!beginPart())
        return false;
    ++m_events;
    m_eventOpen = true;
    QMetaObject::invokeMethod(
        this,
        [this, path = m_partPath] {
            m_path = path;
            Q_EMIT fileChanged(path);
            tellActivation();
        },
        Qt::QueuedConnection);
    return true;
}

void RecordingSession::closeEventFile() {
    finishPart();
    m_eventOpen = false;
    QMetaObject::invokeMethod(this, &RecordingSession::tellActivation, Qt::QueuedConnection);
}
