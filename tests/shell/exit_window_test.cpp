// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/clickable_label.h"
#include "display/site_pages.h"
#include "shell/exit_window.h"
#include "shell/shell_texts.h"
#include "site_settings.h"
#include "support/case_names.h"
#include "support/fake_platform.h"
#include "support/scripted_random_source.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <set>

namespace {

using testing_support::ScriptedRandomSource;

class ExitWindowTest : public testing::Test {
protected:
    const shell::ExitWindow::Ui& ui() const { return m_window.ui(); }
    static void focus(QWidget* box, QEvent::Type type, Qt::FocusReason reason = Qt::TabFocusReason)
    {
        QFocusEvent event(type, reason);
        QApplication::sendEvent(box, &event);
    }
    std::vector<testing_support::ShownMessage>& messages() { return m_platform.messageBoxes.shown; }
    std::vector<QUrl>& opened() { return m_platform.urlOpener.opened; }
    static std::vector<QUrl> pages(std::initializer_list<display::PageKey> keys)
    {
        std::vector<QUrl> addresses;
        for (const display::PageKey key : keys)
            addresses.push_back(display::pageAddress(key));
        return addresses;
    }

    testing_support::FakePlatform m_platform;
    ScriptedRandomSource m_random{{0.6f}};
    shell::ExitWindow m_window{m_platform.platform, m_random};
};

// The message box shows two lines with a scroll bar that has room for its handle, all inside the referral frame and
// clear of the other boxes and the button.
TEST_F(ExitWindowTest, MessageBox_ShowsTwoLinesAndAScrollBarInsideTheFrame)
{
    m_window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    QPlainTextEdit* box = ui().txtMessage;
    box->setPlainText(QStringLiteral("first line\nsecond line\nthird line"));
    box->verticalScrollBar()->setValue(0);
    QApplication::processEvents();

    const int lineSpacing = QFontMetrics(box->font()).lineSpacing();
    EXPECT_GE(box->viewport()->height(), 2 * lineSpacing);
    const QTextCursor second(box->document()->findBlockByNumber(1));
    EXPECT_LE(box->cursorRect(second).bottom(), box->viewport()->height());

    const QScrollBar* bar = box->verticalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.pageStep = bar->pageStep();
    option.sliderPosition = bar->sliderPosition();
    const QRect handle = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    EXPECT_GE(handle.height(), 4) << "a scroll bar of arrows only looks like a spin box";

    const QRect frameInside = ui().Frame2->rect().adjusted(1, 1, -1, -1);
    EXPECT_TRUE(frameInside.contains(box->geometry()));
    for (QWidget* other : std::initializer_list<QWidget*>{ui().txtName, ui().txtEmail, ui().txtFriendName,
                                                          ui().txtFriendEmail, ui().cmdSubmit})
        EXPECT_FALSE(box->geometry().intersects(other->geometry())) << other->objectName().toStdString();
}

TEST_F(ExitWindowTest, Load_ShowsTheCaptionAndASupportMessageDrawnAfterReseeding)
{
    EXPECT_EQ(m_window.objectName(), QStringLiteral("frmNagScreen2"));
    EXPECT_EQ(m_window.windowTitle(), QStringLiteral("Zelto Cartomancy v1.45"));
    EXPECT_EQ(ui().lblNagScreen2Caption->text(), QStringLiteral("Zelto Cartomancy v1.45"));
    EXPECT_EQ(ui().Label2->text(), shell::texts::supportMessage(2));
    ASSERT_EQ(m_random.reseedCount, 1);
    EXPECT_EQ(m_random.drawsAtReseed[0], 0);
}

TEST(SupportMessages, AreFourDistinctAppealsOfTheRightLengthNamingTheForum)
{
    const QString site = QString::fromUtf8(site::kSiteName);
    std::set<QString> distinct;
    for (int index = 0; index < shell::texts::kSupportMessageCount; ++index) {
        const QString message = shell::texts::supportMessage(index);
        EXPECT_GE(message.size(), 160) << index;
        EXPECT_LE(message.size(), 227) << index;
        EXPECT_TRUE(message.contains(site)) << index;
        distinct.insert(message);
    }
    EXPECT_EQ(distinct.size(), 4u);
}

// A box's text before a focus event reaches it, and after.
struct PromptCase {
    const char* name;
    const char* box;
    QEvent::Type event;
    Qt::FocusReason reason;
    const char* before;
    const char* after;
};

class ExitWindowPrompt : public ExitWindowTest, public testing::WithParamInterface<PromptCase> {};

TEST_P(ExitWindowPrompt, GoesHoweverTheBoxGetsFocusAndReturnsToABoxLeftBlankWithinTheWindow)
{
    auto* box = m_window.findChild<QWidget*>(QLatin1String(GetParam().box));
    const char* text = qobject_cast<QPlainTextEdit*>(box) ? "plainText" : "text";
    box->setProperty(text, QString::fromUtf8(GetParam().before));
    focus(box, GetParam().event, GetParam().reason);
    EXPECT_EQ(box->property(text).toString(), QString::fromUtf8(GetParam().after));
}

// The window comes up without activation, so the first click into a box arrives as the window's activation.
const PromptCase kPromptCases[] = {
    {"FocusByMouse", "txtFriendName", QEvent::FocusIn, Qt::MouseFocusReason, "  Friend's Name ", ""},
    {"FocusByActivation", "txtFriendName", QEvent::FocusIn, Qt::ActiveWindowFocusReason, "Friend's Name", ""},
    {"MessageLeftBlank", "txtMessage", QEvent::FocusOut, Qt::TabFocusReason, "   ", "Your Message"},
    {"EmailLeftForAMessageBox", "txtEmail", QEvent::FocusOut, Qt::ActiveWindowFocusReason, "", ""},
};

INSTANTIATE_TEST_SUITE_P(Ways, ExitWindowPrompt, testing::ValuesIn(kPromptCases), testing_support::namedCases);

struct SpaceCase {
    const char* name;
    bool refused;
};

class ExitWindowSpace : public ExitWindowTest, public testing::WithParamInterface<SpaceCase> {};

TEST_P(ExitWindowSpace, Typed_IsRefusedOnlyInAnAddressBoxAndPasted_IsNotExamined)
{
    auto* box = m_window.findChild<QLineEdit*>(QLatin1String(GetParam().name));
    box->setText(QStringLiteral("ann@"));
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(box->text(), QLatin1String(GetParam().refused ? "ann@" : "ann@ "));
    ASSERT_EQ(messages().size(), GetParam().refused ? 1u : 0u);
    if (GetParam().refused) {
        EXPECT_EQ(messages()[0].text, QStringLiteral("Email Address Cannot Contain Space"));
        EXPECT_EQ(messages()[0].icon, windows::MessageIcon::Error);
    }
    box->clear();
    box->insert(QStringLiteral("a b@c.d"));
    EXPECT_EQ(box->text(), QStringLiteral("a b@c.d"));
    EXPECT_EQ(messages().size(), GetParam().refused ? 1u : 0u) << "pasted";
}

const SpaceCase kSpaceCases[] = {{"txtEmail", true}, {"txtFriendEmail", true}, {"txtName", false}};

INSTANTIATE_TEST_SUITE_P(Boxes, ExitWindowSpace, testing::ValuesIn(kSpaceCases), testing_support::namedCases);

TEST_F(ExitWindowTest, Submit_AsksForAProperAddressOnTheUntouchedFormAndOpensTheTrimmedReferralOfAFullOne)
{
    QTest::mouseClick(ui().cmdSubmit, Qt::LeftButton);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("Please Enter Proper Email Address"));
    EXPECT_EQ(messages()[0].icon, windows::MessageIcon::Error);
    EXPECT_TRUE(opened().empty());

