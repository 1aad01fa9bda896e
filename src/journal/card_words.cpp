// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/card_words.h"

#include "engine/deck.h"

#include <array>
#include <cctype>

namespace journal {
namespace {

// Rank order within a suit: Ace, Two..Ten, King, Queen, Knight (whose face shows J).
constexpr std::array<std::string_view, 13> kRankMarks{"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "K", "Q", "J"};
constexpr std::array<char, 4> kSuitLetters{'C', 'D', 'H', 'S'};
constexpr std::array<std::string_view, 4> kSuitSymbols{"\u2663", "\u2666", "\u2665", "\u2660"};

std::string upper(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

} // namespace

std::string cardShortForm(engine::CardIndex card)
{
    if (!engine::isCardIndex(card))
        return {};
    return std::string(kRankMarks[card % 13]) + kSuitLetters[card / 13];
}

std::string cardSymbolForm(engine::CardIndex card)
{
    if (!engine::isCardIndex(card))
        return {};
    return std::string(kRankMarks[card % 13]) + std::string(kSuitSymbols[card / 13]);
}

std::optional<engine::CardIndex> cardFromWords(std::string_view text)
{
    const std::string wanted = upper(text);
    if (wanted.size() >= 2 && wanted.size() <= 3) {
        const std::string_view rank = std::string_view(wanted).substr(0, wanted.size() - 1);
        const char suit = wanted.back();
        for (int s = 0; s < 4; ++s) {
            if (kSuitLetters[s] != suit)
                continue;
            for (int r = 0; r < 13; ++r) {
                if (rank == kRankMarks[r] || (r == 9 && rank == "T"))
                    return static_cast<engine::CardIndex>(13 * s + r);
            }
        }
    }
    for (int index = 0; index < engine::kCardCount; ++index) {
        if (upper(engine::card(static_cast<engine::CardIndex>(index)).name) == wanted)
            return static_cast<engine::CardIndex>(index);
    }
    return std::nullopt;
}

} // namespace journal
