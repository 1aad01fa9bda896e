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

} // namespace
} // namespace windows_testing
