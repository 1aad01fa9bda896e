// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/metafile.h"

namespace richtext {

std::optional<std::vector<std::uint8_t>> buildMetafile(const Bitmap&)
{
    return std::nullopt;
}

std::optional<Bitmap> decodeMetafile(std::span<const std::uint8_t>)
{
    return std::nullopt;
}

} // namespace richtext
