// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/card_tokens.h"

#include "engine/deck.h"

#include <array>
#include <cctype>

namespace engine {
namespace {

constexpr int kRanksPerSuit = 13;
constexpr std::string_view kSuitLetters = "CDHS";
// In deck order: Ace to Ten, King, Queen, Knight.
constexpr std::array<std::string_view, kRanksPerSuit> kRankForms = {"A", "2", "3",  "4", "5", "6", "7",
                                                                    "8", "9", "10", "K", "Q", "J"};

char upper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

char lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool isSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Lower case, spaces at the ends dropped and runs of spaces inside made one, so "Queen  of h" reads as typed.
std::string folded(std::string_view text, bool keepTrailingSpace)
{
    std::string result;
    bool pendingSpace = false;
    for (const char c : text) {
        if (isSpace(c)) {
            pendingSpace = !result.empty();
            continue;
        }
        if (pendingSpace)
            result += ' ';
        pendingSpace = false;
        result += lower(c);
    }
    if (pendingSpace && keepTrailingSpace)
        result += ' ';
    return result;
}

} // namespace

std::string shortForm(CardIndex card)
{
    if (!isCardIndex(card))
        return {};
    std::string form(kRankForms[static_cast<std::size_t>(card % kRanksPerSuit)]);
    form += kSuitLetters[static_cast<std::size_t>(card / kRanksPerSuit)];
    return form;
}

std::optional<CardIndex> cardFromShortForm(std::string_view text)
{
    if (text.size() < 2 || text.size() > 3)
        return std::nullopt;
    const std::size_t suit = kSuitLetters.find(upper(text.back()));
    if (suit == std::string_view::npos)
        return std::nullopt;
    std::string rank;
    for (const char c : text.substr(0, text.size() - 1))
        rank += upper(c);
    if (rank == "T")
        rank = "10";
    for (std::size_t index = 0; index < kRankForms.size(); ++index) {
        if (kRankForms[index] == rank)
            return static_cast<CardIndex>(suit * kRanksPerSuit + index);
    }
    return std::nullopt;
}

std::optional<CardIndex> parseCardToken(std::string_view text)
{
    text = trimmed(text);
    if (const auto card = cardFromShortForm(text))
        return card;
    const std::string wanted = folded(text, false);
    for (CardIndex index = 0; index < kCardCount; ++index) {
        if (folded(card(index).name, false) == wanted)
            return index;
    }
    return std::nullopt;
}

std::vector<CardIndex> cardsNamedLike(std::string_view prefix)
{
    // A space typed after a word narrows "ace" to "ace " and must keep matching.
    const std::string wanted = folded(prefix, true);
    std::vector<CardIndex> cards;
    if (wanted.empty())
        return cards;
    for (CardIndex index = 0; index < kCardCount; ++index) {
        if (folded(card(index).name, false).starts_with(wanted))
            cards.push_back(index);
    }
    return cards;
}

CardListResult parseCardList(std::string_view list, int count)
{
    CardListResult result;
    std::array<int, kCardCount> positionOf{}; // 0 while a card is not in the list yet
    std::size_t start = 0;
    int position = 0;
    while (start <= list.size()) {
        const std::size_t comma = list.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? list.size() : comma;
        const std::string_view token = trimmed(list.substr(start, end - start));
        start = end + 1;
        ++position;
        if (position > count) {
            result.problem = CardListProblem{CardListProblem::Kind::TooMany, position, std::string(token), 0, -1};
            return result;
        }
        const std::optional<CardIndex> card = parseCardToken(token);
        if (!card) {
            result.problem = CardListProblem{CardListProblem::Kind::UnknownCard, position, std::string(token), 0, -1};
            return result;
        }
        int& seenAt = positionOf[static_cast<std::size_t>(*card)];
        if (seenAt != 0) {
            result.problem =
                CardListProblem{CardListProblem::Kind::Repeated, position, std::string(token), seenAt, *card};
            return result;
        }
        seenAt = position;
        result.hand.push_back(*card);
    }
    if (position < count)
        result.problem = CardListProblem{CardListProblem::Kind::TooFew, position + 1, {}, 0, -1};
    return result;
}

} // namespace engine
