// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace cli {

// The text in single quotes, with control characters, bytes that are not UTF-8, backslashes and quotes
// escaped, so a message that quotes it stays one line and sends nothing raw to the terminal.
std::string quoteForMessage(std::string_view text);

// A command-line argument for a message: quoted, and cut after a couple of hundred bytes, saying so, so that
// the message still reads as one line.
std::string quoteArgument(std::string_view text);

} // namespace cli
