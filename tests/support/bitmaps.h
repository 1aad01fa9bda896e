// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/bitmap.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Made-up pictures for the rich-text tests.
namespace testing_support {

inline richtext::Bitmap solidBitmap(int width, int height, std::uint8_t shade)
{
    return {width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width * height * 3), shade)};
}

// Bytes that change from one to the next, so that rows, channels and pictures of different seeds all differ.
inline richtext::Bitmap patternedBitmap(int width, int height, std::uint8_t seed = 7)
{
    richtext::Bitmap bitmap{width, height, {}};
    for (int i = 0; i < width * height * 3; ++i)
        bitmap.rgb.push_back(static_cast<std::uint8_t>(i * seed + 3));
    return bitmap;
}

} // namespace testing_support
