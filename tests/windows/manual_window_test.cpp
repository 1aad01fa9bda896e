// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test_fixture.h"

#include "display/clickable_label.h"
#include "display/look.h"
#include "engine/spread_catalogue.h"
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
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class ManualWindowTest : public WindowTest {
protected:
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
};

TEST_F(ManualWindowTest, Opening_LaysOutDeckInFourRowsOfThirteen)
{
    ManualWindow* window = makeWindow(3);
    const auto& cards = window->ui().picManual;
    EXPECT_EQ(cards[0]->geometry(), display::twipsRect(120, 120, 645, 870));
    EXPECT_EQ(cards[12]->geometry(), display::twipsRect(120 + 720 * 12, 120, 645, 870));
    EXPECT_EQ(cards[13]->geometry(), display::twipsRect(120, 1080, 645, 870));
    EXPECT_EQ(cards[51]->geometry(), display::twipsRect(120 + 720 * 12, 3000, 645, 870));
    EXPECT_EQ(cards[51]->objectName(), QStringLiteral("picManual_51"));
    for (const auto* card : cards)
        EXPECT_TRUE(card->isVisible());
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
    }
    pick(window, 0);

    ASSERT_EQ(completed.count(), 1);
    EXPECT_EQ(completed.at(0).at(0).value<engine::SpreadIndex>(), spread);
    EXPECT_EQ(services.fake.wait.waits, std::vector<int>{2000});
    EXPECT_EQ(window->ui().lblPositionMeaning->text(), meaningOf(spread, needed - 1));
    EXPECT_EQ(window->pickCount(), needed);
    EXPECT_FALSE(window->ui().picTray->isEnabled());

    // Nothing further reacts once the reading is on its way.
    pick(window, 30);
    EXPECT_EQ(completed.count(), 1);
    EXPECT_EQ(window->pickCount(), needed);
}

INSTANTIATE_TEST_SUITE_P(Spreads, ManualPickingPerSpreadTest, ::testing::Values(0, 1, 9, 10, 15, 17));

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

// Records what the person could see when the pause began.
class SnoopingWait final : public display::Wait {
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

TEST_F(ManualWindowTest, LastPick_ShowsMessageOverTrayBeforeThePause)
{
    SnoopingWait wait;
    display::Platform platform{services.fake.messageBoxes, services.fake.fileChooser, services.fake.urlOpener, wait};
    services.platformOverride = &platform;
    ManualWindow* window = makeWindow(0);
    QSignalSpy completed(window, &ManualWindow::picksCompleted);
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
}

TEST_F(ManualWindowTest, ClosedDuringPause_DealsNothing)
{
    SnoopingWait wait;
    display::Platform platform{services.fake.messageBoxes, services.fake.fileChooser, services.fake.urlOpener, wait};
    services.platformOverride = &platform;
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
