#include "base/ui/Skin.h"

#include <QFile>
#include <QWidget>

void applySkin(const QString& appFolder, QWidget* window) {
    QFile skin(appFolder + QStringLiteral("/skins/frmmain.skn"));
    if (skin.open(QIODevice::ReadOnly))
        window->setStyleSheet(QString::fromUtf8(skin.readAll()));
}
