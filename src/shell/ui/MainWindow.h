#pragma once

#include "engine/dsp/SampleBlock.h"
#include "shell/ApplicationCore.h"

#include <QList>
#include <QMainWindow>
#include <memory>

class FilePlayback;
class LevelDisplay;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;
class QSystemTrayIcon;
class QToolButton;
class QTreeView;
class RecordingSession;
class RecordingsModel;
class RunningTimeLabel;
class FrequencyView;
class ScheduleWindow;
class Scheduler;

// The main window: a view over the application core, whose commands it forwards.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QString appFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Record: a user's start takes the seconds kept while listening.
    void startRecording(RecordingSession::StartedBy startedBy = RecordingSession::StartedBy::User);
    void stopRecording();
    // The orderly exit: stops recording, stores the output format, releases the
    // components and quits the application.
    void exitApplication();
    // The same exit when the session ends under the program (a termination signal): nobody is
    // there to answer, so the list is not offered for saving, and a question already open is
    // left unanswered.
    void endSession();
    // Opens Format Settings modally.
    void showSoundActivation();
    void showSeveralSources();
    void showFormatSettings();
    // While this icon is shown in a tray, minimising and the close box hide the window
    // instead of leaving it unreachable; null means no icon.
    void setTrayIcon(const QSystemTrayIcon* tray) { m_tray = tray; }

    bool isRecording() const;
    RecordingSession& session() { return *m_session; }
    RecordingsModel& recordings() { return *m_recordings; }
    FilePlayback& playback() { return *m_playback; }
    Scheduler& scheduler() { return m_core->scheduler(); }
    // The status bar: the file being recorded or played, and the last message.
    // What the status line says of listening; empty while the microphone is closed.
    QString listeningText() const;
    QString fileStatusText() const;
    QString messageStatusText() const;
    // A line for the status bar from outside the window.
    void showNotice(const QString& text);

Q_SIGNALS:
    // The orderly exit has stopped recording and playback; nothing outside the window is needed any more.
    void exiting();
    // The microphone is open while nothing records (the last seconds are kept): what the
    // status line says of it, empty once it is closed.
    void listeningShown(const QString& text);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Stops recording and playback and tells that the program leaves; false when it already did.
    bool beginExit();
    void shutDown();
    void buildUi();
    void buildMenus();
    void load();
    void fillDevices();
    // Fills the source list for the device shown; false when it has no sources.
    bool showSources();
    void deviceChosen();
    void sourceChosen();
    void stopCommand();
    void drawDisplays(const SampleBlock& spectrum, const SampleBlock& level, int sampleRate);
    bool displaysWatched() const;
    void playSelected();
    void onPlaybackStarted(const QString& path, const QString& description, int sampleRate, int channels);
    void newProject();
    void openProject();
    // Asks for a file name and saves the list there; a failed save says why.
    void saveProject();
    // The recorder's tick and the time label follow whether the window can be seen.
    void followVisibility();
    bool trayCanRestore() const;
    void onRecordingStopped();
    // Record, Play and Pause are off while a recording runs.
    void enableStartButtons(bool enabled);
    void followSelection();
    void clearDisplays();
    // The desktop's mixer on the recording side, else our own "Mixer" tab.
    void openRecordControl();
    void runFormatSettings(bool onMixer);
    void showAbout();
    void showOutputFile();
    void showTagEditor();
    void showAudioPlayer();
    void showSchedule();
    void showConverter();
    void deleteSelectedFile();
    void removeSelectedRow();
    void renameSelectedFile();
    int selectedRow() const;

    ApplicationCore* m_core;
    QString m_appFolder;
    RecordingsModel* m_recordings;
    RecordingSession* m_session;
    FilePlayback* m_playback;
    bool m_exiting = false;
    bool m_openingProject = false;
    const QSystemTrayIcon* m_tray = nullptr;

    QComboBox* m_deviceCombo = nullptr;
    QComboBox* m_sourceCombo = nullptr;
    QComboBox* m_formatCombo = nullptr;
    QToolButton* m_recordButton = nullptr;
    QPushButton* m_stopButton = nullptr;
    QPushButton* m_playButton = nullptr;
    QPushButton* m_pauseButton = nullptr;
    RunningTimeLabel* m_timeLabel = nullptr;
    QSlider* m_positionSlider = nullptr;
    LevelDisplay* m_levelDisplay = nullptr;
    FrequencyView* m_spectrumView = nullptr;
    QTreeView* m_recordingsView = nullptr;
    QLabel* m_fileStatus = nullptr;
    QLabel* m_messageStatus = nullptr;
    QLabel* m_listeningStatus = nullptr;
    QLabel* m_healthStatus = nullptr;
    QLabel* m_activationStatus = nullptr;
    QPushButton* m_recordCommandButton = nullptr;
    QPushButton* m_audioPlayerButton = nullptr;
    QMenu* m_editMenu = nullptr;
    // The menu entries that act on the selected row: those that play it, and the others.
    QList<QAction*> m_playActions;
    QList<QAction*> m_rowActions;
    // Loaded hidden with the main window and kept for the run.
    ScheduleWindow* m_scheduleWindow = nullptr;
};
