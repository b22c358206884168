#include "player/MprisService.h"

#include "player/MediaControl.h"
#include "player/PlayList.h"
#include "player/PlayerController.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFileInfo>
#include <QUrl>
#include <cmath>

namespace {

const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
constexpr double kUsPerSecond = 1e6;

// Whether a session bus can be reached without libdbus starting one of its own, which
// would outlive the program.
bool sessionBusExists() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

class RootAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ canQuit)
    Q_PROPERTY(bool CanRaise READ canRaise)
    Q_PROPERTY(bool HasTrackList READ hasTrackList)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ uriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ mimeTypes)
public:
    explicit RootAdaptor(MprisService* service)
        : QDBusAbstractAdaptor(service)
        , m_service(service) {}
    bool canQuit() const { return false; }
    bool canRaise() const { return true; }
    bool hasTrackList() const { return false; }
    QString identity() const { return QCoreApplication::translate("MprisService", "Tavrik Audio Player"); }
    QString desktopEntry() const { return QStringLiteral("tavrik"); }
    QStringList uriSchemes() const { return {QStringLiteral("file")}; }
    QStringList mimeTypes() const {
        return {QStringLiteral("audio/mpeg"), QStringLiteral("audio/x-wav"), QStringLiteral("audio/x-ms-wma"),
                QStringLiteral("audio/ogg"),  QStringLiteral("audio/flac"),  QStringLiteral("audio/x-aiff")};
    }

public Q_SLOTS:
    void Raise() { Q_EMIT m_service->raiseRequested(); }
    void Quit() {}

private:
    MprisService* m_service;
};

class PlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ rate WRITE setRate)
    Q_PROPERTY(double MinimumRate READ rate)
    Q_PROPERTY(double MaximumRate READ rate)
    Q_PROPERTY(bool Shuffle READ shuffle WRITE setShuffle)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Volume READ volume WRITE setVolume)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(bool CanGoNext READ canGo)
    Q_PROPERTY(bool CanGoPrevious READ canGo)
    Q_PROPERTY(bool CanPlay READ canPlay)
    Q_PROPERTY(bool CanPause READ canPlay)
    Q_PROPERTY(bool CanSeek READ canSeek)
    Q_PROPERTY(bool CanControl READ canControl)
public:
    explicit PlayerAdaptor(MprisService* service)
        : QDBusAbstractAdaptor(service)
        , m_service(service)
        , m_controller(service->controller()) {}

    QString playbackStatus() const { return m_service->playbackStatus(); }
    double rate() const { return 1.0; }
    void setRate(double) {}
    bool shuffle() const { return m_controller.mode() == playorder::Mode::Shuffle; }
    void setShuffle(bool on) {
        m_controller.setMode(on ? playorder::Mode::Shuffle : playorder::Mode::Normal);
    }
    QVariantMap metadata() const { return m_service->metadata(); }
    // MPRIS volume is linear; the media control's is in hundredths of a decibel.
    double volume() const {
        const int v = m_controller.media().volume();
        return v <= MediaControl::kMinVolume ? 0.0 : std::pow(10.0, v / 2000.0);
    }
    void setVolume(double linear) {
        // NaN or infinity is no volume: refused, the volume stays.
        if (!std::isfinite(linear))
            return;
        m_controller.media().setVolume(
            linear <= 0 ? MediaControl::kMinVolume
                        : static_cast<int>(std::lround(2000.0 * std::log10(std::min(linear, 1.0)))));
    }
    qlonglong position() const { return m_service->position(); }
    bool canGo() const { return m_controller.list().count() > 0; }
    bool canPlay() const { return m_controller.list().count() > 0 || !m_controller.title().isEmpty(); }
    bool canSeek() const { return m_controller.media().duration() > 0; }
    bool canControl() const { return true; }

public Q_SLOTS:
    void Next() { m_controller.next(); }
    void Previous() { m_controller.previous(); }
    void Pause() { m_controller.media().pause(); }
    void PlayPause() { m_controller.pauseOrResume(); }
    void Stop() { m_controller.stop(); }
    void Play() {
        MediaControl& media = m_controller.media();
        if (media.state() != MediaControl::State::Closed)
            media.play();
        else if (!m_controller.playSelected() && m_controller.list().count() > 0)
            m_controller.playEntry(0);
    }
    void Seek(qlonglong offset) { m_service->seekBy(offset); }
    void SetPosition(const QDBusObjectPath& track, qlonglong position) {
        m_service->setPosition(track.path(), position);
    }
    void OpenUri(const QString& uri) { m_controller.addAndPlay(QUrl(uri).toLocalFile()); }

