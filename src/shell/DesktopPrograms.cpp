#include "shell/DesktopPrograms.h"

#include <QProcess>
#include <QStandardPaths>

namespace DesktopPrograms {

namespace {

struct Candidate {
    const char* desktop; // nullptr: on any desktop
    const char* program;
    QStringList arguments;
};

} // namespace

QList<Command> recordControls(const QString& desktop) {
    const QList<Candidate> candidates{
        {nullptr, "pavucontrol", {QStringLiteral("--tab=2")}},
        {nullptr, "pwvucontrol", {}},
        {"GNOME", "gnome-control-center", {QStringLiteral("sound")}},
        {"Unity", "gnome-control-center", {QStringLiteral("sound")}},
        {"Budgie", "gnome-control-center", {QStringLiteral("sound")}},
        {"KDE", "kcmshell6", {QStringLiteral("kcm_pulseaudio")}},
        {"KDE", "kcmshell5", {QStringLiteral("kcm_pulseaudio")}},
        {"KDE", "systemsettings", {QStringLiteral("kcm_pulseaudio")}},
        {"X-Cinnamon", "cinnamon-settings", {QStringLiteral("sound")}},
        {"MATE", "mate-volume-control", {}},
        {"LXQt", "pavucontrol-qt", {}},
    };
    const QStringList desktops = desktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QList<Command> found;
    for (const Candidate& c : candidates) {
        if (c.desktop && !desktops.contains(QLatin1String(c.desktop), Qt::CaseInsensitive))
            continue;
        const QString path = QStandardPaths::findExecutable(QLatin1String(c.program));
        if (!path.isEmpty())
            found.push_back({path, c.arguments});
    }
    return found;
}

bool start(const Command& command) {
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

} // namespace DesktopPrograms
