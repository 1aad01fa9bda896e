// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/reading.h"

#include "engine/combination_rules.h"
#include "engine/contained.h"
#include "engine/dealing.h"
#include "engine/deck.h"
#include "engine/report.h"
#include "engine/spread_catalogue.h"

namespace engine {

ReadingEngine::ReadingEngine(RandomSource& random) : m_random(random) {}

void ReadingEngine::generateReading(SpreadIndex spread, const ReportTarget& target)
{
    int count = 0;
    runContained("counting the spread's cards", [&] { count = cardCountOf(spread); });
    clearReading();
    runContained("dealing the hand", [&] { m_hand = dealHand(count, m_random); });
    interpret(spread, target);
}

void ReadingEngine::readHand(SpreadIndex spread, const Hand& hand, const ReportTarget& target)
{
    clearReading();
    m_hand = hand;
    interpret(spread, target);
}

void ReadingEngine::clearReading()
{
    m_hand.clear();
    for (auto& slot : m_slots)
        slot.clear();
    for (auto& cards : m_ruleCards)
        cards.clear();
}

void ReadingEngine::interpret(SpreadIndex spread, const ReportTarget& target)
{
    runContained("the combination rules", [&] { evaluateCombinationRules(m_hand, m_slots, m_ruleCards); });
    runContained("filling the card and spread tables", [] { fillReadingTables(); });
    runContained("composing the report", [&] { composeReport(spread, m_hand, m_slots, m_ruleCards, target); });
}

} // namespace engine
