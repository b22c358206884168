#include "base/ui/PortalShortcuts.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>

namespace portal {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// One entry of the portal's a(sa{sv}) shortcut lists.
struct Entry {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const Entry& entry) {
    argument.beginStructure();
    argument << entry.id << entry.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, Entry& entry) {
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.endStructure();
    return argument;
}

} // namespace portal

Q_DECLARE_METATYPE(portal::Entry)

PortalShortcuts::PortalShortcuts(QObject* parent)
    : QObject(parent) {}

PortalShortcuts::~PortalShortcuts() {
    close();
}

bool PortalShortcuts::start(const std::vector<Shortcut>& shortcuts) {
    qDBusRegisterMetaType<portal::Entry>();
    qDBusRegisterMetaType<QList<portal::Entry>>();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    // Only a portal that has the interface answers for its version.
    QDBusMessage get = QDBusMessage::createMethodCall(portal::kService, portal::kPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << portal::kInterface << QStringLiteral("version");
    if (bus.call(get, QDBus::Block, 3000).type() != QDBusMessage::ReplyMessage)
        return false;
    m_shortcuts = shortcuts;
    bus.connect(portal::kService, portal::kPath, portal::kInterface, QStringLiteral("Activated"), this,
                SLOT(shortcutActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    return request(QStringLiteral("CreateSession"), {},
                   {{QStringLiteral("session_handle_token"), QStringLiteral("tavrik")}},
                   SLOT(sessionCreated(uint, QVariantMap)));
}

bool PortalShortcuts::request(const QString& method, QVariantList arguments, QVariantMap options,
                              const char* slot) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString token = QStringLiteral("tavrik%1").arg(++m_tokens);
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    // The Response comes on a path made of our bus name and the token; listen before asking.
    m_requestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    m_requestSlot = slot;
    bus.connect(portal::kService, m_requestPath, portal::kRequest, QStringLiteral("Response"), this, slot);
    options.insert(QStringLiteral("handle_token"), token);
    arguments << options;
    QDBusMessage call =
        QDBusMessage::createMethodCall(portal::kService, portal::kPath, portal::kInterface, method);
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        if (done->isError()) {
            disconnectRequest();
            Q_EMIT failed();
        }
    });
    return true;
}

void PortalShortcuts::disconnectRequest() {
    if (!m_requestSlot)
        return;
    QDBusConnection::sessionBus().disconnect(portal::kService, m_requestPath, portal::kRequest,
                                             QStringLiteral("Response"), this, m_requestSlot);
    m_requestSlot = nullptr;
}

void PortalShortcuts::sessionCreated(uint response, const QVariantMap& results) {
    disconnectRequest();
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    m_session =
        handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path() : handle.toString();
    if (response != 0 || m_session.isEmpty()) {
        Q_EMIT failed();
        return;
    }
    QList<portal::Entry> entries;
    for (const Shortcut& s : m_shortcuts)
        entries.append({s.id,
                        {{QStringLiteral("description"), s.description},
                         {QStringLiteral("preferred_trigger"), s.preferredTrigger}}});
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(m_session)), QVariant::fromValue(entries), QString()}, {},
            SLOT(shortcutsBound(uint, QVariantMap)));
}

void PortalShortcuts::shortcutsBound(uint response, const QVariantMap& results) {
    disconnectRequest();
    QStringList ids;
    if (response == 0) {
        QList<portal::Entry> entries;
        results.value(QStringLiteral("shortcuts")).value<QDBusArgument>() >> entries;
        for (const portal::Entry& e : entries)
            ids.append(e.id);
    }
    Q_EMIT bound(ids);
}

void PortalShortcuts::shortcutActivated(const QDBusObjectPath& session, const QString& id, qulonglong,
                                        const QVariantMap&) {
    if (session.path() == m_session)
        Q_EMIT activated(id);
}

void PortalShortcuts::close() {
    disconnectRequest();
    if (m_shortcuts.empty())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.disconnect(portal::kService, portal::kPath, portal::kInterface, QStringLiteral("Activated"), this,
                   SLOT(shortcutActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    m_shortcuts.clear();
    if (m_session.isEmpty())
        return;
    bus.call(QDBusMessage::createMethodCall(portal::kService, m_session,
                                            QStringLiteral("org.freedesktop.portal.Session"),
                                            QStringLiteral("Close")),
             QDBus::NoBlock);
    m_session.clear();
}
