// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/clickable_label.h"
#include "display/notice_label.h"
#include "engine/card_tokens.h"
#include "engine/reading.h"
#include "engine/small_faces.h"
#include "richtext/document.h"
#include "support/scripted_random_source.h"
#include "support/window_test.h"
#include "windows/journal_keeper.h"
#include "windows/main_window.h"
#include "windows/own_cards_window.h"
#include "windows/report_window.h"
#include "windows/window_flow.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

namespace windows_testing {
namespace {

using windows::OwnCardsWindow;

class OwnCardsTest : public WindowTest {
protected:
    // The request as a person makes it: a name and a spread, no analysis mode, then File > Read My Own Cards.
    OwnCardsWindow* openOwnCards(int spread)
    {
        windows::MainWindow* main = flow.showMainWindow();
        find<QLineEdit>(main, QStringLiteral("txtName"))->setText(QStringLiteral("Ada"));
        find<QComboBox>(main, QStringLiteral("cboSpread"))->setCurrentIndex(spread);
        trigger(main, QStringLiteral("mnuOwnCards"));
        return flow.ownCardsWindow();
    }

    // One key at a time to whatever has the keyboard, as typing goes; returns the keys pressed.
    static int type(OwnCardsWindow* window, const QString& keys)
    {
        for (const QChar key : keys) {
            QWidget* focused = window->focusWidget();
            EXPECT_NE(focused, nullptr);
            if (key == u'\n')
                QTest::keyClick(focused, Qt::Key_Return);
            else
                QTest::keyClick(focused, key.toLatin1());
        }
        return static_cast<int>(keys.size());
    }

    static QString placeName(OwnCardsWindow* window, int position)
    {
        return window->ui().places[static_cast<std::size_t>(position - 1)]->accessibleName();
    }

    testing_support::ScriptedRandomSource random = testing_support::ScriptedRandomSource::forCards(wholeDeck());
    QTemporaryDir folder;
    windows::JournalKeeper journal{folder.filePath(QStringLiteral("journal.sqlite3"))};
    windows::WindowFlow flow{services, random, &journal};
};

TEST_F(OwnCardsTest, FileMenu_OffersOwnCardsAfterDealingAndChecksInputsWithoutAMode)
{
    windows::MainWindow* main = flow.showMainWindow();
    QStringList captions;
    for (const QAction* action : main->findChild<QMenu*>(QStringLiteral("mnuFile"))->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions, QStringList({QStringLiteral("Deal The &Cards"), QStringLiteral("Read My &Own Cards..."),
                                     QStringLiteral("&Journal..."), QStringLiteral("-"), QStringLiteral("E&xit")}));

    trigger(main, QStringLiteral("mnuOwnCards"));
    find<QLineEdit>(main, QStringLiteral("txtName"))->setText(QStringLiteral("Ada"));
    trigger(main, QStringLiteral("mnuOwnCards"));
    EXPECT_EQ(shownTexts(),
              (std::vector<QString>{QStringLiteral("Please Enter Your Name"), QStringLiteral("Please Select Spread")}));
    EXPECT_EQ(main->focusWidget(), main->ui().cboSpread);
    EXPECT_EQ(flow.ownCardsWindow(), nullptr);

    // No analysis mode is chosen, and none is needed.
    find<QComboBox>(main, QStringLiteral("cboSpread"))->setCurrentIndex(10);
    trigger(main, QStringLiteral("mnuOwnCards"));
    ASSERT_NE(flow.ownCardsWindow(), nullptr);
    EXPECT_EQ(shownTexts().size(), 2U);
    EXPECT_EQ(flow.mainWindow(), nullptr);
    EXPECT_FALSE(services.exitWindowShown);
    EXPECT_EQ(flow.ownCardsWindow()->ui().places.size(), 10U);
}

// A whole Gypsy / Romany spread by keyboard alone, in about fifty keys, gives the report the same cards dealt give.
TEST_F(OwnCardsTest, KeyboardEntryOfAWholeSpread_ReachesTheReportAsTheSameHandDealt)
{
    OwnCardsWindow* window = openOwnCards(17);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->focusWidget(), window->ui().places.front());
    EXPECT_EQ(placeName(window, 1), QStringLiteral("Position 1, represent the past: empty"));

    // Short forms fill a place at their last letter; "ac" and "th" also start names, so Return takes them.
    const QString cards = QStringLiteral("qh 10s td ac\n 2c kd js 9h jh 3d 4h 5s 6c 7d 8h jd th\n ad ks qc kn");
    QString keys = cards;
    keys.remove(u' ');
    // "kn" starts only the Knights' names, of which the Knight of Clubs alone is free: its name is completed.
    const int pressed = type(window, keys);
    EXPECT_LE(pressed, 50);
    std::vector<int> expected;
    for (const QString& token : cards.split(u' ')) {
        const QString card = token == QStringLiteral("kn") ? QStringLiteral("Knight of Clubs") : token.trimmed();
        expected.push_back(*engine::parseCardToken(card.toStdString()));
    }
    EXPECT_EQ(window->hand(), engine::Hand(expected.begin(), expected.end()));
    EXPECT_EQ(placeName(window, 21), QStringLiteral("Position 21, reflects the future: Knight of Clubs"));
    ASSERT_EQ(window->focusWidget(), window->ui().cmdRead);
    // The question typed last, Return there reads the cards.
    QTest::keyClicks(window->ui().txtQuestion, QStringLiteral("Will the move go well?"));
    QTest::keyClick(window->ui().txtQuestion, Qt::Key_Return);
    ASSERT_NE(flow.reportWindow(), nullptr);
    EXPECT_TRUE(flow.reportWindow()->isVisible());
    EXPECT_EQ(flow.ownCardsWindow(), nullptr);
    auto dealing = testing_support::ScriptedRandomSource::forCards(expected);
    richtext::Document dealt;
    engine::ReadingEngine(dealing).generateReading(17, {dealt, engine::builtInSmallFaces(), nullptr});
    EXPECT_EQ(flow.reportWindow()->document().toRtf(), dealt.toRtf());

