#include "shell/ui/MainWindow.h"

#include "base/AppFolder.h"
#include "base/SettingsFile.h"
#include "base/SystemInfo.h"
#include "base/ui/Dialogs.h"
#include "base/ui/Skin.h"
#include "engine/codec/AudioFileCodec.h"
#include "engine/dsp/MonoMixer.h"
#include "engine/pulse/AudioPlayer.h"
#include "engine/pulse/AudioRecorder.h"
#include "engine/ui/FrequencyView.h"
#include "engine/ui/LevelDisplay.h"
#include "engine/ui/WavFormatDialog.h"
#include "formats/SignalSettings.h"
#include "record/DeviceSelection.h"
#include "record/RecordingSession.h"
#include "record/ui/OutputNamingDialog.h"
#include "recordings/PlaybackController.h"
#include "recordings/ProjectFile.h"
#include "recordings/RecordingsActions.h"
#include "recordings/RecordingsModel.h"
#include "shell/ui/AboutDialog.h"
#include "tags/ui/TagEditorDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <QTreeView>

namespace {

// Recorder ticks while the displays can be seen, and while nobody watches them.
constexpr int kDisplayTickMs = 40;
constexpr int kUnwatchedTickMs = 1000;

} // namespace

MainWindow::MainWindow(QString appFolder, QWidget* parent)
    : QMainWindow(parent)
    , m_appFolder(std::move(appFolder))
    , m_settingsFile(settingsFile(m_appFolder))
    , m_audioRecord(std::make_unique<AudioRecorder>())
    , m_audioFile(std::make_unique<AudioFileCodec>())
    , m_monoMixer(std::make_unique<MonoMixer>())
    , m_audioPlayer(std::make_unique<AudioPlayer>())
    , m_recordings(new RecordingsModel(this))
    , m_session(new RecordingSession(m_appFolder, *m_audioRecord, *m_audioFile, this))
    , m_playback(new PlaybackController(
          *m_audioFile, *m_audioPlayer, [this] { return isRecording(); }, this)) {
    setObjectName(QStringLiteral("Form1"));
    m_audioFile->setWavFormatChooser(
        [this](const codec::WavFormat& current) { return WavFormatDialog::choose(current, this); });
    setWindowTitle(QStringLiteral("Tavrik v3.30 "));
    buildUi();
    buildMenus();
    connect(m_session, &RecordingSession::elapsedChanged, this, [this](const QString& text) {
        if (isVisible() && !isMinimized())
            Label1->setText(text);
    });
    connect(m_audioRecord.get(), &AudioRecorder::Timer, this, &MainWindow::AudioRecord_Timer);
    connect(m_session, &RecordingSession::finished, m_recordings, &RecordingsModel::appendRecording);
    connect(m_session, &RecordingSession::stopped, this, &MainWindow::onRecordingStopped);
    connect(m_playback, &PlaybackController::started, this, &MainWindow::onPlaybackStarted);
    connect(m_playback, &PlaybackController::positionChanged, this, [this](const QString& text) {
        if (displaysWatched())
            Label1->setText(text);
    });
    connect(m_playback, &PlaybackController::sliderChanged, slPosition, &QSlider::setValue);
    connect(m_playback, &PlaybackController::spectrumReady, this,
            [this](const SampleBlock& values, int rate, int channels) {
                if (displaysWatched())
                    drawDisplays(values, {}, rate, channels);
            });
    connect(m_playback, &PlaybackController::levelReady, this,
            [this](const SampleBlock& values, int channels) {
                if (displaysWatched())
                    AudioDisplay1->Draw(channels == 2 ? m_monoMixer->MakeMonoFromStereo(values) : values);
            });
    connect(m_playback, &PlaybackController::stopped, this, [this] { AV1->Draw({}); });
    connect(m_session, &RecordingSession::interrupted, this, [this](const QString& reason) {
        m_panel2->setText(reason);
        Dialogs::message(this, QMessageBox::Warning, reason);
    });
    load();
}

MainWindow::~MainWindow() = default;

void MainWindow::load() {
    applySkin(m_appFolder, this);
    if (operatingSystemName() == QLatin1String("WindowsVista"))
        findChild<QLabel*>(QStringLiteral("SkinLabel1"))->setText(tr("Record device and source"));
    if (!fillDevices()) {
        Dialogs::message(this, QMessageBox::Critical, tr("Record device error!"));
        return;
    }
    cboEncoders->addItems(outputFormatTexts());
    cboEncoders->setCurrentIndex(0);
    cboEncoders->setCurrentIndex(LoadFormatSettings(m_settingsFile, m_formatState, *m_audioFile));
    applySignalSettings(m_settingsFile, *m_audioRecord);
    AV1->SetSamplesPerUpdate(4096);
    followVisibility();
    m_loaded = true;
}

