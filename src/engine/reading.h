// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/random_source.h"
#include "engine/report.h"
#include "engine/types.h"

namespace engine {

// The state of the current reading, kept between readings.
class ReadingEngine {
public:
    explicit ReadingEngine(RandomSource& random);

    // Deals a new Hand for the spread, evaluates the combination rules and composes the report.
    void generateReading(SpreadIndex spread, const ReportTarget& target);
    // Composes the reading of a hand that was not dealt here (a reopened reading, the user's own cards): the
    // same rules and report as generateReading for the same hand. The caller checks the hand; it should hold
    // cardCountOf(spread) distinct cards.
    void readHand(SpreadIndex spread, const Hand& hand, const ReportTarget& target);

    const Hand& hand() const { return m_hand; }
    const InterpretationSlots& interpretationSlots() const { return m_slots; }

private:
    void clearReading();
    void interpret(SpreadIndex spread, const ReportTarget& target);

    RandomSource& m_random;
    Hand m_hand;
    InterpretationSlots m_slots;
    RuleCards m_ruleCards;
};

} // namespace engine
