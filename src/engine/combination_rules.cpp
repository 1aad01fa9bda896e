// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/combination_rules.h"

#include "engine/deck.h"

#include <cstdint>

namespace engine {

namespace {

// clang-format off
constexpr std::array<CombinationRule, kCombinationRuleCount> kRules{{
    {{"Knight of Hearts", "Nine of Hearts", "Seven of Hearts"},
     "The Knight, 9 and the 7 of Hearts indicates some sort of addiction."},
    {{"Knight of Spades", "Three of Spades", "Five of Spades", "Five of Clubs", "Seven of Clubs"},
     "The Knight, 3 and 5 of Spades combined with the 5 and 7 of Clubs indicates restlessness leading to arguments "
     "and fights."},
    {{"Ace of Hearts", "Three of Hearts", "Six of Hearts", "Ten of Hearts"},
     "The Ace, 3, 6 and 10 of Hearts denotes the birth of a new life or pregnancy."},
    {{"Ace of Spades", "Nine of Spades", "Ten of Spades"},
     "The Ace, 9 and 10 of Spades represents death or any other kind of misfortune."},
    {{"Knight of Spades", "Seven of Spades", "Knight of Hearts", "Seven of Hearts"},
     "The Knight and 7 of Spades combined with the Knight and 7 of Hearts indicates deceit or cheating."},
    {{"Ace of Spades", "Three of Spades", "Five of Spades", "Ten of Spades", "Five of Hearts"},
     "The Ace, 3, 5 and 10 of Spades along with the 5 of Hearts denotes mutual separation or divorce."},
    {{"Four of Spades", "Eight of Spades", "Nine of Spades", "Ten of Spades", "Ten of Clubs"},
     "The 4, 8, 9 and 10 of Spades along with the 10 of Clubs denotes some kind of health related problems."},
    {{"Nine of Diamonds", "Ten of Diamonds", "Four of Clubs"},
     "The 9 and 10 of Diamonds along with the 4 of Clubs represents legal issues surrounding your house and "
     "property."},
    {{"Four of Spades", "Five of Spades", "Six of Spades", "Seven of Spades"},
     "The 4, 5, 6 and the 7 of Spades indicates job layoff or quitting job."},
    {{"Ace of Diamonds", "Three of Diamonds", "Eight of Diamonds", "Six of Clubs"},
     "The Ace, 3 and the 8 of Diamonds combined with the 6 of Clubs denotes a raise or promotion in your job."},
    {{"Ace of Hearts", "Two of Hearts", "Three of Hearts", "Ten of Hearts"},
     "The Ace, 2, 3 and the 10 of Hearts indicates a fresh reunion and marriage."},
    {{"Ace of Diamonds", "Four of Diamonds", "Six of Diamonds", "Nine of Diamonds"},
     "The Ace, 4, 6 and the 9 of Diamonds indicates an increase in your financial and monetary status."},
    {{"Six of Spades", "Eight of Hearts", "Knight of Clubs", "Eight of Clubs"},
     "The 6 of Spades, 8 of Hearts and the Knight and 8 of Clubs denotes traveling."},
    {{"Knight of Diamonds", "Seven of Spades"},
     "Knight of Diamond and 7 of Spade denotes worries for a single man."},
    {{"Ace of Spades", "Ten of Hearts"},
     "Ace of Spades and 10 of Hearts denotes very soon your sadness will fade away."},
    {{"Ace of Hearts", "Ace of Clubs"},
     "Ace of heart and Ace of Clubs denotes that success is on your way and you will be 100% successful in all your "
     "ventures."},
    {{"Knight of Hearts", "Ten of Hearts"},
     "Knight of Hearts and 10 of Hearts represents some positive changes."},
    {{"Eight of Hearts", "Ace of Spades"},
     "8 of Hearts and Ace of Spades denotes that you will be signing a legal document."},
    {{"Six of Diamonds", "Eight of Clubs"},
     "6 of Diamonds and 8 of Clubs denotes a wonderful meeting with the person you treasure the most."},
    {{"Ace of Diamonds", "Eight of Hearts"},
     "Ace of Diamonds and 8 of Hearts denotes successful trading."},
    {{"Six of Diamonds", "Seven of Hearts"},
     "6 of Diamonds and 7 of Hearts denotes early marriage."},
    {{"Eight of Hearts", "Seven of Clubs"},
     "8 of Hearts and 7 of Clubs denotes losing all that you once possessed."},
    {{"Six of Clubs", "Seven of Spades"},
     "6 of Clubs and 7 of Spades denotes worries related to traveling abroad."},
    {{"Ace of Diamonds", "Nine of Hearts"},
     "Ace of Diamonds and 9 of Hearts denotes unexpected good news."},
    {{"Eight of Clubs", "Six of Diamonds"},
     "8 of Clubs and 6 of Diamonds denotes a new love affair."},
}};
// clang-format on

// One bit per CardIndex.
using CardMask = std::uint64_t;

// Per rule, per required name, the cards whose name equals it exactly. Matching a hand against these
// masks gives the same answer as comparing the dealt cards' names one by one, in a fraction of the time.
struct ResolvedRule {
    std::array<CardMask, kMaxRuleCards> cardsNamed{};
    std::size_t required = 0;
};

const std::array<ResolvedRule, kCombinationRuleCount>& resolvedRules()
{
    static const auto resolved = [] {
        std::array<ResolvedRule, kCombinationRuleCount> rules{};
        for (std::size_t rule = 0; rule < kRules.size(); ++rule) {
            const auto names = kRules[rule].requiredCards();
            rules[rule].required = names.size();
            for (std::size_t wanted = 0; wanted < names.size(); ++wanted) {
                for (int index = 0; index < kCardCount; ++index) {
                    if (card(static_cast<CardIndex>(index)).name == names[wanted])
                        rules[rule].cardsNamed[wanted] |= CardMask{1} << index;
                }
            }
        }
        return rules;
    }();
    return resolved;
}

} // namespace

std::span<const CombinationRule, kCombinationRuleCount> combinationRules()
{
    return kRules;
}

void evaluateCombinationRules(const Hand& hand, InterpretationSlots& slots, RuleCards& ruleCards)
{
    CardMask dealt = 0;
    for (const CardIndex index : hand) {
        if (isCardIndex(index))
            dealt |= CardMask{1} << index;
    }
    const auto& resolved = resolvedRules();
    for (std::size_t rule = 0; rule < kRules.size(); ++rule) {
        bool complete = true;
        for (std::size_t wanted = 0; wanted < resolved[rule].required; ++wanted)
            complete = complete && (resolved[rule].cardsNamed[wanted] & dealt) != 0;
        if (!complete)
            continue;
        const auto names = kRules[rule].requiredCards();
        ruleCards[rule].assign(names.begin(), names.end());
        slots[rule] = kRules[rule].text;
    }
}

} // namespace engine
