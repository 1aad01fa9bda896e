// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/reading.h"

#include "engine/combination_rules.h"
#include "engine/dealing.h"
#include "engine/deck.h"
#include "engine/report.h"
#include "engine/spread_catalogue.h"

namespace engine {

namespace {

// A stage that fails is skipped and the reading goes on with the next one.
template <typename Stage> void runStage(const Stage& stage) noexcept
{
    try {
        stage();
    } catch (...) {
    }
}

} // namespace

ReadingEngine::ReadingEngine(RandomSource& random) : m_random(random) {}

void ReadingEngine::generateReading(SpreadIndex spread, const ReportTarget& target)
{
    int count = 0;
    runStage([&] { count = cardCountOf(spread); });
    m_hand.clear();
    for (auto& slot : m_slots)
        slot.clear();
    for (auto& cards : m_ruleCards)
        cards.clear();
    runStage([&] { m_hand = dealHand(count, m_random); });
    runStage([&] { evaluateCombinationRules(m_hand, m_slots, m_ruleCards); });
    runStage([] { fillReadingTables(); });
    runStage([&] { composeReport(spread, m_hand, m_slots, m_ruleCards, target); });
}

} // namespace engine
