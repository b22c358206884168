#pragma once

#include <QString>
#include <QStringList>

// Where the help is: help.chm and the pages under help/, looked up in the application folder
// first (a help.chm there is the user's), then beside the executable, then in the install's
// share folder.
class HelpFiles {
public:
    explicit HelpFiles(QStringList folders);
    // The application folder, the executable's folder and <prefix>/share/tavrik.
    static HelpFiles forAppFolder(const QString& appFolder);

    const QStringList& folders() const { return m_folders; }
    // The first help.chm found, or empty.
    QString chmFile() const;
    // The first help/<page> found, or empty.
    QString page(const QString& name) const;
    QString contentsPage() const { return page(QStringLiteral("index.html")); }

private:
    QStringList m_folders;
};

// A CHM viewer installed on PATH (xchm, kchmviewer), or empty.
QString findChmViewer();
