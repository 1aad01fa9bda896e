// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/shared_menus.h"

#include "display/site_pages.h"
#include "shell/shell_texts.h"
#include "windows/about_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace shell {

namespace {

QAction* addPageAction(QWidget& owner, const QString& caption, const char* objectName, display::UrlOpener& opener,
                       display::PageKey page)
{
    auto* action = new QAction(caption, &owner);
    action->setObjectName(QLatin1String(objectName));
    QObject::connect(action, &QAction::triggered, action, [&opener, page] { display::openSitePage(opener, page); });
    owner.addAction(action);
    return action;
}

} // namespace

void addSharedMenus(QMenuBar& menuBar, QWidget* window, display::UrlOpener& opener)
{
    QMenu* help = menuBar.addMenu(texts::kHelpMenu);
    help->setObjectName(QStringLiteral("mnuHelp"));
    addPageAction(*help, texts::kOnlineHelp, "mnuOnlineHelp", opener, display::PageKey::HelpWebPage);
    addPageAction(*help, texts::kVisitUsOnline, "mnuVisitUsOnline", opener, display::PageKey::HomePage);
    help->addSeparator();
    addPageAction(*help, texts::kCheckForUpdate, "mnuCheckUpdate", opener, display::PageKey::DownloadWebPage);
    help->addSeparator();
    QAction* about = help->addAction(texts::kAboutSoftware);
    about->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(about, &QAction::triggered, about, [window, &opener] { showAboutWindow(window, opener); });

    addPageAction(menuBar, texts::kDonate, "mnuDonate", opener, display::PageKey::Donate);
    // Never offered in this edition; it stays visible but cannot be chosen.
    QAction* makeMoney =
        addPageAction(menuBar, texts::kMakeMoneyOnline, "mnuMakeMoneyOnline", opener, display::PageKey::FullyBranded);
    makeMoney->setEnabled(false);
}

void showAboutWindow(QWidget* window, display::UrlOpener& opener)
{
    windows::AboutWindow about(opener, window);
    about.exec();
}

} // namespace shell