    journal.waitForWrites();
    const std::vector<journal::Reading> kept = journal.search({}, 10, 0, {});
    ASSERT_EQ(kept.size(), 1U);
    EXPECT_EQ(kept[0].dealtBy, journal::DealtBy::OwnCards);
    EXPECT_EQ(kept[0].question, "Will the move go well?");
    EXPECT_EQ(kept[0].cards, engine::Hand(expected.begin(), expected.end()));
}

TEST_F(OwnCardsTest, ACard_CannotLieOnTwoPlaces)
{
    OwnCardsWindow* window = openOwnCards(2);
    ASSERT_NE(window, nullptr);
    const auto& ui = window->ui();
    display::ClickableLabel* queenOfHearts = ui.deckCards[37];

    // The name is complete at "queen of h"; the rest of it, typed on, does not spill onto the next place.
    type(window, QStringLiteral("queen of hearts"));
    EXPECT_EQ(window->hand(), (engine::Hand{37, -1, -1}));
    type(window, QStringLiteral("qh"));
    EXPECT_EQ(window->hand(), (engine::Hand{37, -1, -1}));
    EXPECT_EQ(ui.lblTyped->text(), QStringLiteral("The Queen of Hearts is already on position 1."));
    // Said as a notification: a screen reader hears it while the keyboard stays on the place.
    const QAccessibleInterface* notice = QAccessible::queryAccessibleInterface(ui.lblTyped);
    EXPECT_EQ(notice->role(), QAccessible::Notification);
    EXPECT_EQ(notice->text(QAccessible::Name), ui.lblTyped->text());
    EXPECT_FALSE(queenOfHearts->isEnabled());
    EXPECT_EQ(queenOfHearts->accessibleName(), QStringLiteral("Queen of Hearts, on position 1"));
    QTest::mouseClick(queenOfHearts, Qt::LeftButton);
    EXPECT_EQ(window->hand(), (engine::Hand{37, -1, -1}));

    // By mouse: choose a place, then its card; another card on a full place frees the one it replaces.
    QTest::mouseClick(ui.places[2], Qt::LeftButton);
    QTest::mouseClick(ui.deckCards[1], Qt::LeftButton);
    QTest::mouseClick(ui.places[0], Qt::LeftButton);
    QTest::mouseClick(ui.deckCards[23], Qt::LeftButton);
    EXPECT_EQ(window->hand(), (engine::Hand{23, -1, 1}));
    EXPECT_TRUE(queenOfHearts->isEnabled());
    EXPECT_FALSE(ui.cmdRead->isEnabled());
    EXPECT_EQ(placeName(window, 3), QStringLiteral("Position 3, indicates the final outcome or result: Two of Clubs"));
    QTest::keyClick(ui.txtQuestion, Qt::Key_Return);
    EXPECT_EQ(ui.lblTyped->text(), QStringLiteral("Position 2 is still empty."));

    // Backspace empties the place that has the keyboard.
    type(window, QStringLiteral("qh"));
    EXPECT_TRUE(ui.cmdRead->isEnabled());
    QTest::keyClick(ui.places[1], Qt::Key_Backspace);
    EXPECT_EQ(window->hand(), (engine::Hand{23, -1, 1}));
    EXPECT_FALSE(ui.cmdRead->isEnabled());
}

// In the Celtic Cross the crosswise sixth card lies over the second; clicking where they overlap goes from one to
// the other, as each comes on top while it is chosen. A place with none beneath stays chosen.
TEST_F(OwnCardsTest, ClicksWhereTwoPlacesOverlap_ReachEachInTurn)
{
    OwnCardsWindow* window = openOwnCards(10);
    ASSERT_NE(window, nullptr);
    // Only in an active window does a click move the keyboard too.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const auto& places = window->ui().places;
    const QPoint overlap = places[5]->mapTo(window, places[5]->rect().center());
    const QPoint alone = places[0]->mapTo(window, places[0]->rect().center());
    for (const auto& [at, expected] : {std::pair{overlap, 6}, {overlap, 2}, {overlap, 6}, {alone, 1}, {alone, 1}}) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
        EXPECT_TRUE(places[static_cast<std::size_t>(expected - 1)]->isChosen()) << expected;
    }
}

} // namespace
} // namespace windows_testing
