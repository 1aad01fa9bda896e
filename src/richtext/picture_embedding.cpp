// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/picture_embedding.h"

#include "richtext/document.h"
#include "richtext/metafile.h"

#include <cmath>
#include <memory>

namespace richtext {

namespace {

constexpr std::size_t kBytesPerLine = 39;
constexpr double kDefaultTwipsPerPixel = 15;
constexpr long long kHimetricPerInch = 2540;
constexpr long long kScreenDpi = 96;

long long himetric(int pixels)
{
    return (pixels * kHimetricPerInch + kScreenDpi / 2) / kScreenDpi;
}

// Goal sizes must be whole numbers to be valid RTF.
long long goal(int pixels, double twipsPerPixel)
{
    if (!std::isfinite(twipsPerPixel) || twipsPerPixel <= 0 || twipsPerPixel > 1440)
        twipsPerPixel = kDefaultTwipsPerPixel;
    return std::llround(pixels * twipsPerPixel);
}

} // namespace

std::string byteToHex(std::uint8_t value)
{
    constexpr char digits[] = "0123456789ABCDEF";
    return {digits[value >> 4], digits[value & 0x0F]};
}

std::optional<std::string> pictureToRtf(const Bitmap& bitmap, double twipsPerPixelX, double twipsPerPixelY)
{
    const auto metafile = buildMetafile(bitmap);
    if (!metafile)
        return std::nullopt;

    std::string group = "{\\pict\\wmetafile8";
    group += "\\picw" + std::to_string(himetric(bitmap.width));
    group += "\\pich" + std::to_string(himetric(bitmap.height));
    group += "\\picwgoal" + std::to_string(goal(bitmap.width, twipsPerPixelX));
    group += "\\pichgoal" + std::to_string(goal(bitmap.height, twipsPerPixelY));
    group += ' ';

    constexpr char digits[] = "0123456789abcdef";
    const std::size_t size = metafile->size();
    group.reserve(group.size() + size * 2 + (size / kBytesPerLine + 2) * 2 + 3);
    for (std::size_t i = 0; i < size; ++i) {
        if (i % kBytesPerLine == 0)
            group += "\r\n";
        const std::uint8_t byte = (*metafile)[i];
        group += digits[byte >> 4];
        group += digits[byte & 0x0F];
    }
    group += "\r\n}";
    return group;
}

bool insertPicture(Document& document, const Bitmap& bitmap)
{
    auto group = pictureToRtf(bitmap);
    if (!group)
        return false;
    document.insertPictureRun(std::make_shared<const Picture>(Picture{bitmap, std::move(*group)}));
    return true;
}

} // namespace richtext
