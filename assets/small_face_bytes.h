// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace assets {

// The 52 small-face BMP files, item 1 first; defined in the source generated at build time.
extern const std::array<std::span<const std::uint8_t>, 52> kSmallFaceBmps;

} // namespace assets
