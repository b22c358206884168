#pragma once

#include <QString>

// The operating system's name; only "WindowsVista" would change device handling,
// and it never occurs here.
QString operatingSystemName();

// The maker's web site, opened from the About window and the Help menu.
inline const QString kHomePage = QStringLiteral("https://tavrik.org/");
