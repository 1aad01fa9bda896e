// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/metafile.h"
#include "richtext/metafile_reader.h"

#include <cstdint>
#include <cstdlib>
#include <span>

// Whatever picture a metafile yields has the size it claims, and reads back the same once written again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto bitmap = richtext::decodeMetafile(std::span(data, size));
    if (!bitmap)
        return 0;
    if (bitmap->isEmpty() || bitmap->rgb.size() != static_cast<std::size_t>(bitmap->width) * bitmap->height * 3)
        std::abort();
    if (const auto metafile = richtext::buildMetafile(*bitmap)) {
        if (richtext::decodeMetafile(*metafile) != *bitmap)
            std::abort();
    }
    return 0;
}
