// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_quoting.h"

namespace cli {

std::string quoteForMessage(std::string_view text)
{
    constexpr std::string_view hex = "0123456789abcdef";
    std::string quoted = "'";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // C1 controls (U+0080 to U+009F) act on many terminals just like ESC does.
        const bool c1Control =
            byte == 0xC2 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80;
        if (byte == '\\' || byte == '\'') {
            quoted += '\\';
            quoted += static_cast<char>(byte);
        } else if (byte == '\n') {
            quoted += "\\n";
        } else if (byte == '\t') {
            quoted += "\\t";
        } else if (byte < 0x20 || byte == 0x7F || c1Control) {
            const std::size_t count = c1Control ? 2 : 1;
            for (std::size_t k = 0; k < count; ++k) {
                const auto escaped = static_cast<unsigned char>(text[i + k]);
                quoted += "\\x";
                quoted += hex[escaped >> 4];
                quoted += hex[escaped & 0xF];
            }
            i += count - 1;
        } else {
            quoted += static_cast<char>(byte);
        }
    }
    return quoted + "'";
}

} // namespace cli
