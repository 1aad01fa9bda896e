// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/web_addresses.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// Addresses come in reading order without overlapping, hold only printable ASCII, do not end in sentence
// punctuation, and each is found again, whole, when it stands alone.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t previousEnd = 0;
    for (const richtext::WebAddressRange& range : richtext::findWebAddresses(text)) {
        if (range.length == 0 || range.start < previousEnd || range.start + range.length > text.size())
            std::abort();
        previousEnd = range.start + range.length;
        const std::string_view address = text.substr(range.start, range.length);
        for (const char c : address) {
            if (static_cast<unsigned char>(c) <= 0x20 || static_cast<unsigned char>(c) >= 0x7F)
                std::abort();
        }
        if (std::string_view(".,;:!?'*").find(address.back()) != std::string_view::npos)
            std::abort();
        const auto alone = richtext::findWebAddresses(address);
        if (alone.size() != 1 || alone[0].start != 0 || alone[0].length != address.size())
            std::abort();
    }
    return 0;
}
