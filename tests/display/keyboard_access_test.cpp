// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/card_slot.h"
#include "display/clickable_label.h"
#include "display/drop_down_list.h"
#include "display/report_view.h"
#include "richtext/document.h"
#include "support/case_names.h"
#include "support/fake_url_opener.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

QAccessibleInterface* accessibleOf(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(face, nullptr);
    return face;
}

// A window with something to Tab to before and after the widget under test.
class KeyboardTest : public testing::Test {
protected:
    void place(QWidget* widget)
    {
        auto* rows = new QVBoxLayout(&window);
        rows->addWidget(&before);
        rows->addWidget(widget);
        rows->addWidget(&after);
        QWidget::setTabOrder(&before, widget);
        QWidget::setTabOrder(widget, &after);
        window.resize(400, 300);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
    QLineEdit before{&window};
    QLineEdit after{&window};
};

// --- Clickable labels ---

class ClickableLabelTest : public KeyboardTest {
protected:
    void SetUp() override
    {
        label = new display::ClickableLabel(QStringLiteral("Click Here To Visit"));
        place(label);
    }
    display::ClickableLabel* label = nullptr;
};

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int clicks;
};

class ClickableLabelKey : public ClickableLabelTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(ClickableLabelKey, ReachedByTab_ActivatesOnSpaceOrReturnOnly)
{
    before.setFocus();
    QTest::keyClick(&before, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), label);
    QSignalSpy clicks(label, &display::ClickableLabel::clicked);
    QTest::keyClick(label, GetParam().key, GetParam().modifiers);
    EXPECT_EQ(clicks.count(), GetParam().clicks);
}

INSTANTIATE_TEST_SUITE_P(Keys, ClickableLabelKey,
                         testing::Values(KeyCase{"Space", Qt::Key_Space, {}, 1},
                                         KeyCase{"Return", Qt::Key_Return, {}, 1},
                                         KeyCase{"Enter", Qt::Key_Enter, Qt::KeypadModifier, 1},
                                         KeyCase{"Letter", Qt::Key_A, {}, 0},
                                         KeyCase{"ControlReturn", Qt::Key_Return, Qt::ControlModifier, 0}),
                         testing_support::namedCases);

TEST_F(ClickableLabelTest, HeldOrDisabled_DoesNotClick)
{
    label->setFocus();
    QSignalSpy clicks(label, &display::ClickableLabel::clicked);
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(label, &repeated);
    EXPECT_EQ(clicks.count(), 0);
    label->setEnabled(false);
    accessibleOf(label)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ClickableLabelTest, MouseClick_NeitherTakesFocusNorShowsAMark)
{
    before.setFocus();
    const QImage unfocused = label->grab().toImage();
    QSignalSpy clicks(label, &display::ClickableLabel::clicked);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(QApplication::focusWidget(), &before);
    EXPECT_EQ(label->grab().toImage(), unfocused);
}

TEST_F(ClickableLabelTest, Accessible_IsALinkNamedByItsTextWhosePressActionClicks)
{
    QAccessibleInterface* face = accessibleOf(label);
    EXPECT_EQ(face->role(), QAccessible::Link);
    EXPECT_TRUE(face->state().linked);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Click Here To Visit"));
    QAccessibleActionInterface* actions = face->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy clicks(label, &display::ClickableLabel::clicked);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);

    label->setAccessibleRole(QAccessible::Button);
    label->setAccessibleName(QStringLiteral("Face-down card 7"));
    EXPECT_EQ(face->role(), QAccessible::Button);
    EXPECT_FALSE(face->state().linked);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Face-down card 7"));
}

// --- Named drop-down lists and card slots ---

TEST(DropDownListTest, Accessible_NamedByItsNameValuedByItsEntry)
{
    display::DropDownList list;
    list.addItems({QStringLiteral("January"), QStringLiteral("February")});
    QAccessibleInterface* face = accessibleOf(&list);
    EXPECT_EQ(face->role(), QAccessible::ComboBox);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("January")) << "unnamed: the entry is all there is";
    list.setAccessibleName(QStringLiteral("Month of birth"));
    list.setCurrentIndex(1);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Month of birth"));
    EXPECT_EQ(face->text(QAccessible::Value), QStringLiteral("February"));
    // A screen reader takes a list's value from its text where the list offers no selection.
    ASSERT_NE(face->textInterface(), nullptr);
    EXPECT_EQ(face->textInterface()->text(0, face->textInterface()->characterCount()), QStringLiteral("February"));
    list.setCurrentIndex(0);
    EXPECT_EQ(face->textInterface()->text(0, face->textInterface()->characterCount()), QStringLiteral("January"));
    ASSERT_EQ(face->childCount(), 1);
    EXPECT_EQ(face->child(0)->object(), list.view());
    EXPECT_EQ(face->indexOfChild(face->child(0)), 0);
}

TEST(CardSlotTest, Accessible_SaysThePositionAndTheCardOrItsBack)
{
    QWidget pane;
    display::CardSlot slot(3, false, &pane);
    QAccessibleInterface* face = accessibleOf(&slot);
    EXPECT_EQ(face->role(), QAccessible::Graphic);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Position 3: card back"));
    EXPECT_EQ(face->childCount(), 0) << "the number drawn over the card is in the name already";
    slot.showFace(49); // the card with index 48
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Position 3: Ten of Spades"));
    slot.showFace(1);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Position 3: Ace of Clubs"));
    slot.showFace(0);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Position 3: card back"));
    display::PositionNumbers numbers(&pane);
    EXPECT_TRUE(accessibleOf(&numbers)->state().invisible)
        << "the numbers drawn over the cards are in their names already";
}

