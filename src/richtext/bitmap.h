// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace richtext {

// A 24-bit picture: rows top to bottom, each pixel red, green, blue.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // width * height * 3 bytes

    bool isEmpty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const Bitmap&, const Bitmap&) = default;
};

} // namespace richtext
