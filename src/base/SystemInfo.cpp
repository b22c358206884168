#include "base/SystemInfo.h"

#include <QSysInfo>

QString operatingSystemName() {
    const QString kernel = QSysInfo::kernelType();
    return kernel.isEmpty() ? QStringLiteral("Failed") : kernel.left(1).toUpper() + kernel.mid(1);
}
