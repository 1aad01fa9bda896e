// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Names for parameterised cases that read well and stay the same from build to build.
namespace testing_support {

// The text's letters and digits, each run of anything else as one '_' (gtest names allow nothing more).
inline std::string caseName(std::string_view text)
{
    std::string name;
    for (const char c : text) {
        const bool wordCharacter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (wordCharacter)
            name += c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    while (!name.empty() && name.back() == '_')
        name.pop_back();
    return name.empty() ? std::string("Empty") : name;
}

// For integer parameters: the prefix and the value, as in Spread7 or IndexMinus1.
inline auto numberedCases(std::string prefix)
{
    return [prefix](const auto& info) {
        const auto value = static_cast<long long>(info.param);
        return prefix + (value < 0 ? "Minus" + std::to_string(-value) : std::to_string(value));
    };
}

// For table cases that carry their own name in a field called name.
inline constexpr auto namedCases = [](const auto& info) { return std::string(info.param.name); };

} // namespace testing_support
