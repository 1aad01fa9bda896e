// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// 13 x suit + rank; suits Clubs, Diamonds, Hearts, Spades; ranks Ace..Ten, King, Queen, Knight.
using CardIndex = std::int16_t;
// Position of a spread in the spread selector, 0 to 17.
using SpreadIndex = std::int16_t;
// The cards of the current reading; entry i lies in position i + 1.
using Hand = std::vector<CardIndex>;

inline constexpr int kCardCount = 52;
inline constexpr int kSpreadCount = 18;

// Slot k - 1 holds the text of combination rule k when it fired; slot 25 is never used.
using InterpretationSlots = std::array<std::string, 26>;
// Per rule, its card names in rule order, stored when the rule fires.
using RuleCards = std::array<std::vector<std::string_view>, 25>;

constexpr bool isCardIndex(CardIndex index)
{
    return index >= 0 && index < kCardCount;
}

// 1-based item number of a card in each face list.
constexpr int pictureNumber(CardIndex card)
{
    return card + 1;
}

} // namespace engine
