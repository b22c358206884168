#include "player/ui/AudioPlayerWindow.h"

#include "base/ui/Dialogs.h"
#include "base/ui/NamedWidgets.h"
#include "base/ui/Skin.h"
#include "base/ui/Twips.h"
#include "player/MediaControl.h"
#include "player/MprisService.h"
#include "player/PlayList.h"
#include "player/PlayerController.h"
#include "player/ui/Knob.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kWidth = 3960;
constexpr int kBalanceCentre = (AudioPlayerWindow::kBalanceMin + AudioPlayerWindow::kBalanceMax) / 2;
constexpr int kScrollStepPx = 2;
// The position's clock and the title's scroll while playing.
constexpr int kClockMs = 1000;
constexpr int kScrollMs = 100;
const char* const kSongFilter = QT_TRANSLATE_NOOP(
    "AudioPlayerWindow",
    "All Supported Formats(*.mp3 *.cda *.wma *.wav *.asf *.asx *.lsf *.lsx *.mid *.midi *.rmi *.aif *.aifc "
    "*.aiff *.au *.snd);;CD Images(*.cue)");
const char* const kListSongFilter = QT_TRANSLATE_NOOP(
    "AudioPlayerWindow",
    "All Supported Formats(*.mp3 *.cda *.wav *.wma *.asf *.asx *.lsf *.lsx *.mid *.midi *.rmi *.aif *.aifc "
    "*.aiff *.au *.snd);;CD Images(*.cue)");
const char* const kListFilter =
    QT_TRANSLATE_NOOP("AudioPlayerWindow", "Playlist(*.m3u *.M3u *.M3U *.m3u8 *.M3U8)");

// The window's place, in twips as text, per user.
const QString kTopKey = QStringLiteral("Audio Player/MAINTOP");
const QString kLeftKey = QStringLiteral("Audio Player/MAINLEFT");

// Greys the entries whose file is missing.
class PlayListDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!index.data(PlayList::MissingRole).toBool())
            return;
        const QColor grey = option->palette.color(QPalette::Disabled, QPalette::Text);
        option->palette.setColor(QPalette::Text, grey);
        option->palette.setColor(QPalette::HighlightedText, grey);
    }
};

} // namespace

