// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/document.h"
#include "richtext/metafile_reader.h"
#include "richtext/rtf_reader.h"
#include "richtext/web_addresses.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// Whatever reads must write out and read back as the same document, and write the same bytes again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    richtext::decodeMetafile(std::span(data, size));

    const auto first = richtext::readRtf(input);
    if (!first)
        return 0;
    const std::string rtf = first.value->toRtf();
    const auto second = richtext::readRtf(rtf);
    if (!second || !(*second.value == *first.value) || second.value->toRtf() != rtf)
        std::abort();

    const std::string text = first.value->plainText();
    for (const auto& range : richtext::findWebAddresses(text)) {
        if (range.length == 0 || range.start + range.length > text.size())
            std::abort();
    }

    richtext::Document edited = *first.value;
    edited.setSelection(size % (edited.length() + 1), size / 3);
    const std::string selected = edited.selectedText();
    edited.replaceSelection(selected);
    if (edited.plainText() != text)
        std::abort();
    return 0;
}
