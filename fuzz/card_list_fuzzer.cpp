// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/card_tokens.h"

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

// A list that reads must be a hand of that many different cards; one that does not must say where it went wrong.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int count = 1 + data[0] % 21;
    const std::string_view list(reinterpret_cast<const char*>(data + 1), size - 1);

    const engine::CardListResult result = engine::parseCardList(list, count);
    if (!result.problem) {
        const std::set<engine::CardIndex> different(result.hand.begin(), result.hand.end());
        if (static_cast<int>(result.hand.size()) != count || static_cast<int>(different.size()) != count)
            std::abort();
        for (const engine::CardIndex card : result.hand) {
            if (!engine::isCardIndex(card) || engine::parseCardToken(engine::shortForm(card)) != card)
                std::abort();
        }
    } else if (result.problem->position < 1 || result.problem->position > count + 1) {
        std::abort();
    }

    for (const engine::CardIndex card : engine::cardsNamedLike(list)) {
        if (!engine::isCardIndex(card))
            std::abort();
    }
    return 0;
}
