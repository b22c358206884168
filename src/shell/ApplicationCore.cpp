#include "shell/ApplicationCore.h"

#include "base/AppFolder.h"
#include "base/DesktopNotifications.h"
#include "base/SettingsFile.h"
#include "base/SettingsKeys.h"
#include "engine/codec/AudioFileReader.h"
#include "engine/codec/AudioFileWriter.h"
#include "engine/dsp/MonoMixer.h"
#include "engine/playback/FilePlayback.h"
#include "engine/pulse/AudioPlayer.h"
#include "engine/pulse/AudioRecorder.h"
#include "formats/FormatSettings.h"
#include "formats/SignalSettings.h"
#include "record/ActivationSettings.h"
#include "record/MixSettings.h"
#include "record/OutputNaming.h"
#include "record/RecordingRecovery.h"
#include "recordings/RecordingsModel.h"
#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleModel.h"
#include "schedule/Scheduler.h"

namespace {

// Recorder ticks while the displays can be seen, and while nobody watches them.
// The displays draw ten times a second: enough for a meter to follow speech, and every frame
// costs a wake-up of the whole window, which a recorder left open all day pays for hours.
constexpr int kDisplayTickMs = 100;
constexpr int kUnwatchedTickMs = 1000;

} // namespace

ApplicationCore::ApplicationCore(QString appFolder, QObject* parent)
    : QObject(parent)
    , m_appFolder(std::move(appFolder))
    , m_settingsFile(::settingsFile(m_appFolder))
    , m_scheduleFile(ScheduleFile::path(m_appFolder))
    , m_recorder(std::make_unique<AudioRecorder>())
    , m_writer(std::make_unique<AudioFileWriter>())
    , m_reader(std::make_unique<AudioFileReader>())
    , m_player(std::make_unique<AudioPlayer>())
    , m_mixer(std::make_unique<MonoMixer>())
    , m_recordings(new RecordingsModel(this))
    , m_session(new RecordingSession(m_appFolder, *m_recorder, *m_writer, this))
    , m_playback(new FilePlayback(
          *m_reader, *m_player, [this] { return isRecording(); }, this))
    , m_schedule(new ScheduleModel(this))
    , m_scheduler(new Scheduler(*m_schedule, this)) {
    connect(m_recorder.get(), &AudioRecorder::tick, this, &ApplicationCore::recorderTicked);
    connect(m_session, &RecordingSession::finished, m_recordings, &RecordingsModel::appendRecording);
    connect(m_session, &RecordingSession::started, m_scheduler,
            [this] { m_scheduler->recordingStarted(m_session->outputPath()); });
    connect(m_session, &RecordingSession::stopped, m_scheduler, &Scheduler::recordingStopped);
    connect(m_scheduler, &Scheduler::notice, this, &ApplicationCore::notice);
    connect(m_session, &RecordingSession::journalFailed, this, &ApplicationCore::notice,
            Qt::QueuedConnection);
    // Said where a user looks away from a hidden window too.
    connect(m_session, &RecordingSession::silenceAlarm, this, [this](const QString& text) {
        DesktopNotifications::notify(tr("No sound"), text);
        Q_EMIT notice(text);
    });
    connect(m_recorder.get(), &AudioRecorder::mixSourceLost, this, [this](const QString& name) {
        const QString text =
            tr("\"%1\" is not available: silence stands in for it while the other sources go on.").arg(name);
        DesktopNotifications::notify(tr("Source lost"), text);
        Q_EMIT notice(text);
    });
    // The log line of a recording of several sources: how far their clocks ran apart.
    connect(m_session, &RecordingSession::stopped, this, [this] {
        if (const QString summary = m_recorder->mixSummary(); !summary.isEmpty()) {
            qInfo().noquote() << summary;
            Q_EMIT notice(summary);
        }
    });
    connect(m_session, &RecordingSession::interrupted, this, [this](const QString& reason) {
        // The lists may already have replaced the vanished source: what Record would now take is said too.
        const QString note = replacedSourceNote();
        DesktopNotifications::notify(tr("Recording stopped"), note.isEmpty() ? reason : reason + u' ' + note);
        Q_EMIT recordingInterrupted(reason, note);
    });
    connect(m_playback, &FilePlayback::spectrumReady, this,
            [this](const SampleBlock& values, int rate, int channels) {
                if (m_watched)
                    Q_EMIT displaysReady(asMono(values, channels, m_monoSpectrum), {}, rate);
            });
    connect(m_playback, &FilePlayback::levelReady, this, [this](const SampleBlock& values, int channels) {
        if (m_watched)
            Q_EMIT displaysReady({}, asMono(values, channels, m_monoLevel), m_playback->sampleRate());
    });
}

