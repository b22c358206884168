#include "base/General.h"

#include <QSysInfo>

QString GetOSName() {
    const QString kernel = QSysInfo::kernelType();
    return kernel.isEmpty() ? QStringLiteral("Failed") : kernel.left(1).toUpper() + kernel.mid(1);
}
