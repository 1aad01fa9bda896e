// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/search_text.h"

#include "engine/card_tokens.h"

#include <vector>

namespace journal {
namespace {

constexpr std::string_view kTextColumns = "{name spread_name question notes}";

std::vector<std::string> words(std::string_view text)
{
    std::vector<std::string> result;
    std::string word;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
            if (!word.empty())
                result.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        result.push_back(std::move(word));
    return result;
}

// A word that holds no letter or digit gives the index nothing to look for; it is left out rather than
// allowed to match nothing. Bytes from 0x80 up belong to letters of other scripts.
bool hasWordCharacter(std::string_view word)
{
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
            byte >= 0x80)
            return true;
    }
    return false;
}

std::string quoted(std::string_view text)
{
    std::string result = "\"";
    for (const char c : text) {
        if (c == '"')
            result += '"';
        result += c;
    }
    return result + '"';
}

} // namespace

std::string searchExpression(std::string_view text)
{
    const std::vector<std::string> all = words(text);
    std::string expression;
    const auto append = [&expression](const std::string& term) {
        if (!expression.empty())
            expression += " AND ";
        expression += term;
    };
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i + 2 < all.size()) {
            const std::string phrase = all[i] + ' ' + all[i + 1] + ' ' + all[i + 2];
            if (const auto card = engine::parseCardToken(phrase)) {
                append("({cards} : " + quoted(std::to_string(*card)) + " OR " + std::string(kTextColumns) + " : " +
                       quoted(phrase) + ")");
                i += 2;
                continue;
            }
        }
        if (!hasWordCharacter(all[i]))
            continue;
        const std::string prefix = std::string(kTextColumns) + " : " + quoted(all[i]) + " *";
        if (const auto card = engine::parseCardToken(all[i]))
            append("({cards} : " + quoted(std::to_string(*card)) + " OR " + prefix + ")");
        else
            append(prefix);
    }
    return expression;
}

} // namespace journal
