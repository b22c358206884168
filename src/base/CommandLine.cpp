#include "base/CommandLine.h"

#include <array>

#ifndef TAVRIK_VERSION
#error "TAVRIK_VERSION comes from the project's version in CMake"
#endif

namespace {

struct Option {
    const char* name;
    bool takesValue;
};

constexpr std::array kOwnOptions{
    Option{"app-dir", true}, Option{"record", false}, Option{"minimized", false}, Option{"stop", false},
    Option{"toggle", false}, Option{"help", false},   Option{"version", false},
};

// Qt's own command-line options, read by QGuiApplication, QApplication and the xcb platform;
// Qt takes one or two dashes for them.
constexpr std::array kQtOptions{
    Option{"platform", true},
    Option{"platformpluginpath", true},
    Option{"platformtheme", true},
    Option{"plugin", true},
    Option{"qwindowgeometry", true},
    Option{"geometry", true},
    Option{"qwindowtitle", true},
    Option{"title", true},
    Option{"qwindowicon", true},
    Option{"icon", true},
    Option{"session", true},
    Option{"style", true},
    Option{"stylesheet", true},
    Option{"display", true},
    Option{"name", true},
    Option{"visual", true},
    Option{"ncols", true},
    Option{"cmap", false},
    Option{"reverse", false},
    Option{"widgetcount", false},
    Option{"nograb", false},
    Option{"dograb", false},
    Option{"sync", false},
    Option{"qmljsdebugger", true},
};

template <std::size_t N> const Option* find(const std::array<Option, N>& options, const QString& name) {
    for (const Option& o : options)
        if (name == QLatin1String(o.name))
            return &o;
    return nullptr;
}

CommandLine refuse(const QString& complaint) {
    return {CommandLine::Action::Error,
            QStringLiteral("tavrik: %1\nTry 'tavrik --help' for more information.\n").arg(complaint)};
}

QString helpText() {
    return QStringLiteral(
        "Usage: tavrik [OPTION]...\n"
        "Record sound from a sound card's inputs or from what the desktop plays (\"what you hear\")\n"
        "into WAV, MP3, Ogg Vorbis, VOX, RAW or G.726 files.\n"
        "\n"
        "      --app-dir=DIR  keep settings.dat, schedule.dat and the recordings in DIR\n"
        "                     (also TAVRIK_APP_DIR); by default ~/.local/share/tavrik\n"
        "                     ($XDG_DATA_HOME/tavrik), or the program's own folder when it\n"
        "                     is writable and not installed\n"
        "      --record       start recording once the window is up; with a copy running,\n"
        "                     make that copy record\n"
        "      --stop         stop the running copy's recording\n"
        "      --toggle       start or stop the running copy's recording\n"
        "      --minimized    start with the window minimised\n"
        "  -h, --help         display this help and exit\n"
        "  -V, --version      output version information and exit\n"
        "\n"
        "Qt's standard options (-platform, -style, ...) are accepted too. With\n"
        "TAVRIK_UNATTENDED=1 messages go to stderr instead of message boxes.\n"
        "See tavrik(1) for the files Tavrik keeps.\n");
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    bool help = false;
    bool version = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("-h")) {
            help = true;
            continue;
        }
        if (a == QLatin1String("-V")) {
            version = true;
            continue;
        }
        if (!a.startsWith(QLatin1Char('-')) || a == QLatin1String("-"))
            return refuse(QStringLiteral("unexpected argument '%1'").arg(a));
        const bool twoDashes = a.startsWith(QLatin1String("--"));
        const QString body = a.mid(twoDashes ? 2 : 1);
        const qsizetype equals = body.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? body : body.left(equals);
        const Option* option = twoDashes ? find(kOwnOptions, name) : nullptr;
        if (!option)
            option = find(kQtOptions, name);
        if (!option)
            return refuse(QStringLiteral("unrecognized option '%1'").arg(a));
        const QString shown = QStringLiteral("--") + name;
        if (option->takesValue && equals < 0) {
            if (i + 1 >= arguments.size())
                return refuse(QStringLiteral("option '%1' requires an argument").arg(shown));
            ++i;
        } else if (!option->takesValue && equals >= 0) {
            return refuse(QStringLiteral("option '%1' doesn't allow an argument").arg(shown));
        }
        if (twoDashes && name == QLatin1String("help"))
            help = true;
        else if (twoDashes && name == QLatin1String("version"))
            version = true;
    }
    if (help)
        return {CommandLine::Action::Help, helpText()};
    if (version)
        return {CommandLine::Action::Version, QStringLiteral("tavrik " TAVRIK_VERSION "\n")};
    return {};
}
