// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/small_faces.h"
#include "engine/types.h"
#include "richtext/picture_embedding.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr int kPipRanks = 10; // Ace to Ten; the court cards carry red in every suit

// Strongly red: the pips of Diamonds and Hearts, never the black suits.
bool hasRedPixel(const richtext::Bitmap& face)
{
    for (std::size_t at = 0; at + 2 < face.rgb.size(); at += 3) {
        if (face.rgb[at] > 180 && face.rgb[at + 1] < 80 && face.rgb[at + 2] < 80)
            return true;
    }
    return false;
}

class BuiltInSmallFace : public testing::TestWithParam<engine::CardIndex> {};

TEST_P(BuiltInSmallFace, DecodesAsFortyByFiftyWithRedPipsOnlyForDiamondsAndHearts)
{
    const engine::CardIndex card = GetParam();
    const auto face = engine::builtInSmallFaces().smallFace(engine::pictureNumber(card));
    ASSERT_TRUE(face.has_value());
    EXPECT_EQ(face->width, 40);
    EXPECT_EQ(face->height, 50);
    EXPECT_EQ(face->rgb.size(), 40u * 50u * 3u);
    const int suit = card / 13; // Clubs, Diamonds, Hearts, Spades
    if (card % 13 < kPipRanks) {
        EXPECT_EQ(hasRedPixel(*face), suit == 1 || suit == 2);
    }
}

TEST_P(BuiltInSmallFace, IsOnePictureSharedWithTheGroupAFreshOneWouldHave)
{
    const int number = engine::pictureNumber(GetParam());
    const auto& faces = engine::builtInSmallFaces();
    const auto picture = faces.smallFacePicture(number);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(faces.smallFacePicture(number), picture);
    EXPECT_EQ(faces.smallFace(number), picture->bitmap);
    EXPECT_EQ(richtext::pictureToRtf(picture->bitmap), picture->rtfGroup);
}

INSTANTIATE_TEST_SUITE_P(AllCards, BuiltInSmallFace, testing::Range<engine::CardIndex>(0, engine::kCardCount),
                         testing_support::numberedCases("Card"));

TEST(BuiltInSmallFaces, EveryCardHasItsOwnPicture)
{
    std::set<std::vector<std::uint8_t>> distinct;
    for (int number = 1; number <= engine::kCardCount; ++number)
        distinct.insert(engine::builtInSmallFaces().smallFace(number).value_or(richtext::Bitmap{}).rgb);
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(engine::kCardCount));
}

TEST(BuiltInSmallFaces, NumbersOutsideTheListHaveNoPicture)
{
    const auto& faces = engine::builtInSmallFaces();
    EXPECT_FALSE(faces.smallFace(0).has_value());
    EXPECT_FALSE(faces.smallFace(53).has_value());
    EXPECT_FALSE(faces.smallFace(-1).has_value());
    EXPECT_EQ(faces.smallFacePicture(0), nullptr);
    EXPECT_EQ(faces.smallFacePicture(53), nullptr);
}

} // namespace
