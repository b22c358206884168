#include "shell/HelpFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

HelpFiles::HelpFiles(QStringList folders)
    : m_folders(std::move(folders)) {}

HelpFiles HelpFiles::forAppFolder(const QString& appFolder) {
    const QString exe = QCoreApplication::applicationDirPath();
    QStringList folders{appFolder, exe, QDir::cleanPath(exe + QStringLiteral("/../share/tavrik"))};
    folders.removeDuplicates();
    return HelpFiles(folders);
}

namespace {

QString firstFile(const QStringList& folders, const QString& relative) {
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder).filePath(relative));
        if (file.isFile() && file.isReadable())
            return file.absoluteFilePath();
    }
    return {};
}

} // namespace

QString HelpFiles::chmFile() const {
    return firstFile(m_folders, QStringLiteral("help.chm"));
}

QString HelpFiles::page(const QString& name) const {
    return firstFile(m_folders, QStringLiteral("help/") + name);
}

QString findChmViewer() {
    for (const char* name : {"xchm", "kchmviewer"}) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}
