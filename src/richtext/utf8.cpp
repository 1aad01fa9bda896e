// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/utf8.h"

namespace richtext::utf8 {

namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the valid sequence at `index`, or 0 when it is malformed.
std::size_t validSequenceLength(std::string_view text, std::size_t index)
{
    const auto lead = static_cast<unsigned char>(text[index]);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (index + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[index + i]);
        if (!isContinuation(byte))
            return 0;
        value = (value << 6) | (byte & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

std::string sanitize(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t index = 0;
    while (index < text.size()) {
        // Runs of ASCII, nearly all of any report, are copied whole.
        std::size_t asciiEnd = index;
        while (asciiEnd < text.size() && static_cast<unsigned char>(text[asciiEnd]) < 0x80)
            ++asciiEnd;
        out.append(text.data() + index, asciiEnd - index);
        index = asciiEnd;
        if (index == text.size())
            break;
        const std::size_t length = validSequenceLength(text, index);
        if (length == 0) {
            appendCodePoint(out, kReplacementCharacter);
            ++index;
            continue;
        }
        out.append(text.substr(index, length));
        index += length;
    }
    return out;
}

std::size_t countCodePoints(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += isContinuation(static_cast<unsigned char>(c)) ? 0 : 1;
    return count;
}

std::size_t byteOffsetOf(std::string_view text, std::size_t codePointIndex)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuation(static_cast<unsigned char>(text[i])))
            continue;
        if (seen == codePointIndex)
            return i;
        ++seen;
    }
    return text.size();
}

char32_t decodeNext(std::string_view text, std::size_t& index)
{
    const auto lead = static_cast<unsigned char>(text[index++]);
    if (lead < 0x80)
        return lead;
    int continuation = 0;
    char32_t value = 0;
    if ((lead & 0xE0) == 0xC0) {
        continuation = 1;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        continuation = 2;
        value = lead & 0x0F;
    } else {
        continuation = 3;
        value = lead & 0x07;
    }
    for (int i = 0; i < continuation && index < text.size(); ++i)
        value = (value << 6) | (static_cast<unsigned char>(text[index++]) & 0x3F);
    return value;
}

void appendCodePoint(std::string& out, char32_t codePoint)
{
    if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        codePoint = kReplacementCharacter;
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

} // namespace richtext::utf8
