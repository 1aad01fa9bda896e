// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/dealing.h"

#include "support/scripted_random_source.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <set>

using engine::CardIndex;
using engine::dealHand;
using engine::Hand;
using testing_support::ScriptedRandomSource;

namespace {

TEST(DealHand, DrawsOnceAfterEachReseedWhenNoCardRepeats)
{
    auto random = ScriptedRandomSource::forCards({4, 17, 30, 43, 51, 0});

    const Hand hand = dealHand(6, random);

    EXPECT_EQ(hand, (Hand{4, 17, 30, 43, 51, 0}));
    EXPECT_EQ(random.drawCount, 6);
    EXPECT_EQ(random.drawsAtReseed, (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST(DealHand, RedrawsDuplicateWithoutReseeding)
{
    auto random = ScriptedRandomSource::forCards({5, 5, 7, 9});

    const Hand hand = dealHand(3, random);

    EXPECT_EQ(hand, (Hand{5, 7, 9}));
    // Position 2 needed two draws; the reseed for position 3 came only after both.
    EXPECT_EQ(random.drawsAtReseed, (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(random.drawCount, 4);
}

TEST(DealHand, ComparesAgainFromFirstEntryAfterRedraw)
{
    // Position 3 draws 2 (equal to entry 1), then 1 (equal to entry 0, which lies before the entry
    // that matched), then 3.
    auto random = ScriptedRandomSource::forCards({1, 2, 2, 1, 3});

    const Hand hand = dealHand(3, random);

    EXPECT_EQ(hand, (Hand{1, 2, 3}));
    EXPECT_EQ(random.drawCount, 5);
    EXPECT_EQ(random.reseedCount, 3);
}

TEST(DealHand, DrawsForPositionAreOnePlusDuplicatesMet)
{
    // Position 4 meets the three dealt cards once each before card 8 comes up.
    auto random = ScriptedRandomSource::forCards({20, 21, 22, 22, 20, 21, 8});

    const Hand hand = dealHand(4, random);

    EXPECT_EQ(hand, (Hand{20, 21, 22, 8}));
    EXPECT_EQ(random.drawsAtReseed, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(random.drawCount - random.drawsAtReseed.back(), 1 + 3);
}

TEST(DealHand, SingleCardMakesOneDrawAfterOneReseed)
{
    auto random = ScriptedRandomSource::forCards({51, 51});

    const Hand hand = dealHand(1, random);

    EXPECT_EQ(hand, (Hand{51}));
    EXPECT_EQ(random.drawCount, 1);
    EXPECT_EQ(random.reseedCount, 1);
}

TEST(DealHand, NoPositionsDrawsNothing)
{
    for (const int count : {0, -1, std::numeric_limits<int>::min()}) {
        auto random = ScriptedRandomSource::forCards({3});
        EXPECT_TRUE(dealHand(count, random).empty()) << count;
        EXPECT_EQ(random.drawCount, 0) << count;
        EXPECT_EQ(random.reseedCount, 0) << count;
    }
}

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

    ASSERT_EQ(hand.size(), 52U);
    EXPECT_EQ(std::set<CardIndex>(hand.begin(), hand.end()).size(), 52U);
}

struct UniformCase {
    float value;
    CardIndex card;
};

class CardFromUniform : public testing::TestWithParam<UniformCase> {};

TEST_P(CardFromUniform, MapsValueToCardInsideDeck)
{
    EXPECT_EQ(engine::cardFromUniform(GetParam().value), GetParam().card);
}

INSTANTIATE_TEST_SUITE_P(Values, CardFromUniform,
                         testing::Values(UniformCase{0.0f, 0}, UniformCase{0.5f, 26}, UniformCase{0.999f, 51},
                                         UniformCase{std::nextafter(1.0f, 0.0f), 51}, UniformCase{1.0f, 51},
                                         UniformCase{7.5f, 51}, UniformCase{-0.25f, 0},
                                         UniformCase{std::numeric_limits<float>::quiet_NaN(), 0}));

TEST(ClockSeededRandomSource, ValuesStayInUnitInterval)
{
    const auto random = engine::makeClockSeededRandomSource();
    for (int draw = 0; draw < 100000; ++draw) {
        const float value = random->next();
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
    }
}

TEST(ClockSeededRandomSource, ReseedsInQuickSuccessionGiveDifferentSequences)
{
    const auto random = engine::makeClockSeededRandomSource();
    const auto firstValues = [&] {
        random->reseedFromClock();
        std::array<float, 4> values{};
        for (float& value : values)
            value = random->next();
        return values;
    };

    const auto first = firstValues();
    const auto second = firstValues();

    EXPECT_NE(first, second);
}

TEST(ClockSeededRandomSource, TwoSourcesMadeTogetherDiffer)
{
    const auto one = engine::makeClockSeededRandomSource();
    const auto other = engine::makeClockSeededRandomSource();

    const std::array<float, 3> fromOne{one->next(), one->next(), one->next()};
    const std::array<float, 3> fromOther{other->next(), other->next(), other->next()};
    EXPECT_NE(fromOne, fromOther);
}

TEST(ClockSeededRandomSource, EveryCardCanComeUpInEveryPosition)
{
    // Each of the 21 x 52 cells is hit with probability about 1 - (51/52)^20000 per run: a miss
    // means the generator or the dealing is biased, not bad luck.
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

} // namespace
