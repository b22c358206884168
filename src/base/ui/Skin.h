#pragma once

#include <QString>

class QWidget;

// Applies the skin file skins/frmmain.skn, a Qt style sheet, to `window`: the application
// folder's, else the one beside the executable, else the install's share/tavrik one. A missing
// skin leaves the plain look.
void applySkin(const QString& appFolder, QWidget* window);
