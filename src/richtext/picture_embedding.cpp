// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/picture_embedding.h"

#include "richtext/document.h"
#include "richtext/metafile.h"

#include <algorithm>
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

    appendHexLines(group, *metafile);
    group += "\r\n}";
    return group;
}

void appendHexLines(std::string& out, std::span<const std::uint8_t> bytes)
{
    constexpr char digits[] = "0123456789abcdef";
    const std::size_t size = bytes.size();
    const std::size_t lines = (size + kBytesPerLine - 1) / kBytesPerLine;
    const std::size_t start = out.size();
    out.resize(start + size * 2 + lines * 2);
    char* to = out.data() + start;
    for (std::size_t lineStart = 0; lineStart < size; lineStart += kBytesPerLine) {
        *to++ = '\r';
        *to++ = '\n';
        const std::size_t lineEnd = std::min(size, lineStart + kBytesPerLine);
        for (std::size_t i = lineStart; i < lineEnd; ++i) {
            *to++ = digits[bytes[i] >> 4];
            *to++ = digits[bytes[i] & 0x0F];
        }
    }
}

std::shared_ptr<const Picture> makePicture(const Bitmap& bitmap)
{
    auto group = pictureToRtf(bitmap);
    if (!group)
        return nullptr;
    return std::make_shared<const Picture>(Picture{bitmap, std::move(*group)});
}

bool insertPicture(Document& document, const Bitmap& bitmap)
{
    return document.insertSharedPicture(makePicture(bitmap));
}

} // namespace richtext