    ui().txtName->setText(QStringLiteral("  Ann "));
    ui().txtEmail->setText(QStringLiteral("ann@mail.example"));
    ui().txtMessage->setPlainText(QStringLiteral("Hi & bye\nx"));
    ui().txtFriendName->setText(QStringLiteral("Bob"));
    ui().txtFriendEmail->setText(QStringLiteral(" bob@mail.example"));
    QTest::mouseClick(ui().cmdSubmit, Qt::LeftButton);
    EXPECT_EQ(messages().size(), 1u);
    const shell::ReferralEntry expected{QStringLiteral("Ann"), QStringLiteral("ann@mail.example"),
                                        QStringLiteral("Hi & bye\nx"), QStringLiteral("Bob"),
                                        QStringLiteral("bob@mail.example")};
    ASSERT_EQ(opened().size(), 1u);
    EXPECT_EQ(opened()[0], shell::referralAddress(expected));
    EXPECT_EQ(ui().txtName->text(), QStringLiteral("  Ann ")) << "the entries stay as typed";
    EXPECT_EQ(m_window.referralEntry().referrerName, QStringLiteral("Ann"));
}

TEST_F(ExitWindowTest, Clicks_Check1OpensTheHomePageAndNeverStaysCheckedGoToHomeTheCatalogue)
{
    QTest::mouseClick(ui().Check1, Qt::LeftButton);
    EXPECT_FALSE(ui().Check1->isChecked());
    QTest::mouseClick(ui().Check1, Qt::LeftButton);
    EXPECT_FALSE(ui().Check1->isChecked());
    QTest::mouseClick(ui().lblGoToHome, Qt::LeftButton);
    using enum display::PageKey;
    EXPECT_EQ(opened(), pages({HomePage, HomePage, ZeltoSoftwares}));
    EXPECT_EQ(ui().Check1->text(),
              QStringLiteral("Click Here To Visit ") + display::siteHostName() + QStringLiteral(" Now"));
}

