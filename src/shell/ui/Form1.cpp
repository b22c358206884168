#include "shell/ui/Form1.h"

#include "formats/SignalSettings.h"
#include "record/DeviceSelection.h"
#include "record/RecordingSession.h"
#include "record/audio/AudioFileCodec.h"
#include "record/audio/AudioRecorder.h"
#include "record/audio/MonoMixer.h"
#include "record/audio/ui/LevelDisplay.h"
#include "record/audio/ui/SpectrumView.h"
#include "record/ui/Form4.h"
#include "recordings/RecordingsActions.h"
#include "recordings/RecordingsModel.h"
#include "shell/AppFolder.h"
#include "shell/General.h"
#include "shell/Inifun.h"
#include "shell/ui/Dialogs.h"
#include "shell/ui/Form3.h"
#include "shell/ui/Skin.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
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

QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QAction* menuAction(QMenu* menu, const char* name, const QString& caption,
                    const QKeySequence& shortcut = {}) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    a->setShortcut(shortcut);
    return a;
}

// Features that come with later work stay visible but disabled.
void comingLater(std::initializer_list<QObject*> items) {
    for (QObject* o : items) {
        if (auto* w = qobject_cast<QWidget*>(o))
            w->setEnabled(false);
        else if (auto* a = qobject_cast<QAction*>(o))
            a->setEnabled(false);
    }
}

QIcon recordIcon() {
    QPixmap pm(28, 28);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(220, 40, 40));
    p.setPen(QPen(QColor(120, 10, 10), 1.5));
    p.drawEllipse(QRectF(4, 4, 20, 20));
    return QIcon(pm);
}

} // namespace

