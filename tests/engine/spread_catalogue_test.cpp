// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/spread_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>

namespace {

using engine::Spread;
using engine::SpreadIndex;

constexpr std::string_view kLineBreak = "\r\n";

const Spread& spreadAt(int index)
{
    return engine::spreadCatalogue()[static_cast<std::size_t>(index)];
}

struct SpreadCase {
    SpreadIndex index;
    std::string_view name;
    int cardCount;
    std::string_view opening;
    std::size_t firstParagraphLength;
    std::size_t placingInstructionLength; // 0 when the description is one paragraph
};

constexpr SpreadCase kSpreads[] = {
    {0, "Single Card Lay", 1, "As the name implies, this typical layout involves a", 480, 0},
    {1, "The Answer Spread", 6, "Answer spread is similar to the 3 cards spread.", 261, 0},
    {2, "3 Card Spread", 3, "The 3 cards spread is such a type of", 296, 0},
    {3, "5 Card Spread", 5, "A type of spread which answers specific questions", 134, 0},
    {4, "6 Card Spread", 6, "Six spread is a short and basic card layout.", 324, 148},
    {5, "7 Card Spread", 7, "A type of spread which answers specific questions", 135, 0},
    {6, "9 Card Spread", 9, "The 9cards spread is such a type of spread", 268, 0},
    {7, "15 Card Spread", 15, "If you have limited time in hand and you want to go", 196, 126},
    {8, "Relationship Spread", 10, "As the name of the spread itself implies, this", 282, 187},
    {9, "Chakra Spread", 7, "It is known that the Chakras are the energy", 304, 76},
    {10, "The Celtic Cross Spread", 10, "The Celtic Cross spread is one of the most", 334, 0},
    {11, "The Qabalistic Tree of Life Spread", 10, "Among all the other spreads, the Qabalistic Tree of", 286, 0},
    {12, "Horseshoe Spread", 7, "This particular spread is one of the best spreads", 218, 0},
    {13, "Pyramid Spread", 10, "Pyramid spread is considered to be one of the best", 177, 0},
    {14, "Numerology Grid", 9, "Numerology Spread is also one of the mostly used", 292, 0},
    {15, "Zodiac Casting", 12, "In the Zodiac spread, the cards are led out", 301, 0},
    {16, "Astrological/Destiny Square Layout", 13, "In the Destiny spread, the cards are led out", 302, 185},
    {17, "Gypsy / Romany Spread", 21, "This spread is being practiced by people for more", 479, 73},
};

void PrintTo(const SpreadCase& entry, std::ostream* out)
{
    *out << "spread " << entry.index << " \"" << entry.name << '"';
}

class SpreadEntries : public testing::TestWithParam<SpreadCase> {};

TEST_P(SpreadEntries, NameAndCardCountMatchTheSelectorEntry)
{
    const SpreadCase& expected = GetParam();
    const Spread* spread = engine::findSpread(expected.index);
    ASSERT_NE(spread, nullptr);
    EXPECT_EQ(spread, &spreadAt(expected.index));
    EXPECT_EQ(spread->name, expected.name);
    // Only the Destiny Square spaces its slash differently in the report heading.
    EXPECT_EQ(spread->title, expected.index == 16 ? "Astrological / Destiny Square Layout" : expected.name);
    EXPECT_EQ(spread->cardCount, expected.cardCount);
    EXPECT_EQ(engine::cardCountOf(expected.index), expected.cardCount);
    EXPECT_EQ(spread->positionMeanings.size(), static_cast<std::size_t>(expected.cardCount));
}

TEST_P(SpreadEntries, DescriptionOpensWithItsWordsAndKeepsItsParagraphLengths)
{
    const SpreadCase& expected = GetParam();
    const std::string_view description = spreadAt(expected.index).description;
    EXPECT_TRUE(description.starts_with(expected.opening)) << description;

    const std::size_t lineBreak = description.find(kLineBreak);
    if (expected.placingInstructionLength == 0) {
        EXPECT_EQ(lineBreak, std::string_view::npos);
        EXPECT_EQ(description.size(), expected.firstParagraphLength);
        return;
    }
    ASSERT_NE(lineBreak, std::string_view::npos);
    EXPECT_EQ(lineBreak, expected.firstParagraphLength);
    EXPECT_EQ(description.size() - lineBreak - kLineBreak.size(), expected.placingInstructionLength);
}

// Only the Single Card Lay and the Destiny Square's last position have no meaning.
TEST_P(SpreadEntries, EveryWrittenMeaningNamesItsOwnPosition)
{
    const SpreadIndex index = GetParam().index;
    const Spread& spread = spreadAt(index);
    for (std::size_t entry = 0; entry < spread.positionMeanings.size(); ++entry) {
        const std::string_view meaning = spread.positionMeanings[entry];
        const bool expectEmpty = (index == 0 && entry == 0) || (index == 16 && entry == 12);
        EXPECT_EQ(meaning.empty(), expectEmpty) << "position " << entry + 1;
        if (meaning.empty())
            continue;
        const std::string prefix = "Card " + std::to_string(entry + 1);
        ASSERT_TRUE(meaning.starts_with(prefix)) << meaning;
        // "Card 1" must not be the start of "Card 12".
        ASSERT_GT(meaning.size(), prefix.size());
        EXPECT_FALSE(meaning[prefix.size()] >= '0' && meaning[prefix.size()] <= '9') << meaning;
    }
}

static_assert(std::size(kSpreads) == engine::kSpreadCount);

INSTANTIATE_TEST_SUITE_P(SpreadCatalogue, SpreadEntries, testing::ValuesIn(kSpreads),
                         [](const testing::TestParamInfo<SpreadCase>& test) {
                             return "Spread" + std::to_string(test.param.index);
                         });

TEST(SpreadCatalogue, SixCardSpreadJoinsItsPlacingInstructionWithCrLf)
{
    const std::string_view description = spreadAt(4).description;
    EXPECT_TRUE(description.ends_with(".\r\nFirst shuffle the cards and make a pick. This is your significator card. "
                                      "Place it below and then spread the six cards above it in a horizontal line."));
}

TEST(SpreadCatalogue, FiveAndSevenCardSpreadsDifferOnlyInTheirCardCountWord)
{
    std::string five(spreadAt(3).description);
    five.replace(five.find("five"), 4, "seven");
    EXPECT_EQ(five, spreadAt(5).description);
}

TEST(SpreadCatalogue, MeaningsKeepTheirIrregularSpacing)
{
    EXPECT_EQ(spreadAt(12).positionMeanings[4],
              "Card 5  tells you about the different hindrances or obstacles which you have to overcome.");
}

TEST(SpreadCatalogue, TextsArePlainAsciiWithNoLineBreakButTheParagraphJoin)
{
    const auto printable = [](std::string_view text) {
        return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7f; });
    };
    for (const Spread& spread : engine::spreadCatalogue()) {
        EXPECT_TRUE(printable(spread.name) && printable(spread.title)) << spread.name;
        std::string description(spread.description);
        if (const std::size_t join = description.find(kLineBreak); join != std::string::npos)
            description.erase(join, kLineBreak.size());
        EXPECT_TRUE(printable(description)) << spread.name;
        for (std::string_view meaning : spread.positionMeanings)
            EXPECT_TRUE(printable(meaning)) << meaning;
    }
}

TEST(FindSpread, IndexOutsideTheSelectorFindsNothing)
{
    for (SpreadIndex outside : {SpreadIndex{-1}, SpreadIndex{18}, SpreadIndex{300}}) {
        EXPECT_EQ(engine::findSpread(outside), nullptr);
        EXPECT_EQ(engine::cardCountOf(outside), 0);
    }
}

} // namespace
