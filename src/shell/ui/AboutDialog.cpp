#include "shell/ui/AboutDialog.h"

#include "base/ui/Skin.h"
#include "shell/WebPages.h"
#include "shell/ui/HelpCommands.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(const QString& appFolder, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("About Tavrik"));
    auto* layout = new QVBoxLayout(this);
    auto* thanks = new QLabel(tr("Thank you for using Tavrik"), this);
    thanks->setObjectName(QStringLiteral("lblThanks"));
    QFont f = thanks->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    thanks->setFont(f);
    auto* about =
        new QLabel(tr("Tavrik is a sound recording program. It records sound generated, or requested, by "
                      "other computer programs, such as RealPlayer, Windows Media Player, Quick Time, "
                      "WinAmp, and many others."),
                   this);
    about->setObjectName(QStringLiteral("lblAbout"));
    about->setWordWrap(true);
    // Without a configured home page the link leads to the local help, and says so.
    const QString homePage = WebPages::homePage();
    auto* web = new QLabel(
        homePage.isEmpty()
            ? tr("Read <a href=\"help\">the Tavrik help</a> to get started.")
            : tr("Visit <a href=\"%1\">our web site</a> for news and updates.").arg(homePage.toHtmlEscaped()),
        this);
    web->setObjectName(QStringLiteral("lblWeb"));
    connect(web, &QLabel::linkActivated, this, [this, appFolder] { Help::openHomePage(this, appFolder); });
    auto* licence =
        new QLabel(tr("Copyright (C) 2026 Tavrik developers. License: GPL-3.0-or-later.\n"
                      "This program comes with ABSOLUTELY NO WARRANTY. This is free software, and "
                      "you are welcome to redistribute it under the terms of the GNU General Public "
                      "License, version 3 or any later version."),
                   this);
    licence->setObjectName(QStringLiteral("lblLicense"));
    licence->setWordWrap(true);
    auto* exit = new QPushButton(tr("Exit"), this);
    exit->setObjectName(QStringLiteral("cmdExit"));
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(thanks);
    layout->addWidget(about);
    layout->addWidget(web);
    layout->addWidget(licence);
    layout->addWidget(exit, 0, Qt::AlignRight);
    setMinimumWidth(420);
    applySkin(appFolder, this);
}
