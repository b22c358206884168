#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Programs of the desktop that the program hands work to: the help viewer, the sound settings.
namespace DesktopPrograms {

struct Command {
    QString program;
    QStringList arguments;
};

// The installed programs that set what is recorded, best first: the sound server's mixers
// (pavucontrol on its Recording tab, pwvucontrol), then the sound settings of `desktop` (a
// value of XDG_CURRENT_DESKTOP, such as "ubuntu:GNOME"). Empty when none is installed.
QList<Command> recordControls(const QString& desktop);

// Starts `command` on its own, its console output discarded; false when it could not start.
bool start(const Command& command);

} // namespace DesktopPrograms
