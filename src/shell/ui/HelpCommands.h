#pragma once

#include <QString>

class HelpFiles;
class QWidget;

// Opening the help and the product's web pages, for the Help button and menu, the tray
// menu (through the same actions) and the About window.
namespace Help {

// What opening did; `text` says what went wrong for the outcomes that are failures.
struct Result {
    enum class Outcome { Viewer, Browser, NotFound, NoProgram };
    Outcome outcome;
    QString text;
    bool ok() const { return outcome == Outcome::Viewer || outcome == Outcome::Browser; }
};

// help.chm in a CHM viewer when both are there, else the help page `page` (or the contents) in
// the browser.
Result showHelp(const HelpFiles& files, const QString& page = QStringLiteral("index.html"));
// `url` in the browser; an empty one opens the local help as showHelp() does, at `localPage`.
Result openWebPage(const QString& url, const HelpFiles& files, const QString& localPage);

// The same for the application folder `appFolder`, telling a failure in a message box.
void showHelp(QWidget* parent, const QString& appFolder);
void openHomePage(QWidget* parent, const QString& appFolder);
void openSupportPage(QWidget* parent, const QString& appFolder);

} // namespace Help
