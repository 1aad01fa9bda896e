// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"
#include "richtext/value_or_error.h"

#include <optional>
#include <string>

namespace engine {
class ReadingEngine;
}

namespace cli {

// Deals the reading (or reads the own cards, when given) into the desktop program's spread display and report view,
// kept off screen, and draws them with its renderer. Runs Qt for the call, on the offscreen platform unless one is
// named.
richtext::ValueOrError<std::string> dealReadingAsPdf(engine::ReadingEngine& reading, engine::SpreadIndex spread,
                                                     const std::optional<engine::Hand>& ownCards,
                                                     const char* programName);

} // namespace cli
