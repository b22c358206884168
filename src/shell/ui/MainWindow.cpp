#include "shell/ui/MainWindow.h"

#include "base/ui/Dialogs.h"
#include "base/ui/RunningTimeLabel.h"
#include "base/ui/Skin.h"
#include "convert/ui/ConverterDialog.h"
#include "engine/codec/AudioFileWriter.h"
#include "engine/codec/FileFormats.h"
#include "engine/playback/FilePlayback.h"
#include "engine/pulse/AudioRecorder.h"
#include "engine/pulse/SourcePeaks.h"
#include "engine/ui/FrequencyView.h"
#include "engine/ui/LevelDisplay.h"
#include "formats/FormatSettings.h"
#include "formats/ui/FormatSettingsDialog.h"
#include "player/ui/AudioPlayerWindow.h"
#include "record/RecordingSession.h"
#include "record/ui/OutputNamingDialog.h"
#include "record/ui/SeveralSourcesDialog.h"
#include "record/ui/SoundActivationDialog.h"
#include "recordings/ProjectFile.h"
#include "recordings/RecordingsActions.h"
#include "recordings/RecordingsModel.h"
#include "schedule/Scheduler.h"
#include "schedule/ui/ScheduleWindow.h"
#include "shell/DesktopPrograms.h"
#include "shell/ui/AboutDialog.h"
#include "tags/ui/TagEditorDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>
#include <cmath>

MainWindow::MainWindow(QString appFolder, QWidget* parent)
    : QMainWindow(parent)
    , m_core(new ApplicationCore(std::move(appFolder), this))
    , m_appFolder(m_core->appFolder())
    , m_recordings(&m_core->recordings())
    , m_session(&m_core->session())
    , m_playback(&m_core->playback()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tavrik v3.30 "));
    buildUi();
    buildMenus();
    connect(m_session, &RecordingSession::elapsedChanged, this, [this](const QString& text) {
        if (isVisible() && !isMinimized())
            m_timeLabel->showRunning(text);
    });
    connect(m_core, &ApplicationCore::displaysReady, this, &MainWindow::drawDisplays);
    connect(m_session, &RecordingSession::stopped, this, &MainWindow::onRecordingStopped);
    connect(m_playback, &FilePlayback::started, this, &MainWindow::onPlaybackStarted);
    connect(m_playback, &FilePlayback::positionChanged, this, [this](const QString& text) {
        if (displaysWatched())
            m_timeLabel->showRunning(text);
    });
    connect(m_playback, &FilePlayback::sliderChanged, m_positionSlider, &QSlider::setValue);
    // However playback ends (its end, Stop, a recording), the displays go dark.
    connect(m_playback, &FilePlayback::stopped, this, &MainWindow::clearDisplays);
    connect(m_core, &ApplicationCore::notice, m_messageStatus, &QLabel::setText);
    connect(m_session, &RecordingSession::silenceFilled, m_messageStatus, &QLabel::setText);
    connect(m_session, &RecordingSession::fileChanged, m_fileStatus, &QLabel::setText);
    connect(m_session, &RecordingSession::healthChanged, m_healthStatus, &QLabel::setText);
    connect(m_session, &RecordingSession::activationChanged, m_activationStatus, &QLabel::setText);
    connect(m_session, &RecordingSession::stopped, m_healthStatus, &QLabel::clear);
    // Said at all times while listening, as the microphone is open then.
    connect(m_session, &RecordingSession::listeningChanged, this, [this](bool listening) {
        // Only the level shows while nothing is kept.
        const bool keeping = listening && m_session->listeningSeconds() > 0;
        const QString text =
            keeping ? tr("Listening: the last %1 s are kept").arg(m_session->listeningSeconds()) : QString();
        m_listeningStatus->setText(text);
        m_listeningStatus->setVisible(keeping);
        Q_EMIT listeningShown(text);
    });
    connect(m_core, &ApplicationCore::recordingInterrupted, this,
            [this](const QString& reason, const QString& note) {
                m_messageStatus->setText(note.isEmpty() ? reason : reason + QLatin1Char(' ') + note);
                Dialogs::message(this, QMessageBox::Warning,
                                 note.isEmpty() ? reason : reason + QStringLiteral("\n\n") + note);
            });
    Scheduler& scheduler = m_core->scheduler();
    connect(&scheduler, &Scheduler::startRequested, this,
            [this] { startRecording(RecordingSession::StartedBy::Schedule); });
    connect(&scheduler, &Scheduler::stopRequested, this, [this] {
        if (isRecording())
            stopRecording();
    });
    m_scheduleWindow = new ScheduleWindow(scheduler, m_core->scheduleFile(), m_appFolder, this);
    // The commands on the selected row are there only while a row is selected.
    connect(m_recordingsView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::followSelection);
    connect(m_recordings, &RecordingsModel::rowsRemoved, this, &MainWindow::followSelection);
    connect(m_recordings, &RecordingsModel::modelReset, this, &MainWindow::followSelection);
    followSelection();
    load();
}