AudioPlayerWindow::AudioPlayerWindow(const QString& appFolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_appFolder(appFolder)
    , m_media(new MediaControl(this))
    , m_list(new PlayList(this))
    , m_controller(new PlayerController(*m_media, *m_list, this))
    , m_mpris(new MprisService(*m_controller, this))
    , m_clock(new QTimer(this))
    , m_scroll(new QTimer(this))
    , m_volumeRamp(new QTimer(this)) {
    setObjectName(QStringLiteral("MPlay3"));
    setWindowTitle(tr("Audio Player"));
    buildUi();
    connectUi();
    applySkin(appFolder, this);

    m_fileBar->hide();
    m_listBar->hide();
    m_shuffleOn->hide();
    m_repeatOn->hide();
    m_listDown->hide();
    m_topTime->hide();
    m_topPicture->hide();
    m_normalMode->setChecked(true);
    setHeightTwips(kFullHeight);
    loadPosition();
    m_mpris->registerOnSessionBus();
}

AudioPlayerWindow::~AudioPlayerWindow() {
    savePosition();
    m_mpris->unregister();
}

int AudioPlayerWindow::px(int twips) const {
    return static_cast<int>(std::lround(Twips::toPixels(twips, logicalDpiX())));
}

int AudioPlayerWindow::twips(int pixels) const {
    return static_cast<int>(std::lround(Twips::fromPixels(pixels, logicalDpiX())));
}

void AudioPlayerWindow::buildUi() {
    auto place = [this](QWidget* w, int x, int y, int width, int height) {
        w->setGeometry(px(x), px(y), px(width), px(height));
        return w;
    };
    auto button = [this, &place](QWidget* parent, const char* name, const QString& tip, int x, int y,
                                 int size, QStyle::StandardPixmap icon, const QString& text = {}) {
        auto* b = named(new QToolButton(parent), name);
        b->setToolTip(tip);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        if (text.isEmpty())
            b->setIcon(style()->standardIcon(icon));
        else
            b->setText(text);
        place(b, x, y, size, size);
        return b;
    };

    // Top bar.
    m_onTopButton = button(this, "Image9", tr("On Top"), 45, 0, 225, QStyle::SP_TitleBarNormalButton,
                           QStringLiteral("\u25B2"));
    m_onTopButton->setCheckable(true);
    auto* caption = named(new QLabel(tr("Audio Player"), this), "caption");
    place(caption, 315, 0, 2800, 225);
    m_topPicture = named(new QWidget(this), "toppic");
    place(m_topPicture, 315, 0, 1200, 225);
    m_topTime = named(new QLabel(QStringLiteral("00.00"), m_topPicture), "toptime");
    m_topTime->setGeometry(0, 0, px(1200), px(225));
    m_smallButton = button(this, "Image4", tr("Small Window"), 3195, 0, 225, QStyle::SP_TitleBarShadeButton);
    m_fullButton = button(this, "Image15", QString(), 3195, 0, 225, QStyle::SP_TitleBarUnshadeButton);
    auto* minimize = button(this, "Image2", tr("Minimize"), 3450, 0, 225, QStyle::SP_TitleBarMinButton);
    auto* exit = button(this, "Image1", tr("Exit"), 3705, 0, 225, QStyle::SP_TitleBarCloseButton);
    connect(minimize, &QToolButton::clicked, this, &QWidget::showMinimized);
    connect(exit, &QToolButton::clicked, this, &QDialog::reject);

    // Title display and time.
    m_display = named(new QFrame(this), "PicDisplay");
    static_cast<QFrame*>(m_display)->setFrameShape(QFrame::StyledPanel);
    place(m_display, 120, 270, 3000, 390);
    m_title = named(new QLabel(tr("Click \"play\" button to open an audio file"), m_display), "Label24");
    m_title->adjustSize();
    m_title->move(0, (m_display->height() - m_title->height()) / 2);
    m_time = named(new QLabel(QStringLiteral("00:00"), this), "Label20");
    m_time->setAlignment(Qt::AlignCenter);
    place(m_time, 3180, 270, 660, 390);

    // Position knob over its groove.
    auto* groove = new QFrame(this);
    groove->setFrameShape(QFrame::HLine);
    place(groove, kPositionMin, 735, kPositionTravel + 180, 60);
    m_positionKnob = named(new Knob(px(kPositionMin), px(kPositionMin + kPositionTravel), this), "islider");
    place(m_positionKnob, kPositionMin, 675, 180, 180);

    // Transport.
    auto* previous = button(this, "previous", tr("Previous"), 120, 930, 330, QStyle::SP_MediaSkipBackward);
    auto* play = button(this, "play", tr("Play"), 480, 930, 330, QStyle::SP_MediaPlay);
    m_pauseButton = button(this, "pause", tr("Pause"), 840, 930, 330, QStyle::SP_MediaPause);
    auto* stop = button(this, "stop", tr("Stop"), 1200, 930, 330, QStyle::SP_MediaStop);
    auto* next = button(this, "next", tr("Next"), 1560, 930, 330, QStyle::SP_MediaSkipForward);
    m_pauseLabel = named(new QLabel(tr("Pause"), this), "Label1");
    place(m_pauseLabel, 1920, 930, 600, 330);
    auto* shuffle = button(this, "shuffle", tr("Shuffle Songs"), 2580, 930, 330, QStyle::SP_BrowserReload,
                           QStringLiteral("\u21C4"));
    auto* repeat = button(this, "repeat", tr("Repeat Song"), 2940, 930, 330, QStyle::SP_BrowserReload,
                          QStringLiteral("\u21BB"));
    auto indicator = [this, &place](const char* name, int x) {
        auto* w = named(new QFrame(this), name);
        w->setAutoFillBackground(true);
        w->setBackgroundRole(QPalette::Highlight);
        place(w, x + 60, 1275, 210, 45);
        return w;
    };
    m_shuffleOn = indicator("shuffleon", 2580);
    m_repeatOn = indicator("repeaton", 2940);
    m_listUp = button(this, "plup", QString(), 3510, 930, 330, QStyle::SP_ArrowDown);
    m_listDown = button(this, "pldown", QString(), 3510, 930, 330, QStyle::SP_ArrowUp);

    // Bottom row: the bars' buttons, balance, volume.
    auto* addFile = button(this, "addfile", tr("Add Files"), 120, 1350, 300, QStyle::SP_FileIcon);
    auto* lists = button(this, "list", tr("Playlists"), 450, 1350, 300, QStyle::SP_FileDialogDetailedView);
    auto* balanceGroove = new QFrame(this);
    balanceGroove->setFrameShape(QFrame::HLine);
    place(balanceGroove, kBalanceMin, 1470, kBalanceMax - kBalanceMin + 180, 60);
    m_balanceKnob = named(new Knob(px(kBalanceMin), px(kBalanceMax), this), "balance");
    m_balanceKnob->setToolTip(tr("Balance"));
    place(m_balanceKnob, kBalanceCentre, 1380, 180, 240);
    auto* minus = button(this, "minus", tr("Decrease Vloume"), 2100, 1350, 300, QStyle::SP_MediaVolume,
                         QStringLiteral("\u2212"));
    auto* volume = named(new QWidget(this), "VolumInd");
    place(volume, 2430, 1350, 660, 300);
    for (int i = 0; i < 6; ++i) {
        auto* bar = named(new QFrame(volume), "LVol");
        bar->setAutoFillBackground(true);
        bar->setBackgroundRole(QPalette::Highlight);
        const int height = 75 + i * 45;
        bar->setGeometry(px(i * 110), px(300 - height), px(90), px(height));
        m_volumeBars.append(bar);
    }
    auto* plus = button(this, "pluss", tr("Increase Vloume"), 3150, 1350, 300, QStyle::SP_MediaVolume,
                        QStringLiteral("+"));

    auto bar = [this, &place](const char* name) {
        auto* w = named(new QFrame(this), name);
        w->setAutoFillBackground(true);
        place(w, 780, 1350, 3060, 300);
        return w;
    };
    m_fileBar = bar("filebar");
    auto* openFile = button(m_fileBar, "openfile", tr("Add Songs"), 0, 0, 300, QStyle::SP_DialogOpenButton);
    auto* addSong = button(m_fileBar, "Image3", tr("Add Song"), 330, 0, 300, QStyle::SP_FileIcon);
    auto* directory = button(m_fileBar, "directory", tr("Add Directory"), 660, 0, 300, QStyle::SP_DirIcon);
    m_listBar = bar("listbar");
    auto* load = button(m_listBar, "LOADLIST", tr("Load Playlist"), 0, 0, 300, QStyle::SP_DialogOpenButton);
    auto* save = button(m_listBar, "savelist", tr("Save Playlist"), 330, 0, 300, QStyle::SP_DialogSaveButton);

    // The play list: names shown, paths kept beside them.
    m_names = named(new QListView(this), "lstfavs");
    m_names->setModel(m_list);
    m_names->setModelColumn(PlayList::NameColumn);
    m_names->setUniformItemSizes(true);
    m_names->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_names->setContextMenuPolicy(Qt::CustomContextMenu);
    m_names->setItemDelegate(new PlayListDelegate(m_names));
    m_names->viewport()->installEventFilter(this);
    place(m_names, 120, 1740, 3720, 3780);
    m_paths = named(new QListView(this), "List1");
    m_paths->setModel(m_list);
    m_paths->setModelColumn(PlayList::PathColumn);
    m_paths->setUniformItemSizes(true);
    m_paths->hide();

    // Hidden state holders.
    m_shuffleMode = named(new QRadioButton(this), "optrnd");
    m_normalMode = named(new QRadioButton(tr("Norm"), this), "optres");
    m_stopMode = named(new QRadioButton(this), "optnon");
    auto* modes = new QButtonGroup(this);
    for (QRadioButton* r : {m_shuffleMode, m_normalMode, m_stopMode}) {
        modes->addButton(r);
        r->hide();
    }
    m_ext = named(new QLineEdit(this), "ext");
    m_ext->hide();

    m_fullControls = {caption, m_display,     m_time,       groove,        m_positionKnob, previous,
                      play,    m_pauseButton, stop,         next,          m_pauseLabel,   shuffle,
                      repeat,  addFile,       lists,        balanceGroove, m_balanceKnob,  minus,
                      volume,  plus,          m_onTopButton};

    connect(previous, &QToolButton::clicked, m_controller, &PlayerController::previous);
    connect(next, &QToolButton::clicked, m_controller, &PlayerController::next);
    connect(play, &QToolButton::clicked, this, &AudioPlayerWindow::onPlay);
    connect(m_pauseButton, &QToolButton::clicked, m_controller, &PlayerController::pauseOrResume);
    connect(stop, &QToolButton::clicked, m_controller, &PlayerController::stop);
    connect(shuffle, &QToolButton::clicked, this, [this] {
        (m_controller->mode() == playorder::Mode::Shuffle ? m_normalMode : m_shuffleMode)->setChecked(true);
    });
    connect(repeat, &QToolButton::clicked, this,
            [this] { m_controller->setRepeat(!m_controller->repeat()); });
    connect(addFile, &QToolButton::clicked, this, [this] {
        m_fileBar->setVisible(!m_fileBar->isVisible());
        m_fileBar->raise();
        m_listBar->hide();
    });
    connect(lists, &QToolButton::clicked, this, [this] {
        m_listBar->setVisible(!m_listBar->isVisible());
        m_listBar->raise();
        m_fileBar->hide();
    });
    connect(openFile, &QToolButton::clicked, this, [this] { askAndPlay(tr(kSongFilter)); });
    connect(addSong, &QToolButton::clicked, this, [this] { askAndPlay(tr(kSongFilter)); });
    connect(directory, &QToolButton::clicked, this, &AudioPlayerWindow::addDirectory);
    connect(load, &QToolButton::clicked, this, &AudioPlayerWindow::loadList);
    connect(save, &QToolButton::clicked, this, &AudioPlayerWindow::saveList);
    for (auto [b, direction] : {std::pair{plus, 1}, std::pair{minus, -1}}) {
        connect(b, &QToolButton::pressed, this, [this, d = direction] {
            m_volumeDirection = d;
            m_volumeRamp->start(50);
        });
        connect(b, &QToolButton::released, m_volumeRamp, &QTimer::stop);
    }
}

void AudioPlayerWindow::connectUi() {
    connect(m_smallButton, &QToolButton::clicked, this,
            [this] { setHeightTwips(m_heightTwips == kSmallHeight ? kFullHeight : kSmallHeight); });
    connect(m_fullButton, &QToolButton::clicked, this, [this] { setHeightTwips(kFullHeight); });
    connect(m_listUp, &QToolButton::clicked, this, [this] { setHeightTwips(kListHeight); });
    connect(m_listDown, &QToolButton::clicked, this, [this] { setHeightTwips(kFullHeight); });
    connect(m_onTopButton, &QToolButton::toggled, this, &AudioPlayerWindow::setOnTop);

    connect(m_shuffleMode, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_controller->setMode(playorder::Mode::Shuffle);
    });
    connect(m_normalMode, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_controller->setMode(playorder::Mode::Normal);
    });
    connect(m_stopMode, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_controller->setMode(playorder::Mode::StopAtEnd);
    });
    connect(m_controller, &PlayerController::modeChanged, this, [this] {
        m_shuffleOn->setVisible(m_controller->mode() == playorder::Mode::Shuffle);
        m_repeatOn->setVisible(m_controller->repeat());
        // The desktop may change the mode too.
        (m_controller->mode() == playorder::Mode::Shuffle  ? m_shuffleMode
         : m_controller->mode() == playorder::Mode::Normal ? m_normalMode
                                                           : m_stopMode)
            ->setChecked(true);
    });
    connect(m_controller, &PlayerController::displayText, this, &AudioPlayerWindow::setTitleText);
    connect(m_media, &MediaControl::stateChanged, this, [this](MediaControl::State state) {
        m_pauseLabel->setText(state == MediaControl::State::Paused ? tr("Resume") : tr("Pause"));
        updateTime();
        runTimersWhilePlaying();
    });
    connect(m_media, &MediaControl::positionMoved, this, &AudioPlayerWindow::updateTime);
    connect(m_list, &PlayList::currentChanged, this, &AudioPlayerWindow::syncSelection);
    connect(m_names->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) { m_list->setCurrent(index.row()); });
    connect(m_names, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { m_controller->playEntry(index.row()); });
    connect(m_paths, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { m_media->setFileName(m_list->entry(index.row()).path); });
    connect(m_names, &QWidget::customContextMenuRequested, this, &AudioPlayerWindow::showListMenu);

    connect(m_clock, &QTimer::timeout, this, &AudioPlayerWindow::updateTime);
    connect(m_scroll, &QTimer::timeout, this, &AudioPlayerWindow::scrollTitle);
    connect(m_volumeRamp, &QTimer::timeout, this, &AudioPlayerWindow::stepVolume);
    connect(m_positionKnob, &Knob::released, this, &AudioPlayerWindow::onPositionReleased);
    connect(m_balanceKnob, &Knob::moved, this, &AudioPlayerWindow::onBalanceMoved);
    connect(m_balanceKnob, &Knob::released, this, [this] {
        setTitleText(m_controller->title().isEmpty() ? tr("Click \"play\" button to open an audio file")
                                                     : m_controller->title());
    });
    connect(m_mpris, &MprisService::raiseRequested, this, [this] {
        showNormal();
        raise();
        activateWindow();
    });
}

