// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/combination_rules.h"

#include "engine/deck.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using engine::CardIndex;
using engine::Hand;
using engine::InterpretationSlots;
using engine::RuleCards;

namespace {

Hand handOf(const std::vector<std::string_view>& names)
{
    Hand hand;
    for (const std::string_view name : names) {
        const auto index = engine::findCardByName(name);
        EXPECT_TRUE(index.has_value()) << name;
        if (index)
            hand.push_back(*index);
    }
    return hand;
}

struct Evaluation {
    InterpretationSlots slots;
    RuleCards ruleCards;
};

Evaluation evaluate(const Hand& hand)
{
    Evaluation result;
    engine::evaluateCombinationRules(hand, result.slots, result.ruleCards);
    return result;
}

std::vector<int> firedRules(const InterpretationSlots& slots)
{
    std::vector<int> fired;
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        if (!slots[slot].empty())
            fired.push_back(static_cast<int>(slot) + 1);
    }
    return fired;
}

std::vector<std::string_view> requiredNames(int rule)
{
    const auto cards = engine::combinationRules()[static_cast<std::size_t>(rule - 1)].requiredCards();
    return {cards.begin(), cards.end()};
}

class EveryRule : public testing::TestWithParam<int> {};

// handOf also checks that every card a rule names is in the deck.
TEST_P(EveryRule, FiresWhenItsCardsLieAnywhereInTheHand)
{
    const int rule = GetParam();
    auto names = requiredNames(rule);
    ASSERT_GE(names.size(), 2U);
    std::reverse(names.begin(), names.end());
    names.insert(names.begin() + 1, "Queen of Spades");
    names.push_back("Two of Diamonds");

    const Evaluation result = evaluate(handOf(names));

    EXPECT_EQ(result.slots[rule - 1], engine::combinationRules()[rule - 1].text);
    EXPECT_EQ(result.ruleCards[rule - 1], requiredNames(rule)); // rule order, not hand order
}

TEST_P(EveryRule, StaysSilentWhenAnyOneCardIsMissing)
{
    const int rule = GetParam();
    const auto names = requiredNames(rule);
    for (std::size_t left = 0; left < names.size(); ++left) {
        auto partial = names;
        partial.erase(partial.begin() + static_cast<std::ptrdiff_t>(left));

        const Evaluation result = evaluate(handOf(partial));

        EXPECT_TRUE(result.slots[rule - 1].empty()) << "without " << names[left];
        EXPECT_TRUE(result.ruleCards[rule - 1].empty()) << "without " << names[left];
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, EveryRule, testing::Range(1, engine::kCombinationRuleCount + 1),
                         testing_support::numberedCases("Rule"));

TEST(CombinationRules, KeepTheirTextsAsWritten)
{
    const auto rules = engine::combinationRules();
    EXPECT_EQ(rules[0].text, "The Knight, 9 and the 7 of Hearts indicates some sort of addiction.");
    EXPECT_EQ(rules[13].text, "Knight of Diamond and 7 of Spade denotes worries for a single man.");
    EXPECT_EQ(rules[15].text, "Ace of heart and Ace of Clubs denotes that success is on your way and you will be "
                              "100% successful in all your ventures.");
    EXPECT_EQ(rules[24].text, "8 of Clubs and 6 of Diamonds denotes a new love affair.");
}

TEST(CombinationRules, SixOfDiamondsWithEightOfClubsFiresRules19And25InTheirOwnOrders)
{
    const Evaluation result = evaluate(handOf({"Eight of Clubs", "Six of Diamonds"}));

    EXPECT_EQ(firedRules(result.slots), (std::vector<int>{19, 25}));
    EXPECT_EQ(result.ruleCards[18], (std::vector<std::string_view>{"Six of Diamonds", "Eight of Clubs"}));
    EXPECT_EQ(result.ruleCards[24], (std::vector<std::string_view>{"Eight of Clubs", "Six of Diamonds"}));
}

TEST(CombinationRules, WholeDeckFiresEveryRuleAndNeverTheSpareSlot)
{
    Hand everyCard;
    for (int card = 0; card < engine::kCardCount; ++card)
        everyCard.push_back(static_cast<CardIndex>(card));

    const Evaluation result = evaluate(everyCard);

    EXPECT_EQ(firedRules(result.slots).size(), 25U);
    EXPECT_TRUE(result.slots[25].empty());
}

TEST(CombinationRules, EntriesThatAreNoCardFireNothing)
{
    EXPECT_TRUE(firedRules(evaluate(Hand{-1, 52, 32767, -32768}).slots).empty());
}

} // namespace
