// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/small_faces.h"
#include "engine/spread_layout_view.h"
#include "engine/types.h"
#include "richtext/rich_text_sink.h"

#include <string_view>

namespace engine {

// Colours of the classic 16-colour palette that the report uses.
inline constexpr richtext::Rgb kPaletteBlack{0, 0, 0};        // 0
inline constexpr richtext::Rgb kPaletteDarkCyan{0, 128, 128}; // 3
inline constexpr richtext::Rgb kPaletteMaroon{128, 0, 0};     // 4
inline constexpr richtext::Rgb kPalettePurple{128, 0, 128};   // 5

inline constexpr std::string_view kLineBreak = "\r\n";
inline constexpr int kRuleWidth = 512; // spaces in an underlined rule across the page

// Where a reading is written.
struct ReportTarget {
    richtext::RichTextSink& document;
    const SmallFaceSource& smallFaces;
    SpreadLayoutView* spreadDisplay = nullptr; // may be null
};

// Replaces the document with the reading of the spread: header, spread section (only for spreads 0 to 17),
// special interpretations and closing lines. Failing steps, pictures or the spread display are skipped.
void composeReport(SpreadIndex spread, const Hand& hand, const InterpretationSlots& slots, const RuleCards& ruleCards,
                   const ReportTarget& target);

// Appends the numbered section of the fired rules, each after pictures of its cards; nothing when none fired.
void writeSpecialInterpretations(const InterpretationSlots& slots, const RuleCards& ruleCards,
                                 richtext::RichTextSink& document, const SmallFaceSource& smallFaces);

} // namespace engine
