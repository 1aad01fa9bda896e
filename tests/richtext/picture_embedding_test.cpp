// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/metafile.h"
#include "richtext/picture_embedding.h"
#include "support/bitmaps.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

using richtext::Bitmap;
using richtext::byteToHex;
using richtext::pictureToRtf;

namespace {

using testing_support::patternedBitmap;

struct HexLayout {
    std::string header;
    std::vector<std::string> lines;
    std::string tail;
};

// Splits a group into the part before the first CR LF, the hex lines and what follows the last one.
HexLayout splitGroup(const std::string& group)
{
    HexLayout layout;
    std::size_t at = group.find("\r\n");
    layout.header = group.substr(0, at);
    while (at != std::string::npos) {
        const std::size_t next = group.find("\r\n", at + 2);
        if (next == std::string::npos) {
            layout.tail = group.substr(at);
            break;
        }
        layout.lines.push_back(group.substr(at + 2, next - at - 2));
        at = next;
    }
    return layout;
}

std::string hexOf(const std::vector<std::uint8_t>& bytes)
{
    std::string hex;
    for (const std::uint8_t byte : bytes)
        hex += byteToHex(byte);
    return hex;
}

} // namespace

TEST(ByteToHex, WritesTwoUppercaseDigitsWithLeadingZero)
{
    const std::vector<std::pair<std::uint8_t, std::string>> cases = {{0, "00"},  {9, "09"},   {10, "0A"}, {15, "0F"},
                                                                     {16, "10"}, {171, "AB"}, {255, "FF"}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(byteToHex(value), expected) << int{value};
}

TEST(PictureToRtf, CardSizedBitmapHasHimetricAndGoalSizesInTheHeader)
{
    const auto group = pictureToRtf(patternedBitmap(40, 50));
    ASSERT_TRUE(group);

    EXPECT_EQ(splitGroup(*group).header, "{\\pict\\wmetafile8\\picw1058\\pich1323\\picwgoal600\\pichgoal750 ");
}

struct HexCase {
    const char* name;
    int width;
    int height;
    std::size_t lines;
    std::size_t lastLineDigits;
};

class PictureToRtfHex : public testing::TestWithParam<HexCase> {};

TEST_P(PictureToRtfHex, IsTheMetafileInLowercaseLinesOf39BytesEndingWithCrLfAndBrace)
{
    const Bitmap bitmap = patternedBitmap(GetParam().width, GetParam().height);
    const auto group = pictureToRtf(bitmap);
    const auto metafile = richtext::buildMetafile(bitmap);
    ASSERT_TRUE(group && metafile);

    const HexLayout layout = splitGroup(*group);
    EXPECT_EQ(layout.tail, "\r\n}");
    ASSERT_EQ(layout.lines.size(), GetParam().lines);
    EXPECT_EQ(layout.lines.back().size(), GetParam().lastLineDigits);
    std::string joined;
    for (std::size_t i = 0; i + 1 < layout.lines.size(); ++i)
        EXPECT_EQ(layout.lines[i].size(), 78u) << "line " << i;
    for (const std::string& line : layout.lines)
        joined += line;
    std::string expected = hexOf(*metafile);
    for (char& c : expected)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(joined, expected);
}

// A card face makes 6134 bytes; 1 x 25 exactly six lines; 1 x 35 seven lines and a byte.
const HexCase kHexCases[] = {
    {"CardSized", 40, 50, 158, 22},
    {"LastLineFull", 1, 25, 6, 78},
    {"LastLineOneByte", 1, 35, 8, 2},
};

INSTANTIATE_TEST_SUITE_P(Sizes, PictureToRtfHex, testing::ValuesIn(kHexCases), testing_support::namedCases);

TEST(PictureToRtf, GoalSizesAreRoundedWhenTwipsPerPixelHasAFraction)
{
    // 1440 / 144 dpi = 10 exactly; 1440 / 120 dpi = 12; 1440 / 110 dpi is fractional.
    const auto group = pictureToRtf(patternedBitmap(40, 50), 1440.0 / 110, 1440.0 / 110);
    ASSERT_TRUE(group);

    EXPECT_NE(group->find("\\picwgoal524\\pichgoal655 "), std::string::npos) << splitGroup(*group).header;
}

TEST(PictureToRtf, RejectsBitmapsThatCannotBeAMetafile)
{
    EXPECT_FALSE(pictureToRtf(Bitmap{}));
    EXPECT_FALSE(pictureToRtf(Bitmap{2, 2, std::vector<std::uint8_t>(11)}));
    EXPECT_FALSE(pictureToRtf(Bitmap{40000, 1, std::vector<std::uint8_t>(120000)}));
}