ApplicationCore::~ApplicationCore() {
    // The capture thread must not hand a block to a writer already destroyed.
    if (m_recorder && isRecording())
        stopRecording();
    if (m_recorder)
        m_session->listen(0, {});
}

QString ApplicationCore::outputFolder() const {
    const QString folder = NamingSettings::read(m_settingsFile).outputFolder;
    return folder.isEmpty() ? m_appFolder : folder;
}

bool ApplicationCore::load() {
    if (ScheduleFile::load(m_scheduleFile, *m_schedule).cut)
        queueNotice(tr("The schedule holds more than %1 entries: the first %1 are loaded, and the whole "
                       "file is kept as \"%2\".")
                        .arg(QString::number(ScheduleFile::kMostEntries),
                             ScheduleFile::wholeCopyPath(m_scheduleFile)));
    m_scheduler->start();
    const RecoveryReport recovery = recoverRecordings(m_appFolder, {m_appFolder, outputFolder()});
    for (const RecoveredRecording& r : recovery.recovered)
        m_recordings->appendRecording(r.path, r.duration, r.start);
    for (const QString& text : recovery.notices)
        queueNotice(text);
    codec::OutputFormats formats;
    m_outputFormat = loadFormatSettings(m_settingsFile, formats);
    m_writer->setFormats(formats);
    formatsChanged();
    applySignalSettings(m_settingsFile, m_recorder->signalChain());
    m_recorder->setSourceMix(readSourceMix(m_settingsFile));
    m_loaded = true;
    m_devices = DeviceSelection::listDevices(*m_recorder);
    m_serverConnected = m_recorder->serverConnected();
    connect(m_recorder.get(), &AudioRecorder::devicesChanged, this, [this] {
        m_devices = DeviceSelection::listDevices(*m_recorder);
        Q_EMIT devicesChanged();
        tellReplacedSource();
        // Listening that ended with its source or server comes back with them.
        if (!m_session->isListening())
            listenAsSet();
        // The status line says what is true now, not what was when the server went.
        if (m_serverConnected == m_recorder->serverConnected())
            return;
        m_serverConnected = !m_serverConnected;
        Q_EMIT notice(m_serverConnected
                          ? tr("The sound server (PulseAudio) is running; recording can start.")
                          : tr("The sound server (PulseAudio) stopped or can no longer be reached."));
    });
    listenAsSet();
    return !m_devices.devices.empty();
}

void ApplicationCore::queueNotice(const QString& text) {
    QMetaObject::invokeMethod(
        this, [this, text] { Q_EMIT notice(text); }, Qt::QueuedConnection);
}

void ApplicationCore::formatsChanged() {
    m_reader->setHeaderlessFormats(m_writer->formats().headerless());
    listenAsSet();
}

void ApplicationCore::setOutputFormat(int position) {
    if (position == m_outputFormat)
        return;
    m_outputFormat = position;
    listenAsSet();
}

void ApplicationCore::listenAsSet() {
    if (!m_loaded)
        return;
    m_session->listen(ActivationSettings::read(m_settingsFile).prerecordSeconds,
                      outputFormatTexts().value(m_outputFormat));
}

DeviceSelection::SourceList ApplicationCore::chooseDevice(int index) {
    m_recorder->selectDevice(index);
    return DeviceSelection::listSources(*m_recorder);
}

void ApplicationCore::chooseSource(int position) {
    if (m_recorder->sourceMix().several())
        chooseSourceMix({});
    DeviceSelection::activateSource(*m_recorder, position);
    m_replacedSource.clear();
    listenAsSet();
}

void ApplicationCore::chooseSourceMix(const SourceMix& mix) {
    writeSourceMix(m_settingsFile, mix);
    m_recorder->setSourceMix(mix);
    listenAsSet();
    Q_EMIT sourceMixChanged();
}

