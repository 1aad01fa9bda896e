// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/web_addresses.h"

#include <algorithm>

namespace richtext {

namespace {

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isAsciiAlnum(char c)
{
    return isAsciiLetter(c) || (c >= '0' && c <= '9');
}

// Printable ASCII that may stand in an address; spaces, quotes and angle brackets end it.
bool isAddressCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte >= 0x7F)
        return false;
    switch (c) {
    case '<':
    case '>':
    case '"':
    case '{':
    case '}':
    case '|':
    case '\\':
    case '^':
    case '`':
        return false;
    default:
        return true;
    }
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b);
    });
}

struct SchemeScan {
    std::size_t length = 0; // of "scheme://" at the start of the text, or 0
    std::size_t runEnd = 0; // where the run of scheme characters stops
};

SchemeScan scanScheme(std::string_view text)
{
    if (text.empty() || !isAsciiLetter(text[0]))
        return {};
    std::size_t i = 1;
    while (i < text.size() && (isAsciiAlnum(text[i]) || text[i] == '+' || text[i] == '-' || text[i] == '.'))
        ++i;
    return {text.substr(i, 3) == "://" ? i + 3 : 0, i};
}

// Sentence punctuation after an address belongs to the sentence; brackets only when unbalanced.
std::size_t trimmedEnd(std::string_view text, std::size_t start, std::size_t end, std::size_t minimumEnd)
{
    const std::string_view address = text.substr(start, end - start);
    auto unmatchedParentheses =
        std::count(address.begin(), address.end(), ')') - std::count(address.begin(), address.end(), '(');
    auto unmatchedBrackets =
        std::count(address.begin(), address.end(), ']') - std::count(address.begin(), address.end(), '[');
    while (end > minimumEnd) {
        const char last = text[end - 1];
        if (last == ')' && unmatchedParentheses > 0) {
            --unmatchedParentheses;
        } else if (last == ']' && unmatchedBrackets > 0) {
            --unmatchedBrackets;
        } else if (std::string_view(".,;:!?'*").find(last) == std::string_view::npos) {
            break;
        }
        --end;
    }
    return end;
}

} // namespace

std::vector<WebAddressRange> findWebAddresses(std::string_view text)
{
    std::vector<WebAddressRange> found;
    std::size_t i = 0;
    // Every start inside one run of scheme characters meets the same end and the same "://" (or none), so
    // each run is scanned once; scanning it again from each '+' made text like "a+a+a+..." quadratic.
    std::size_t noSchemeBefore = 0;
    std::size_t runSchemeEnd = 0; // just past the run's "://", or 0 when it has none
    while (i < text.size()) {
        const bool boundary = i == 0 || !(isAsciiAlnum(text[i - 1]) || text[i - 1] == '.' || text[i - 1] == '@' ||
                                          text[i - 1] == '-' || text[i - 1] == '/' || text[i - 1] == '_');
        std::size_t prefix = 0;
        if (boundary) {
            if (i >= noSchemeBefore) {
                const SchemeScan scheme = scanScheme(text.substr(i));
                prefix = scheme.length;
                noSchemeBefore = i + scheme.runEnd;
                runSchemeEnd = scheme.length == 0 ? 0 : i + scheme.length;
            } else if (runSchemeEnd != 0 && isAsciiLetter(text[i])) {
                // As a scan from here would: "svn+www.x://" is a scheme without a host, not "www.x://".
                prefix = runSchemeEnd - i;
            }
            if (prefix == 0 && startsWithNoCase(text.substr(i), "www."))
                prefix = 4;
        }
        // The address needs a host: at least one letter or digit after the prefix.
        if (prefix == 0 || i + prefix >= text.size() || !isAsciiAlnum(text[i + prefix])) {
            ++i;
            continue;
        }
        std::size_t end = i + prefix;
        while (end < text.size() && isAddressCharacter(text[end]))
            ++end;
        end = trimmedEnd(text, i, end, i + prefix + 1);
        found.push_back({i, end - i});
        i = end;
    }
    return found;
}

} // namespace richtext
