#include "base/ui/RunningTimeLabel.h"
#include "base/ui/Twips.h"
#include "engine/playback/FilePlayback.h"
#include "engine/ui/FrequencyView.h"
#include "engine/ui/LevelDisplay.h"
#include "recordings/RecordingsModel.h"
#include "shell/ui/HelpCommands.h"
#include "shell/ui/MainWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeView>

// The main window's controls and menus, with the commands they trigger.
namespace {

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

void MainWindow::buildUi() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);

    auto* choices = new QGridLayout;
    auto label = [central](const char* name, const QString& text) {
        auto* l = new QLabel(text, central);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    m_deviceCombo = new QComboBox(central);
    m_deviceCombo->setObjectName(QStringLiteral("DeviceCombo"));
    m_sourceCombo = new QComboBox(central);
    m_sourceCombo->setObjectName(QStringLiteral("cmbSrcInput"));
    m_formatCombo = new QComboBox(central);
    m_formatCombo->setObjectName(QStringLiteral("cboEncoders"));
    choices->addWidget(label("SkinLabel1", tr("Record Device")), 0, 0);
    choices->addWidget(m_deviceCombo, 0, 1);
    choices->addWidget(label("SkinLabel2", tr("Sound Source")), 1, 0);
    choices->addWidget(m_sourceCombo, 1, 1);
    choices->addWidget(label("SkinLabel3", tr("Output Format")), 2, 0);
    choices->addWidget(m_formatCombo, 2, 1);
    choices->setColumnStretch(1, 1);
    outer->addLayout(choices);

    auto* transport = new QHBoxLayout;
    m_recordButton = new QToolButton(central);
    m_recordButton->setObjectName(QStringLiteral("cmdrecord"));
    m_recordButton->setIcon(recordIcon());
    m_recordButton->setIconSize(QSize(28, 28));
    m_recordButton->setToolTip(tr("Start Recording (Hotkey:CTRL+R)"));
    m_stopButton = commandButton(central, "cmdStop", tr("Stop"));
    m_playButton = commandButton(central, "cmdPlay", tr("Play"));
    m_pauseButton = commandButton(central, "cmdPause", tr("Pause"));
    m_timeLabel = new RunningTimeLabel(QStringLiteral("0:00.000"), central);
    m_timeLabel->setObjectName(QStringLiteral("Label1"));
    QFont big = m_timeLabel->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setFamily(QStringLiteral("monospace"));
    m_timeLabel->setFont(big);
    // A fixed size keeps the time's updates, many a second, from re-laying out the whole window.
    m_timeLabel->setFixedSize(QFontMetrics(big).horizontalAdvance(QStringLiteral("0000:00.000")) + 4,
                              QFontMetrics(big).height() + 4);
    m_positionSlider = new QSlider(Qt::Horizontal, central);
    m_positionSlider->setObjectName(QStringLiteral("slPosition"));
    m_positionSlider->setRange(0, 1000);
    for (QWidget* w : {static_cast<QWidget*>(m_recordButton), static_cast<QWidget*>(m_stopButton),
                       static_cast<QWidget*>(m_playButton), static_cast<QWidget*>(m_pauseButton)})
        transport->addWidget(w);
    transport->addSpacing(12);
    transport->addWidget(label("SkinLabel4", tr("Time:")));
    transport->addWidget(m_timeLabel);
    transport->addWidget(m_positionSlider, 1);
    outer->addLayout(transport);

    auto* status = new QGroupBox(tr("Status"), central);
    status->setObjectName(QStringLiteral("Frame3"));
    auto* displays = new QHBoxLayout(status);
    m_levelDisplay = new LevelDisplay(status);
    m_levelDisplay->setObjectName(QStringLiteral("AudioDisplay1"));
    m_spectrumView = new FrequencyView(status);
    m_spectrumView->setObjectName(QStringLiteral("AV1"));
    displays->addWidget(m_levelDisplay);
    displays->addWidget(m_spectrumView, 1);
    // TAVRIK_DISPLAYS=level or =spectrum shows only that display, so that the CPU benchmark
    // tells what each one costs.
    if (const QString only = qEnvironmentVariable("TAVRIK_DISPLAYS"); only == QLatin1String("level"))
        m_spectrumView->hide();
    else if (only == QLatin1String("spectrum"))
        m_levelDisplay->hide();
    outer->addWidget(status);

    auto* listFrame = new QGroupBox(tr("Double Click list to Play Recording"), central);
    listFrame->setObjectName(QStringLiteral("Frame2"));
    auto* listLayout = new QVBoxLayout(listFrame);
    m_recordingsView = new QTreeView(listFrame);
    m_recordingsView->setObjectName(QStringLiteral("ListView1"));
    m_recordingsView->setModel(m_recordings);
    m_recordingsView->setRootIsDecorated(false);
    m_recordingsView->setUniformRowHeights(true);
    m_recordingsView->setAlternatingRowColors(true);
    m_recordingsView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_recordingsView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_recordingsView->setContextMenuPolicy(Qt::CustomContextMenu);
    m_recordingsView->header()->setSectionsClickable(false);
    const int twips[] = {640, 3440, 1000, 1440, 1440};
    for (int c = 0; c < RecordingsModel::ColumnCount; ++c)
        m_recordingsView->setColumnWidth(c, static_cast<int>(Twips::toPixels(twips[c], logicalDpiX())));
    listLayout->addWidget(m_recordingsView);
    outer->addWidget(listFrame, 1);

    auto* buttons = new QGridLayout;
    m_recordCommandButton = commandButton(central, "Command1", tr("Record Ctrl+R"));
    auto* stopCommandButton = commandButton(central, "Command3", tr("Stop Ctrl+S"));
    auto* scheduleButton = commandButton(central, "Command2", tr("Schedule"));
    m_audioPlayerButton = commandButton(central, "Command4", tr("Audio Player"));
    auto* outputFileButton = commandButton(central, "Command5", tr("Output File"));
    auto* formatSettingsButton = commandButton(central, "Command6", tr("Format Settings"));
    auto* helpButton = commandButton(central, "Command10", tr("Help"));
    auto* aboutButton = commandButton(central, "Command11", tr("About"));
    auto* closeButton = commandButton(central, "Command12", tr("Close"));
    auto* tagEditorButton = commandButton(central, "Command13", tr("Edit ID3"));
    auto* converterButton = commandButton(central, "Command14", tr("Audio Converter"));
    const QList<QPushButton*> row1{m_recordCommandButton, stopCommandButton, outputFileButton,
                                   formatSettingsButton,  scheduleButton,    tagEditorButton};
    const QList<QPushButton*> row2{m_audioPlayerButton, converterButton, helpButton, aboutButton,
                                   closeButton};
    for (int i = 0; i < row1.size(); ++i)
        buttons->addWidget(row1[i], 0, i);
    for (int i = 0; i < row2.size(); ++i)
        buttons->addWidget(row2[i], 1, i);
    outer->addLayout(buttons);
    setCentralWidget(central);

    m_fileStatus = new QLabel(this);
    m_fileStatus->setObjectName(QStringLiteral("StatusBar1Panel1"));
    m_messageStatus = new QLabel(this);
    m_messageStatus->setObjectName(QStringLiteral("StatusBar1Panel2"));
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(m_fileStatus, 3);
    statusBar()->addWidget(m_messageStatus, 2);
    m_activationStatus = new QLabel(this);
    m_activationStatus->setObjectName(QStringLiteral("activationStatus"));
    statusBar()->addPermanentWidget(m_activationStatus);
    m_healthStatus = new QLabel(this);
    m_healthStatus->setObjectName(QStringLiteral("healthStatus"));
    statusBar()->addPermanentWidget(m_healthStatus);
    m_listeningStatus = new QLabel(this);
    m_listeningStatus->setObjectName(QStringLiteral("listeningStatus"));
    m_listeningStatus->hide();
    statusBar()->addPermanentWidget(m_listeningStatus);

    connect(m_recordCommandButton, &QPushButton::clicked, this, [this] { startRecording(); });
    connect(m_recordButton, &QToolButton::clicked, this, [this] { startRecording(); });
    connect(stopCommandButton, &QPushButton::clicked, this, &MainWindow::stopCommand);
    connect(m_stopButton, &QPushButton::clicked, this, &MainWindow::stopCommand);
    connect(m_playButton, &QPushButton::clicked, this, &MainWindow::playSelected);
    connect(m_pauseButton, &QPushButton::clicked, m_playback, &FilePlayback::pauseOrResume);
    connect(m_positionSlider, &QSlider::sliderPressed, m_playback, &FilePlayback::beginSeek);
    connect(m_positionSlider, &QSlider::sliderReleased, this,
            [this] { m_playback->endSeek(m_positionSlider->value()); });
    connect(m_recordingsView, &QTreeView::doubleClicked, this, &MainWindow::playSelected);
    connect(outputFileButton, &QPushButton::clicked, this, &MainWindow::showOutputFile);
    connect(helpButton, &QPushButton::clicked, this, [this] { Help::showHelp(this, m_appFolder); });
    connect(aboutButton, &QPushButton::clicked, this, &MainWindow::showAbout);
    connect(closeButton, &QPushButton::clicked, this, &MainWindow::exitApplication);
    connect(m_deviceCombo, &QComboBox::currentIndexChanged, this, &MainWindow::deviceChosen);
    connect(m_sourceCombo, &QComboBox::currentIndexChanged, this, &MainWindow::sourceChosen);
    connect(tagEditorButton, &QPushButton::clicked, this, &MainWindow::showTagEditor);
    connect(formatSettingsButton, &QPushButton::clicked, this, &MainWindow::showFormatSettings);
    connect(scheduleButton, &QPushButton::clicked, this, &MainWindow::showSchedule);
    connect(converterButton, &QPushButton::clicked, this, &MainWindow::showConverter);
    connect(m_audioPlayerButton, &QPushButton::clicked, this, &MainWindow::showAudioPlayer);
    resize(760, 640);
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("File(&F)"));
    file->setObjectName(QStringLiteral("file"));
    connect(menuAction(file, "NewRecordingProject", tr("New Recording Project"),
                       QKeySequence(QStringLiteral("Ctrl+N"))),
            &QAction::triggered, this, &MainWindow::newProject);
    connect(menuAction(file, "OpenRecordingProject", tr("Open Recording Project"),
                       QKeySequence(QStringLiteral("Ctrl+O"))),
            &QAction::triggered, this, &MainWindow::openProject);
    connect(menuAction(file, "saveRecordingProject", tr("Save Recording Project"),
                       QKeySequence(QStringLiteral("Ctrl+V"))),
            &QAction::triggered, this, &MainWindow::saveProject);
    file->addSeparator();
    connect(menuAction(file, "exit", tr("Exit"), QKeySequence(QStringLiteral("Ctrl+X"))), &QAction::triggered,
            this, &MainWindow::exitApplication);

    m_editMenu = menuBar()->addMenu(tr("Edit(&E)"));
    m_editMenu->setObjectName(QStringLiteral("edit"));
    connect(menuAction(m_editMenu, "play1", tr("Play Selected File")), &QAction::triggered, this,
            &MainWindow::playSelected);
    m_editMenu->addSeparator();
    connect(menuAction(m_editMenu, "Rename1", tr("Rename")), &QAction::triggered, this,
            &MainWindow::renameSelectedFile);
    connect(menuAction(m_editMenu, "Removeselecteditem", tr("Remove Selected Item")), &QAction::triggered,
            this, &MainWindow::removeSelectedRow);
    connect(menuAction(m_editMenu, "deleteSelectedItem", tr("Delete Selected File")), &QAction::triggered,
            this, &MainWindow::deleteSelectedFile);
    connect(m_recordingsView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_editMenu->popup(m_recordingsView->viewport()->mapToGlobal(pos)); });

    QMenu* action = menuBar()->addMenu(tr("Action(&A)"));
    action->setObjectName(QStringLiteral("action"));
    connect(menuAction(action, "record", tr("Record"), QKeySequence(QStringLiteral("Ctrl+R"))),
            &QAction::triggered, this, [this] { startRecording(); });
    connect(menuAction(action, "stop", tr("Stop"), QKeySequence(QStringLiteral("Ctrl+S"))),
            &QAction::triggered, this, [this] {
                if (isRecording())
                    stopRecording();
            });
    action->addSeparator();
    connect(menuAction(action, "playaudio1", tr("Play Audio")), &QAction::triggered, this,
            &MainWindow::playSelected);
    connect(menuAction(action, "PausePlay1", tr("Pause Play")), &QAction::triggered, m_playback,
            &FilePlayback::pauseOrResume);
    connect(menuAction(action, "stopplay1", tr("Stop Play")), &QAction::triggered, m_playback,
            &FilePlayback::stop);
    action->addSeparator();
    connect(menuAction(action, "audioplayer", tr("Audio Player"), QKeySequence(QStringLiteral("Ctrl+P"))),
            &QAction::triggered, this, &MainWindow::showAudioPlayer);
    connect(
        menuAction(action, "audioconverter", tr("Audio Converter"), QKeySequence(QStringLiteral("Ctrl+C"))),
        &QAction::triggered, this, &MainWindow::showConverter);
    connect(menuAction(action, "EditID3", tr("Edit ID3"), QKeySequence(QStringLiteral("Ctrl+E"))),
            &QAction::triggered, this, &MainWindow::showTagEditor);

    QMenu* option = menuBar()->addMenu(tr("Option(&O)"));
    option->setObjectName(QStringLiteral("option"));
    connect(menuAction(option, "outputfile", tr("Output File"), QKeySequence(QStringLiteral("Ctrl+D"))),
            &QAction::triggered, this, &MainWindow::showOutputFile);
    connect(menuAction(option, "formatsettings", tr("Format Settings")), &QAction::triggered, this,
            &MainWindow::showFormatSettings);
    connect(menuAction(option, "soundactivation", tr("Sound Activation")), &QAction::triggered, this,
            &MainWindow::showSoundActivation);
    connect(menuAction(option, "severalsources", tr("Record Several Sources")), &QAction::triggered, this,
            &MainWindow::showSeveralSources);
    option->addSeparator();
    connect(menuAction(option, "schedule", tr("Schedule")), &QAction::triggered, this,
            &MainWindow::showSchedule);
    connect(menuAction(option, "recordcontrol", tr("Record Control")), &QAction::triggered, this,
            &MainWindow::openRecordControl);

    QMenu* help = menuBar()->addMenu(tr("Help(&H)"));
    help->setObjectName(QStringLiteral("help"));
    // The tray menu triggers these same actions, so each does the whole job.
    connect(menuAction(help, "helpitem", tr("Help"), QKeySequence(Qt::Key_F1)), &QAction::triggered, this,
            [this] { Help::showHelp(this, m_appFolder); });
    help->addSeparator();
    connect(menuAction(help, "homepage", tr("Tavrik Home Page")), &QAction::triggered, this,
            [this] { Help::openHomePage(this, m_appFolder); });
    connect(menuAction(help, "supportonline", tr("Support Online")), &QAction::triggered, this,
            [this] { Help::openSupportPage(this, m_appFolder); });
    help->addSeparator();
    connect(menuAction(help, "about", tr("About"), QKeySequence(QStringLiteral("Ctrl+A"))),
            &QAction::triggered, this, &MainWindow::showAbout);

    for (const char* name : {"play1", "playaudio1"})
        m_playActions << findChild<QAction*>(QLatin1String(name));
    for (const char* name : {"Rename1", "Removeselecteditem", "deleteSelectedItem"})
        m_rowActions << findChild<QAction*>(QLatin1String(name));
}