bool ApplicationCore::isRecording() const {
    return m_session->isRecording();
}

RecordingSession::StartResult ApplicationCore::startRecording(const QString& formatText,
                                                              RecordingSession::StartedBy startedBy) {
    if (isRecording())
        stopRecording();
    m_playback->stop();
    const QString replaced = m_recorder->sources().chosenSourceReplaced()
                                 ? tr("\"%1\" is no longer available: recording from \"%2\" instead.")
                                       .arg(m_recorder->sources().chosenSource().description,
                                            m_recorder->sources().recordedSourceName())
                                 : QString();
    RecordingSession::StartResult result = m_session->start(formatText, m_recordings->rowCount(), startedBy);
    // Recording from it makes the other source the chosen one: said once, as the recording starts.
    if (result.ok && !replaced.isEmpty()) {
        result.text = replaced + QLatin1Char(' ') + result.text;
        m_replacedSource.clear();
    }
    return result;
}

QString ApplicationCore::replacedSourceNote() const {
    if (!m_recorder->sources().chosenSourceReplaced())
        return {};
    return tr("\"%1\" is no longer available: Record will record \"%2\" instead.")
        .arg(m_recorder->sources().chosenSource().description, m_recorder->sources().recordedSourceName());
}

void ApplicationCore::tellReplacedSource() {
    const QString now =
        m_recorder->sources().chosenSourceReplaced() ? m_recorder->sources().recordedSourceName() : QString();
    if (now == m_replacedSource)
        return;
    if (!now.isEmpty())
        Q_EMIT notice(replacedSourceNote());
    else if (!m_recorder->sources().recordedSourceName().isEmpty())
        Q_EMIT notice(tr("\"%1\" is available again and will be recorded.")
                          .arg(m_recorder->sources().chosenSource().description));
    m_replacedSource = now;
}

void ApplicationCore::stopRecording() {
    m_session->stop();
}

void ApplicationCore::playRow(int row) {
    m_playback->play(row >= 0 && row < m_recordings->rowCount() ? m_recordings->path(row) : QString());
}

void ApplicationCore::setDisplaysWatched(bool watched, int spectrumFrames, int levelValues) {
    if (!m_recorder)
        return;
    m_watched = watched;
    m_spectrumFrames = spectrumFrames;
    m_levelValues = levelValues;
    m_recorder->setTimerInterval(watched ? kDisplayTickMs : kUnwatchedTickMs);
    m_playback->setDisplayDemand(watched ? spectrumFrames : 0, watched ? levelValues : 0);
}

void ApplicationCore::recorderTicked(qint64 capturedFrames) {
    // Nobody sees the displays of a hidden or minimised window: skip their analysis. Nor is
    // there anything new to show before more sound came.
    if ((!isRecording() && !m_session->isListening()) || !m_watched || capturedFrames == m_displayedFrames)
        return;
    m_displayedFrames = capturedFrames;
    const int channels = m_session->channels();
    m_recorder->recentSamples(m_spectrumFrames * channels, m_recentSpectrum);
    m_recorder->recentSamples(m_levelValues, m_recentLevel);
    Q_EMIT displaysReady(asMono(m_recentSpectrum, channels, m_monoSpectrum),
                         asMono(m_recentLevel, channels, m_monoLevel), m_session->sampleRate());
}

const SampleBlock& ApplicationCore::asMono(const SampleBlock& values, int channels, SampleBlock& into) const {
    if (channels != 2)
        return values;
    m_mixer->mixInto(values, into);
    return into;
}

void ApplicationCore::shutdown() {
    if (!m_recorder)
        return;
    m_scheduler->halt();
    if (isRecording())
        stopRecording();
    m_session->listen(0, {});
    m_playback->stop();
    if (m_loaded)
        ScheduleFile::save(m_scheduleFile, *m_schedule);
    if (m_loaded)
        writeSetting(m_settingsFile, SettingsKeys::Set::kSection, SettingsKeys::Set::kOutputFormat,
                     QString::number(m_outputFormat));
    m_recorder.reset();
    m_writer.reset();
    m_player.reset();
    m_reader.reset();
    m_mixer.reset();
}
