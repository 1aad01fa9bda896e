// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/face_lists.h"
#include "display/look.h"
#include "support/case_names.h"
#include "windows/window_look.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include <algorithm>

#include <gtest/gtest.h>

namespace windows_testing {
namespace {

struct LabelLook {
    const char* name;
    QColor text;
    bool bold;
    bool wordWrap;
};

class LabelPaletteTest : public ::testing::TestWithParam<LabelLook> {};

// A caption as the main window places it: on a black parent, beside controls styled by sheets.
QImage drawnCaption(const LabelLook& look, bool bySheet)
{
    QWidget parent;
    display::fillBackground(parent, display::kBlack);
    parent.setStyleSheet(QStringLiteral("QGroupBox { color: #ffff00; background-color: black; }"));
    parent.resize(220, 60);
    auto* label = new QLabel(QStringLiteral("Date of Birth: when the enquirer was born"), &parent);
    label->setGeometry(4, 4, 200, 50);
    label->setFont(display::verdanaFont(8.25, look.bold));
    label->setWordWrap(look.wordWrap);
    if (bySheet)
        label->setStyleSheet(windows::colourStyle("QLabel", look.text, display::kBlack));
    else {
        display::fillBackground(*label, display::kBlack);
        display::setTextColour(*label, look.text);
    }
    return parent.grab().toImage();
}

TEST_P(LabelPaletteTest, PaletteDrawsTheSameAsTheStyleSheet)
{
    const QImage byPalette = drawnCaption(GetParam(), false);
    EXPECT_EQ(byPalette, drawnCaption(GetParam(), true));
    // The comparison means something only if the text was drawn in its colour.
    bool textDrawn = false;
    for (int y = 0; y < byPalette.height() && !textDrawn; ++y)
        for (int x = 0; x < byPalette.width() && !textDrawn; ++x)
            textDrawn = byPalette.pixelColor(x, y) == GetParam().text;
    EXPECT_TRUE(textDrawn);
}

INSTANTIATE_TEST_SUITE_P(Captions, LabelPaletteTest,
                         ::testing::Values(LabelLook{"Aqua", display::kAqua, false, false},
                                           LabelLook{"PaleYellowBoldWrapped", display::kPaleYellow, true, true}),
                         testing_support::namedCases);

TEST(ApplicationIcon, WindowsShareTheProgramIconOnceItIsSet)
{
    QWidget before;
    windows::setApplicationIcon(before);
    EXPECT_EQ(before.windowIcon().availableSizes().size(), 6);

    const QIcon previous = QApplication::windowIcon();
    QApplication::setWindowIcon(display::applicationIcon());
    QWidget after;
    windows::setApplicationIcon(after);
    EXPECT_EQ(after.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    QApplication::setWindowIcon(previous);
}

struct PlaceCase {
    const char* name;
    QRect area;
    QSize frame;
};

class FramePlaceTest : public ::testing::TestWithParam<PlaceCase> {};

// A window that fits goes wholly inside the available area (beside a panel, on a second screen); one that does
// not keeps its title bar's start and its menu on the screen.
TEST_P(FramePlaceTest, FittingFrameLiesWhollyInsideElseItsTopLeftCornerDoes)
{
    const auto& [name, area, frame] = GetParam();
    const QRect place = windows::framePlace(area, frame);
    if (frame.width() <= area.width() && frame.height() <= area.height())
        EXPECT_TRUE(area.contains(place)) << name;
    else
        EXPECT_TRUE(area.contains(place.topLeft())) << name;
}

INSTANTIATE_TEST_SUITE_P(Screens, FramePlaceTest,
                         ::testing::Values(PlaceCase{"PickingAt150On1024x600", QRect(0, 0, 683, 400), QSize(642, 399)},
                                           PlaceCase{"ExitWindowWiderThanTheScreen", QRect(0, 0, 683, 400),
                                                     QSize(749, 340)},
                                           PlaceCase{"BelowATopPanel", QRect(0, 27, 800, 453), QSize(749, 420)},
                                           PlaceCase{"TallerThanTheScreen", QRect(0, 0, 1024, 600), QSize(800, 700)}),
                         testing_support::namedCases);

// The offscreen screen is 800 x 600: a window larger than that scrolls a surface of its size inside the room.
TEST(SurfaceFittingScreen, SurfaceScrollsInsideAWindowAsLargeAsFitsOnlyWhereTheWindowWouldNotFit)
{
    QWidget small;
    EXPECT_EQ(windows::surfaceFittingScreen(small, QSize(400, 300)), &small);
    EXPECT_EQ(small.size(), QSize(400, 300));

    QWidget large;
    QWidget* surface = windows::surfaceFittingScreen(large, QSize(1100, 300));
    ASSERT_NE(surface, &large);
    EXPECT_EQ(surface->size(), QSize(1100, 300));
    const QSize room = windows::roomOnScreen(large);
    EXPECT_LE(large.width(), room.width());
    EXPECT_LE(large.height(), room.height());
    EXPECT_GT(large.height(), 300) << "room for the scroll bar under the surface";
}

} // namespace
} // namespace windows_testing
