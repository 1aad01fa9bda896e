// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"

#include <string>

namespace engine {
class ReadingEngine;
}

namespace cli {

struct PdfOrError {
    std::string pdf;
    std::string error; // set when there is no document
};

// Deals the reading into the desktop program's spread display and report view, kept off screen, and
// draws them with its renderer. Runs Qt for the call, on the offscreen platform unless one is named.
PdfOrError dealReadingAsPdf(engine::ReadingEngine& reading, engine::SpreadIndex spread, const char* programName);

} // namespace cli
