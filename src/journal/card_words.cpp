// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/card_words.h"

#include "engine/card_tokens.h"

#include <array>
#include <string_view>

namespace journal {

std::string cardSymbolForm(engine::CardIndex card)
{
    if (!engine::isCardIndex(card))
        return {};
    // Suits in deck order: Clubs, Diamonds, Hearts, Spades.
    constexpr std::array<std::string_view, 4> kSuitSymbols{"\u2663", "\u2666", "\u2665", "\u2660"};
    std::string form = engine::shortForm(card);
    form.pop_back();
    return form + std::string(kSuitSymbols[static_cast<std::size_t>(card / 13)]);
}

} // namespace journal
