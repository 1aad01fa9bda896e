// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/dealing.h"

#include "support/case_names.h"
#include "support/scripted_random_source.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <set>
#include <vector>

using engine::CardIndex;
using engine::dealHand;
using engine::Hand;
using testing_support::ScriptedRandomSource;

namespace {

struct DealCase {
    const char* name;
    std::vector<int> script; // cards the generator yields in order
    int positions;
    Hand hand;
    std::vector<int> drawsAtReseed; // one reseed per position, before its first draw only
    int draws;
};

class ScriptedDeal : public testing::TestWithParam<DealCase> {};

TEST_P(ScriptedDeal, RedrawsDuplicatesWithoutReseeding)
{
    const DealCase& deal = GetParam();
    auto random = ScriptedRandomSource::forCards(deal.script);

    EXPECT_EQ(dealHand(deal.positions, random), deal.hand);
    EXPECT_EQ(random.drawsAtReseed, deal.drawsAtReseed);
    EXPECT_EQ(random.drawCount, deal.draws);
}

const DealCase kDeals[] = {
    {"SingleCardOneDraw", {51, 51}, 1, {51}, {0}, 1},
    {"NoPositions", {3}, 0, {}, {}, 0},
    {"NegativePositions", {3}, -5, {}, {}, 0},
    {"DuplicateRedrawnFromSameSequence", {5, 5, 7, 9}, 3, {5, 7, 9}, {0, 1, 3}, 4},
    // 2 equals entry 1, then 1 equals entry 0: the second pass must start again at entry 0.
    {"ComparesAgainFromFirstEntry", {1, 2, 2, 1, 3}, 3, {1, 2, 3}, {0, 1, 2}, 5},
    // Position 4 meets all three dealt cards: 1 + 3 draws.
    {"OneDrawPerDuplicateMet", {20, 21, 22, 22, 20, 21, 8}, 4, {20, 21, 22, 8}, {0, 1, 2, 3}, 7},
};

INSTANTIATE_TEST_SUITE_P(Deals, ScriptedDeal, testing::ValuesIn(kDeals), testing_support::namedCases);

TEST(DealHand, StuckGeneratorStillEndsWithDistinctCards)
{
    ScriptedRandomSource random({0.5f}); // always card 26

    const Hand hand = dealHand(4, random);

    ASSERT_EQ(hand.size(), 4U);
    EXPECT_EQ(hand.front(), 26);
    EXPECT_EQ(std::set<CardIndex>(hand.begin(), hand.end()).size(), 4U);
}

TEST(DealHand, MorePositionsThanCardsStopsAtWholeDeck)
{
    const auto random = engine::makeClockSeededRandomSource();
    const Hand hand = dealHand(60, *random);
    EXPECT_EQ(std::set<CardIndex>(hand.begin(), hand.end()).size(), 52U);
}

TEST(CardFromUniform, StaysInsideDeckForAnyValue)
{
    const std::vector<std::pair<float, CardIndex>> cases{{0.0f, 0},
                                                         {0.5f, 26},
                                                         {std::nextafter(1.0f, 0.0f), 51},
                                                         {1.0f, 51},
                                                         {7.5f, 51},
                                                         {-0.25f, 0},
                                                         {std::numeric_limits<float>::quiet_NaN(), 0}};
    for (const auto& [value, card] : cases)
        EXPECT_EQ(engine::cardFromUniform(value), card) << value;
}

TEST(ClockSeededRandomSource, ReseedsInQuickSuccessionGiveDifferentSequences)
{
    const auto random = engine::makeClockSeededRandomSource();
    const auto afterReseed = [&] {
        random->reseedFromClock();
        return std::array<float, 4>{random->next(), random->next(), random->next(), random->next()};
    };
    const auto first = afterReseed();
    EXPECT_NE(first, afterReseed());
}

TEST(ClockSeededRandomSource, EveryCardCanComeUpInEveryPosition)
{
    // A cell stays empty with probability (51/52)^20000 per run: a miss means bias, not bad luck.
    constexpr int kDeals = 20000;
    constexpr int kPositions = 21;
    const auto random = engine::makeClockSeededRandomSource();
    std::array<std::array<bool, engine::kCardCount>, kPositions> seen{};

    for (int deal = 0; deal < kDeals; ++deal) {
        const Hand hand = dealHand(kPositions, *random);
        for (int position = 0; position < kPositions; ++position)
            seen[position][hand[position]] = true;
    }

    for (int position = 0; position < kPositions; ++position) {
        for (int card = 0; card < engine::kCardCount; ++card)
            EXPECT_TRUE(seen[position][card]) << "position " << position + 1 << ", card " << card;
    }
}

TEST(SeededRandomSource, SameSeedDealsTheSameHandsAcrossReseedsAndAnotherSeedDoesNot)
{
    const auto deals = [](std::uint64_t seed) {
        const auto random = engine::makeSeededRandomSource(seed);
        std::vector<Hand> hands;
        for (int deal = 0; deal < 3; ++deal)
            hands.push_back(dealHand(21, *random));
        return hands;
    };
    const std::vector<Hand> first = deals(42);

    EXPECT_EQ(first, deals(42));
    EXPECT_NE(first, deals(43));
    EXPECT_NE(first[0], first[1]);
}

} // namespace
