// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace journal {

// The full-text query for what a person typed into a search box, or empty for "every reading". Each word must
// match the start of a word in the name, spread name, question or notes; a card named in full ("Queen of
// Hearts") or short ("QH") also matches the readings holding it. Every word is quoted, so the text is only ever
// data to the query, never its syntax.
std::string searchExpression(std::string_view text);

} // namespace journal
