// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"

#include <string>

namespace journal {

// A card's short form with its suit's symbol instead of the letter ("Q♥", "10♠"; J is the Knight). Short forms
// with letters and card names as people type them are read by engine/card_tokens.h.
std::string cardSymbolForm(engine::CardIndex card);

} // namespace journal