int AudioPlayerWindow::heightTwips() const {
    return m_heightTwips;
}

void AudioPlayerWindow::setHeightTwips(int height) {
    m_heightTwips = height;
    setFixedSize(px(kWidth), px(height));
    showControlsForHeight();
}

void AudioPlayerWindow::showControlsForHeight() {
    const bool small = m_heightTwips == kSmallHeight;
    for (QWidget* w : std::as_const(m_fullControls))
        w->setVisible(!small);
    m_topPicture->setVisible(small);
    m_topTime->setVisible(small);
    m_smallButton->setVisible(!small);
    m_fullButton->setVisible(small);
    m_listUp->setVisible(m_heightTwips == kFullHeight);
    m_listDown->setVisible(m_heightTwips == kListHeight);
    m_names->setVisible(m_heightTwips == kListHeight);
    if (small) {
        m_fileBar->hide();
        m_listBar->hide();
    }
    m_shuffleOn->setVisible(!small && m_controller->mode() == playorder::Mode::Shuffle);
    m_repeatOn->setVisible(!small && m_controller->repeat());
    updateTime();
}

int AudioPlayerWindow::volumeBars(int volume) {
    static constexpr int kThresholds[] = {-999, -1499, -1999, -2999, -3999, -4999, -5999, -6999};
    const auto above =
        std::count_if(std::begin(kThresholds), std::end(kThresholds), [volume](int t) { return volume > t; });
    return std::min(6, static_cast<int>(above));
}

