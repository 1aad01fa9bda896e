// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/after_first_paint.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(AfterFirstPaint, RunsOnceWhenTheWindowHasBeenDrawnAndNeverAgain)
{
    QWidget window;
    int runs = 0;
    display::runAfterFirstPaint(window, [&runs] { ++runs; });
    QTest::qWait(20);
    EXPECT_EQ(runs, 0) << "a window never shown is never drawn";

    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&runs] { return runs > 0; }));
    window.repaint();
    window.hide();
    window.show();
    QTest::qWait(20);
    EXPECT_EQ(runs, 1);
}

TEST(AfterFirstPaint, WindowGoneBeforeItsWorkRan_LeavesTheWorkUndone)
{
    int runs = 0;
    auto window = std::make_unique<QWidget>();
    display::runAfterFirstPaint(*window, [&runs] { ++runs; });
    window->show();
    window->repaint(); // drawn, but the work waits for the event loop
    window.reset();
    QTest::qWait(20);
    EXPECT_EQ(runs, 0);
}

} // namespace
