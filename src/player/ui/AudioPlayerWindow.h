#pragma once

#include <QDialog>
#include <QList>

class Knob;
class MediaControl;
class MprisService;
class PlayList;
class PlayerController;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QRadioButton;
class QTimer;
class QToolButton;
class QWidget;

// The audio player window (objectName `MPlay3`): a small frameless player with a
// scrolling title, position and balance knobs, a volume ramp, play modes and a play list
// that opens below it. It plays through a media control of its own and offers itself to
// the desktop's media controls while open.
class AudioPlayerWindow : public QDialog {
    Q_OBJECT
public:
    explicit AudioPlayerWindow(const QString& appFolder, QWidget* parent = nullptr);
    ~AudioPlayerWindow() override;

    // Window heights in twips: full, small, and full with the play list open.
    static constexpr int kFullHeight = 1725;
    static constexpr int kSmallHeight = 230;
    static constexpr int kListHeight = 5640;
    // Travel of the knobs' left edges, in twips.
    static constexpr int kPositionMin = 120;
    static constexpr int kPositionTravel = 3540;
    static constexpr int kBalanceMin = 900;
    static constexpr int kBalanceMax = 1740;
    static constexpr int kVolumeStep = 130;

    PlayerController& controller() { return *m_controller; }
    MediaControl& media() { return *m_media; }
    PlayList& playList() { return *m_list; }
    // The window's height in twips.
    int heightTwips() const;
    // Bars the volume indicator shows for a volume in hundredths of a decibel.
    static int volumeBars(int volume);

    void done(int result) override;

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildUi();
    void connectUi();
    void setHeightTwips(int twips);
    void showControlsForHeight();
    int px(int twips) const;
    int twips(int pixels) const;
    void loadPosition();
    void savePosition();
    void askAndPlay(const QString& filter);
    void onPlay();
    void updateTime();
    void scrollTitle();
    void runTimersWhilePlaying();
    void setTitleText(const QString& text);
    void updateCaption();
    void stepVolume();
    void showVolume();
    void onBalanceMoved(int left);
    void onPositionReleased(int left);
    void loadList();
    void saveList();
    void addDirectory();
    void showListMenu(const QPoint& at);
    void syncSelection(int row);
    void setOnTop(bool on);

    QString m_appFolder;
    MediaControl* m_media;
    PlayList* m_list;
    PlayerController* m_controller;
    MprisService* m_mpris;

    QToolButton* m_pauseButton = nullptr;
    QLabel* m_pauseLabel = nullptr;
    QWidget* m_shuffleOn = nullptr;
    QWidget* m_repeatOn = nullptr;
    QWidget* m_fileBar = nullptr;
    QWidget* m_listBar = nullptr;
    QToolButton* m_listDown = nullptr;
    QToolButton* m_listUp = nullptr;
    QToolButton* m_smallButton = nullptr;
    QToolButton* m_fullButton = nullptr;
    QToolButton* m_onTopButton = nullptr;
    QWidget* m_display = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_topTime = nullptr;
    QWidget* m_topPicture = nullptr;
    QLabel* m_time = nullptr;
    QLineEdit* m_ext = nullptr;
    Knob* m_positionKnob = nullptr;
    Knob* m_balanceKnob = nullptr;
    QList<QFrame*> m_volumeBars;
    QListView* m_names = nullptr;
    QListView* m_paths = nullptr;
    QRadioButton* m_shuffleMode = nullptr;
    QRadioButton* m_normalMode = nullptr;
    QRadioButton* m_stopMode = nullptr;
    // Controls of the full window, hidden in the small one.
    QList<QWidget*> m_fullControls;

    QTimer* m_clock;
    QTimer* m_scroll;
    QTimer* m_volumeRamp;
    int m_volumeDirection = 0;
    int m_heightTwips = kFullHeight;
    QPoint m_dragFrom;
    bool m_dragging = false;
    bool m_positionSaved = false;
};