void AudioPlayerWindow::stepVolume() {
    m_media->setVolume(m_media->volume() + m_volumeDirection * kVolumeStep);
    showVolume();
}

void AudioPlayerWindow::showVolume() {
    const int bars = volumeBars(m_media->volume());
    for (int i = 0; i < m_volumeBars.size(); ++i)
        m_volumeBars[i]->setVisible(i < bars);
}

void AudioPlayerWindow::onBalanceMoved(int left) {
    const int value =
        (twips(left) - kBalanceCentre) * MediaControl::kBalanceRange / (kBalanceMax - kBalanceCentre);
    m_media->setBalance(value);
    const int b = m_media->balance();
    setTitleText(b < -500 ? tr("Left") : b > 500 ? tr("Right") : tr("Center"));
}

void AudioPlayerWindow::onPositionReleased(int left) {
    const double fraction =
        std::clamp((twips(left) - kPositionMin) / static_cast<double>(kPositionTravel), 0.0, 1.0);
    // Stop, position and play as one move, so nothing of the old place sounds between.
    m_media->setCurrentPosition(std::floor(m_media->duration() * fraction));
    m_media->play();
    updateTime();
}

void AudioPlayerWindow::updateTime() {
    const double p = m_media->currentPosition();
    const QString text = playorder::positionText(p);
    m_topTime->setText(text);
    m_time->setText(text);
    if (m_positionKnob->isDragging())
        return;
    const double d = m_media->duration();
    const int left = d > 0 && p > 0 ? static_cast<int>(std::min(p / d, 1.0) * kPositionTravel) + kPositionMin
                                    : kPositionMin;
    m_positionKnob->place(px(left));
}

