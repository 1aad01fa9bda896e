// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/deck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <string_view>

namespace {

using engine::Card;
using engine::CardIndex;

bool isPrintableAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7f; });
}

// Names and time periods are typed out card by card, so check all 52 against the numbering rule.
TEST(Deck, EveryNameAndTimePeriodFollowsSuitAndRank)
{
    constexpr std::array<std::string_view, 4> suits{"Clubs", "Diamonds", "Hearts", "Spades"};
    constexpr std::array<std::string_view, 4> seasons{"the spring season", "fall", "the summer season",
                                                      "the winter season"};
    constexpr std::array<std::string_view, 13> ranks{"Ace",   "Two",  "Three", "Four", "Five",  "Six",   "Seven",
                                                     "Eight", "Nine", "Ten",   "King", "Queen", "Knight"};
    constexpr std::array<std::string_view, 13> weeks{"1st", "2nd", "3rd",  "4th",  "5th",  "6th", "7th",
                                                     "8th", "9th", "10th", "13th", "12th", "11th"};
    for (int index = 0; index < engine::kCardCount; ++index) {
        const Card& drawn = engine::card(static_cast<CardIndex>(index));
        const std::size_t suit = static_cast<std::size_t>(index / 13);
        const std::size_t rank = static_cast<std::size_t>(index % 13);
        EXPECT_EQ(drawn.name, std::string(ranks[rank]) + " of " + std::string(suits[suit])) << index;
        EXPECT_EQ(drawn.timePeriod, std::string(weeks[rank]) + " week of " + std::string(seasons[suit]) + ".") << index;
    }
}

TEST(Deck, ThreeAndSixOfSpadesShareTheirKeywords)
{
    EXPECT_EQ(engine::card(41).keywords, engine::card(44).keywords);
    EXPECT_EQ(engine::card(41).keywords,
              "Independent, self-destructive, conflicts, separation and starting a new phase of life.");
}

TEST(Deck, EveryTextIsOneLineOfPlainAsciiAndKeywordsEndWithAFullStop)
{
    for (const Card& entry : engine::deck()) {
        for (std::string_view text : {entry.name, entry.keywords, entry.timePeriod, entry.description})
            EXPECT_TRUE(isPrintableAscii(text)) << entry.name << ": " << text;
        EXPECT_TRUE(entry.keywords.ends_with('.')) << entry.name;
        EXPECT_NE(entry.keywords.find(", "), std::string_view::npos) << entry.name;
    }
}

// A stray index must not read past the table.
TEST(Deck, CardOutsideTheDeckIsBlank)
{
    for (CardIndex outside : {CardIndex{-1}, CardIndex{52}, CardIndex{1000}}) {
        EXPECT_TRUE(engine::card(outside).name.empty());
        EXPECT_TRUE(engine::card(outside).description.empty());
    }
}

TEST(FindCardByName, ExactNameFindsItsCard)
{
    for (int index = 0; index < engine::kCardCount; ++index)
        EXPECT_EQ(engine::findCardByName(engine::card(static_cast<CardIndex>(index)).name), index);
}

TEST(FindCardByName, NearMissesFindNothing)
{
    for (std::string_view name :
         {"knight of hearts", "Jack of Hearts", "Knight of Hearts ", "Knight of Heart", "KNIGHT OF HEARTS", ""})
        EXPECT_EQ(engine::findCardByName(name), std::nullopt) << name;
}

// No two rows agree in both opening and length, so no two cards share a description.
struct DescriptionCase {
    CardIndex index;
    std::string_view opening;
    std::size_t length;
};

