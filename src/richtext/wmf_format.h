// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

// Record and bitmap constants shared by the metafile writer and reader.
namespace richtext::wmf {

inline constexpr std::uint16_t kMemoryMetafile = 1;
inline constexpr std::uint16_t kHeaderWords = 9;
inline constexpr std::uint16_t kVersion300 = 0x0300;

inline constexpr std::uint16_t kSetMapMode = 0x0103;
inline constexpr std::uint16_t kSetWindowOrg = 0x020B;
inline constexpr std::uint16_t kSetWindowExt = 0x020C;
inline constexpr std::uint16_t kSaveDc = 0x001E;
inline constexpr std::uint16_t kRestoreDc = 0x0127;
inline constexpr std::uint16_t kStretchDib = 0x0F43;
inline constexpr std::uint16_t kDibStretchBlt = 0x0B41;
inline constexpr std::uint16_t kDibBitBlt = 0x0940;
inline constexpr std::uint16_t kEndOfFile = 0x0000;

inline constexpr std::uint16_t kAnisotropic = 8;
inline constexpr std::uint32_t kSourceCopy = 0x00CC0020;
inline constexpr std::uint16_t kDibRgbColours = 0;
inline constexpr std::uint32_t kInfoHeaderSize = 40;
inline constexpr std::uint32_t kNoCompression = 0;
inline constexpr std::uint32_t kBitFields = 3;
inline constexpr std::int32_t kPixelsPerMetreAt96Dpi = 3780;

inline constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
inline constexpr std::size_t kPlaceableHeaderSize = 22;

inline constexpr int kMaxCoordinate = std::numeric_limits<std::int16_t>::max();

// Bytes in one row of pixels, padded to a 32-bit boundary.
inline std::size_t rowStride(std::int64_t width, int bitsPerPixel)
{
    return static_cast<std::size_t>((width * bitsPerPixel + 31) / 32 * 4);
}

} // namespace richtext::wmf
