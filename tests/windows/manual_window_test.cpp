// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/clickable_label.h"
#include "engine/spread_catalogue.h"
#include "support/case_names.h"
#include "support/window_test.h"
#include "windows/manual_window.h"

#include <QLabel>
#include <QSignalSpy>

#include <functional>

namespace windows_testing {
namespace {

using windows::ManualWindow;

QString meaningOf(int spread, int position)
{
    const std::string_view text = engine::spreadCatalogue()[static_cast<std::size_t>(spread)]
                                      .positionMeanings[static_cast<std::size_t>(position)];
    return QString::fromUtf8(text);
}

// Records what the person could see when the pause began.
class SnoopingWait final : public windows::Wait {
public:
    void wait(int milliseconds) override
    {
        duration = milliseconds;
        if (check)
            check();
    }
    int duration = 0;
    std::function<void()> check;
};

class ManualWindowTest : public WindowTest {
protected:
    // The windows made from here on pause through the snooping wait.
    void useSnoopingWait() { services.platformOverride = &m_snoopingPlatform; }

    ManualWindow* makeWindow(int spread)
    {
        auto* window = new ManualWindow(services, static_cast<engine::SpreadIndex>(spread));
        window->show();
        return window;
    }

    static void pick(ManualWindow* window, int card)
    {
        QTest::mouseClick(window->ui().picManual[static_cast<std::size_t>(card)], Qt::LeftButton);
    }

    SnoopingWait wait;

private:
    windows::Platform m_snoopingPlatform{services.fake.messageBoxes, services.fake.fileChooser, services.fake.urlOpener,
                                         wait, services.fake.printDialog};
};

TEST_F(ManualWindowTest, Opening_LaysOutTheWholeDeckFaceDownInFourRowsOfThirteen)
{
    ManualWindow* window = makeWindow(3);
    const auto& cards = window->ui().picManual;
    const QRect tray = window->ui().picTray->rect();
    for (int i = 0; i < engine::kCardCount; ++i) {
        const QRect place = cards[static_cast<std::size_t>(i)]->geometry();
        EXPECT_TRUE(cards[static_cast<std::size_t>(i)]->isVisible()) << i;
        EXPECT_TRUE(tray.contains(place)) << i;
        // Reading order: along a row of thirteen, then down to the next row.
        if (i % 13 != 0) {
            const QRect before = cards[static_cast<std::size_t>(i - 1)]->geometry();
            EXPECT_EQ(place.top(), before.top()) << i;
            EXPECT_GT(place.left(), before.right()) << i;
        } else if (i > 0) {
            EXPECT_GT(place.top(), cards[static_cast<std::size_t>(i - 13)]->geometry().bottom()) << i;
        }
    }
    EXPECT_FALSE(window->ui().picMessage->isVisible());
    EXPECT_EQ(window->pickCount(), 0);
    EXPECT_EQ(window->ui().lblPositionMeaning->text(), meaningOf(3, 0));
}

class ManualPickingPerSpreadTest : public ManualWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(ManualPickingPerSpreadTest, NeedsExactlyCardCountPicksWithMeaningFollowing)
{
    const int spread = GetParam();
    ManualWindow* window = makeWindow(spread);
    QSignalSpy completed(window, &ManualWindow::picksCompleted);
    const int needed = engine::spreadCatalogue()[static_cast<std::size_t>(spread)].cardCount;
    ASSERT_EQ(window->picksNeeded(), needed);

    for (int pickNumber = 1; pickNumber < needed; ++pickNumber) {
        pick(window, 51 - pickNumber);
        ASSERT_EQ(completed.count(), 0) << "after pick " << pickNumber;
        EXPECT_EQ(window->ui().lblPositionMeaning->text(), meaningOf(spread, pickNumber));
        EXPECT_TRUE(services.fake.wait.waits.empty());
        // A screen reader hears which position was filled and how many cards are left.
        ASSERT_NE(window->focusWidget(), nullptr);
        const QString said = window->focusWidget()->accessibleDescription();
        EXPECT_TRUE(said.startsWith(QStringLiteral("Position %1 of %2 filled").arg(pickNumber).arg(needed)))
            << said.toStdString();
        EXPECT_TRUE(
            said.endsWith(QStringLiteral(" %1 left to pick.")
                              .arg(needed - pickNumber == 1 ? QStringLiteral("1 card")
                                                            : QStringLiteral("%1 cards").arg(needed - pickNumber))))
            << said.toStdString();
    }
    pick(window, 0);
    EXPECT_TRUE(
        window->ui().lblMessage->accessibleName().startsWith(QStringLiteral("Position %1 of %1 filled").arg(needed)));

