#pragma once

#include <QString>

class QWidget;

// Applies the skin file skins/frmmain.skn of the application folder, a Qt style sheet,
// to `window`. A missing skin leaves the plain look.
void applySkin(const QString& appFolder, QWidget* window);
