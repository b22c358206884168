#include "tags/FileSearch.h"

#include "tags/TagFile.h"

#include <QDir>

int FileSearch::find(const QString& folder, const QString& patterns, bool recursive) {
    QString prefix = folder;
    if (!prefix.endsWith(QDir::separator()))
        prefix += QDir::separator();
    // By name, ignoring case, as file managers list them.
    const QDir::SortFlags order = QDir::Name | QDir::IgnoreCase;
    const QDir dir(prefix);
    if (recursive) {
        // Links to folders are not followed, so a link back up cannot loop.
        const QStringList subfolders =
            dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks, order);
        for (const QString& name : subfolders)
            find(prefix + name, patterns, true);
    }
    const QStringList patternList = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& pattern : patternList) {
        const QStringList names = dir.entryList({pattern.trimmed()}, QDir::Files | QDir::Hidden, order);
        // Qt's listing takes a link to a FIFO for a file.
        for (const QString& name : names) {
            if (isRegularFile(prefix + name))
                m_files.append(FileDetails(prefix + name));
        }
    }
    return count();
}