void AudioPlayerWindow::setTitleText(const QString& text) {
    m_title->setText(text);
    m_title->adjustSize();
    m_title->move(0, m_title->y());
    updateCaption();
}

void AudioPlayerWindow::scrollTitle() {
    if (!isVisible())
        return;
    int x = m_title->x() - kScrollStepPx;
    if (x + m_title->width() < 0)
        x = m_display->width();
    m_title->move(x, m_title->y());
}

void AudioPlayerWindow::updateCaption() {
    setWindowTitle(isMinimized() ? tr("%1Audio Player...").arg(m_title->text()) : tr("Audio Player"));
}

void AudioPlayerWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        updateCaption();
        runTimersWhilePlaying();
    }
    QDialog::changeEvent(event);
}

void AudioPlayerWindow::runTimersWhilePlaying() {
    // A window left open beside a recording costs nothing while it plays nothing, and
    // nothing is seen of it while minimized.
    const bool run = m_media->state() == MediaControl::State::Playing && !isMinimized();
    if (run == m_clock->isActive())
        return;
    if (run) {
        m_clock->start(kClockMs);
        m_scroll->start(kScrollMs);
    } else {
        m_clock->stop();
        m_scroll->stop();
    }
}

void AudioPlayerWindow::onPlay() {
    const int row = m_list->current();
    // Play on the paused entry goes on where it was.
    if (m_media->state() == MediaControl::State::Paused && row >= 0 &&
        m_list->entry(row).path == m_controller->openPath()) {
        m_media->play();
        return;
    }
    if (!m_controller->playSelected())
        askAndPlay(tr(kSongFilter));
}

