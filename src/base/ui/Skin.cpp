#include "base/ui/Skin.h"

#include <QCoreApplication>
#include <QFile>
#include <QWidget>

void applySkin(const QString& appFolder, QWidget* window) {
    // The user's skin first, then one shipped beside the executable or in the install's share folder.
    const QString exe = QCoreApplication::applicationDirPath();
    for (const QString& folder : {appFolder, exe, exe + QStringLiteral("/../share/tavrik")}) {
        QFile skin(folder + QStringLiteral("/skins/frmmain.skn"));
        if (skin.open(QIODevice::ReadOnly)) {
            window->setStyleSheet(QString::fromUtf8(skin.readAll()));
            return;
        }
    }
}
