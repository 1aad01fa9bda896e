// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/bitmap.h"

#include <cstdint>
#include <optional>
#include <span>

namespace richtext {

// The first device-independent bitmap a metafile draws (24 or 32 bits, uncompressed), or nothing.
std::optional<Bitmap> decodeMetafile(std::span<const std::uint8_t> metafile);

} // namespace richtext