void AudioPlayerWindow::askAndPlay(const QString& filter) {
    const QString path = Dialogs::openFileName(this, tr("Select A Song"), filter);
    if (path.isEmpty())
        return;
    m_ext->setText(path.right(3));
    m_controller->addAndPlay(path);
}

void AudioPlayerWindow::addDirectory() {
    const QString folder = Dialogs::existingDirectory(this, tr("Add Directory"), QString());
    if (!folder.isEmpty())
        m_controller->addDirectory(folder);
}

void AudioPlayerWindow::loadList() {
    const QString path = Dialogs::openFileName(this, tr("Load Playlist"), tr(kListFilter));
    if (path.isEmpty())
        return;
    // The progress shows once the reading takes longer than a second.
    QProgressDialog progress(tr("Loading the play list..."), QString(), 0, 100, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(1000);
    progress.setValue(0);
    m_controller->loadList(path, [&progress](int percent) { progress.setValue(percent); });
}

void AudioPlayerWindow::saveList() {
    const QString path = Dialogs::saveFileName(this, tr("Save Playlist"), tr(kListFilter));
    if (!path.isEmpty())
        m_controller->saveList(path);
}

void AudioPlayerWindow::showListMenu(const QPoint& at) {
    const QModelIndex index = m_names->indexAt(at);
    if (index.isValid())
        m_list->setCurrent(index.row());
    auto* menu = findChild<QMenu*>(QStringLiteral("playlistMenu"));
    if (!menu) {
        menu = named(new QMenu(this), "playlistMenu");
        connect(named(menu->addAction(tr("Remove")), "mnuRemove"), &QAction::triggered, this,
                [this] { m_list->remove(m_list->current()); });
        connect(named(menu->addAction(tr("Move up")), "mnuMoveUp"), &QAction::triggered, this,
                [this] { m_list->move(m_list->current(), -1); });
        connect(named(menu->addAction(tr("Move down")), "mnuMoveDown"), &QAction::triggered, this,
                [this] { m_list->move(m_list->current(), 1); });
        menu->addSeparator();
        connect(named(menu->addAction(tr("Clear")), "mnuClear"), &QAction::triggered, m_list,
                &PlayList::clear);
    }
    const int row = m_list->current();
    const QList<QAction*> actions = menu->actions();
    actions[0]->setEnabled(row >= 0);
    actions[1]->setEnabled(row > 0);
    actions[2]->setEnabled(row >= 0 && row < m_list->count() - 1);
    actions[4]->setEnabled(m_list->count() > 0);
    menu->popup(m_names->viewport()->mapToGlobal(at));
}

void AudioPlayerWindow::syncSelection(int row) {
    for (QListView* view : {m_names, m_paths}) {
        const QModelIndex index = m_list->index(row, view->modelColumn());
        if (view->currentIndex() != index)
            view->setCurrentIndex(index);
    }
}

bool AudioPlayerWindow::eventFilter(QObject* watched, QEvent* event) {
    // A double click below the entries asks for a file, as Add Songs does.
    if (watched == m_names->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!m_names->indexAt(mouse->position().toPoint()).isValid()) {
            askAndPlay(tr(kListSongFilter));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AudioPlayerWindow::setOnTop(bool on) {
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown)
        show();
}

void AudioPlayerWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    m_dragging = true;
    m_dragFrom = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void AudioPlayerWindow::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging)
        move(event->globalPosition().toPoint() - m_dragFrom);
}

