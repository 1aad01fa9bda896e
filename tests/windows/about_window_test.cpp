// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/clickable_label.h"
#include "display/site_pages.h"
#include "support/fake_platform.h"
#include "windows/about_window.h"

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class AboutWindowTest : public testing::Test {
protected:
    const windows::AboutWindow::Ui& ui() const { return m_window.ui(); }
    testing_support::FakeUrlOpener m_opener;
    windows::AboutWindow m_window{m_opener};
};

TEST_F(AboutWindowTest, HomePageLink_NamesTheSiteAddress)
{
    EXPECT_EQ(ui().lblHomePage->text(), QStringLiteral("Click here to visit ") + display::siteAddress());
}

struct LinkCase {
    const char* label;
    display::PageKey page;
};

class AboutWindowLink : public AboutWindowTest, public testing::WithParamInterface<LinkCase> {};

TEST_P(AboutWindowLink, ClickOrReturn_OpensItsPageAndLeavesTheWindowOpen)
{
    m_window.show();
    QLabel* link = m_window.findChild<QLabel*>(QLatin1String(GetParam().label));
    QTest::mouseClick(link, Qt::LeftButton);
    // Return goes to the focused link, not to the dialog's default button.
    link->setFocus(Qt::TabFocusReason);
    QTest::keyClick(link, Qt::Key_Return);
    ASSERT_EQ(m_opener.opened.size(), 2u);
    EXPECT_EQ(m_opener.opened[0], display::pageAddress(GetParam().page));
    EXPECT_EQ(m_opener.opened[1], display::pageAddress(GetParam().page));
    EXPECT_TRUE(m_window.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Labels, AboutWindowLink,
                         testing::Values(LinkCase{"lblHomePage", display::PageKey::HomePage},
                                         LinkCase{"lblCobrand", display::PageKey::FullyBranded}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(AboutWindowTest, BrandedEditionSentence_IsNotALink)
{
    m_window.show();
    QTest::mouseClick(ui().Label3, Qt::LeftButton);
    EXPECT_TRUE(m_opener.opened.empty());
}

// How the person closes the window: a key, or a click on OK.
class AboutWindowClosing : public AboutWindowTest, public testing::WithParamInterface<Qt::Key> {};

TEST_P(AboutWindowClosing, WhileOpenAndModal_ClosesIt)
{
    bool wasModal = false;
    QTimer::singleShot(0, &m_window, [this, &wasModal] {
        wasModal = QApplication::activeModalWidget() == &m_window;
        if (GetParam() == Qt::Key_unknown)
            QTest::mouseClick(ui().cmdOK, Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &m_window, GetParam());
    });
    m_window.exec();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(m_window.isVisible());
    EXPECT_TRUE(m_opener.opened.empty());
}

INSTANTIATE_TEST_SUITE_P(KeysAndOk, AboutWindowClosing,
                         testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_unknown),
                         [](const auto& info) {
                             return info.param == Qt::Key_unknown ? std::string("OkButton")
                                                                  : QKeySequence(info.param).toString().toStdString();
                         });

} // namespace
