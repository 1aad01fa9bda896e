// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/metafile.h"
#include "richtext/metafile_reader.h"
#include "support/bitmaps.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

#include <algorithm>

using richtext::Bitmap;
using richtext::buildMetafile;
using richtext::decodeMetafile;

namespace {

using testing_support::patternedBitmap;

std::uint16_t u16(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t u32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return u16(bytes, at) | (static_cast<std::uint32_t>(u16(bytes, at + 2)) << 16);
}

struct Record {
    std::uint16_t function;
    std::size_t offset;
    std::uint32_t words;
};

std::vector<Record> records(const std::vector<std::uint8_t>& metafile)
{
    std::vector<Record> found;
    for (std::size_t at = 18; at + 6 <= metafile.size();) {
        const std::uint32_t words = u32(metafile, at);
        found.push_back({u16(metafile, at + 4), at, words});
        if (words == 0)
            break;
        at += words * 2;
    }
    return found;
}

} // namespace

TEST(BuildMetafile, HeaderGivesExactSizeAndLargestRecordInWords)
{
    const auto metafile = buildMetafile(patternedBitmap(7, 3));
    ASSERT_TRUE(metafile);

    EXPECT_EQ(u16(*metafile, 0), 1);
    EXPECT_EQ(u16(*metafile, 2), 9);
    EXPECT_EQ(u16(*metafile, 4), 0x0300);
    EXPECT_EQ(u32(*metafile, 6) * 2, metafile->size());
    const auto all = records(*metafile);
    const auto largest = std::max_element(all.begin(), all.end(), [](auto& a, auto& b) { return a.words < b.words; });
    EXPECT_EQ(u32(*metafile, 12), largest->words);
    EXPECT_EQ(all.back().offset + all.back().words * 2, metafile->size());
}

TEST(BuildMetafile, RecordsTheDrawingInOrderWithExtentHeightFirstAndABottomUp24BitBlit)
{
    const auto metafile = buildMetafile(patternedBitmap(40, 50));
    ASSERT_TRUE(metafile);
    const auto all = records(*metafile);
    std::vector<std::uint16_t> functions;
    for (const Record& record : all)
        functions.push_back(record.function);
    // map mode, window origin, window extent, save, stretched DIB, restore, end
    EXPECT_EQ(functions, (std::vector<std::uint16_t>{0x0103, 0x020B, 0x020C, 0x001E, 0x0F43, 0x0127, 0x0000}));

    EXPECT_EQ(u16(*metafile, all[0].offset + 6), 8); // anisotropic
    EXPECT_EQ(u16(*metafile, all[2].offset + 6), 50);
    EXPECT_EQ(u16(*metafile, all[2].offset + 8), 40);
    const std::size_t blit = all[4].offset;
    EXPECT_EQ(u32(*metafile, blit + 6), 0x00CC0020u);
    const std::size_t dib = blit + 28;
    EXPECT_EQ(u32(*metafile, dib), 40u);
    EXPECT_EQ(static_cast<std::int32_t>(u32(*metafile, dib + 8)), 50);
    EXPECT_EQ(u16(*metafile, dib + 14), 24);
    EXPECT_EQ(u32(*metafile, dib + 16), 0u);
    // First stored pixel is the bottom-left one, in blue, green, red order.
    const Bitmap source = patternedBitmap(40, 50);
    const std::size_t bottomLeft = 49 * 40 * 3;
    EXPECT_EQ((*metafile)[dib + 40], source.rgb[bottomLeft + 2]);
    EXPECT_EQ((*metafile)[dib + 42], source.rgb[bottomLeft]);
    EXPECT_EQ(static_cast<std::int16_t>(u16(*metafile, all[5].offset + 6)), -1);
}

class MetafileRoundTrip : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(MetafileRoundTrip, DecodeGivesTheSameBitmapBack)
{
    const auto [width, height] = GetParam();
    const Bitmap bitmap = patternedBitmap(width, height);
    const auto metafile = buildMetafile(bitmap);
    ASSERT_TRUE(metafile);

    EXPECT_EQ(decodeMetafile(*metafile), bitmap);
}

// Widths that need 0, 1, 2 and 3 bytes of row padding.
INSTANTIATE_TEST_SUITE_P(Sizes, MetafileRoundTrip,
                         testing::Values(std::pair{1, 1}, std::pair{4, 2}, std::pair{3, 5}, std::pair{2, 3},
                                         std::pair{40, 50}, std::pair{71, 96}),
                         [](const auto& info) {
                             return "Width" + std::to_string(info.param.first) + "Height" +
                                    std::to_string(info.param.second);
                         });

TEST(DecodeMetafile, RejectsTruncatedAndLoopingInput)
{
    const auto metafile = buildMetafile(patternedBitmap(5, 4));
    ASSERT_TRUE(metafile);
    for (std::size_t length = 0; length < metafile->size() - 14; ++length)
        EXPECT_FALSE(decodeMetafile(std::span(metafile->data(), length))) << length;

    std::vector<std::uint8_t> zeroRecord(*metafile);
    std::fill(zeroRecord.begin() + 18, zeroRecord.begin() + 22, 0); // first record size 0
    EXPECT_FALSE(decodeMetafile(zeroRecord));
}

TEST(DecodeMetafile, RejectsBitmapsClaimingMorePixelsThanThereAreBytes)
{
    auto metafile = buildMetafile(patternedBitmap(2, 2));
    ASSERT_TRUE(metafile);
    const std::size_t dib = records(*metafile)[4].offset + 28;
    (*metafile)[dib + 5] = 0x7F; // width becomes huge

    EXPECT_FALSE(decodeMetafile(*metafile));
}

TEST(DecodeMetafile, ReadsAPlaceableHeaderAndTopDownRows)
{
    const Bitmap bitmap = patternedBitmap(3, 2);
    auto metafile = buildMetafile(bitmap);
    ASSERT_TRUE(metafile);
    // Flip to top-down: negative height and the rows swapped.
    const std::size_t dib = records(*metafile)[4].offset + 28;
    const std::int32_t negative = -2;
    for (int i = 0; i < 4; ++i)
        (*metafile)[dib + 8 + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(negative) >> (8 * i));
    std::swap_ranges(metafile->begin() + static_cast<std::ptrdiff_t>(dib + 40),
                     metafile->begin() + static_cast<std::ptrdiff_t>(dib + 52),
                     metafile->begin() + static_cast<std::ptrdiff_t>(dib + 52));
    std::vector<std::uint8_t> placeable = {0xD7, 0xCD, 0xC6, 0x9A};
    placeable.resize(22, 0);
    placeable.insert(placeable.end(), metafile->begin(), metafile->end());

    EXPECT_EQ(decodeMetafile(placeable), bitmap);
}
