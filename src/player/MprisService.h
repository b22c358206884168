#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>

class PlayerController;

// The audio player on the session bus as an MPRIS 2 media player, so the desktop's media
// keys, its sound menu and playerctl see the title and position and control playback.
class MprisService : public QObject {
    Q_OBJECT
public:
    static inline const QString kServiceName = QStringLiteral("org.mpris.MediaPlayer2.tavrik");

    explicit MprisService(PlayerController& controller, QObject* parent = nullptr);
    ~MprisService() override;

    // Registers on the session bus; false where there is none (none is started for it)
    // or the name is taken.
    bool registerOnSessionBus();
    void unregister();

    PlayerController& controller() { return m_controller; }
    QString playbackStatus() const;
    QVariantMap metadata() const;
    // Microseconds.
    qlonglong position() const;
    void seekBy(qlonglong offsetUs);
    void setPosition(const QString& trackId, qlonglong positionUs);

Q_SIGNALS:
    // The desktop asked to bring the player window forward.
    void raiseRequested();

private:
    void announce(const QVariantMap& changed);

    PlayerController& m_controller;
    bool m_registered = false;
    // Changes with every new title, as MPRIS clients expect of a new track.
    int m_trackNumber = 0;
    std::function<void(qlonglong)> m_seeked;
};
