// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

namespace assets {

inline constexpr int kSmallFaceCount = 52;

// The BMP file of item pictureNumber (1 to 52) of the small-face list; empty outside that range.
std::span<const std::uint8_t> smallFaceBmp(int pictureNumber);

} // namespace assets
