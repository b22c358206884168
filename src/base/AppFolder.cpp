#include "base/AppFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString resolveAppFolder(const QStringList& arguments, const QString& executableFolder) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--app-dir") && i + 1 < arguments.size())
            return QDir(arguments[i + 1]).absolutePath();
        if (a.startsWith(QLatin1String("--app-dir=")))
            return QDir(a.mid(10)).absolutePath();
    }
    const QString fromEnv = qEnvironmentVariable("TAVRIK_APP_DIR");
    if (!fromEnv.isEmpty())
        return QDir(fromEnv).absolutePath();
    // An installed copy (its share/tavrik beside its bin) never writes into bin, not even as root.
    const bool installed = QFileInfo::exists(executableFolder + QStringLiteral("/../share/tavrik"));
    if (!installed && QFileInfo(executableFolder).isWritable())
        return executableFolder;
    const QString data =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tavrik");
    QDir().mkpath(data);
    return data;
}

QString settingsFile(const QString& appFolder) {
    return appFolder + QStringLiteral("/settings.dat");
}
