#include "base/ui/GlobalHotkeys.h"

#include "base/ui/PortalShortcuts.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>
#include <array>
#include <set>
#include <vector>
#include <xcb/xcb.h>

class GlobalHotkeys::Backend {
public:
    virtual ~Backend() = default;
    virtual void release() = 0;
    virtual bool isRegistered(Key key) const = 0;
    virtual QString name() const = 0;
};

namespace {

constexpr std::array kKeys{GlobalHotkeys::Key::Record, GlobalHotkeys::Key::Stop};

// Grabs on every root window of the X server, so the keys come to us whoever has the focus.
class XcbKeyGrab final : public GlobalHotkeys::Backend, public QAbstractNativeEventFilter {
public:
    XcbKeyGrab(xcb_connection_t* connection, GlobalHotkeys* owner)
        : m_connection(connection)
        , m_owner(owner) {
        for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem; xcb_screen_next(&it))
            m_roots.push_back(it.data->root);
        m_numLock = numLockMask();
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~XcbKeyGrab() override { release(); }

    // False when another client holds the key with one of the lock variants.
    bool grab(GlobalHotkeys::Key key) {
        const xcb_keycode_t code = keycodeFor(key == GlobalHotkeys::Key::Record ? 'r' : 's');
        if (code == 0)
            return false;
        std::vector<xcb_void_cookie_t> cookies;
        for (xcb_window_t root : m_roots)
            for (uint16_t mods : modifierVariants())
                cookies.push_back(xcb_grab_key_checked(m_connection, 0, root, mods, code, XCB_GRAB_MODE_ASYNC,
                                                       XCB_GRAB_MODE_ASYNC));
        bool ok = true;
        for (xcb_void_cookie_t cookie : cookies)
            if (xcb_generic_error_t* error = xcb_request_check(m_connection, cookie)) {
                ok = false;
                free(error);
            }
        if (!ok) {
            // Half a grab would make the key work only with Caps Lock on, say: hold none of it.
            ungrab(code);
            return false;
        }
        m_grabbed.push_back({key, code});
        return true;
    }

    void release() override {
        if (!m_connection)
            return;
        QCoreApplication::instance()->removeNativeEventFilter(this);
        for (const Grabbed& g : m_grabbed)
            ungrab(g.code);
        m_grabbed.clear();
        xcb_flush(m_connection);
        m_connection = nullptr;
    }

    bool isRegistered(GlobalHotkeys::Key key) const override {
        for (const Grabbed& g : m_grabbed)
            if (g.key == key)
                return true;
        return false;
    }

    QString name() const override { return QStringLiteral("x11"); }

    // While one of our own windows is active the key is its own: handed to it as a key press,
    // so the main window's menu does the same start and stop and a dialog keeps its own use
    // of the key (Save in the tag editor).
    void pressed(GlobalHotkeys::Key key) {
        QWidget* active = QApplication::activeWindow();
        if (!active) {
            Q_EMIT m_owner->activated(key);
            return;
        }
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : active;
        const auto qtKey = key == GlobalHotkeys::Key::Record ? Qt::Key_R : Qt::Key_S;
        const QString text =
            key == GlobalHotkeys::Key::Record ? QStringLiteral("\x12") : QStringLiteral("\x13");
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::ControlModifier, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::ControlModifier, text);
        QApplication::sendEvent(target, &release);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const uint8_t kind = event->response_type & 0x7f;
        if (kind != XCB_KEY_PRESS && kind != XCB_KEY_RELEASE)
            return false;
        const auto* keyEvent = static_cast<const xcb_key_press_event_t*>(message);
        if (std::find(m_roots.begin(), m_roots.end(), keyEvent->event) == m_roots.end())
            return false;
        for (Grabbed& g : m_grabbed) {
            if (g.code != keyEvent->detail)
                continue;
            // A key held down repeats its press; one press is one command.
            const bool wasDown = g.down;
            g.down = kind == XCB_KEY_PRESS;
            if (g.down && !wasDown)
                pressed(g.key);
            return true;
        }
        return false;
    }

private:
    struct Grabbed {
        GlobalHotkeys::Key key;
        xcb_keycode_t code;
        bool down = false;
    };

    // Ctrl alone and with Caps Lock or Num Lock on: the X server matches modifiers exactly.
    std::array<uint16_t, 4> modifierVariants() const {
        const uint16_t ctrl = XCB_MOD_MASK_CONTROL;
        const uint16_t caps = XCB_MOD_MASK_LOCK;
        return {ctrl, uint16_t(ctrl | caps), uint16_t(ctrl | m_numLock), uint16_t(ctrl | caps | m_numLock)};
    }

    void ungrab(xcb_keycode_t code) {
        for (xcb_window_t root : m_roots)
            for (uint16_t mods : modifierVariants())
                xcb_ungrab_key(m_connection, code, root, mods);
    }

