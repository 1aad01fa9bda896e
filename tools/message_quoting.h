// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace cli {

// The text in single quotes, with control characters, backslashes and quotes escaped, so a message that
// quotes it stays one line and sends nothing raw to the terminal.
std::string quoteForMessage(std::string_view text);

} // namespace cli