TEST_F(ExitWindowTest, Keyboard_TabsThroughTheFormAndCheck1OpensTheHomePageOnReturnOrSpace)
{
    m_window.show();
    m_window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    ui().cmdClose->setFocus(Qt::TabFocusReason);
    const std::vector<QWidget*> expected = {ui().txtName,        ui().txtEmail,    ui().txtFriendName,
                                            ui().txtFriendEmail, ui().txtMessage,  ui().cmdSubmit,
                                            ui().Check1,         ui().lblGoToHome, ui().cmdClose};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    ui().Check1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ui().Check1, Qt::Key_Return);
    QTest::keyClick(ui().Check1, Qt::Key_Space);
    EXPECT_FALSE(ui().Check1->isChecked());
    using enum display::PageKey;
    EXPECT_EQ(opened(), pages({HomePage, HomePage}));

    // Return presses the focused button, as Space does.
    QSignalSpy closed(&m_window, &shell::ExitWindow::closed);
    ui().cmdClose->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ui().cmdClose, Qt::Key_Return);
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(ExitWindowTest, Accessible_IsAWindowWhoseBoxesKeepTheirPromptsAsNamesOnceEmptied)
{
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&m_window)->role(), QAccessible::Window);
    const std::vector<std::pair<QWidget*, const char*>> boxes = {{ui().txtName, "Your Name"},
                                                                 {ui().txtEmail, "Your Email Address"},
                                                                 {ui().txtMessage, "Your Message"},
                                                                 {ui().txtFriendName, "Friend's Name"},
                                                                 {ui().txtFriendEmail, "Friend's Email Address"}};
    for (const auto& [box, prompt] : boxes) {
        focus(box, QEvent::FocusIn);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->text(QAccessible::Name), QLatin1String(prompt));
        EXPECT_TRUE(face->textInterface()->text(0, face->textInterface()->characterCount()).isEmpty()) << prompt;
    }
}

TEST_F(ExitWindowTest, CloseBoxAndExitButton_BothReportTheClose)
{
    QSignalSpy closed(&m_window, &shell::ExitWindow::closed);
    m_window.show();
    m_window.close();
    EXPECT_EQ(closed.count(), 1);
    m_window.show();
    QTest::mouseClick(ui().cmdClose, Qt::LeftButton);
    EXPECT_EQ(closed.count(), 2);
    EXPECT_EQ(ui().cmdClose->text(), QStringLiteral("E&xit"));
}

} // namespace
