// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_quoting.h"

#include <algorithm>

namespace cli {

namespace {

// Bytes in the well-formed UTF-8 sequence the text starts with (1 for ASCII), or 0 when it starts with a byte
// that begins none: a stray continuation byte, an overlong form, a surrogate, a cut sequence.
std::size_t validUtf8SequenceLength(std::string_view text)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

std::string quoteForMessage(std::string_view text)
{
    constexpr std::string_view hex = "0123456789abcdef";
    std::string quoted = "'";
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t sequence = validUtf8SequenceLength(text.substr(i));
        // C1 controls (U+0080 to U+009F) act on many terminals just like ESC does; so do stray bytes 0x80 to
        // 0x9F (0x9B is CSI) on a terminal that is not set to UTF-8.
        const bool c1Control = byte == 0xC2 && sequence == 2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (byte == '\\' || byte == '\'') {
            quoted += '\\';
            quoted += static_cast<char>(byte);
        } else if (byte == '\n') {
            quoted += "\\n";
        } else if (byte == '\t') {
            quoted += "\\t";
        } else if (byte < 0x20 || byte == 0x7F || c1Control || sequence == 0) {
            for (std::size_t k = 0; k < std::max<std::size_t>(sequence, 1); ++k) {
                const auto escaped = static_cast<unsigned char>(text[i + k]);
                quoted += "\\x";
                quoted += hex[escaped >> 4];
                quoted += hex[escaped & 0xF];
            }
        } else {
            quoted += text.substr(i, sequence);
        }
        i += std::max<std::size_t>(sequence, 1);
    }
    return quoted + "'";
}

std::string quoteArgument(std::string_view text)
{
    constexpr std::size_t kLongest = 200;
    if (text.size() <= kLongest)
        return quoteForMessage(text);
    std::size_t cut = kLongest;
    // Not inside a UTF-8 sequence.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return quoteForMessage(text.substr(0, cut)) + "... (cut; " + std::to_string(text.size()) + " bytes in all)";
}

} // namespace cli
