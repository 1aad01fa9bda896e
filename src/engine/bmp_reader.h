// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/bitmap.h"
#include "richtext/value_or_error.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace engine {

using BitmapOrError = richtext::ValueOrError<richtext::Bitmap>;

// Decodes an uncompressed 24-bit BMP file (bottom-up or top-down rows). Anything else, and any
// file shorter than its headers promise, gives an error; nothing is read past the end of data.
BitmapOrError readBmp24(std::span<const std::uint8_t> data);

} // namespace engine
