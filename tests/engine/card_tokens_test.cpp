// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/card_tokens.h"

#include "engine/deck.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

using engine::CardIndex;
using engine::CardListProblem;

namespace {

struct TokenCase {
    const char* name;
    const char* token;
    int card; // -1: no card
};

class CardToken : public testing::TestWithParam<TokenCase> {};

TEST_P(CardToken, ReadsAsItsCard)
{
    const auto card = engine::parseCardToken(GetParam().token);
    EXPECT_EQ(card ? *card : -1, GetParam().card);
}

INSTANTIATE_TEST_SUITE_P(Tokens, CardToken,
                         testing::Values(TokenCase{"QueenOfHearts", "QH", 37}, TokenCase{"LowerCase", "qh", 37},
                                         TokenCase{"TenAsDigits", "10S", 48}, TokenCase{"TenAsT", "ts", 48},
                                         TokenCase{"AceOfClubs", "AC", 0}, TokenCase{"JIsTheKnight", "JH", 38},
                                         TokenCase{"KingOfDiamonds", "kd", 23}, TokenCase{"SpacesAround", "  2c ", 1},
                                         TokenCase{"WholeName", "knight of spades", 51},
                                         TokenCase{"NameWithExtraSpaces", "Ace  of Hearts", 26},
                                         TokenCase{"OneIsNoRank", "1S", -1}, TokenCase{"NoSuit", "Q", -1},
                                         TokenCase{"BadSuit", "QX", -1}, TokenCase{"ElevenIsNoRank", "11H", -1},
                                         TokenCase{"NamePrefixIsNoCard", "Queen of", -1}, TokenCase{"Empty", "", -1}),
                         testing_support::namedCases);

TEST(CardToken, EveryShortFormReadsBackAsItsCard)
{
    for (CardIndex card = 0; card < engine::kCardCount; ++card)
        EXPECT_EQ(engine::cardFromShortForm(engine::shortForm(card)), card) << engine::shortForm(card);
}

TEST(CardsNamedLike, NarrowsAsTheNameIsTyped)
{
    EXPECT_EQ(engine::cardsNamedLike("queen of h"), std::vector<CardIndex>{37});
    EXPECT_EQ(engine::cardsNamedLike("QUEEN  OF "), (std::vector<CardIndex>{11, 24, 37, 50}));
    // "t" is the start of Two, Three and Ten, in deck order.
    EXPECT_EQ(engine::cardsNamedLike("t").front(), 1);
    EXPECT_EQ(engine::cardsNamedLike("t").size(), 12U);
    EXPECT_TRUE(engine::cardsNamedLike(" ").empty());
    EXPECT_TRUE(engine::cardsNamedLike("jack").empty());
}

TEST(CardList, ReadsAHandInPositionOrder)
{
    const engine::CardListResult result = engine::parseCardList("QH, 10S ,2c", 3);
    EXPECT_FALSE(result.problem);
    EXPECT_EQ(result.hand, (engine::Hand{37, 48, 1}));
}

} // namespace
