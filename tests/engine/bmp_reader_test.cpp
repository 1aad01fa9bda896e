// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/bmp_reader.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void putU16(Bytes& out, std::size_t at, std::uint16_t value)
{
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void putU32(Bytes& out, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A 24-bit BMP whose pixel (x, y), counted from the top, is red x, green y, blue 200.
Bytes makeBmp(int width, int height, bool topDown = false)
{
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    Bytes out(54 + stride * static_cast<std::size_t>(height), 0xEE); // padding bytes left non-zero on purpose
    out[0] = 'B';
    out[1] = 'M';
    putU32(out, 2, static_cast<std::uint32_t>(out.size()));
    putU32(out, 10, 54);
    putU32(out, 14, 40);
    putU32(out, 18, static_cast<std::uint32_t>(width));
    putU32(out, 22, static_cast<std::uint32_t>(topDown ? -height : height));
    putU16(out, 26, 1);
    putU16(out, 28, 24);
    putU32(out, 30, 0);
    for (int y = 0; y < height; ++y) {
        const int storedRow = topDown ? y : height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const std::size_t at = 54 + static_cast<std::size_t>(storedRow) * stride + static_cast<std::size_t>(x) * 3;
            out[at] = 200;
            out[at + 1] = static_cast<std::uint8_t>(y);
            out[at + 2] = static_cast<std::uint8_t>(x);
        }
    }
    return out;
}

Bytes pixel(const richtext::Bitmap& bitmap, int x, int y)
{
    const auto at = static_cast<std::size_t>((y * bitmap.width + x) * 3);
    return {bitmap.rgb[at], bitmap.rgb[at + 1], bitmap.rgb[at + 2]};
}

// 3 and 5 pixels make rows of 9 and 15 bytes, padded to 12 and 16: the padding must be skipped.
TEST(BmpReader, BottomUpRowsComeOutTopFirstAsRgbWithoutRowPadding)
{
    for (const auto& [width, height] : {std::pair{3, 2}, std::pair{5, 3}}) {
        const auto result = engine::readBmp24(makeBmp(width, height));
        ASSERT_TRUE(result) << result.error;
        EXPECT_EQ(result.value->width, width);
        EXPECT_EQ(result.value->height, height);
        ASSERT_EQ(result.value->rgb.size(), static_cast<std::size_t>(width * height * 3));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                EXPECT_EQ(pixel(*result.value, x, y),
                          (Bytes{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 200}))
                    << width << "x" << height << " at " << x << "," << y;
    }
}

TEST(BmpReader, TopDownFileGivesTheSamePicture)
{
    const auto bottomUp = engine::readBmp24(makeBmp(5, 4));
    const auto topDown = engine::readBmp24(makeBmp(5, 4, true));
    ASSERT_TRUE(bottomUp);
    ASSERT_TRUE(topDown) << topDown.error;
    EXPECT_EQ(*bottomUp.value, *topDown.value);
}

TEST(BmpReader, PixelsAfterALargerHeaderAreFound)
{
    // A 108-byte header version moves the pixels further along.
    Bytes data = makeBmp(2, 2);
    data.insert(data.begin() + 54, 68, 0);
    putU32(data, 14, 108);
    putU32(data, 10, 54 + 68);
    const auto result = engine::readBmp24(data);
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(*result.value, *engine::readBmp24(makeBmp(2, 2)).value);
}

struct BadBmpCase {
    const char* name;
    void (*spoil)(Bytes&);
};

class BmpReaderRejects : public testing::TestWithParam<BadBmpCase> {};

TEST_P(BmpReaderRejects, WithAnErrorAndNoBitmap)
{
    Bytes data = makeBmp(4, 3);
    GetParam().spoil(data);
    // A tight copy, so reading one byte too far is caught by sanitizers.
    const std::vector<std::uint8_t> exact(data.begin(), data.end());
    const auto result = engine::readBmp24(exact);
    EXPECT_FALSE(result.value.has_value());
    EXPECT_FALSE(result.error.empty());
}

const BadBmpCase kBadFiles[] = {
    {"Empty", [](Bytes& d) { d.clear(); }},
    {"HeaderCutShort", [](Bytes& d) { d.resize(40); }},
    {"LastRowCutShort", [](Bytes& d) { d.pop_back(); }},
    {"HalfThePixels", [](Bytes& d) { d.resize(54 + 18); }},
    {"NotBmp", [](Bytes& d) { d[0] = 'P'; }},
    {"EightBitsPerPixel", [](Bytes& d) { putU16(d, 28, 8); }},
    {"ThirtyTwoBitsPerPixel", [](Bytes& d) { putU16(d, 28, 32); }},
    {"RunLengthCompressed", [](Bytes& d) { putU32(d, 30, 1); }},
    {"BitfieldsCompressed", [](Bytes& d) { putU32(d, 30, 3); }},
    {"ZeroWidth", [](Bytes& d) { putU32(d, 18, 0); }},
    {"NegativeWidth", [](Bytes& d) { putU32(d, 18, 0xFFFFFFFCu); }},
    {"ZeroHeight", [](Bytes& d) { putU32(d, 22, 0); }},
    {"MostNegativeHeight", [](Bytes& d) { putU32(d, 22, 0x80000000u); }},
    {"AbsurdWidth", [](Bytes& d) { putU32(d, 18, 0x7FFFFFFFu); }},
    {"PixelOffsetPastTheEnd", [](Bytes& d) { putU32(d, 10, 0xFFFFFFF0u); }},
    {"PixelOffsetInsideTheHeader", [](Bytes& d) { putU32(d, 10, 20); }},
    {"OldCoreHeader", [](Bytes& d) { putU32(d, 14, 12); }},
    {"HeaderSizePastTheEnd", [](Bytes& d) { putU32(d, 14, 0xFFFFFFFFu); }},
    {"TwoPlanes", [](Bytes& d) { putU16(d, 26, 2); }},
};

INSTANTIATE_TEST_SUITE_P(BadFiles, BmpReaderRejects, testing::ValuesIn(kBadFiles), testing_support::namedCases);

} // namespace
