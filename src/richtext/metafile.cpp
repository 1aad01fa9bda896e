// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/metafile.h"

#include "richtext/wmf_format.h"

#include <cstddef>
#include <limits>

namespace richtext {

namespace {

using namespace wmf;

class ByteWriter {
public:
    void u16(std::uint16_t value)
    {
        m_bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        m_bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void u32(std::uint32_t value)
    {
        u16(static_cast<std::uint16_t>(value & 0xFFFF));
        u16(static_cast<std::uint16_t>(value >> 16));
    }
    void i16(int value) { u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(value))); }
    void record(std::uint32_t words, std::uint16_t function)
    {
        u32(words);
        u16(function);
    }
    std::vector<std::uint8_t>& bytes() { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

} // namespace

std::optional<std::vector<std::uint8_t>> buildMetafile(const Bitmap& bitmap)
{
    if (bitmap.isEmpty() || bitmap.width > kMaxCoordinate || bitmap.height > kMaxCoordinate)
        return std::nullopt;
    const auto width = static_cast<std::size_t>(bitmap.width);
    const auto height = static_cast<std::size_t>(bitmap.height);
    if (bitmap.rgb.size() != width * height * 3)
        return std::nullopt;

    const std::size_t stride = rowStride(bitmap.width, 24);
    const std::size_t pixelBytes = stride * height;
    const std::size_t blitBytes = 28 + kInfoHeaderSize + pixelBytes;
    if (blitBytes / 2 > std::numeric_limits<std::uint32_t>::max() / 2)
        return std::nullopt;
    const auto blitWords = static_cast<std::uint32_t>(blitBytes / 2);
    const std::uint32_t totalWords = kHeaderWords + 4 + 5 + 5 + 3 + blitWords + 4 + 3;

    ByteWriter out;
    out.bytes().reserve(static_cast<std::size_t>(totalWords) * 2);
    out.u16(kMemoryMetafile);
    out.u16(kHeaderWords);
    out.u16(kVersion300);
    out.u32(totalWords);
    out.u16(0); // no objects
    out.u32(blitWords);
    out.u16(0);

    out.record(4, kSetMapMode);
    out.u16(kAnisotropic);
    out.record(5, kSetWindowOrg);
    out.i16(0); // y before x, as in every point record
    out.i16(0);
    out.record(5, kSetWindowExt);
    out.i16(bitmap.height);
    out.i16(bitmap.width);
    out.record(3, kSaveDc);

    out.record(blitWords, kStretchDib);
    out.u32(kSourceCopy);
    out.u16(kDibRgbColours);
    out.i16(bitmap.height); // source height, width, y, x
    out.i16(bitmap.width);
    out.i16(0);
    out.i16(0);
    out.i16(bitmap.height); // destination height, width, y, x
    out.i16(bitmap.width);
    out.i16(0);
    out.i16(0);
    out.u32(kInfoHeaderSize);
    out.u32(static_cast<std::uint32_t>(bitmap.width));
    out.u32(static_cast<std::uint32_t>(bitmap.height)); // positive: rows bottom-up
    out.u16(1);
    out.u16(24);
    out.u32(kNoCompression);
    out.u32(static_cast<std::uint32_t>(pixelBytes));
    out.u32(kPixelsPerMetreAt96Dpi);
    out.u32(kPixelsPerMetreAt96Dpi);
    out.u32(0);
    out.u32(0);
    auto& bytes = out.bytes();
    // Written in place: the rows are most of the file.
    const std::size_t pixelsAt = bytes.size();
    bytes.resize(pixelsAt + pixelBytes, 0);
    std::uint8_t* target = bytes.data() + pixelsAt;
    for (std::size_t row = height; row-- > 0; target += stride) {
        const std::uint8_t* pixel = bitmap.rgb.data() + row * width * 3;
        for (std::size_t x = 0; x < width; ++x, pixel += 3) {
            target[x * 3] = pixel[2];
            target[x * 3 + 1] = pixel[1];
            target[x * 3 + 2] = pixel[0];
        }
    }

    out.record(4, kRestoreDc);
    out.i16(-1);
    out.record(3, kEndOfFile);
    return std::move(bytes);
}

} // namespace richtext