Q_SIGNALS:
    void Seeked(qlonglong position);

private:
    MprisService* m_service;
    PlayerController& m_controller;
};

} // namespace

MprisService::MprisService(PlayerController& controller, QObject* parent)
    : QObject(parent)
    , m_controller(controller) {
    new RootAdaptor(this);
    auto* player = new PlayerAdaptor(this);
    MediaControl& media = controller.media();
    connect(&media, &MediaControl::stateChanged, this, [this] {
        announce({{QStringLiteral("PlaybackStatus"), playbackStatus()}});
    });
    connect(&controller, &PlayerController::titleChanged, this, [this] {
        ++m_trackNumber;
        announce({{QStringLiteral("Metadata"), metadata()}});
    });
    connect(&controller, &PlayerController::modeChanged, this, [this] {
        announce({{QStringLiteral("Shuffle"), m_controller.mode() == playorder::Mode::Shuffle}});
    });
    m_seeked = [player](qlonglong us) { Q_EMIT player->Seeked(us); };
}

MprisService::~MprisService() {
    unregister();
}

bool MprisService::registerOnSessionBus() {
    if (m_registered || !sessionBusExists())
        return m_registered;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (!bus.registerObject(kObjectPath, this, QDBusConnection::ExportAdaptors))
        return false;
    if (!bus.registerService(kServiceName)) {
        bus.unregisterObject(kObjectPath);
        return false;
    }
    m_registered = true;
    return true;
}

void MprisService::unregister() {
    if (!m_registered)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(kServiceName);
    bus.unregisterObject(kObjectPath);
    m_registered = false;
}

QString MprisService::playbackStatus() const {
    switch (m_controller.media().state()) {
    case MediaControl::State::Playing:
        return QStringLiteral("Playing");
    case MediaControl::State::Paused:
        return QStringLiteral("Paused");
    default:
        return QStringLiteral("Stopped");
    }
}

QVariantMap MprisService::metadata() const {
    const QString title = m_controller.title();
    if (title.isEmpty())
        return {{QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(QStringLiteral(
                                                      "/org/mpris/MediaPlayer2/TrackList/NoTrack")))}};
    QVariantMap map;
    map.insert(
        QStringLiteral("mpris:trackid"),
        QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/tavrik/track/%1").arg(m_trackNumber))));
    map.insert(QStringLiteral("xesam:title"), title);
    map.insert(QStringLiteral("mpris:length"),
               static_cast<qlonglong>(std::llround(m_controller.media().duration() * kUsPerSecond)));
    const QString path = m_controller.openPath();
    if (!path.startsWith(QLatin1String("CDAUDIO:"), Qt::CaseInsensitive))
        map.insert(QStringLiteral("xesam:url"), QUrl::fromLocalFile(path).toString());
    return map;
}

qlonglong MprisService::position() const {
    const double p = m_controller.media().currentPosition();
    return p < 0 ? 0 : static_cast<qlonglong>(std::llround(p * kUsPerSecond));
}

void MprisService::seekBy(qlonglong offsetUs) {
    MediaControl& media = m_controller.media();
    const double target =
        std::max(0.0, media.currentPosition()) + static_cast<double>(offsetUs) / kUsPerSecond;
    // Past the end goes on to the next entry, as MPRIS asks.
    if (target > media.duration()) {
        m_controller.next();
        return;
    }
    media.setCurrentPosition(target);
    m_seeked(position());
}

void MprisService::setPosition(const QString& trackId, qlonglong positionUs) {
    if (trackId != QStringLiteral("/org/tavrik/track/%1").arg(m_trackNumber) || positionUs < 0)
        return;
    MediaControl& media = m_controller.media();
    if (static_cast<double>(positionUs) / kUsPerSecond > media.duration())
        return;
    media.setCurrentPosition(static_cast<double>(positionUs) / kUsPerSecond);
    m_seeked(position());
}

void MprisService::announce(const QVariantMap& changed) {
    if (!m_registered)
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

#include "MprisService.moc"
