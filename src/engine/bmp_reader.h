// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/bitmap.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace engine {

struct BitmapOrError {
    std::optional<richtext::Bitmap> bitmap;
    std::string error; // set when there is no bitmap
    explicit operator bool() const { return bitmap.has_value(); }
};

// Decodes an uncompressed 24-bit BMP file (bottom-up or top-down rows). Anything else, and any
// file shorter than its headers promise, gives an error; nothing is read past the end of data.
BitmapOrError readBmp24(std::span<const std::uint8_t> data);

} // namespace engine
