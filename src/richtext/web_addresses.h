// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace richtext {

// Byte range of a web address inside a UTF-8 text.
struct WebAddressRange {
    std::size_t start = 0;
    std::size_t length = 0;
    friend bool operator==(const WebAddressRange&, const WebAddressRange&) = default;
};

// Web addresses in reading order: "scheme://host..." and host names starting with "www.".
// Trailing full stops, commas and closing punctuation that end a sentence are left out.
std::vector<WebAddressRange> findWebAddresses(std::string_view text);

} // namespace richtext