bool MainWindow::fillDevices() {
    const DeviceSelection::DeviceList list = DeviceSelection::listDevices(*m_audioRecord);
    if (list.devices.empty())
        return false;
    const QSignalBlocker block(DeviceCombo);
    for (const auto& d : list.devices)
        DeviceCombo->addItem(d.name, d.index);
    DeviceCombo->setCurrentIndex(list.selected);
    DeviceCombo_Click();
    return true;
}

void MainWindow::DeviceCombo_Click() {
    if (DeviceCombo->currentIndex() < 0)
        return;
    m_audioRecord->SelectDevice(DeviceCombo->currentData().toInt());
    fillSources();
}

void MainWindow::fillSources() {
    const QSignalBlocker block(cmbSrcInput);
    cmbSrcInput->clear();
    const DeviceSelection::SourceList list = DeviceSelection::listSources(*m_audioRecord);
    for (const QString& name : list.names)
        cmbSrcInput->addItem(name);
    if (list.names.empty())
        return;
    cmbSrcInput->setCurrentIndex(list.selected);
    cmbSrcInput_Click();
}

void MainWindow::cmbSrcInput_Click() {
    if (cmbSrcInput->currentIndex() >= 0)
        DeviceSelection::activateSource(*m_audioRecord, cmbSrcInput->currentIndex());
}

bool MainWindow::isRecording() const {
    return m_session->isRecording();
}

QString MainWindow::statusText(int panel) const {
    return (panel == 1 ? m_panel1 : m_panel2)->text();
}

void MainWindow::startRecording() {
    if (isRecording())
        stopRecording();
    m_playback->stop();
    const RecordingSession::StartResult result =
        m_session->start(cboEncoders->currentText(), m_recordings->rowCount());
    if (!result.ok) {
        m_panel2->setText(result.text);
        return;
    }
    AV1->SetFormat(m_audioFile->SampleRate(), m_audioFile->Channels());
    m_panel1->setText(m_session->outputPath());
    m_panel2->setText(result.text);
    enableStartButtons(false);
}

void MainWindow::stopRecording() {
    m_session->stop();
}

void MainWindow::onRecordingStopped() {
    enableStartButtons(true);
    m_panel1->setText(m_session->outputPath());
    m_panel2->setText(tr("Done"));
    Label1->setText(m_session->elapsed());
    clearDisplays();
}

void MainWindow::enableStartButtons(bool enabled) {
    for (QWidget* w : {static_cast<QWidget*>(cmdrecord), static_cast<QWidget*>(Command1),
                       static_cast<QWidget*>(cmdPlay), static_cast<QWidget*>(cmdPause)})
        w->setEnabled(enabled);
}

void MainWindow::stopCommand() {
    if (isRecording())
        stopRecording();
    else
        m_playback->stop();
    AudioDisplay1->Draw({});
}

void MainWindow::clearDisplays() {
    AV1->Draw({});
    AudioDisplay1->Draw({});
}

bool MainWindow::displaysWatched() const {
    return isVisible() && !isMinimized();
}

void MainWindow::AudioRecord_Timer() {
    // Nobody sees the displays of a hidden or minimised window: skip their analysis and painting.
    if (!isRecording() || !displaysWatched())
        return;
    const int channels = m_audioFile->Channels();
    drawDisplays(m_audioRecord->RecentSamples(AV1->SamplesPerUpdate() * channels),
                 m_audioRecord->RecentSamples(AudioDisplay1->SamplesWanted()), m_audioFile->SampleRate(),
                 channels);
}

// Both displays show one channel: stereo is mixed down first. An empty block leaves a display as it is.
void MainWindow::drawDisplays(SampleBlock spectrum, SampleBlock level, int sampleRate, int channels) {
    if (channels == 2) {
        spectrum = m_monoMixer->MakeMonoFromStereo(spectrum);
        level = m_monoMixer->MakeMonoFromStereo(level);
    }
    AV1->SetFormat(sampleRate, 1);
    if (!spectrum.empty())
        AV1->Draw(spectrum);
    if (!level.empty())
        AudioDisplay1->Draw(level);
}

void MainWindow::playSelected() {
    const int row = selectedRow();
    m_playback->play(row >= 0 ? m_recordings->path(row) : QString());
}

void MainWindow::onPlaybackStarted(const QString& path, const QString& description, int sampleRate,
                                   int channels) {
    m_panel1->setText(path);
    m_panel2->setText(description);
    AV1->SetFormat(sampleRate, channels);
}

