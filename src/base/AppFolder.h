#pragma once

#include <QString>
#include <QStringList>

// The application folder: holds settings.dat and is the default output folder.
// Chosen by `--app-dir DIR`, else TAVRIK_APP_DIR, else the executable's folder when it
// is writable and not an installed bin folder (one with share/tavrik beside it), else
// $XDG_DATA_HOME/tavrik (created when missing).
QString resolveAppFolder(const QStringList& arguments, const QString& executableFolder);

// The settings file inside an application folder.
QString settingsFile(const QString& appFolder);
