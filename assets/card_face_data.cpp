// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_face_data.h"

#include "small_face_bytes.h"

namespace assets {

std::span<const std::uint8_t> smallFaceBmp(int pictureNumber)
{
    if (pictureNumber < 1 || pictureNumber > kSmallFaceCount)
        return {};
    return kSmallFaceBmps[static_cast<std::size_t>(pictureNumber - 1)];
}

} // namespace assets