void MainWindow::NewRecordingProject_Click() {
    m_recordings->clear();
}

void MainWindow::OpenRecordingProject_Click() {
    const QString path = Dialogs::openFileName(this, QStringLiteral("Select a recording project file"),
                                               QStringLiteral("Project Files(*.rpf)"));
    if (!path.isEmpty())
        ProjectFile::open(path, *m_recordings);
}

void MainWindow::saveRecordingProject_Click() {
    const QString path = Dialogs::saveFileName(this, QStringLiteral("Save recording project file"),
                                               QStringLiteral("Project Files(*.rpf)"));
    if (path.isEmpty())
        return;
    const ProjectFile::Result result = ProjectFile::save(path, *m_recordings);
    if (!result.ok)
        Dialogs::message(this, QMessageBox::Warning, result.error);
}

void MainWindow::recordcontrol_Click() {
    const QString mixer = QStandardPaths::findExecutable(QStringLiteral("pavucontrol"));
    if (!mixer.isEmpty())
        QProcess::startDetached(mixer, {QStringLiteral("--tab=2")});
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

void MainWindow::showTagEditor() {
    TagEditorDialog dialog(m_appFolder, this);
    dialog.exec();
}

int MainWindow::selectedRow() const {
    const QModelIndexList rows = ListView1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void MainWindow::deleteSelectedItem_Click() {
    const int row = selectedRow();
    if (row < 0)
        return;
    if (Dialogs::message(this, QMessageBox::Warning, tr("Do you want to delete the selected audio file now?"),
                         QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    RecordingsActions::deleteFile(*m_recordings, row);
}

void MainWindow::Removeselecteditem_Click() {
    const int row = selectedRow();
    if (row >= 0)
        m_recordings->removeRecording(row);
}

void MainWindow::Rename1_Click() {
    const int row = selectedRow();
    if (row < 0)
        return;
    const QString old = m_recordings->path(row);
    if (!QFileInfo::exists(old)) {
        Dialogs::message(this, QMessageBox::Critical, old + QStringLiteral(" is not exist!"));
        return;
    }
    bool ok = false;
    const QString answer = Dialogs::input(this,
                                          QStringLiteral("Old audio file name is: ") + old +
                                              QStringLiteral("\r\n\r\nPlease enter new Audio file name:"),
                                          old, &ok)
                               .trimmed();
    if (!ok || answer.isEmpty())
        return;
    switch (RecordingsActions::rename(*m_recordings, row, answer)) {
    case RecordingsActions::RenameResult::Renamed:
        Dialogs::message(this, QMessageBox::Information, QStringLiteral("Rename audio file is  succeeded!"));
        break;
    case RecordingsActions::RenameResult::NotVerified:
        Dialogs::message(this, QMessageBox::Information, QStringLiteral("Rename audio file is  Faild!"));
        break;
    case RecordingsActions::RenameResult::Failed:
        break;
    }
}

void MainWindow::followVisibility() {
    if (!m_audioRecord)
        return;
    const bool watched = isVisible() && !isMinimized();
    m_audioRecord->SetTimerInterval(watched ? kDisplayTickMs : kUnwatchedTickMs);
    m_playback->setDisplayDemand(watched ? AV1->SamplesPerUpdate() : 0,
                                 watched ? AudioDisplay1->SamplesWanted() : 0);
    if (watched)
        Label1->setText(m_session->elapsed());
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    followVisibility();
}

void MainWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    followVisibility();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        followVisibility();
    // Minimised, the window leaves the task bar; only where a tray can bring it back.
    if (event->type() == QEvent::WindowStateChange && isMinimized() &&
        QSystemTrayIcon::isSystemTrayAvailable())
        QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Until the tray can bring the window back, its close box ends the program in order.
    if (!m_exiting)
        exitApplication();
    event->accept();
}

void MainWindow::exitApplication() {
    if (m_exiting)
        return;
    m_exiting = true;
    if (isRecording())
        stopRecording();
    m_playback->stop();
    if (m_recordings->rowCount() > 0 &&
        Dialogs::message(this, QMessageBox::Question, tr("Do you need to save the recording project file?"),
                         QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok)
        saveRecordingProject_Click();
    if (m_loaded)
        writeSetting(m_settingsFile, QStringLiteral("set"), QStringLiteral("outputformat"),
                     QString::number(cboEncoders->currentIndex()));
    // Hidden first: hiding asks the recorder and the player to slow their ticks.
    hide();
    m_audioRecord.reset();
    m_audioFile.reset();
    m_audioPlayer.reset();
    m_monoMixer.reset();
    QCoreApplication::quit();
}