    // The keycodes that carry `keysym` at any level of the current keyboard map.
    std::vector<xcb_keycode_t> keycodesOf(xcb_keysym_t keysym) const {
        std::vector<xcb_keycode_t> codes;
        const xcb_setup_t* setup = xcb_get_setup(m_connection);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(
            m_connection, xcb_get_keyboard_mapping(m_connection, setup->min_keycode, uint8_t(count)),
            nullptr);
        if (!reply)
            return codes;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
        const int perCode = reply->keysyms_per_keycode;
        for (int i = 0; i < count; ++i)
            for (int level = 0; level < perCode; ++level)
                if (syms[i * perCode + level] == keysym) {
                    codes.push_back(xcb_keycode_t(setup->min_keycode + i));
                    break;
                }
        free(reply);
        return codes;
    }

    xcb_keycode_t keycodeFor(char letter) const {
        const std::vector<xcb_keycode_t> codes = keycodesOf(xcb_keysym_t(letter));
        return codes.empty() ? 0 : codes.front();
    }

    // The modifier bit that Num Lock sets; Mod2 on nearly every keyboard map.
    uint16_t numLockMask() const {
        constexpr xcb_keysym_t kNumLock = 0xff7f;
        const std::vector<xcb_keycode_t> numLock = keycodesOf(kNumLock);
        uint16_t mask = XCB_MOD_MASK_2;
        xcb_get_modifier_mapping_reply_t* reply =
            xcb_get_modifier_mapping_reply(m_connection, xcb_get_modifier_mapping(m_connection), nullptr);
        if (!reply)
            return mask;
        const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(reply);
        const int perModifier = reply->keycodes_per_modifier;
        for (int modifier = 0; modifier < 8; ++modifier)
            for (int i = 0; i < perModifier; ++i)
                if (const xcb_keycode_t c = codes[modifier * perModifier + i];
                    c != 0 && std::find(numLock.begin(), numLock.end(), c) != numLock.end())
                    mask = uint16_t(1u << modifier);
        free(reply);
        return mask;
    }

    xcb_connection_t* m_connection;
    GlobalHotkeys* m_owner;
    std::vector<xcb_window_t> m_roots;
    std::vector<Grabbed> m_grabbed;
    uint16_t m_numLock = XCB_MOD_MASK_2;
};

QString shortcutId(GlobalHotkeys::Key key) {
    return key == GlobalHotkeys::Key::Record ? QStringLiteral("record") : QStringLiteral("stop");
}

// The portal binds the keys for us; the desktop may ask the user to confirm them.
class PortalBackend final : public GlobalHotkeys::Backend {
public:
    explicit PortalBackend(GlobalHotkeys* owner)
        : m_portal(owner) {
        QObject::connect(&m_portal, &PortalShortcuts::activated, owner, [owner](const QString& id) {
            for (GlobalHotkeys::Key key : kKeys)
                if (id == shortcutId(key))
                    Q_EMIT owner->activated(key);
        });
        QObject::connect(&m_portal, &PortalShortcuts::failed, owner, &GlobalHotkeys::unavailable);
        QObject::connect(&m_portal, &PortalShortcuts::bound, owner, [this, owner](const QStringList& ids) {
            for (GlobalHotkeys::Key key : kKeys) {
                if (ids.contains(shortcutId(key)))
                    m_bound.insert(key);
                else
                    Q_EMIT owner->taken(key);
            }
        });
    }

    bool start() {
        return m_portal.start(
            {{shortcutId(GlobalHotkeys::Key::Record),
              QCoreApplication::translate("GlobalHotkeys", "Start recording"), QStringLiteral("CTRL+r")},
             {shortcutId(GlobalHotkeys::Key::Stop),
              QCoreApplication::translate("GlobalHotkeys", "Stop recording"), QStringLiteral("CTRL+s")}});
    }

    void release() override {
        m_portal.close();
        m_bound.clear();
    }

    bool isRegistered(GlobalHotkeys::Key key) const override { return m_bound.count(key) > 0; }
    QString name() const override { return QStringLiteral("portal"); }

private:
    PortalShortcuts m_portal;
    std::set<GlobalHotkeys::Key> m_bound;
};

} // namespace

GlobalHotkeys::GlobalHotkeys(QObject* parent)
    : QObject(parent) {}

GlobalHotkeys::~GlobalHotkeys() {
    unregisterKeys();
}

void GlobalHotkeys::registerKeys() {
    unregisterKeys();
    const bool waylandSession = QGuiApplication::platformName() == QLatin1String("wayland") ||
                                qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (waylandSession) {
        auto portal = std::make_unique<PortalBackend>(this);
        if (portal->start()) {
            m_backend = std::move(portal);
            return;
        }
    }
    // Under XWayland a grab still works while an X program has the focus: better than nothing.
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (xcb_connection_t* connection = x11 ? x11->connection() : nullptr) {
        auto grab = std::make_unique<XcbKeyGrab>(connection, this);
        std::vector<Key> taken;
        for (Key key : kKeys)
            if (!grab->grab(key))
                taken.push_back(key);
        m_backend = std::move(grab);
        for (Key key : taken)
            Q_EMIT this->taken(key);
        return;
    }
    Q_EMIT unavailable();
}

void GlobalHotkeys::unregisterKeys() {
    if (m_backend)
        m_backend->release();
    m_backend.reset();
}

bool GlobalHotkeys::isRegistered(Key key) const {
    return m_backend && m_backend->isRegistered(key);
}

QString GlobalHotkeys::mechanism() const {
    return m_backend ? m_backend->name() : QString();
}
