// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace richtext::utf8 {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The text with every malformed sequence, surrogate or overlong form replaced by U+FFFD.
std::string sanitize(std::string_view text);

// The following expect valid UTF-8.
std::size_t countCodePoints(std::string_view text);
// Byte offset of the code point with that index; the text's size when it has fewer.
std::size_t byteOffsetOf(std::string_view text, std::size_t codePointIndex);
// Decodes the code point starting at `index` and moves `index` past it.
char32_t decodeNext(std::string_view text, std::size_t& index);

// Surrogates and values beyond U+10FFFF are written as U+FFFD.
void appendCodePoint(std::string& out, char32_t codePoint);

} // namespace richtext::utf8
