// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/bmp_reader.h"

#include <cstddef>
#include <string>
#include <utility>

namespace engine {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40; // BITMAPINFOHEADER; later versions extend it
constexpr std::uint32_t kBiRgb = 0;
// Far beyond any card picture; keeps a forged header from asking for gigabytes.
constexpr std::int64_t kMaxSide = 16384;

std::uint16_t readU16(std::span<const std::uint8_t> data, std::size_t at)
{
    return static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
}

std::uint32_t readU32(std::span<const std::uint8_t> data, std::size_t at)
{
    return static_cast<std::uint32_t>(data[at]) | (static_cast<std::uint32_t>(data[at + 1]) << 8) |
           (static_cast<std::uint32_t>(data[at + 2]) << 16) | (static_cast<std::uint32_t>(data[at + 3]) << 24);
}

BitmapOrError failure(std::string message)
{
    return {std::nullopt, std::move(message)};
}

} // namespace

BitmapOrError readBmp24(std::span<const std::uint8_t> data)
{
    if (data.size() < kFileHeaderSize + kInfoHeaderSize)
        return failure("BMP data is shorter than its headers");
    if (data[0] != 'B' || data[1] != 'M')
        return failure("not a BMP file");

    const std::uint32_t pixelOffset = readU32(data, 10);
    const std::uint32_t infoSize = readU32(data, 14);
    if (infoSize < kInfoHeaderSize)
        return failure("unsupported BMP header");
    const auto width = static_cast<std::int32_t>(readU32(data, 18));
    const auto signedHeight = static_cast<std::int32_t>(readU32(data, 22));
    const std::uint16_t planes = readU16(data, 26);
    const std::uint16_t bitsPerPixel = readU16(data, 28);
    const std::uint32_t compression = readU32(data, 30);

    if (planes != 1)
        return failure("BMP has more than one plane");
    if (bitsPerPixel != 24)
        return failure("BMP is not 24 bits per pixel");
    if (compression != kBiRgb)
        return failure("BMP is compressed");

    // A negative height marks rows stored top to bottom.
    const bool topDown = signedHeight < 0;
    const std::int64_t height = topDown ? -static_cast<std::int64_t>(signedHeight) : signedHeight;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return failure("BMP has an unusable size");

    const auto w = static_cast<std::size_t>(width);
    const auto h = static_cast<std::size_t>(height);
    const std::size_t stride = (w * 3 + 3) / 4 * 4;
    if (pixelOffset < kFileHeaderSize + infoSize || pixelOffset > data.size() || data.size() - pixelOffset < stride * h)
        return failure("BMP pixel data is truncated");

    richtext::Bitmap bitmap;
    bitmap.width = width;
    bitmap.height = static_cast<int>(height);
    bitmap.rgb.resize(w * h * 3);
    for (std::size_t row = 0; row < h; ++row) {
        const std::size_t sourceRow = topDown ? row : h - 1 - row;
        const std::uint8_t* source = data.data() + pixelOffset + sourceRow * stride;
        std::uint8_t* target = bitmap.rgb.data() + row * w * 3;
        for (std::size_t x = 0; x < w; ++x) {
            // Stored blue, green, red.
            target[x * 3] = source[x * 3 + 2];
            target[x * 3 + 1] = source[x * 3 + 1];
            target[x * 3 + 2] = source[x * 3];
        }
    }
    return {std::move(bitmap), {}};
}

} // namespace engine