MainWindow::~MainWindow() {
    // The core ends after the window's widgets: what it says while ending has nobody to show it.
    for (QObject* source :
         std::initializer_list<QObject*>{m_core, m_session, m_playback, m_recordings, &m_core->scheduler()})
        disconnect(source, nullptr, this, nullptr);
}

void MainWindow::load() {
    applySkin(m_appFolder, this);
    // Without a server or a device now, the lists fill as soon as one appears.
    if (!m_core->load())
        Dialogs::message(this, QMessageBox::Critical, tr("Record device error!"));
    fillDevices();
    // The source shown at start is the one the user takes, until they choose another.
    sourceChosen();
    connect(m_core, &ApplicationCore::devicesChanged, this, &MainWindow::fillDevices);
    connect(m_core, &ApplicationCore::sourceMixChanged, this, &MainWindow::fillDevices);
    m_formatCombo->addItems(outputFormatTexts());
    m_formatCombo->setCurrentIndex(0);
    m_formatCombo->setCurrentIndex(m_core->outputFormat());
    connect(m_formatCombo, &QComboBox::currentIndexChanged, m_core, &ApplicationCore::setOutputFormat);
    m_spectrumView->setSamplesPerUpdate(4096);
    followVisibility();
}

void MainWindow::fillDevices() {
    const DeviceSelection::DeviceList& list = m_core->devices();
    const QSignalBlocker block(m_deviceCombo);
    m_deviceCombo->clear();
    if (list.devices.empty()) {
        const QSignalBlocker sources(m_sourceCombo);
        m_sourceCombo->clear();
        return;
    }
    for (const auto& d : list.devices)
        m_deviceCombo->addItem(d.name, d.index);
    m_deviceCombo->setCurrentIndex(list.selected);
    showSources();
}

// The lists show what a start records, which is not always what the user chose: choosing
// happens in deviceChosen and sourceChosen alone.
bool MainWindow::showSources() {
    if (m_deviceCombo->currentIndex() < 0)
        return false;
    const QSignalBlocker block(m_sourceCombo);
    m_sourceCombo->clear();
    const DeviceSelection::SourceList list = m_core->chooseDevice(m_deviceCombo->currentData().toInt());
    for (const QString& name : list.names)
        m_sourceCombo->addItem(name);
    // Sources recorded together come first, chosen; picking another records that one alone.
    if (const QString mix = m_core->recorder().sourceMixName(); !mix.isEmpty()) {
        m_sourceCombo->insertItem(0, mix);
        m_sourceCombo->setCurrentIndex(0);
        return false;
    }
    if (list.names.empty())
        return false;
    m_sourceCombo->setCurrentIndex(list.selected);
    return true;
}

void MainWindow::deviceChosen() {
    if (showSources())
        sourceChosen();
}

