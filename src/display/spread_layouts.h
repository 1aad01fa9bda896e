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

inline constexpr int kStandardPaneHeight = 9000;
inline constexpr int kStandardCaptionTop = 7500;

// Most spreads fit the standard pane, on black.
struct LayoutPlan {
    std::string_view container;        // object name of the layout pane
    std::string_view slotArray;        // slot i is named "<slotArray>_<i>"
    std::span<const SlotPlace> places; // slot i shows position i + 1
    int height = kStandardPaneHeight;
    int captionBottomTop = kStandardCaptionTop;
    PaneColour background{}; // black
    Decoration decoration = Decoration::None;
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

// A rectangle given by its top-left corner and size.
struct BoxTwips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A label in a box of its own, text centred in it.
struct BoxedText {
    std::string_view text;
    BoxTwips box;
};

struct PointTwips {
    int x = 0;
    int y = 0;
};

struct LineSegment {
    PointTwips from;
    PointTwips to;
};

std::span<const PlacedText> relationshipHeadings();
std::span<const PlacedText> romanyHeadings();

struct NumerologyGrid {
    std::span<const LineSegment> lines; // the inner lines; the slots sit in the nine cells
    std::span<const BoxedText> numbers;
    std::span<const BoxedText> columnWords;
    std::span<const BoxedText> rowWords; // written one letter under the other down the sides
};
const NumerologyGrid& numerologyGrid();

struct ZodiacWheel {
    BoxTwips oval;
    LineSegment line;
    // Centre of sign picture i (Aries 0 to Pisces 11), each inside the slot of house i + 1.
    std::span<const PointTwips> signCentres;
};
const ZodiacWheel& zodiacWheel();

} // namespace display