Form1::Form1(QString appFolder, QWidget* parent)
    : QMainWindow(parent)
    , m_appFolder(std::move(appFolder))
    , m_settingsFile(settingsFile(m_appFolder))
    , m_audioRecord(std::make_unique<AudioRecorder>())
    , m_audioFile(std::make_unique<AudioFileCodec>())
    , m_monoMixer(std::make_unique<MonoMixer>())
    , m_recordings(new RecordingsModel(this))
    , m_session(new RecordingSession(m_appFolder, *m_audioRecord, *m_audioFile, *m_recordings, this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tavrik v3.30 "));
    buildUi();
    buildMenus();
    connect(m_session, &RecordingSession::elapsedChanged, this, [this](const QString& text) {
        if (isVisible() && !isMinimized())
            Label1->setText(text);
    });
    connect(m_audioRecord.get(), &AudioRecorder::Timer, this, &Form1::AudioRecord_Timer);
    connect(m_session, &RecordingSession::stopped, this, &Form1::onRecordingStopped);
    connect(m_session, &RecordingSession::interrupted, this, [this](const QString& reason) {
        m_panel2->setText(reason);
        Dialogs::message(this, QMessageBox::Warning, reason);
    });
    load();
}

Form1::~Form1() = default;

void Form1::buildUi() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);

    auto* choices = new QGridLayout;
    auto label = [central](const char* name, const QString& text) {
        auto* l = new QLabel(text, central);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    DeviceCombo = new QComboBox(central);
    DeviceCombo->setObjectName(QStringLiteral("DeviceCombo"));
    cmbSrcInput = new QComboBox(central);
    cmbSrcInput->setObjectName(QStringLiteral("cmbSrcInput"));
    cboEncoders = new QComboBox(central);
    cboEncoders->setObjectName(QStringLiteral("cboEncoders"));
    choices->addWidget(label("SkinLabel1", tr("Record Device")), 0, 0);
    choices->addWidget(DeviceCombo, 0, 1);
    choices->addWidget(label("SkinLabel2", tr("Sound Source")), 1, 0);
    choices->addWidget(cmbSrcInput, 1, 1);
    choices->addWidget(label("SkinLabel3", tr("Output Format")), 2, 0);
    choices->addWidget(cboEncoders, 2, 1);
    choices->setColumnStretch(1, 1);
    outer->addLayout(choices);

    auto* transport = new QHBoxLayout;
    cmdrecord = new QToolButton(central);
    cmdrecord->setObjectName(QStringLiteral("cmdrecord"));
    cmdrecord->setIcon(recordIcon());
    cmdrecord->setIconSize(QSize(28, 28));
    cmdrecord->setToolTip(tr("Start Recording (Hotkey:CTRL+R)"));
    cmdStop = commandButton(central, "cmdStop", tr("Stop"));
    cmdPlay = commandButton(central, "cmdPlay", tr("Play"));
    cmdPause = commandButton(central, "cmdPause", tr("Pause"));
    Label1 = label("Label1", QStringLiteral("0:00.000"));
    QFont big = Label1->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setFamily(QStringLiteral("monospace"));
    Label1->setFont(big);
    // A fixed size keeps the 25 Hz text updates from re-laying out the whole window.
    Label1->setFixedSize(QFontMetrics(big).horizontalAdvance(QStringLiteral("0000:00.000")) + 4,
                         QFontMetrics(big).height() + 4);
    slPosition = new QSlider(Qt::Horizontal, central);
    slPosition->setObjectName(QStringLiteral("slPosition"));
    slPosition->setRange(0, 1000);
    for (QWidget* w : {static_cast<QWidget*>(cmdrecord), static_cast<QWidget*>(cmdStop),
                       static_cast<QWidget*>(cmdPlay), static_cast<QWidget*>(cmdPause)})
        transport->addWidget(w);
    transport->addSpacing(12);
    transport->addWidget(label("SkinLabel4", tr("Time:")));
    transport->addWidget(Label1);
    transport->addWidget(slPosition, 1);
    outer->addLayout(transport);

    auto* status = new QGroupBox(tr("Status"), central);
    status->setObjectName(QStringLiteral("Frame3"));
    auto* displays = new QHBoxLayout(status);
    AudioDisplay1 = new LevelDisplay(status);
    AudioDisplay1->setObjectName(QStringLiteral("AudioDisplay1"));
    AV1 = new SpectrumView(status);
    AV1->setObjectName(QStringLiteral("AV1"));
    displays->addWidget(AudioDisplay1);
    displays->addWidget(AV1, 1);
    outer->addWidget(status);

    auto* listFrame = new QGroupBox(tr("Double Click list to Play Recording"), central);
    listFrame->setObjectName(QStringLiteral("Frame2"));
    auto* listLayout = new QVBoxLayout(listFrame);
    ListView1 = new QTreeView(listFrame);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setModel(m_recordings);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAlternatingRowColors(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    ListView1->header()->setSectionsClickable(false);
    // Initial widths in twips, 15 twips to a pixel at 96 dpi.
    const int twips[] = {640, 3440, 1000, 1440, 1440};
    const double scale = logicalDpiX() / 96.0;
    for (int c = 0; c < RecordingsModel::ColumnCount; ++c)
        ListView1->setColumnWidth(c, static_cast<int>(twips[c] / 15.0 * scale));
    listLayout->addWidget(ListView1);
    outer->addWidget(listFrame, 1);

    auto* buttons = new QGridLayout;
    Command1 = commandButton(central, "Command1", tr("Record Ctrl+R"));
    auto* command3 = commandButton(central, "Command3", tr("Stop Ctrl+S"));
    auto* command2 = commandButton(central, "Command2", tr("Schedule"));
    Command4 = commandButton(central, "Command4", tr("Audio Player"));
    auto* command5 = commandButton(central, "Command5", tr("Output File"));
    auto* command6 = commandButton(central, "Command6", tr("Format Settings"));
    auto* command10 = commandButton(central, "Command10", tr("Help"));
    auto* command11 = commandButton(central, "Command11", tr("About"));
    auto* command12 = commandButton(central, "Command12", tr("Close"));
    auto* command13 = commandButton(central, "Command13", tr("Edit ID3"));
    auto* command14 = commandButton(central, "Command14", tr("Audio Converter"));
    const QList<QPushButton*> row1{Command1, command3, command5, command6, command2, command13};
    const QList<QPushButton*> row2{Command4, command14, command10, command11, command12};
    for (int i = 0; i < row1.size(); ++i)
        buttons->addWidget(row1[i], 0, i);
    for (int i = 0; i < row2.size(); ++i)
        buttons->addWidget(row2[i], 1, i);
    outer->addLayout(buttons);
    setCentralWidget(central);

    m_panel1 = new QLabel(this);
    m_panel1->setObjectName(QStringLiteral("StatusBar1Panel1"));
    m_panel2 = new QLabel(this);
    m_panel2->setObjectName(QStringLiteral("StatusBar1Panel2"));
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(m_panel1, 3);
    statusBar()->addWidget(m_panel2, 2);

    connect(Command1, &QPushButton::clicked, this, &Form1::StartRecord);
    connect(cmdrecord, &QToolButton::clicked, this, &Form1::StartRecord);
    connect(command3, &QPushButton::clicked, this, &Form1::stopCommand);
    connect(cmdStop, &QPushButton::clicked, this, &Form1::stopCommand);
    connect(command5, &QPushButton::clicked, this, &Form1::showOutputFile);
    connect(command11, &QPushButton::clicked, this, &Form1::showAbout);
    connect(command12, &QPushButton::clicked, this, &Form1::exitsystem);
    connect(DeviceCombo, &QComboBox::currentIndexChanged, this, &Form1::DeviceCombo_Click);
    connect(cmbSrcInput, &QComboBox::currentIndexChanged, this, &Form1::cmbSrcInput_Click);
    comingLater(
        {cmdPlay, cmdPause, slPosition, command2, Command4, command6, command10, command13, command14});
    resize(760, 640);
}

void Form1::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("File(&F)"));
    file->setObjectName(QStringLiteral("file"));
    QAction* newProject =
        menuAction(file, "newproject", tr("New Recording Project"), QKeySequence(tr("Ctrl+N")));
    QAction* openProject =
        menuAction(file, "openproject", tr("Open Recording Project"), QKeySequence(tr("Ctrl+O")));
    QAction* saveProject =
        menuAction(file, "saveproject", tr("Save Recording Project"), QKeySequence(tr("Ctrl+V")));
    file->addSeparator();
    connect(menuAction(file, "exit", tr("Exit"), QKeySequence(tr("Ctrl+X"))), &QAction::triggered, this,
            &Form1::exitsystem);

    m_editMenu = menuBar()->addMenu(tr("Edit(&E)"));
    m_editMenu->setObjectName(QStringLiteral("edit"));
    QAction* play1 = menuAction(m_editMenu, "play1", tr("Play Selected File"));
    m_editMenu->addSeparator();
    connect(menuAction(m_editMenu, "Rename1", tr("Rename")), &QAction::triggered, this,
            &Form1::Rename1_Click);
    connect(menuAction(m_editMenu, "Removeselecteditem", tr("Remove Selected Item")), &QAction::triggered,
            this, &Form1::Removeselecteditem_Click);
    connect(menuAction(m_editMenu, "deleteSelectedItem", tr("Delete Selected File")), &QAction::triggered,
            this, &Form1::deleteSelectedItem_Click);
    connect(ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_editMenu->popup(ListView1->viewport()->mapToGlobal(pos)); });

    QMenu* action = menuBar()->addMenu(tr("Action(&A)"));
    action->setObjectName(QStringLiteral("action"));
    connect(menuAction(action, "record", tr("Record"), QKeySequence(tr("Ctrl+R"))), &QAction::triggered, this,
            &Form1::StartRecord);
    connect(menuAction(action, "stop", tr("Stop"), QKeySequence(tr("Ctrl+S"))), &QAction::triggered, this,
            [this] {
                if (flgRecord())
                    StopRecord();
            });
    action->addSeparator();
    QAction* playAudio = menuAction(action, "playaudio", tr("Play Audio"));
    QAction* pausePlay = menuAction(action, "pauseplay", tr("Pause Play"));
    QAction* stopPlay = menuAction(action, "stopplay", tr("Stop Play"));
    action->addSeparator();
    QAction* audioPlayer = menuAction(action, "audioplayer", tr("Audio Player"), QKeySequence(tr("Ctrl+P")));
    QAction* converter =
        menuAction(action, "audioconverter", tr("Audio Converter"), QKeySequence(tr("Ctrl+C")));
    QAction* editId3 = menuAction(action, "EditID3", tr("Edit ID3"), QKeySequence(tr("Ctrl+E")));

    QMenu* option = menuBar()->addMenu(tr("Option(&O)"));
    option->setObjectName(QStringLiteral("option"));
    connect(menuAction(option, "outputfile", tr("Output File"), QKeySequence(tr("Ctrl+D"))),
            &QAction::triggered, this, &Form1::showOutputFile);
    QAction* formatSettings = menuAction(option, "formatsettings", tr("Format Settings"));
    option->addSeparator();
    QAction* schedule = menuAction(option, "schedule", tr("Schedule"));
    connect(menuAction(option, "recordcontrol", tr("Record Control")), &QAction::triggered, this,
            &Form1::recordcontrol_Click);

    QMenu* help = menuBar()->addMenu(tr("Help(&H)"));
    help->setObjectName(QStringLiteral("help"));
    QAction* helpItem = menuAction(help, "helpitem", tr("Help"), QKeySequence(Qt::Key_F1));
    help->addSeparator();
    QAction* homePage = menuAction(help, "homepage", tr("Tavrik Home Page"));
    QAction* support = menuAction(help, "supportonline", tr("Support Online"));
    help->addSeparator();
    connect(menuAction(help, "about", tr("About"), QKeySequence(tr("Ctrl+A"))), &QAction::triggered, this,
            &Form1::showAbout);

    comingLater({newProject, openProject, saveProject, play1, playAudio, pausePlay, stopPlay, audioPlayer,
                 converter, editId3, formatSettings, schedule, helpItem, homePage, support});
}

