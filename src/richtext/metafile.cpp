// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/metafile.h"

#include <cstddef>
#include <limits>

namespace richtext {

namespace {

constexpr std::uint16_t kMemoryMetafile = 1;
constexpr std::uint16_t kHeaderWords = 9;
constexpr std::uint16_t kVersion300 = 0x0300;

constexpr std::uint16_t kSetMapMode = 0x0103;
constexpr std::uint16_t kSetWindowOrg = 0x020B;
constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::uint16_t kSaveDc = 0x001E;
constexpr std::uint16_t kRestoreDc = 0x0127;
constexpr std::uint16_t kStretchDib = 0x0F43;
constexpr std::uint16_t kDibStretchBlt = 0x0B41;
constexpr std::uint16_t kDibBitBlt = 0x0940;
constexpr std::uint16_t kEndOfFile = 0x0000;

constexpr std::uint16_t kAnisotropic = 8;
constexpr std::uint32_t kSourceCopy = 0x00CC0020;
constexpr std::uint16_t kDibRgbColours = 0;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kNoCompression = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::int32_t kPixelsPerMetreAt96Dpi = 3780;

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableHeaderSize = 22;

// Limits what a hostile metafile can make the decoder allocate.
constexpr std::int64_t kMaxDecodedPixels = 16 * 1024 * 1024;

constexpr int kMaxCoordinate = std::numeric_limits<std::int16_t>::max();

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

std::size_t rowStride(std::int64_t width, int bitsPerPixel)
{
    return static_cast<std::size_t>((width * bitsPerPixel + 31) / 32 * 4);
}

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
