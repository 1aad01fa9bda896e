// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/random_source.h"
#include "engine/small_faces.h"
#include "engine/spread_layout_view.h"
#include "engine/types.h"
#include "richtext/rich_text_sink.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// Slot k - 1 holds the text of combination rule k when it fired; slot 25 is never used.
using InterpretationSlots = std::array<std::string, 26>;
// Per rule, its card names in rule order, stored when the rule fires.
using RuleCards = std::array<std::vector<std::string_view>, 25>;

// Where a reading is written.
struct ReportTarget {
    richtext::RichTextSink& document;
    const SmallFaceSource& smallFaces;
    SpreadLayoutView* spreadDisplay = nullptr; // may be null
};

// The state of the current reading, kept between readings.
class ReadingEngine {
public:
    explicit ReadingEngine(RandomSource& random);

    // Deals a new Hand for the spread, evaluates the combination rules and composes the report.
    void generateReading(SpreadIndex spread, const ReportTarget& target);

    const Hand& hand() const { return m_hand; }
    const InterpretationSlots& interpretationSlots() const { return m_slots; }
    const RuleCards& ruleCards() const { return m_ruleCards; }
    RandomSource& random() { return m_random; }

private:
    RandomSource& m_random;
    Hand m_hand;
    InterpretationSlots m_slots;
    RuleCards m_ruleCards;
};

} // namespace engine