void Form1::load() {
    applySkin(m_appFolder, this);
    if (GetOSName() == QLatin1String("WindowsVista"))
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
    m_loaded = true;
}

bool Form1::fillDevices() {
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

void Form1::DeviceCombo_Click() {
    if (DeviceCombo->currentIndex() < 0)
        return;
    m_audioRecord->SelectDevice(DeviceCombo->currentData().toInt());
    fillSources();
}

void Form1::fillSources() {
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

void Form1::cmbSrcInput_Click() {
    if (cmbSrcInput->currentIndex() >= 0)
        DeviceSelection::activateSource(*m_audioRecord, cmbSrcInput->currentIndex());
}

bool Form1::flgRecord() const {
    return m_session->isRecording();
}

QString Form1::statusText(int panel) const {
    return (panel == 1 ? m_panel1 : m_panel2)->text();
}

void Form1::StartRecord() {
    if (flgRecord())
        StopRecord();
    const RecordingSession::StartResult result = m_session->start(cboEncoders->currentText());
    if (!result.ok) {
        m_panel2->setText(result.text);
        return;
    }
    AV1->SetFormat(m_audioFile->SampleRate(), m_audioFile->Channels());
    m_panel1->setText(m_session->outputPath());
    m_panel2->setText(result.text);
    cmdrecord->setEnabled(false);
    Command1->setEnabled(false);
}

void Form1::StopRecord() {
    m_session->stop();
}

void Form1::onRecordingStopped() {
    cmdrecord->setEnabled(true);
    Command1->setEnabled(true);
    m_panel1->setText(m_session->outputPath());
    m_panel2->setText(tr("Done"));
    Label1->setText(m_session->elapsed());
    clearDisplays();
}

void Form1::stopCommand() {
    if (flgRecord())
        StopRecord();
    AudioDisplay1->Draw({});
}

void Form1::clearDisplays() {
    AV1->Draw({});
    AudioDisplay1->Draw({});
}

void Form1::AudioRecord_Timer() {
    // Nobody sees the displays of a hidden or minimised window: skip their analysis and painting.
    if (!flgRecord() || !isVisible() || isMinimized())
        return;
    const int channels = m_audioFile->Channels();
    SampleBlock spectrum = m_audioRecord->RecentSamples(AV1->SamplesPerUpdate() * channels);
    SampleBlock level = m_audioRecord->RecentSamples(AudioDisplay1->SamplesWanted());
    if (channels == 2) {
        spectrum = m_monoMixer->MakeMonoFromStereo(spectrum);
        level = m_monoMixer->MakeMonoFromStereo(level);
        AV1->SetFormat(m_audioFile->SampleRate(), 1);
    }
    AV1->Draw(spectrum);
    AudioDisplay1->Draw(level);
}

void Form1::recordcontrol_Click() {
    const QString mixer = QStandardPaths::findExecutable(QStringLiteral("pavucontrol"));
    if (!mixer.isEmpty())
        QProcess::startDetached(mixer, {QStringLiteral("--tab=2")});
}

void Form1::showAbout() {
    Form3 about(m_appFolder, this);
    about.exec();
    show();
}

void Form1::showOutputFile() {
    Form4 dialog(m_appFolder, this);
    dialog.exec();
}

int Form1::selectedRow() const {
    const QModelIndexList rows = ListView1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void Form1::deleteSelectedItem_Click() {
    const int row = selectedRow();
    if (row < 0)
        return;
    if (Dialogs::message(this, QMessageBox::Warning, tr("Do you want to delete the selected audio file now?"),
                         QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    RecordingsActions::deleteFile(*m_recordings, row);
}

void Form1::Removeselecteditem_Click() {
    const int row = selectedRow();
    if (row >= 0)
        m_recordings->removeRecording(row);
}

void Form1::Rename1_Click() {
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

void Form1::followVisibility() {
    const bool watched = isVisible() && !isMinimized();
    m_audioRecord->SetTimerInterval(watched ? kDisplayTickMs : kUnwatchedTickMs);
    if (watched)
        Label1->setText(m_session->elapsed());
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    followVisibility();
}

void Form1::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    followVisibility();
}

void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        followVisibility();
    // Minimised, the window leaves the task bar; only where a tray can bring it back.
    if (event->type() == QEvent::WindowStateChange && isMinimized() &&
        QSystemTrayIcon::isSystemTrayAvailable())
        QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
    QMainWindow::changeEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
    // Until the tray can bring the window back, its close box ends the program in order.
    if (!m_exiting)
        exitsystem();
    event->accept();
}

void Form1::exitsystem() {
    if (m_exiting)
        return;
    m_exiting = true;
    if (flgRecord())
        StopRecord();
    if (m_loaded)
        WriteIniString(m_settingsFile, QStringLiteral("set"), QStringLiteral("outputformat"),
                       QString::number(cboEncoders->currentIndex()));
    m_audioRecord.reset();
    m_audioFile.reset();
    m_monoMixer.reset();
    hide();
    QCoreApplication::quit();
}
