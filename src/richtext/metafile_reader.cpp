// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/metafile_reader.h"

#include "richtext/wmf_format.h"

#include <cstddef>
#include <limits>

namespace richtext {

namespace {

using namespace wmf;

// Limits what a hostile metafile can make the decoder allocate.
constexpr std::int64_t kMaxDecodedPixels = 16 * 1024 * 1024;

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    bool has(std::size_t offset, std::size_t count) const
    {
        return offset <= m_bytes.size() && count <= m_bytes.size() - offset;
    }
    std::uint16_t u16(std::size_t offset) const
    {
        return static_cast<std::uint16_t>(m_bytes[offset] | (m_bytes[offset + 1] << 8));
    }
    std::uint32_t u32(std::size_t offset) const
    {
        return static_cast<std::uint32_t>(u16(offset)) | (static_cast<std::uint32_t>(u16(offset + 2)) << 16);
    }
    std::int32_t i32(std::size_t offset) const { return static_cast<std::int32_t>(u32(offset)); }
    std::size_t size() const { return m_bytes.size(); }
    std::span<const std::uint8_t> bytes() const { return m_bytes; }

private:
    std::span<const std::uint8_t> m_bytes;
};

std::optional<Bitmap> decodeDib(const ByteReader& reader, std::size_t offset, std::size_t size)
{
    if (size < kInfoHeaderSize || !reader.has(offset, size))
        return std::nullopt;
    const std::uint32_t headerSize = reader.u32(offset);
    const std::int32_t width = reader.i32(offset + 4);
    const std::int32_t signedHeight = reader.i32(offset + 8);
    const std::uint16_t bitsPerPixel = reader.u16(offset + 14);
    const std::uint32_t compression = reader.u32(offset + 16);
    if (headerSize < kInfoHeaderSize || headerSize > size || width <= 0 || signedHeight == 0 ||
        signedHeight == std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    const bool bottomUp = signedHeight > 0;
    const std::int64_t height = bottomUp ? signedHeight : -static_cast<std::int64_t>(signedHeight);
    if (static_cast<std::int64_t>(width) * height > kMaxDecodedPixels)
        return std::nullopt;
    if (!(bitsPerPixel == 24 && compression == kNoCompression) &&
        !(bitsPerPixel == 32 && (compression == kNoCompression || compression == kBitFields)))
        return std::nullopt;

    std::size_t pixelsAt = offset + headerSize;
    if (compression == kBitFields && headerSize == kInfoHeaderSize)
        pixelsAt += 12; // three colour masks follow the header; only the usual BGRX layout is read
    const std::size_t stride = rowStride(width, bitsPerPixel);
    const std::size_t rows = static_cast<std::size_t>(height);
    if (pixelsAt > offset + size || stride * rows > offset + size - pixelsAt)
        return std::nullopt;

    Bitmap bitmap;
    bitmap.width = width;
    bitmap.height = static_cast<int>(height);
    bitmap.rgb.resize(static_cast<std::size_t>(width) * rows * 3);
    const std::size_t bytesPerPixel = bitsPerPixel / 8;
    const auto source = reader.bytes();
    for (std::size_t row = 0; row < rows; ++row) {
        const std::size_t sourceRow = bottomUp ? rows - 1 - row : row;
        const std::size_t from = pixelsAt + sourceRow * stride;
        std::uint8_t* to = bitmap.rgb.data() + row * static_cast<std::size_t>(width) * 3;
        for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
            const std::uint8_t* pixel = source.data() + from + x * bytesPerPixel;
            to[x * 3] = pixel[2];
            to[x * 3 + 1] = pixel[1];
            to[x * 3 + 2] = pixel[0];
        }
    }
    return bitmap;
}

} // namespace

std::optional<Bitmap> decodeMetafile(std::span<const std::uint8_t> metafile)
{
    const ByteReader reader(metafile);
    std::size_t offset = 0;
    if (reader.has(0, 4) && reader.u32(0) == kPlaceableKey)
        offset = kPlaceableHeaderSize;
    if (!reader.has(offset, 18))
        return std::nullopt;
    const std::size_t headerWords = reader.u16(offset + 2);
    if (headerWords < kHeaderWords)
        return std::nullopt;
    offset += headerWords * 2;

    while (reader.has(offset, 6)) {
        const std::uint64_t recordBytes = static_cast<std::uint64_t>(reader.u32(offset)) * 2;
        const std::uint16_t function = reader.u16(offset + 4);
        if (function == kEndOfFile || recordBytes < 6 || recordBytes > reader.size() - offset)
            return std::nullopt;
        const auto size = static_cast<std::size_t>(recordBytes);
        // Offset of the DIB inside each record that carries one.
        std::size_t dibAt = 0;
        if (function == kStretchDib)
            dibAt = 28;
        else if (function == kDibStretchBlt)
            dibAt = 26;
        else if (function == kDibBitBlt)
            dibAt = 22;
        if (dibAt != 0 && size > dibAt) {
            if (auto bitmap = decodeDib(reader, offset + dibAt, size - dibAt))
                return bitmap;
        }
        offset += size;
    }
    return std::nullopt;
}

} // namespace richtext
