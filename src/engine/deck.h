// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"

#include <array>
#include <optional>
#include <string_view>

namespace engine {

struct Card {
    std::string_view name;
    std::string_view keywords;
    std::string_view timePeriod;
    std::string_view description;
};

using Deck = std::array<Card, kCardCount>;

const Deck& deck();
// card must be in 0 to 51.
const Card& card(CardIndex index);
// Exact, case-sensitive match on Card::name.
std::optional<CardIndex> findCardByName(std::string_view name);

// The tables are constant data, complete before main(); kept as the call the readers expect.
void fillReadingTables();

} // namespace engine