// --- The report view ---

richtext::Paragraph paragraph(std::string text)
{
    return richtext::Paragraph{richtext::Alignment::Left, {richtext::TextRun{std::move(text), {{0, 0, 0}}}}};
}

class ReportKeyboardTest : public KeyboardTest {
protected:
    void SetUp() override
    {
        view = new display::ReportView(opener);
        place(view);
    }

    // Numbered lines, between the first and last paragraphs given.
    void showLines(int count, std::string first = {}, std::string last = {})
    {
        std::vector<richtext::Paragraph> paragraphs;
        if (!first.empty())
            paragraphs.push_back(paragraph(std::move(first)));
        for (int line = 0; line < count; ++line)
            paragraphs.push_back(paragraph("Line " + std::to_string(line)));
        if (!last.empty())
            paragraphs.push_back(paragraph(std::move(last)));
        view->showDocument(richtext::Document::fromParagraphs(std::move(paragraphs)));
    }

    QString marked() const
    {
        const QList<QTextEdit::ExtraSelection> marks = view->extraSelections();
        // The view joins a web address's characters with word joiners so that it wraps only where it may.
        return marks.isEmpty() ? QString() : marks.front().cursor.selectedText().remove(QChar(0x2060));
    }

    testing_support::FakeUrlOpener opener;
    display::ReportView* view = nullptr;
};

TEST_F(ReportKeyboardTest, Keys_MoveACaretLineByLineWithoutSelectingAnything)
{
    showLines(200);
    before.setFocus();
    QTest::keyClick(&before, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), view);
    QAccessibleTextInterface* text = accessibleOf(view)->textInterface();
    ASSERT_NE(text, nullptr);
    const auto lineAtCaret = [text] {
        int start = 0;
        int end = 0;
        return text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end).trimmed();
    };
    EXPECT_EQ(lineAtCaret(), QStringLiteral("Line 0"));
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(lineAtCaret(), QStringLiteral("Line 1"));
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(lineAtCaret(), QStringLiteral("Line 2"));
    QTest::keyClick(view, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text->cursorPosition(), static_cast<int>(text->text(0, text->characterCount()).indexOf(u"2")));

    QScrollBar* bar = view->verticalScrollBar();
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(lineAtCaret(), QStringLiteral("Line 199"));
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text->cursorPosition(), 0);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(view, Qt::Key_PageDown);
    EXPECT_GT(bar->value(), 0);
    EXPECT_FALSE(view->textCursor().hasSelection());
    EXPECT_EQ(text->selectionCount(), 0);
}

TEST_F(ReportKeyboardTest, Tab_StepsThroughTheLinksAndReturnOpensTheMarkedOne)
{
    showLines(149, "Visit www.first.example today", "and http://second.example/page too");
    view->setFocus(Qt::TabFocusReason);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_TRUE(opener.opened.empty()) << "nothing marked yet";

    QTest::keyClick(view, Qt::Key_Tab);
    EXPECT_EQ(marked(), QStringLiteral("www.first.example"));
    // A screen reader meets the marked address as a focused link named as written.
    QAccessibleInterface* link = accessibleOf(view)->child(0);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name), QStringLiteral("www.first.example"));
    EXPECT_TRUE(link->state().focused);
    QTest::keyClick(view, Qt::Key_Tab);
    EXPECT_EQ(marked(), QStringLiteral("http://second.example/page"));
    EXPECT_FALSE(link->state().focused);
    // Marked far down, the link is scrolled into sight.
    EXPECT_TRUE(view->viewport()->rect().contains(view->cursorRect()));
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0], QUrl(QStringLiteral("http://second.example/page")));

    QTest::keyClick(view, Qt::Key_Backtab);
    EXPECT_EQ(marked(), QStringLiteral("www.first.example"));
    QTest::keyClick(view, Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_EQ(opener.opened.size(), 2u);
    EXPECT_EQ(opener.opened[1], QUrl(QStringLiteral("http://www.first.example")));
    EXPECT_FALSE(view->textCursor().hasSelection());

    // Back past the first link to the view, then out of it; forward past the last link, out the other side.
    QTest::keyClick(view, Qt::Key_Backtab);
    EXPECT_TRUE(marked().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), view);
    QTest::keyClick(view, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), &before);
    view->setFocus(Qt::TabFocusReason);
    for (int press = 0; press < 3; ++press)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &after);
    EXPECT_TRUE(marked().isEmpty());
}

TEST_F(ReportKeyboardTest, AccessibleText_ReadsTheReportLineByLine)
{
    showLines(3, "The Ten of Spades", "see http://www.zelto.example");
    QAccessibleInterface* face = accessibleOf(view);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Report"));
    QAccessibleTextInterface* text = face->textInterface();
    ASSERT_NE(text, nullptr);
    const QString whole = text->text(0, text->characterCount());
    EXPECT_TRUE(whole.startsWith(QStringLiteral("The Ten of Spades")));
    EXPECT_TRUE(whole.endsWith(QStringLiteral("see http://www.zelto.example")))
        << "addresses as written, without the joiners that steer line breaks";
    EXPECT_TRUE(whole.contains(QStringLiteral("Line 2")));
    int start = -1;
    int end = -1;
    const int second = static_cast<int>(whole.indexOf(QStringLiteral("Line 0")));
    EXPECT_EQ(text->textAtOffset(second + 2, QAccessible::LineBoundary, &start, &end).trimmed(),
              QStringLiteral("Line 0"));
    EXPECT_EQ(text->selectionCount(), 0);
}

} // namespace
