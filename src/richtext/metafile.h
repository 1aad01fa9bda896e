// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/bitmap.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace richtext {

// A Windows metafile (no placeable header) that draws the bitmap at its own size in an
// anisotropic window of the bitmap's pixel size. Nothing when the bitmap is empty, inconsistent
// or too large for the format.
std::optional<std::vector<std::uint8_t>> buildMetafile(const Bitmap& bitmap);

} // namespace richtext
