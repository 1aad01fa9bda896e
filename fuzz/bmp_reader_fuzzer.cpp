// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/bmp_reader.h"
#include "richtext/metafile.h"
#include "richtext/metafile_reader.h"

#include <cstdint>
#include <cstdlib>
#include <span>

// A bitmap that reads must have the size it claims, and survive the trip through a metafile unchanged, as a
// card picture does on its way into the report.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto bitmap = engine::readBmp24(std::span(data, size));
    if (!bitmap) {
        if (bitmap.error.empty())
            std::abort();
        return 0;
    }
    if (bitmap.value->isEmpty() ||
        bitmap.value->rgb.size() != static_cast<std::size_t>(bitmap.value->width) * bitmap.value->height * 3)
        std::abort();
    if (const auto metafile = richtext::buildMetafile(*bitmap.value)) {
        if (richtext::decodeMetafile(*metafile) != *bitmap.value)
            std::abort();
    }
    return 0;
}
