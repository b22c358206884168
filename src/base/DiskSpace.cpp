#include "base/DiskSpace.h"

#include <QFile>
#include <sys/statvfs.h>

std::optional<qint64> freeDiskBytes(const QString& path) {
    struct statvfs disk {};
    if (::statvfs(QFile::encodeName(path).constData(), &disk) != 0)
        return std::nullopt;
    return static_cast<qint64>(disk.f_bavail) * static_cast<qint64>(disk.f_frsize);
}
