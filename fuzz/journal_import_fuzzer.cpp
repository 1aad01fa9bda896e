// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/exchange.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// An import that is accepted must export and import again as the same readings, and export the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto first = journal::readJsonExport(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!first) {
        if (first.error.empty())
            std::abort();
        return 0;
    }
    const std::string json = journal::toJson(*first.value);
    const auto second = journal::readJsonExport(json);
    if (!second || *second.value != *first.value || journal::toJson(*second.value) != json)
        std::abort();
    journal::toCsv(*first.value);
    return 0;
}
