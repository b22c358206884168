#include "tags/clsFind.h"

#include <QDir>

int clsFind::Find(const QString& sFindPath, const QString& sFindSpec, bool bRecursive) {
    QString folder = sFindPath;
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    // Names in the order the original's file system listed them: by name, ignoring case.
    const QDir::SortFlags order = QDir::Name | QDir::IgnoreCase;
    const QDir dir(folder);
    if (bRecursive) {
        // Links to folders are not followed, so a link back up cannot loop.
        const QStringList subfolders =
            dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks, order);
        for (const QString& name : subfolders)
            Find(folder + name, sFindSpec, true);
    }
    const QStringList patterns = sFindSpec.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& pattern : patterns) {
        const QStringList names =
            dir.entryList({pattern.trimmed()}, QDir::Files | QDir::Hidden | QDir::System, order);
        for (const QString& name : names)
            m_files.append(clsFile(folder + name));
    }
    return Count();
}