void MainWindow::sourceChosen() {
    const int mixRows = m_core->recorder().sourceMixName().isEmpty() ? 0 : 1;
    if (m_sourceCombo->currentIndex() >= mixRows)
        m_core->chooseSource(m_sourceCombo->currentIndex() - mixRows);
}

bool MainWindow::isRecording() const {
    return m_core->isRecording();
}

QString MainWindow::listeningText() const {
    return m_listeningStatus->text();
}

QString MainWindow::fileStatusText() const {
    return m_fileStatus->text();
}

QString MainWindow::messageStatusText() const {
    return m_messageStatus->text();
}

void MainWindow::showNotice(const QString& text) {
    m_messageStatus->setText(text);
}

void MainWindow::startRecording(RecordingSession::StartedBy startedBy) {
    const RecordingSession::StartResult result =
        m_core->startRecording(m_formatCombo->currentText(), startedBy);
    if (!result.ok) {
        m_messageStatus->setText(result.text);
        return;
    }
    m_spectrumView->setFormat(m_session->sampleRate(), m_session->channels());
    m_fileStatus->setText(m_session->outputPath());
    m_messageStatus->setText(result.text);
    enableStartButtons(false);
}

void MainWindow::stopRecording() {
    m_core->stopRecording();
}

void MainWindow::onRecordingStopped() {
    enableStartButtons(true);
    m_fileStatus->setText(m_session->outputPath());
    m_messageStatus->setText(tr("Done"));
    m_timeLabel->showFinal(m_session->elapsed());
    clearDisplays();
}

void MainWindow::enableStartButtons(bool enabled) {
    for (QWidget* w : {static_cast<QWidget*>(m_recordButton), static_cast<QWidget*>(m_recordCommandButton),
                       static_cast<QWidget*>(m_pauseButton), static_cast<QWidget*>(m_audioPlayerButton)})
        w->setEnabled(enabled);
    followSelection();
}

void MainWindow::followSelection() {
    const bool selected = selectedRow() >= 0;
    // Playing waits for the recording to end, as Record's button does.
    const bool canPlay = selected && m_recordButton->isEnabled();
    m_playButton->setEnabled(canPlay);
    for (QAction* action : m_playActions)
        action->setEnabled(canPlay);
    for (QAction* action : m_rowActions)
        action->setEnabled(selected);
}

void MainWindow::stopCommand() {
    if (isRecording())
        stopRecording();
    else
        m_playback->stop();
    m_levelDisplay->draw({});
}

void MainWindow::clearDisplays() {
    m_spectrumView->draw({});
    m_levelDisplay->draw({});
}

bool MainWindow::displaysWatched() const {
    return isVisible() && !isMinimized();
}

void MainWindow::drawDisplays(const SampleBlock& spectrum, const SampleBlock& level, int sampleRate) {
    if (!spectrum.empty()) {
        m_spectrumView->setFormat(sampleRate, 1);
        m_spectrumView->draw(spectrum);
    }
    if (!level.empty())
        m_levelDisplay->draw(level);
}

void MainWindow::playSelected() {
    m_core->playRow(selectedRow());
}

void MainWindow::onPlaybackStarted(const QString& path, const QString& description, int sampleRate,
                                   int channels) {
    m_fileStatus->setText(path);
    m_messageStatus->setText(description);
    m_spectrumView->setFormat(sampleRate, channels);
}

void MainWindow::newProject() {
    m_recordings->clear();
}

