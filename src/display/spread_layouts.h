// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"

#include <span>
#include <string_view>

namespace display {

// Geometry of the spread display, in twips relative to the layout pane unless said otherwise.

struct SlotPlace {
    int left = 0;
    int top = 0;
    bool crosswise = false; // lies across another card, 1440 x 1065
};

struct PaneColour {
    int red = 0;
    int green = 0;
    int blue = 0;
};

enum class Decoration { None, Relationship, Romany, NumerologyGrid, Zodiac };

struct LayoutPlan {
    std::string_view container; // object name of the layout pane
    std::string_view slotArray; // slot i is named "<slotArray>_<i>"
    int height = 0;
    int captionBottomTop = 0;
    PaneColour background;
    Decoration decoration = Decoration::None;
    std::span<const SlotPlace> places; // slot i shows position i + 1
};

inline constexpr int kDisplayWidth = 10995;
inline constexpr int kDisplayCentreX = 5497;
inline constexpr int kLayoutTop = 600;
inline constexpr int kLayoutWidth = 10500;
inline constexpr int kSlotWidth = 1065;
inline constexpr int kSlotHeight = 1440;

// nullptr when the index is outside 0 to 17.
const LayoutPlan* layoutPlan(engine::SpreadIndex spread);

// A label placed with its top-left corner; it takes the size of its text.
struct PlacedText {
    std::string_view text;
    int left = 0;
    int top = 0;
};

// A label in a box of its own, text centred in it.
struct BoxedText {
    std::string_view text;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct LineSegment {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

struct Ellipse {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PointTwips {
    int x = 0;
    int y = 0;
};

std::span<const PlacedText> relationshipHeadings();
std::span<const PlacedText> romanyHeadings();

std::span<const LineSegment> numerologyGridLines();
std::span<const BoxedText> numerologyNumberBoxes();
std::span<const BoxedText> numerologyColumnWords();
// Written one letter under the other down the sides of the grid.
std::span<const BoxedText> numerologyRowWords();

Ellipse zodiacOval();
LineSegment zodiacLine();
// Centre of sign picture i (Aries 0 to Pisces 11), each inside the slot of house i + 1.
std::span<const PointTwips> zodiacSignCentres();

} // namespace display