    ASSERT_EQ(completed.count(), 1);
    EXPECT_EQ(completed.at(0).at(0).value<engine::SpreadIndex>(), spread);
    EXPECT_EQ(services.fake.wait.waits, std::vector<int>{2000});
    EXPECT_EQ(window->ui().lblPositionMeaning->text(), meaningOf(spread, needed - 1));
    EXPECT_EQ(window->pickCount(), needed);

    // Nothing further reacts once the reading is on its way.
    pick(window, 30);
    EXPECT_EQ(completed.count(), 1);
    EXPECT_EQ(window->pickCount(), needed);
}

INSTANTIATE_TEST_SUITE_P(Spreads, ManualPickingPerSpreadTest, ::testing::Values(0, 1, 9, 10, 15, 17),
                         testing_support::numberedCases("Spread"));

TEST_F(ManualWindowTest, PickedCard_VanishesAndCannotBePickedAgain)
{
    ManualWindow* window = makeWindow(2);
    pick(window, 7);
    EXPECT_FALSE(window->ui().picManual[7]->isVisible());
    window->ui().picManual[7]->show(); // even if it were on screen again, it stays dead
    pick(window, 7);
    EXPECT_EQ(window->pickCount(), 1);
    EXPECT_EQ(window->ui().lblPositionMeaning->text(), meaningOf(2, 1));
}

TEST_F(ManualWindowTest, LastPick_ShowsMessageOverTrayBeforeThePauseLeavingTheOtherCardsAsTheyWere)
{
    useSnoopingWait();
    ManualWindow* window = makeWindow(0);
    QSignalSpy completed(window, &ManualWindow::picksCompleted);
    const QImage cardBefore = window->ui().picManual[9]->grab().toImage();
    bool messageOnTop = false;
    int completedDuringWait = -1;
    wait.check = [&] {
        QWidget* message = window->ui().picMessage;
        const QPoint centre = message->geometry().center();
        QWidget* topmost = window->centralWidget()->childAt(centre);
        messageOnTop = message->isVisible() && topmost && (topmost == message || message->isAncestorOf(topmost));
        completedDuringWait = static_cast<int>(completed.count());
    };

    pick(window, 25);

    EXPECT_EQ(wait.duration, 2000);
    EXPECT_TRUE(messageOnTop);
    EXPECT_EQ(completedDuringWait, 0);
    EXPECT_EQ(completed.count(), 1);
    EXPECT_EQ(window->ui().lblMessage->text(),
              QStringLiteral("Zelto Cartomancy is generating the analysis. Please wait...."));
    EXPECT_EQ(window->ui().picManual[9]->grab().toImage(), cardBefore);
}

TEST_F(ManualWindowTest, ClosedDuringPause_DealsNothing)
{
    useSnoopingWait();
    ManualWindow* window = makeWindow(0);
    QSignalSpy completed(window, &ManualWindow::picksCompleted);
    wait.check = [window] { window->close(); };

    pick(window, 4);

    EXPECT_EQ(completed.count(), 0);
}

TEST_F(ManualWindowTest, BackMenu_AsksToGoBackWithoutClosing)
{
    ManualWindow* window = makeWindow(5);
    QSignalSpy back(window, &ManualWindow::backRequested);
    trigger(window, QStringLiteral("mnuBack"));
    EXPECT_EQ(back.count(), 1);
    EXPECT_EQ(services.showExitWindowCalls, 0);
}

} // namespace
} // namespace windows_testing