void MainWindow::openProject() {
    const QString path =
        Dialogs::openFileName(this, tr("Select a recording project file"), tr("Project Files(*.rpf)"));
    if (path.isEmpty() || m_openingProject)
        return;
    m_openingProject = true;
    // The progress shows once the reading takes longer than a second.
    QProgressDialog progress(tr("Opening the recording project..."), QString(), 0, 100, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(1000);
    progress.setValue(0);
    ProjectFile::open(path, *m_recordings, [&progress](int percent) { progress.setValue(percent); });
    m_openingProject = false;
}

void MainWindow::saveProject() {
    const QString typed =
        Dialogs::saveFileName(this, tr("Save recording project file"), tr("Project Files(*.rpf)"));
    if (typed.isEmpty())
        return;
    const QString path = ProjectFile::withExtension(typed);
    const ProjectFile::Result result = ProjectFile::save(path, *m_recordings);
    if (!result.ok)
        Dialogs::message(this, QMessageBox::Warning, result.error);
}

void MainWindow::openRecordControl() {
    for (const DesktopPrograms::Command& control :
         DesktopPrograms::recordControls(qEnvironmentVariable("XDG_CURRENT_DESKTOP")))
        if (DesktopPrograms::start(control))
            return;
    // Without a mixer of the desktop, the input lines are set in our own.
    runFormatSettings(true);
}

void MainWindow::showAbout() {
    AboutDialog about(m_appFolder, this);
    about.exec();
    show();
}

void MainWindow::showOutputFile() {
    OutputNamingDialog dialog(m_appFolder, this);
    dialog.exec();
}

void MainWindow::showSoundActivation() {
    const codec::FileType type = codec::fileTypeFor(QStringLiteral("x.") + m_formatCombo->currentText())
                                     .value_or(codec::FileType::Wav);
    const auto [rate, channels] = m_core->writer().formats().rateAndChannels(type);
    SoundActivationDialog dialog(m_core->settingsFile(), rate * channels * 2, this);
    // The input's level, live, while the dialog is open, whether the displays are watched or not.
    m_session->monitor(true);
    QTimer levels;
    SampleBlock recent;
    connect(&levels, &QTimer::timeout, &dialog, [this, &dialog, &recent] {
        // The last 50 ms, all channels.
        m_core->recorder().recentSamples(m_session->sampleRate() / 20 * std::max(1, m_session->channels()),
                                         recent);
        if (recent.empty())
            return;
        const auto [low, high] = std::ranges::minmax_element(recent);
        const int peak = std::max(-static_cast<int>(*low), static_cast<int>(*high));
        dialog.showLevel(peak > 0 ? 20 * std::log10(peak / 32768.0) : -120.0);
    });
    levels.start(50);
    const bool changed = dialog.exec() == QDialog::Accepted;
    levels.stop();
    m_session->monitor(false);
    if (changed)
        m_core->listenAsSet();
}

void MainWindow::showSeveralSources() {
    std::vector<SeveralSourcesDialog::Choice> choices;
    std::vector<std::string> names;
    for (const SourceCatalog::Device& device : m_core->recorder().sources().devices())
        for (const SourceCatalog::Source& source : device.sources) {
            choices.push_back({source.serverName, source.description, device.name});
            names.push_back(source.serverName);
        }
    SeveralSourcesDialog dialog(std::move(choices), m_core->recorder().sourceMix(), this);
    const SourcePeaks peaks(names);
    QTimer levels;
    connect(&levels, &QTimer::timeout, &dialog,
            [&dialog, &peaks] { dialog.showPeaks([&peaks](int source) { return peaks.peak(source); }); });
    levels.start(50);
    if (dialog.exec() == QDialog::Accepted)
        m_core->chooseSourceMix(dialog.mix());
}

void MainWindow::showFormatSettings() {
    runFormatSettings(false);
}

void MainWindow::runFormatSettings(bool onMixer) {
    FormatSettingsDialog dialog(m_appFolder, m_core->settingsFile(), m_core->outputFolder(), m_core->writer(),
                                m_core->recorder(), this);
    if (onMixer)
        dialog.showMixer();
    dialog.exec();
}

void MainWindow::showSchedule() {
    m_scheduleWindow->exec();
}

void MainWindow::showConverter() {
    ConverterDialog dialog(m_appFolder, m_core->writer().formats().headerless(), this);
    dialog.exec();
}

void MainWindow::showTagEditor() {
    TagEditorDialog dialog(m_appFolder, this);
    dialog.exec();
}

void MainWindow::showAudioPlayer() {
    AudioPlayerWindow player(m_appFolder, this);
    player.exec();
    // Window managers minimise a dialog's owner along with it and may restore the dialog
    // alone: the window comes back when the player closes.
    if (!m_exiting && (isMinimized() || isHidden())) {
        showNormal();
        raise();
        activateWindow();
    }
}

int MainWindow::selectedRow() const {
    const QModelIndexList rows = m_recordingsView->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void MainWindow::deleteSelectedFile() {
    const int row = selectedRow();
    if (row < 0)
        return;
    if (Dialogs::message(this, QMessageBox::Warning, tr("Do you want to delete the selected audio file now?"),
                         QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    RecordingsActions::deleteFile(*m_recordings, row);
}

void MainWindow::removeSelectedRow() {
    const int row = selectedRow();
    if (row >= 0)
        m_recordings->removeRecording(row);
}

void MainWindow::renameSelectedFile() {
    const int row = selectedRow();
    if (row < 0)
        return;
    const QString old = m_recordings->path(row);
    if (!QFileInfo::exists(old)) {
        Dialogs::message(this, QMessageBox::Critical, tr("%1 is not exist!").arg(old));
        return;
    }
    bool ok = false;
    const QString answer =
        Dialogs::input(this,
                       tr("Old audio file name is: %1\r\n\r\nPlease enter new Audio file name:").arg(old),
                       old, &ok)
            .trimmed();
    if (!ok || answer.isEmpty())
        return;
    switch (RecordingsActions::rename(*m_recordings, row, answer)) {
    case RecordingsActions::RenameResult::Renamed:
        Dialogs::message(this, QMessageBox::Information, tr("Rename audio file is  succeeded!"));
        break;
    case RecordingsActions::RenameResult::NotVerified:
        Dialogs::message(this, QMessageBox::Information, tr("Rename audio file is  Faild!"));
        break;
    case RecordingsActions::RenameResult::Failed:
        break;
    }
}

void MainWindow::followVisibility() {
    const bool watched = displaysWatched();
    // A hidden display asks for no sound, so none is analysed for it.
    m_core->setDisplaysWatched(watched, m_spectrumView->isHidden() ? 0 : m_spectrumView->samplesPerUpdate(),
                               m_levelDisplay->isHidden() ? 0 : m_levelDisplay->samplesPerUpdate());
    if (watched)
        m_timeLabel->showRunning(m_session->elapsed());
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    followVisibility();
}

void MainWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    followVisibility();
}

bool MainWindow::trayCanRestore() const {
    return m_tray && m_tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        followVisibility();
    // Minimised, the window leaves the task bar; only where the tray can bring it back, and
    // not while it waits for one of its dialogs, with which the window manager minimised it.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && trayCanRestore() &&
        !QApplication::activeModalWidget())
        QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // With a tray the program lives on hidden, the window and its list and recording
    // intact; without one, a hidden window could never come back, so the close box exits.
    if (!m_exiting && !trayCanRestore())
        exitApplication();
    event->accept();
}

void MainWindow::exitApplication() {
    if (!beginExit())
        return;
    if (m_recordings->rowCount() > 0 &&
        Dialogs::message(this, QMessageBox::Question, tr("Do you need to save the recording project file?"),
                         QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok)
        saveProject();
    shutDown();
}

void MainWindow::endSession() {
    // Also while the exit's own question is open: quitting ends its loop unanswered.
    beginExit();
    shutDown();
}

bool MainWindow::beginExit() {
    if (m_exiting)
        return false;
    m_exiting = true;
    // The running recording gets its row before the list is offered for saving.
    stopRecording();
    m_playback->stop();
    Q_EMIT exiting();
    return true;
}

void MainWindow::shutDown() {
    // Hidden first: hiding asks the recorder and the player to slow their ticks.
    hide();
    m_core->shutdown();
    QCoreApplication::quit();
}
