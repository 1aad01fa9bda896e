// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/picture_embedding.h"

#include "richtext/document.h"

namespace richtext {

std::string byteToHex(std::uint8_t value)
{
    constexpr char digits[] = "0123456789ABCDEF";
    return {digits[value >> 4], digits[value & 0x0F]};
}

std::optional<std::string> pictureToRtf(const Bitmap&, double, double)
{
    return std::nullopt;
}

bool insertPicture(Document&, const Bitmap&)
{
    return false;
}

} // namespace richtext
