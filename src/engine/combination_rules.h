// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace engine {

inline constexpr int kCombinationRuleCount = 25;
inline constexpr std::size_t kMaxRuleCards = 5;

// A notable combination: every required card somewhere in the hand, in any position.
struct CombinationRule {
    std::array<std::string_view, kMaxRuleCards> cards; // card names in rule order; unused entries empty
    std::string_view text;

    std::span<const std::string_view> requiredCards() const
    {
        std::size_t used = 0;
        while (used < cards.size() && !cards[used].empty())
            ++used;
        return {cards.data(), used};
    }
};

// The 25 rules in the order they are evaluated and written; rule k is entry k - 1.
std::span<const CombinationRule, kCombinationRuleCount> combinationRules();

// Fills the slot and the card list of every rule whose cards all lie in the hand; leaves the others untouched.
void evaluateCombinationRules(const Hand& hand, InterpretationSlots& slots, RuleCards& ruleCards);

} // namespace engine
