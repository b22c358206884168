#pragma once

#include <QString>

// The operating system's name; only "WindowsVista" would change device handling,
// and it never occurs here.
QString operatingSystemName();
