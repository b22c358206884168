#include "shell/ui/HelpCommands.h"

#include "base/ui/Dialogs.h"
#include "shell/DesktopPrograms.h"
#include "shell/HelpFiles.h"
#include "shell/WebPages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace Help {

namespace {

Result notFound(const HelpFiles& files) {
    QStringList folders;
    for (const QString& f : files.folders())
        folders << QDir::toNativeSeparators(f);
    return {Result::Outcome::NotFound,
            QCoreApplication::translate(
                "Help", "The help is not installed: neither help.chm nor the help pages (help/index.html) "
                        "were found in %1.")
                .arg(folders.join(QStringLiteral(", ")))};
}

Result openInBrowser(const QString& page) {
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        return {Result::Outcome::Browser, {}};
    return {Result::Outcome::NoProgram,
            QCoreApplication::translate(
                "Help", "The help could not be shown: install a help viewer (xchm or kchmviewer) or set a "
                        "default web browser.\n\nThe help pages are in %1.")
                .arg(QDir::toNativeSeparators(page))};
}

void tell(QWidget* parent, const Result& result) {
    if (!result.ok())
        Dialogs::message(parent, QMessageBox::Warning, result.text);
}

} // namespace

Result showHelp(const HelpFiles& files, const QString& page) {
    const QString chm = files.chmFile();
    const QString viewer = findChmViewer();
    // A viewer that fails to start leaves the pages in the browser as the way to the help.
    if (!chm.isEmpty() && !viewer.isEmpty() && DesktopPrograms::start({viewer, {chm}}))
        return {Result::Outcome::Viewer, {}};
    const QString wanted = files.page(page);
    const QString shown = wanted.isEmpty() ? files.contentsPage() : wanted;
    if (!shown.isEmpty())
        return openInBrowser(shown);
    if (!chm.isEmpty())
        return {
            Result::Outcome::NoProgram,
            QCoreApplication::translate(
                "Help", "No program to show %1 was found: install a help viewer such as xchm or kchmviewer.")
                .arg(QDir::toNativeSeparators(chm))};
    return notFound(files);
}

Result openWebPage(const QString& url, const HelpFiles& files, const QString& localPage) {
    if (url.isEmpty())
        return showHelp(files, localPage);
    if (QDesktopServices::openUrl(QUrl(url)))
        return {Result::Outcome::Browser, {}};
    return {Result::Outcome::NoProgram,
            QCoreApplication::translate("Help", "%1 could not be opened: no default web browser is set.")
                .arg(url)};
}

void showHelp(QWidget* parent, const QString& appFolder) {
    tell(parent, showHelp(HelpFiles::forAppFolder(appFolder)));
}

void openHomePage(QWidget* parent, const QString& appFolder) {
    tell(parent,
         openWebPage(WebPages::homePage(), HelpFiles::forAppFolder(appFolder), QStringLiteral("index.html")));
}

void openSupportPage(QWidget* parent, const QString& appFolder) {
    tell(parent, openWebPage(WebPages::supportPage(), HelpFiles::forAppFolder(appFolder),
                             QStringLiteral("support.html")));
}

} // namespace Help
