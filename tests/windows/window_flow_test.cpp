// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/clickable_label.h"
#include "display/spread_display.h"
#include "engine/spread_catalogue.h"
#include "support/case_names.h"
#include "support/scripted_random_source.h"
#include "support/window_test.h"
#include "windows/main_window.h"
#include "windows/manual_window.h"
#include "windows/report_window.h"
#include "windows/window_flow.h"

#include <QLabel>
#include <QPushButton>

namespace windows_testing {
namespace {

using windows::WindowFlow;

std::string titleOf(int spread)
{
    return std::string(engine::spreadCatalogue()[static_cast<std::size_t>(spread)].title);
}

class WindowFlowTest : public WindowTest {
protected:
    void deal(int spread, bool automatic)
    {
        windows::MainWindow* main = flow.showMainWindow();
        fillInRequest(main, spread, automatic);
        QTest::mouseClick(main->ui().cmdCalculate, Qt::LeftButton);
    }

    void pickAll()
    {
        windows::ManualWindow* manual = flow.manualWindow();
        ASSERT_NE(manual, nullptr);
        const int needed = manual->picksNeeded();
        for (int card = 0; card < needed; ++card)
            QTest::mouseClick(manual->ui().picManual[static_cast<std::size_t>(card)], Qt::LeftButton);
    }

    std::string reportText() const { return flow.reportWindow()->document().plainText(); }

    testing_support::ScriptedRandomSource random = testing_support::ScriptedRandomSource::forCards(wholeDeck());
    WindowFlow flow{services, random};
};

class AutomaticDealTest : public WindowFlowTest, public ::testing::WithParamInterface<int> {};

TEST_P(AutomaticDealTest, Deal_ShowsReportWindowWithReadingAndSpreadInFront)
{
    const int spread = GetParam();
    deal(spread, true);

    windows::ReportWindow* report = flow.reportWindow();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    EXPECT_TRUE(report->isMaximized());
    EXPECT_EQ(flow.mainWindow(), nullptr);
    EXPECT_NE(reportText().find(titleOf(spread)), std::string::npos);
    EXPECT_NE(reportText().find("Card Name: "), std::string::npos);
    const bool namesPositions = spread != 0; // the one-card lay names no positions
    EXPECT_EQ(reportText().find("Position 1: ") != std::string::npos, namesPositions);
    EXPECT_EQ(report->ui().spreadDisplay->frontLayout(), spread);
    // The main window's close handling showed the exit window and the transition hid it again.
    EXPECT_EQ(services.showExitWindowCalls, 1);
    EXPECT_EQ(services.hideExitWindowCalls, 1);
    EXPECT_FALSE(services.exitWindowShown);
}

INSTANTIATE_TEST_SUITE_P(Spreads, AutomaticDealTest, ::testing::Values(0, 9, 10, 17),
                         testing_support::numberedCases("Spread"));

TEST_F(WindowFlowTest, MainWindowOnScreen_LoadsTheReportWindowHiddenAndTheFirstDealUsesIt)
{
    windows::MainWindow* main = flow.showMainWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return flow.reportWindow() != nullptr; }));
    windows::ReportWindow* loaded = flow.reportWindow();
    EXPECT_FALSE(loaded->isVisible());
    EXPECT_TRUE(main->isVisible());

    deal(17, true);
    EXPECT_EQ(flow.reportWindow(), loaded);
    EXPECT_TRUE(loaded->isVisible());
    EXPECT_NE(reportText().find(titleOf(17)), std::string::npos);
    EXPECT_EQ(loaded->ui().spreadDisplay->frontLayout(), 17);
}

TEST_F(WindowFlowTest, MainWindowClosedBeforeItsFirstIdle_LoadsNoReportWindow)
{
    flow.showMainWindow()->close();
    flushDeletes();
    QTest::qWait(20);
    EXPECT_EQ(flow.reportWindow(), nullptr);
}

TEST_F(WindowFlowTest, ManualDeal_PicksThenShowsReport)
{
    deal(15, false);
    ASSERT_NE(flow.manualWindow(), nullptr);
    EXPECT_TRUE(flow.manualWindow()->isVisible());
    ASSERT_NE(flow.reportWindow(), nullptr);
    EXPECT_FALSE(flow.reportWindow()->isVisible());
    EXPECT_EQ(flow.mainWindow(), nullptr);
    EXPECT_FALSE(services.exitWindowShown);

    pickAll();

    EXPECT_EQ(flow.manualWindow(), nullptr);
    ASSERT_NE(flow.reportWindow(), nullptr);
    EXPECT_TRUE(flow.reportWindow()->isVisible());
    EXPECT_NE(reportText().find(titleOf(15)), std::string::npos);
    EXPECT_EQ(flow.reportWindow()->ui().spreadDisplay->frontLayout(), 15);
    EXPECT_EQ(services.fake.wait.waits, std::vector<int>{2000});
    EXPECT_FALSE(services.exitWindowShown);
}

TEST_F(WindowFlowTest, BackFromReport_OpensFreshMainWindow)
{
    deal(10, true);
    QTest::mouseClick(flow.reportWindow()->ui().cmdBack, Qt::LeftButton);
    flushDeletes();

    windows::MainWindow* main = flow.mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->ui().txtName->text().isEmpty());
    EXPECT_EQ(main->ui().cboSpread->currentIndex(), -1);
    EXPECT_FALSE(main->ui().optAuto->isChecked());
    EXPECT_TRUE(main->ui().lblSpreadDesc->text().startsWith(QStringLiteral("Zelto Free Cartomancy")));
    EXPECT_EQ(flow.reportWindow(), nullptr);
    EXPECT_FALSE(services.exitWindowShown);

    // The next reading replaces the old one entirely.
    fillInRequest(main, 9, true);
    QTest::mouseClick(main->ui().cmdCalculate, Qt::LeftButton);
    EXPECT_NE(reportText().find(titleOf(9)), std::string::npos);
    EXPECT_EQ(reportText().find(titleOf(10)), std::string::npos);
}

TEST_F(WindowFlowTest, BackFromPicking_KeepsReportWindowLoadedHidden)
{
    deal(3, false);
    windows::ReportWindow* report = flow.reportWindow();
    trigger(flow.manualWindow(), QStringLiteral("mnuBack"));
    flushDeletes();

    EXPECT_EQ(flow.manualWindow(), nullptr);
    ASSERT_NE(flow.mainWindow(), nullptr);
    EXPECT_TRUE(flow.mainWindow()->isVisible());
    EXPECT_EQ(flow.reportWindow(), report);
    EXPECT_FALSE(report->isVisible());
    EXPECT_FALSE(services.exitWindowShown);

    // Picking again starts over with the whole deck.
    deal(3, false);
    EXPECT_EQ(flow.manualWindow()->pickCount(), 0);
    for (const auto* card : flow.manualWindow()->ui().picManual)
        EXPECT_TRUE(card->isVisible());
}

TEST_F(WindowFlowTest, UserClosingAnyWindow_LeavesExitWindowShown)
{
    flow.showMainWindow()->close();
    EXPECT_TRUE(services.exitWindowShown);
    EXPECT_EQ(flow.mainWindow(), nullptr);

    services.exitWindowShown = false;
    deal(0, true);
    flow.reportWindow()->close();
    EXPECT_TRUE(services.exitWindowShown);
    EXPECT_EQ(flow.reportWindow(), nullptr);
}

} // namespace
} // namespace windows_testing
