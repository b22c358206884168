#pragma once

#include "engine/dsp/SampleBlock.h"
#include "record/DeviceSelection.h"
#include "record/RecordingSession.h"

#include <QObject>
#include <QString>
#include <memory>

class AudioFileReader;
class AudioFileWriter;
class AudioPlayer;
class AudioRecorder;
class FilePlayback;
class MonoMixer;
class RecordingsModel;
class ScheduleModel;
class Scheduler;
struct SourceMix;

// What the program is, without its windows: the audio engine objects, the recording
// session, the playback of a row, the recordings list, and the settings they start from.
// The main window shows it and forwards the user's commands.
class ApplicationCore : public QObject {
    Q_OBJECT
public:
    explicit ApplicationCore(QString appFolder, QObject* parent = nullptr);
    ~ApplicationCore() override;

    const QString& appFolder() const { return m_appFolder; }
    const QString& settingsFile() const { return m_settingsFile; }
    // Where new recordings go: the stored folder, else the application folder.
    QString outputFolder() const;

    // Start-up: loads the schedule and starts its clock, recovers the recordings an unexpected end left
    // behind, then the format and signal settings, then the device list. False when there is no recording
    // device (yet: devicesChanged tells when one appears).
    bool load();
    bool isLoaded() const { return m_loaded; }
    const DeviceSelection::DeviceList& devices() const { return m_devices; }
    // The output format's position in the list, as the settings left it.
    int outputFormat() const { return m_outputFormat; }
    // Kept in the settings at exit. Listening starts afresh in the new format.
    void setOutputFormat(int position);

    // Selects device `index` (the recorder's number) and returns its sources.
    DeviceSelection::SourceList chooseDevice(int index);
    // Records the selected device's source `position` alone from now on.
    void chooseSource(int position);
    // Records the sources of `mix` together from now on (one source as chosen in the lists
    // when it holds fewer than two), and keeps the choice in the settings.
    void chooseSourceMix(const SourceMix& mix);

    // Finishes a running recording and stops playback first. `formatText` is the output
    // format list's text, whose extension picks the encoder.
    RecordingSession::StartResult
    startRecording(const QString& formatText,
                   RecordingSession::StartedBy startedBy = RecordingSession::StartedBy::User);
    void stopRecording();
    bool isRecording() const;
    void playRow(int row);
    // Whether anybody sees the displays: the engine then ticks fast and hands out the
    // sound for them; unwatched it ticks slowly and they get nothing.
    void setDisplaysWatched(bool watched, int spectrumFrames, int levelValues);

    // The orderly end: stops recording and playback, stores the settings and the schedule, releases
    // the engine objects. Nothing else may be called afterwards.
    void shutdown();

    RecordingSession& session() { return *m_session; }
    FilePlayback& playback() { return *m_playback; }
    RecordingsModel& recordings() { return *m_recordings; }
    Scheduler& scheduler() { return *m_scheduler; }
    const QString& scheduleFile() const { return m_scheduleFile; }
    AudioFileWriter& writer() { return *m_writer; }
    AudioRecorder& recorder() { return *m_recorder; }
    // What Record will record in place of the chosen source that vanished; empty while the
    // chosen one is there.
    QString replacedSourceNote() const;
    // After the format settings changed: playback reads headerless files as now set, and
    // listening starts afresh in the new format.
    void formatsChanged();
    // Listens as section `activation` says, afresh (the ring empty): after a change of the
    // settings, the source or the format.
    void listenAsSet();

Q_SIGNALS:
    // The device list was read again (a server or a source came or went).
    void devicesChanged();
    // Mono sound for the displays while they are watched; either block may be empty.
    void displaysReady(const SampleBlock& spectrum, const SampleBlock& level, int sampleRate);
    // A line for the status bar: a recording recovered, a journal that cannot be kept, a
    // recording without sound (then also told to the desktop's notification service).
    // Delivered from the event loop, after what the command that caused it shows.
    void notice(const QString& text);
    // A recording ended on its own (full disk, vanished source, server gone): why, and what
    // Record would record now (empty when the chosen source). The desktop's notification
    // service is told too, for a window hidden in the tray.
    void recordingInterrupted(const QString& reason, const QString& sourceNote);
    // The sources recorded together changed.
    void sourceMixChanged();

private:
    void recorderTicked(qint64 capturedFrames);
    // `values` as one channel: themselves when mono, else mixed into `into`.
    const SampleBlock& asMono(const SampleBlock& values, int channels, SampleBlock& into) const;
    // Tells `text` from the event loop, after what the command under way shows.
    void queueNotice(const QString& text);
    // Says on the status line when the source recorded is no longer the chosen one, and when
    // the chosen one is back.
    void tellReplacedSource();

    QString m_appFolder;
    QString m_settingsFile;
    QString m_scheduleFile;
    DeviceSelection::DeviceList m_devices;
    int m_outputFormat = 0;
    bool m_loaded = false;
    bool m_serverConnected = false;
    bool m_watched = false;
    // The source recorded in place of the chosen one, as last told; empty when none is.
    QString m_replacedSource;
    int m_spectrumFrames = 0;
    int m_levelValues = 0;
    qint64 m_displayedFrames = -1;
    // The displays' blocks, reused on every frame.
    SampleBlock m_recentSpectrum;
    SampleBlock m_recentLevel;
    SampleBlock m_monoSpectrum;
    SampleBlock m_monoLevel;
    std::unique_ptr<AudioRecorder> m_recorder;
    std::unique_ptr<AudioFileWriter> m_writer;
    std::unique_ptr<AudioFileReader> m_reader;
    std::unique_ptr<AudioPlayer> m_player;
    std::unique_ptr<MonoMixer> m_mixer;
    RecordingsModel* m_recordings = nullptr;
    RecordingSession* m_session = nullptr;
    FilePlayback* m_playback = nullptr;
    ScheduleModel* m_schedule = nullptr;
    Scheduler* m_scheduler = nullptr;
};
