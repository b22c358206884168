#pragma once

#include "engine/dsp/SampleBlock.h"
#include "formats/FormatSettings.h"

#include <QMainWindow>
#include <memory>

class AudioFileReader;
class AudioFileWriter;
class AudioPlayer;
class AudioRecorder;
class LevelDisplay;
class MonoMixer;
class FilePlayback;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;
class QToolButton;
class QTreeView;
class RecordingSession;
class RecordingsModel;
class FrequencyView;

// The main window: a view over the recording session and the recordings list. It owns
// the audio components for the whole run.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QString appFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    void startRecording();
    void stopRecording();
    // The orderly exit: stops recording, stores the output format, releases the
    // components and quits the application.
    void exitApplication();

    bool isRecording() const;
    RecordingSession& session() { return *m_session; }
    RecordingsModel& recordings() { return *m_recordings; }
    FilePlayback& playback() { return *m_playback; }
    QString statusText(int panel) const;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildUi();
    void buildMenus();
    void load();
    bool fillDevices();
    void fillSources();
    void deviceChosen();
    void sourceChosen();
    void stopCommand();
    void recorderTicked();
    void drawDisplays(SampleBlock spectrum, SampleBlock level, int sampleRate, int channels);
    bool displaysWatched() const;
    void playSelected();
    void onPlaybackStarted(const QString& path, const QString& description, int sampleRate, int channels);
    void newProject();
    void openProject();
    // Asks for a file name and saves the list there; a failed save says why.
    void saveProject();
    // The recorder's tick and the time label follow whether the window can be seen.
    void followVisibility();
    void onRecordingStopped();
    // Record, Play and Pause are off while a recording runs.
    void enableStartButtons(bool enabled);
    void clearDisplays();
    void openRecordControl();
    void showAbout();
    void showOutputFile();
    void showTagEditor();
    void deleteSelectedFile();
    void removeSelectedRow();
    void renameSelectedFile();
    int selectedRow() const;

    QString m_appFolder;
    QString m_settingsFile;
    FormatState m_formatState;
    std::unique_ptr<AudioRecorder> m_audioRecord;
    std::unique_ptr<AudioFileWriter> m_audioFile;
    std::unique_ptr<AudioFileReader> m_audioReader;
    std::unique_ptr<MonoMixer> m_monoMixer;
    std::unique_ptr<AudioPlayer> m_audioPlayer;
    RecordingsModel* m_recordings = nullptr;
    RecordingSession* m_session = nullptr;
    FilePlayback* m_playback = nullptr;
    bool m_loaded = false; // the device check passed and the formats are loaded
    bool m_exiting = false;

    QComboBox* m_deviceCombo = nullptr;
    QComboBox* m_sourceCombo = nullptr;
    QComboBox* m_formatCombo = nullptr;
    QToolButton* m_recordButton = nullptr;
    QPushButton* m_stopButton = nullptr;
    QPushButton* m_playButton = nullptr;
    QPushButton* m_pauseButton = nullptr;
    QLabel* m_timeLabel = nullptr;
    QSlider* m_positionSlider = nullptr;
    LevelDisplay* m_levelDisplay = nullptr;
    FrequencyView* m_spectrumView = nullptr;
    QTreeView* m_recordingsView = nullptr;
    QLabel* m_panel1 = nullptr;
    QLabel* m_panel2 = nullptr;
    QPushButton* m_recordCommandButton = nullptr;
    QPushButton* m_audioPlayerButton = nullptr;
    QMenu* m_editMenu = nullptr;
};
