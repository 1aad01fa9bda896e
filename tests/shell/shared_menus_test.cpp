// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/site_pages.h"
#include "shell/shared_menus.h"
#include "support/fake_platform.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class SharedMenus : public testing::Test {
protected:
    SharedMenus()
    {
        m_window.menuBar()->addMenu(QStringLiteral("&File"));
        shell::addSharedMenus(*m_window.menuBar(), &m_window, m_opener);
    }
    QAction* action(const char* name) const { return m_window.findChild<QAction*>(QLatin1String(name)); }
    static QStringList captions(const QList<QAction*>& actions)
    {
        QStringList texts;
        for (const QAction* action : actions)
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    }

    QMainWindow m_window;
    testing_support::FakeUrlOpener m_opener;
};

TEST_F(SharedMenus, MenuBar_FollowsTheWindowsOwnMenuInOrder)
{
    EXPECT_EQ(captions(m_window.menuBar()->actions()),
              (QStringList{QStringLiteral("&File"), QStringLiteral("&Help"), QStringLiteral("&Donate"),
                           QStringLiteral("Make Money &Online")}));
    EXPECT_EQ(captions(m_window.findChild<QMenu*>(QStringLiteral("mnuHelp"))->actions()),
              (QStringList{QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"), QStringLiteral("-"),
                           QStringLiteral("Check for Software &Update"), QStringLiteral("-"),
                           QStringLiteral("&About Software")}));
}

TEST_F(SharedMenus, MakeMoneyOnline_IsShownGreyed)
{
    QAction* makeMoney = action("mnuMakeMoneyOnline");
    ASSERT_NE(makeMoney, nullptr);
    EXPECT_TRUE(makeMoney->isVisible());
    EXPECT_FALSE(makeMoney->isEnabled());
    makeMoney->trigger();
    EXPECT_TRUE(m_opener.opened.empty());
}

struct MenuPage {
    const char* action;
    display::PageKey page;
};

class SharedMenuPages : public SharedMenus, public testing::WithParamInterface<MenuPage> {};

TEST_P(SharedMenuPages, Entry_OpensExactlyItsOnePage)
{
    QAction* entry = action(GetParam().action);
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    ASSERT_EQ(m_opener.opened.size(), 1u);
    EXPECT_EQ(m_opener.opened[0], display::pageAddress(GetParam().page));
}

const MenuPage kMenuPages[] = {{"mnuOnlineHelp", display::PageKey::HelpWebPage},
                               {"mnuVisitUsOnline", display::PageKey::HomePage},
                               {"mnuCheckUpdate", display::PageKey::DownloadWebPage},
                               {"mnuDonate", display::PageKey::Donate}};

INSTANTIATE_TEST_SUITE_P(Entries, SharedMenuPages, testing::ValuesIn(kMenuPages),
                         [](const auto& info) { return std::string(info.param.action); });

TEST_F(SharedMenus, AboutSoftware_OpensTheAboutWindowModallyOverTheWindow)
{
    QString shownName;
    bool modal = false;
    QWidget* shownParent = nullptr;
    QTimer::singleShot(0, [&] {
        QWidget* about = QApplication::activeModalWidget();
        if (!about)
            return;
        shownName = about->objectName();
        modal = about->isModal();
        shownParent = about->parentWidget();
        about->close();
    });
    action("mnuAbout")->trigger();
    EXPECT_EQ(shownName, QStringLiteral("frmAbout"));
    EXPECT_TRUE(modal);
    EXPECT_EQ(shownParent, &m_window);
    EXPECT_TRUE(m_opener.opened.empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "closing it unloads it";
}

} // namespace