constexpr DescriptionCase kDescriptions[] = {
    {0, "The best time to start a new business venture.", 560},
    {1, "The Two of the Clubs suit denotes that you", 574},
    {2, "The Three of Clubs denotes constant development. This is", 751},
    {3, "The Four of the Clubs indicates that you are", 702},
    {4, "The Five of Clubs denotes that at this period", 719},
    {5, "The Six of Clubs denotes that it is a", 750},
    {6, "The Seven of Clubs denotes that this is a", 606},
    {7, "The Eight of Clubs indicates that you are passing", 666},
    {8, "The Nine of Clubs indicates that finally you are", 721},
    {9, "The Ten of Clubs denotes that gradually you are", 680},
    {10, "The King of Clubs denotes leadership. It denotes a", 541},
    {11, "The Queen of Clubs denotes a person who is", 565},
    {12, "The Knight of Clubs represents a bosom friend. It", 591},
    {13, "The Ace of Diamonds symbolizes a positive change. It", 584},
    {14, "The Two of Diamonds represents a transitional phase. It", 677},
    {15, "The Three of Diamonds denotes that very recently you", 552},
    {16, "The Four in the Diamond suit symbolizes a positive", 571},
    {17, "The Five of Diamond represents financial instability. It denotes", 533},
    {18, "The Six of Diamonds represents that it is period", 484},
    {19, "The Seven of Diamonds reveals that you are passing", 572},
    {20, "The Eight of Diamonds represents that you are learning", 710},
    {21, "The Nine of Diamonds denotes a state of self", 678},
    {22, "The Ten of Diamonds represents a new phase in", 522},
    {23, "The King of Diamond denotes a 'patriarch' - one", 494},
    {24, "The Queen of the Diamonds represents a motherly figure.", 537},
    {25, "The Knight of Diamond symbolizes good luck in terms", 555},
    {26, "As the symbol itself denotes, the Ace of Hearts", 592},
    {27, "As the symbol itself denotes, the Two of Heart", 605},
    {28, "The Three in the Heart suit indicates the beginning", 591},
    {29, "The Four of Hearts denotes a sense of emotional", 650},
    {30, "The Five located in the suit of Hearts indicates", 543},
    {31, "The Six of Hearts denotes that you are showing", 565},
    {32, "As the symbol itself denotes, the Seven of Heart", 535},
    {33, "The Eight of Hearts indicates that there is something", 750},
    {34, "The Nine of Hearts relates to those matters which", 665},
    {35, "As the symbol itself denotes, the Ace of Hearts", 620},
    {36, "When the King is in the Hearts suit, it", 543},
    {37, "When the Queen is in the Hearts suit, it", 596},
    {38, "As the symbol itself denotes, the Knight of Heart", 595},
    {39, "The Ace of Spades symbolizes an upcoming difficult time", 587},
    {40, "The Two of Spades denotes that you are a", 621},
    {41, "The Three of Spades denotes destruction. It indicates that", 576},
    {42, "The Four of Spades indicates that you are liable", 644},
    {43, "The Five of Spades indicates that you are in", 469},
    {44, "The Six of Spades denotes destruction. It indicates that", 575},
    {45, "The Seven of Spades reflects your manipulative nature. It", 484},
    {46, "The Eight of Spades represents all kind of fears", 378},
    {47, "The Nine of Spades indicates a period which is", 667},
    {48, "The Ten of Spades symbolizes a period full of", 655},
    {49, "The King of Spades denotes the several worries and", 628},
    {50, "The Queen of Spades denotes the several worries and", 684},
    {51, "The Knight of Spades symbolizes all kind of worries", 697}};

void PrintTo(const DescriptionCase& entry, std::ostream* out)
{
    *out << "card " << entry.index;
}

class CardDescriptions : public testing::TestWithParam<DescriptionCase> {};

TEST_P(CardDescriptions, OpensWithItsWordsAndHasItsLength)
{
    const DescriptionCase& expected = GetParam();
    const std::string_view description = engine::card(expected.index).description;
    EXPECT_TRUE(description.starts_with(expected.opening)) << description;
    EXPECT_EQ(description.size(), expected.length);
}

INSTANTIATE_TEST_SUITE_P(Deck, CardDescriptions, testing::ValuesIn(kDescriptions),
                         [](const testing::TestParamInfo<DescriptionCase>& test) {
                             return "Card" + std::to_string(test.param.index);
                         });

} // namespace
