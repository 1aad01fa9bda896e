// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/spread_layouts.h"

#include <array>

namespace display {
namespace {

constexpr SlotPlace kSingleCard[] = {{4965, 720}};
constexpr SlotPlace kAnswer[] = {{3345, 720}, {4905, 720}, {6465, 720}, {3585, 1560}, {5145, 1560}, {6705, 1560}};
constexpr SlotPlace kThreeCard[] = {{3645, 720}, {4965, 720}, {6285, 720}};
constexpr SlotPlace kFiveCard[] = {{3525, 2280}, {4965, 720}, {4965, 2280}, {4965, 3840}, {6405, 2280}};
constexpr SlotPlace kSixCard[] = {{3405, 720}, {4965, 720}, {6525, 720}, {3405, 2400}, {4965, 2400}, {6525, 2400}};
constexpr SlotPlace kSevenCard[] = {{3645, 720}, {3645, 2280}, {3645, 3840}, {4965, 2280},
                                    {6285, 720}, {6285, 2280}, {6285, 3840}};
constexpr SlotPlace kNineCard[] = {{3645, 720},  {4965, 720},  {6285, 720},  {3645, 2280}, {4965, 2280},
                                   {6285, 2280}, {3645, 3840}, {4965, 3840}, {6285, 3840}};
constexpr SlotPlace kFifteenCard[] = {{4965, 2400}, {3765, 2400}, {6165, 2400}, {5925, 720},  {4005, 720},
                                      {4005, 4080}, {5925, 4080}, {7125, 720},  {2805, 720},  {2805, 4080},
                                      {7125, 4080}, {8325, 720},  {1605, 720},  {1605, 4080}, {8325, 4080}};
constexpr SlotPlace kRelationship[] = {{3652, 1080}, {6172, 1080}, {3652, 2640}, {6172, 2640}, {3652, 4200},
                                       {6172, 4200}, {3652, 5760}, {6172, 5760}, {3652, 7320}, {6172, 7320}};
constexpr SlotPlace kChakra[] = {{4965, 9960}, {4965, 8400}, {4965, 6840}, {4965, 5280},
                                 {4965, 3720}, {4965, 2160}, {4965, 600}};
constexpr SlotPlace kCelticCross[] = {{2745, 3120},       {4185, 3120}, {5625, 3120}, {4185, 1560}, {4185, 5160},
                                      {3960, 3360, true}, {7185, 720},  {7185, 2280}, {7185, 3840}, {7185, 5400}};
constexpr SlotPlace kQabalistic[] = {{3525, 1560}, {3525, 3240}, {3525, 4920}, {4965, 720},  {4965, 2400},
                                     {4965, 4080}, {4965, 5760}, {6405, 1560}, {6405, 3240}, {6405, 4920}};
constexpr SlotPlace kHorseshoe[] = {{1425, 720},  {2625, 2320}, {3825, 3920}, {5025, 5520},
                                    {6225, 3920}, {7425, 2320}, {8505, 720}};
constexpr SlotPlace kPyramid[] = {{4965, 720},  {3885, 2400}, {6045, 2400}, {2805, 4080}, {4965, 4080},
                                  {7125, 4080}, {1725, 5760}, {3885, 5760}, {6045, 5760}, {8205, 5760}};
constexpr SlotPlace kNumerologyGrid[] = {{2970, 1200}, {4890, 1200}, {6810, 1200}, {2970, 3120}, {4890, 3120},
                                         {6810, 3120}, {2970, 5040}, {4890, 5040}, {6810, 5040}};
constexpr SlotPlace kZodiac[] = {{2010, 3000}, {2370, 4560}, {3660, 5040}, {4950, 5280}, {6240, 5040}, {7530, 4560},
                                 {7890, 3000}, {7530, 1440}, {6240, 960},  {4950, 720},  {3660, 960},  {2370, 1440}};
constexpr SlotPlace kDestiny[] = {{2805, 720},  {2805, 2280}, {2805, 3840}, {2805, 5400}, {4245, 5400},
                                  {5685, 5400}, {7125, 5400}, {7125, 3840}, {7125, 2280}, {7125, 720},
                                  {5805, 720},  {4245, 720},  {4965, 3000}};
constexpr SlotPlace kRomany[] = {{1365, 1110}, {2565, 1110}, {3765, 1110}, {4965, 1110}, {6165, 1110}, {7365, 1110},
                                 {8565, 1110}, {1365, 3270}, {2565, 3270}, {3765, 3270}, {4965, 3270}, {6165, 3270},
                                 {7365, 3270}, {8565, 3270}, {1365, 5430}, {2565, 5430}, {3765, 5430}, {4965, 5430},
                                 {6165, 5430}, {7365, 5430}, {8565, 5430}};

constexpr PaneColour kBlack{0, 0, 0};
constexpr PaneColour kCelticCrossBackground{20, 27, 33};
constexpr int kHeight = kStandardPaneHeight;
constexpr int kCaptionTop = kStandardCaptionTop;

constexpr std::array<LayoutPlan, engine::kSpreadCount> kLayouts = {{
    {"picSpreadDisp_0", "picCards", kSingleCard},
    {"picAnswerSpread", "picAnswer", kAnswer},
    {"picSpreadDisp_1", "pic3Card", kThreeCard},
    {"picSpreadDisp_2", "pic5Card", kFiveCard},
    {"picSpreadDisp_3", "pic6Card", kSixCard},
    {"picSpreadDisp_4", "pic7Card", kSevenCard},
    {"picSpreadDisp_5", "pic9Card", kNineCard},
    {"pic15CardSpread", "pic15Card", kFifteenCard},
    {"picRelationshipSpread", "picRelationship", kRelationship, 10500, 10005, kBlack, Decoration::Relationship},
    {"picChakraSpread", "picChakra", kChakra, 12500, 12000},
    {"picSpreadDisp_6", "picCelticCross", kCelticCross, kHeight, kCaptionTop, kCelticCrossBackground},
    {"picSpreadDisp_7", "picQabalistic", kQabalistic},
    {"picHorseshoeSpread", "picHorseshoe", kHorseshoe},
    {"picPyramidSpread", "picPyramid", kPyramid},
    {"picSpreadDisp_8", "picNumerologyGrid", kNumerologyGrid, kHeight, kCaptionTop, kBlack, Decoration::NumerologyGrid},
    {"picZodiacSign", "picZodiac", kZodiac, kHeight, kCaptionTop, kBlack, Decoration::Zodiac},
    {"picDestinySquare", "picDestiny", kDestiny},
    {"picRomanySpread", "picRomany", kRomany, kHeight, kCaptionTop, kBlack, Decoration::Romany},
}};

constexpr PlacedText kRelationshipHeadings[] = {{"YOU", 3885, 720}, {"PARTNER", 6045, 720}};
constexpr PlacedText kRomanyHeadings[] = {{"PAST", 5130, 720}, {"PRESENT", 4860, 2880}, {"FUTURE", 4950, 5040}};

constexpr LineSegment kGridLines[] = {{{2490, 2880}, {8490, 2880}},
                                      {{2490, 4800}, {8490, 4800}},
                                      {{4530, 840}, {4530, 6960}},
                                      {{6450, 840}, {6450, 6960}}};

// Centred over each slot, just below the grid line above it.
constexpr BoxedText kNumberBoxes[] = {
    {"3", {3405, 990, 195, 255}},  {"6", {5325, 990, 195, 255}},  {"9", {7245, 990, 195, 255}},
    {"2", {3405, 2910, 195, 255}}, {"5", {5325, 2910, 195, 255}}, {"8", {7245, 2910, 195, 255}},
    {"1", {3405, 4830, 195, 255}}, {"4", {5325, 4830, 195, 255}}, {"7", {7245, 4830, 195, 255}},
};

constexpr BoxedText kColumnWords[] = {
    {"Thought", {2602, 615, 1800, 210}},
    {"Organization", {4522, 615, 1800, 210}},
    {"Influence", {6442, 615, 1800, 210}},
    {"Individualistic", {2602, 7020, 1800, 210}},
    {"Material Activity", {4522, 7020, 1800, 210}},
    {"Power - strength", {6442, 7020, 1800, 210}},
};

constexpr BoxedText kRowWords[] = {
    {"H E A D", {2160, 870, 300, 1980}},        {"H E A R T", {2160, 2910, 300, 1860}},
    {"D E E D S", {2160, 4830, 300, 2100}},     {"I n t e l l e c t", {8520, 870, 300, 1980}},
    {"L i a s i o n", {8520, 2910, 300, 1860}}, {"F u n d a m e n t a l", {8520, 4830, 300, 2100}},
};

// A ring between the oval and the twelve slots, each sign on the ray towards its house.
constexpr PointTwips kSignCentres[] = {{3542, 3720}, {3952, 4409}, {4628, 4726}, {5482, 4840},
                                       {6336, 4726}, {7012, 4409}, {7422, 3720}, {7012, 3031},
                                       {6336, 2714}, {5482, 2600}, {4628, 2714}, {3952, 3031}};

constexpr NumerologyGrid kNumerologyGridDecoration{kGridLines, kNumberBoxes, kColumnWords, kRowWords};
constexpr ZodiacWheel kZodiacWheel{{4410, 2880, 2175, 1575}, {{1890, 3600}, {9090, 3600}}, kSignCentres};

} // namespace

const LayoutPlan* layoutPlan(engine::SpreadIndex spread)
{
    if (spread < 0 || spread >= engine::kSpreadCount)
        return nullptr;
    return &kLayouts[static_cast<std::size_t>(spread)];
}

std::span<const PlacedText> relationshipHeadings()
{
    return kRelationshipHeadings;
}

std::span<const PlacedText> romanyHeadings()
{
    return kRomanyHeadings;
}

const NumerologyGrid& numerologyGrid()
{
    return kNumerologyGridDecoration;
}

const ZodiacWheel& zodiacWheel()
{
    return kZodiacWheel;
}

} // namespace display
