// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"

#include <array>
#include <span>
#include <string_view>

namespace engine {

struct Spread {
    std::string_view name;  // entry in the spread selector
    std::string_view title; // heading in the reading and on the spread display
    int cardCount = 0;
    std::string_view description;                       // one paragraph, or two joined by CR LF
    std::span<const std::string_view> positionMeanings; // cardCount entries, may be empty texts
};

using SpreadCatalogue = std::array<Spread, kSpreadCount>;

const SpreadCatalogue& spreadCatalogue();
// nullptr when index is outside 0 to 17.
const Spread* findSpread(SpreadIndex index);
// Spread::cardCount, or 0 when index is outside 0 to 17.
int cardCountOf(SpreadIndex index);

} // namespace engine