void AudioPlayerWindow::mouseReleaseEvent(QMouseEvent*) {
    m_dragging = false;
}

void AudioPlayerWindow::loadPosition() {
    const QSettings s(QStringLiteral("tavrik"), QStringLiteral("tavrik"));
    bool topOk = false;
    bool leftOk = false;
    const int top = s.value(kTopKey).toString().toInt(&topOk);
    const int left = s.value(kLeftKey).toString().toInt(&leftOk);
    if (!topOk || !leftOk)
        return;
    const QPoint at(px(left), px(top));
    // A place on no screen (one since removed) would leave the window out of reach.
    const QList<QScreen*> screens = QGuiApplication::screens();
    const bool reachable = std::any_of(screens.begin(), screens.end(), [&at](QScreen* screen) {
        return screen->availableGeometry().contains(at);
    });
    if (reachable)
        move(at);
}

void AudioPlayerWindow::savePosition() {
    if (m_positionSaved)
        return;
    m_positionSaved = true;
    QSettings s(QStringLiteral("tavrik"), QStringLiteral("tavrik"));
    s.setValue(kTopKey, QString::number(twips(pos().y())));
    s.setValue(kLeftKey, QString::number(twips(pos().x())));
}

void AudioPlayerWindow::done(int result) {
    savePosition();
    m_controller->stop();
    m_mpris->unregister();
    QDialog::done(result);
}
