// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"

#include <optional>
#include <string>
#include <string_view>

namespace journal {

// Short form of a card as its face shows it: rank A, 2..10, K, Q, J (the Knight) and suit C, D, H, S ("QH", "10S").
std::string cardShortForm(engine::CardIndex card);
// The same with the suit's symbol ("Q♥", "10♠").
std::string cardSymbolForm(engine::CardIndex card);

// A card named by its full name ("Queen of Hearts") or short form ("QH", "10S", "TS", "jh"), any letter case.
std::optional<engine::CardIndex> cardFromWords(std::string_view text);

} // namespace journal
