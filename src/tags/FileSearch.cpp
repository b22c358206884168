#include "tags/FileSearch.h"

#include "tags/TagFile.h"

#include <QDir>

int FileSearch::Find(const QString& sFindPath, const QString& sFindSpec, bool bRecursive) {
    QString folder = sFindPath;
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    // By name, ignoring case, as file managers list them.
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
        const QStringList names = dir.entryList({pattern.trimmed()}, QDir::Files | QDir::Hidden, order);
        // Qt's listing takes a link to a FIFO for a file.
        for (const QString& name : names) {
            if (isRegularFile(folder + name))
                m_files.append(FileDetails(folder + name));
        }
    }
    return Count();
}
