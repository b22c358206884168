#pragma once

#include <QString>
#include <QStringList>

// What the command line asks before any window, lock or sound server is touched: run, or
// answer --help or --version, or refuse a malformed line, the GNU way.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    // Help or version text for stdout, or the complaint for stderr; empty when running.
    QString text;
    // The status to exit with when not running: 0 for help and version, 2 for an error.
    int exitStatus() const { return action == Action::Error ? 2 : 0; }
};

// Checks `arguments` (argv, program name first) as they reach main, before Qt strips its own
// options: ours, and Qt's standard ones (-platform, -style, ...), which pass untouched.
CommandLine parseCommandLine(const QStringList& arguments);
