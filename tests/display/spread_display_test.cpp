// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/card_slot.h"
#include "display/face_lists.h"
#include "display/look.h"
#include "display/site_pages.h"
#include "display/spread_display.h"
#include "display/spread_layouts.h"
#include "engine/spread_catalogue.h"
#include "support/case_names.h"
#include "support/fake_url_opener.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>

namespace {

using display::CardSlot;
using display::twips;
using engine::Hand;
using engine::SpreadIndex;

constexpr SpreadIndex kSingleCard = 0;
constexpr SpreadIndex kFiveCard = 3;
constexpr SpreadIndex kRelationship = 8;
constexpr SpreadIndex kChakra = 9;
constexpr SpreadIndex kCelticCross = 10;
constexpr SpreadIndex kNumerologyGrid = 14;
constexpr SpreadIndex kZodiac = 15;
constexpr SpreadIndex kDestiny = 16;

// Distinct cards counting down from the Knight of Spades, so every position shows a different face.
Hand handOf(int count, int first = engine::kCardCount - 1)
{
    Hand hand;
    for (int i = 0; i < count; ++i)
        hand.push_back(static_cast<engine::CardIndex>(first - i));
    return hand;
}

class SpreadDisplayTest : public testing::Test {
protected:
    QRect slotRect(SpreadIndex spread, int position) const { return display.cardSlot(spread, position)->geometry(); }

    testing_support::FakeUrlOpener opener;
    display::SpreadDisplay display{opener};
};

TEST_F(SpreadDisplayTest, Caption_StaysCentredOnItsBoxWhenTheTextNeedsMoreRoom)
{
    const auto* caption = display.findChild<QLabel*>(QStringLiteral("lblSoftwareCaption"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), QStringLiteral("Zelto Cartomancy"));
    const QRect designed = display::twipsRect(4230, 120, 2535, 345);
    EXPECT_NEAR(caption->geometry().center().x(), designed.center().x(), 1);
    EXPECT_GE(caption->width(), std::max(designed.width(), caption->sizeHint().width()));
}

// What the single slot shows once dealt is checked with every other spread below.
TEST_F(SpreadDisplayTest, OneCardReading_PlacesTheSingleSlotAtItsDesignedCorner)
{
    display.showSpreadLayout(kSingleCard, {51});
    EXPECT_EQ(slotRect(kSingleCard, 1).topLeft(), QPoint(twips(4965), twips(720)));
}

TEST_F(SpreadDisplayTest, CelticCross_LaysPositionSixAcrossPositionTwoWithTheSidewaysFace)
{
    const Hand hand = handOf(10);
    display.showSpreadLayout(kCelticCross, hand);

    const CardSlot* across = display.cardSlot(kCelticCross, 6);
    ASSERT_NE(across, nullptr);
    EXPECT_TRUE(across->isCrosswise());
    EXPECT_EQ(across->size(), QSize(96, 71));
    EXPECT_EQ(across->pictureNumber(), engine::pictureNumber(hand[5]));
    EXPECT_EQ(across->picture().toImage(), display::SidewaysFaces.item(across->pictureNumber()).toImage());

    const QRect crossed = slotRect(kCelticCross, 2);
    EXPECT_TRUE(across->geometry().intersects(crossed));
    EXPECT_NEAR(across->geometry().center().x(), crossed.center().x(), 4);
    EXPECT_NEAR(across->geometry().center().y(), crossed.center().y(), 4);
    // Drawn on top: later siblings paint over earlier ones.
    const QObjectList& siblings = across->parentWidget()->children();
    EXPECT_GT(siblings.indexOf(const_cast<CardSlot*>(across)), siblings.indexOf(display.cardSlot(kCelticCross, 2)));

    for (int position = 1; position <= 10; ++position) {
        if (position == 6)
            continue;
        const CardSlot* upright = display.cardSlot(kCelticCross, position);
        EXPECT_FALSE(upright->isCrosswise()) << position;
        EXPECT_EQ(upright->size(), QSize(71, 96)) << position;
        EXPECT_EQ(upright->pictureNumber(), engine::pictureNumber(hand[static_cast<std::size_t>(position - 1)]));
    }
}

TEST_F(SpreadDisplayTest, ChakraReading_IsTallAndRunsFromTheBottomUp)
{
    display.showSpreadLayout(kChakra, handOf(7));

    for (int position = 2; position <= 7; ++position) {
        EXPECT_LT(slotRect(kChakra, position).top(), slotRect(kChakra, position - 1).top()) << position;
        EXPECT_EQ(slotRect(kChakra, position).left(), slotRect(kChakra, 1).left()) << position;
    }
    EXPECT_EQ(slotRect(kChakra, 1).top(), twips(9960));
    EXPECT_EQ(slotRect(kChakra, 7).top(), twips(600));
}

TEST_F(SpreadDisplayTest, HeightAndBackgroundFollowTheFrontLayout)
{
    struct Expected {
        SpreadIndex spread;
        int heightTwips;
        QColor background;
    };
    // Taller and shorter in turn, so a height that only grows is caught.
    const Expected readings[] = {{kChakra, 12500, QColor(0, 0, 0)},
                                 {kFiveCard, 9000, QColor(0, 0, 0)},
                                 {kRelationship, 10500, QColor(0, 0, 0)},
                                 {kCelticCross, 9000, QColor(20, 27, 33)}};
    for (const Expected& reading : readings) {
        display.showSpreadLayout(reading.spread, handOf(engine::cardCountOf(reading.spread)));
        EXPECT_EQ(display.height(), twips(600 + reading.heightTwips)) << reading.spread;
        EXPECT_EQ(display.width(), twips(10995)) << reading.spread;
        EXPECT_EQ(display.layoutPane(reading.spread)->palette().color(QPalette::Window), reading.background)
            << reading.spread;
    }
}

TEST_F(SpreadDisplayTest, LaterReadingOfTheSameSpread_ReplacesItsCardsWhileOthersKeepTheirs)
{
    display.showSpreadLayout(kFiveCard, handOf(5, 51));
    display.showSpreadLayout(kDestiny, handOf(13, 20));

    EXPECT_EQ(display.frontLayout(), kDestiny);
    EXPECT_TRUE(display.layoutPane(kDestiny)->isVisibleTo(&display));
    EXPECT_FALSE(display.layoutPane(kFiveCard)->isVisibleTo(&display));
    EXPECT_EQ(display.slotPictureNumber(kFiveCard, 1), 52);

    display.showSpreadLayout(kFiveCard, handOf(5, 10));
    EXPECT_EQ(display.frontLayout(), kFiveCard);
    for (int position = 1; position <= 5; ++position)
        EXPECT_EQ(display.slotPictureNumber(kFiveCard, position), 11 - (position - 1));
    EXPECT_EQ(display.slotPictureNumber(kDestiny, 1), 21);
}

TEST_F(SpreadDisplayTest, SpreadOutsideTheCatalogue_ChangesNothing)
{
    display.showSpreadLayout(kFiveCard, handOf(5));
    const QSize before = display.size();

    display.showSpreadLayout(-1, handOf(5));
    display.showSpreadLayout(engine::kSpreadCount, handOf(5));

    EXPECT_EQ(display.frontLayout(), kFiveCard);
    EXPECT_EQ(display.size(), before);
    EXPECT_EQ(display.slotPictureNumber(engine::kSpreadCount, 1), -1);
}

TEST_F(SpreadDisplayTest, ShortHandOrUnknownCards_LeaveBacksWhereNoCardWasDealt)
{
    display.showSpreadLayout(kFiveCard, handOf(5));
    display.showSpreadLayout(kFiveCard, {7, 52, -1});

    EXPECT_EQ(display.slotPictureNumber(kFiveCard, 1), 8);
    for (int position = 2; position <= 5; ++position)
        EXPECT_EQ(display.slotPictureNumber(kFiveCard, position), 0) << position;
}

TEST_F(SpreadDisplayTest, PositionNumbers_SitOverTheLowerLeftOfEachCard)
{
    const std::pair<SpreadIndex, int> numbered[] = {{kDestiny, 9}, {kDestiny, 13}, {kCelticCross, 6}};
    const QFontMetrics metrics(display::PositionNumbers::numberFont());
    for (const auto& [spread, position] : numbered) {
        const CardSlot* slot = display.cardSlot(spread, position);
        const QRect number = slot->numberBox();
        EXPECT_TRUE(slot->rect().contains(number)) << position;
        // The card lying across is turned a quarter, which brings its lower left corner to the right.
        EXPECT_EQ(number.center().x() > slot->width() / 2, slot->isCrosswise()) << position;
        EXPECT_GT(number.center().y(), slot->height() / 2) << position;
        EXPECT_GE(number.width(), metrics.horizontalAdvance(QString::number(position)) - 2) << position;
    }
}

TEST_F(SpreadDisplayTest, NumerologyGrid_NumbersReadThreeSixNineFromTheTopRow)
{
    QWidget* pane = display.layoutPane(kNumerologyGrid);
    QList<QLabel*> boxes;
    for (int i = 0; i < 9; ++i)
        boxes.push_back(pane->findChild<QLabel*>(QStringLiteral("lblNo_%1").arg(i)));
    ASSERT_EQ(std::count(boxes.begin(), boxes.end(), nullptr), 0);
    std::sort(boxes.begin(), boxes.end(),
              [](const QLabel* a, const QLabel* b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
    QStringList texts;
    for (const QLabel* box : boxes)
        texts.push_back(box->text());
    EXPECT_EQ(texts.join(QLatin1Char(' ')), QStringLiteral("3 6 9 2 5 8 1 4 7"));
    // Each box stands over the slot of its cell.
    for (int position = 1; position <= 9; ++position) {
        const QRect slot = slotRect(kNumerologyGrid, position);
        const QLabel* box = boxes[position - 1];
        EXPECT_LT(box->geometry().top(), slot.top()) << position;
        EXPECT_NEAR(box->geometry().center().x(), slot.center().x(), 2) << position;
    }
}

TEST_F(SpreadDisplayTest, ZodiacSigns_LieInsideTheRingWithoutCoveringAnyCard)
{
    QWidget* pane = display.layoutPane(kZodiac);
    for (int sign = 0; sign < 12; ++sign) {
        const auto* picture = pane->findChild<QLabel*>(QStringLiteral("picZodiacSymbols_%1").arg(sign));
        ASSERT_NE(picture, nullptr) << sign;
        for (int position = 1; position <= 12; ++position)
            EXPECT_FALSE(picture->geometry().intersects(slotRect(kZodiac, position))) << sign << " " << position;
    }
}

class LayoutTableTest : public SpreadDisplayTest, public testing::WithParamInterface<int> {
protected:
    SpreadIndex spread() const { return static_cast<SpreadIndex>(GetParam()); }
};

TEST_P(LayoutTableTest, OneSlotPerPositionShowsABackUntilAReadingFillsItAndBringsItToTheFront)
{
    const display::LayoutPlan* plan = display::layoutPlan(spread());
    ASSERT_NE(plan, nullptr);
    const int cardCount = engine::cardCountOf(spread());
    QWidget* pane = display.layoutPane(spread());

    EXPECT_EQ(pane->findChildren<CardSlot*>().size(), cardCount);
    for (int position = 1; position <= cardCount; ++position) {
        const CardSlot* slot = display.cardSlot(spread(), position);
        ASSERT_NE(slot, nullptr) << position;
        EXPECT_EQ(slot->parentWidget(), pane);
        EXPECT_EQ(slot->position(), position);
        EXPECT_EQ(slot->pictureNumber(), 0);
        EXPECT_TRUE(pane->rect().contains(slot->geometry())) << position;
    }

    display.showSpreadLayout(spread(), handOf(cardCount));
    EXPECT_EQ(display.frontLayout(), spread());
    // The window reaches below the layout's top by the layout's whole height, so nothing of it is cut off.
    EXPECT_EQ(display.height(), twips(600 + plan->height));
    for (int position = 1; position <= cardCount; ++position)
        EXPECT_EQ(display.slotPictureNumber(spread(), position), 52 - (position - 1)) << position;
}

TEST_P(LayoutTableTest, TitleAndSiteLinkAreCentredAndTheLinkOpensTheHomePageOnce)
{
    display.showSpreadLayout(spread(), handOf(engine::cardCountOf(spread())));
    const auto* title = display.layoutPane(spread())->findChild<QLabel*>(QStringLiteral("lblSpreadName"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text().toStdString(), engine::findSpread(spread())->title);
    EXPECT_EQ(title->y(), 0);
    EXPECT_NEAR(title->geometry().center().x(), twips(5497), 1);

    auto* link = display.layoutPane(spread())->findChild<QLabel*>(QStringLiteral("lblCaptionBottom"));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(), QStringLiteral("For Detailed Analysis Visit ") + display::siteAddress());
    EXPECT_GE(link->width(), link->sizeHint().width());
    EXPECT_NEAR(link->geometry().center().x(), twips(5497), 1);
    // The lowest line of every layout shows in the window.
    EXPECT_TRUE(display.rect().contains(QRect(link->mapTo(&display, QPoint()), link->size())));

    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::RightButton);

    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened.front(), display::pageAddress(display::PageKey::HomePage));
}

// A number under another card cannot be read: every number is drawn after (over) every card of its layout.
TEST_P(LayoutTableTest, EveryPositionNumberIsDrawnOverEveryCard)
{
    QWidget* pane = display.layoutPane(spread());
    const auto* numbers = pane->findChild<display::PositionNumbers*>();
    ASSERT_NE(numbers, nullptr);
    const QObjectList& stacking = pane->children();
    for (int position = 1; position <= engine::cardCountOf(spread()); ++position) {
        CardSlot* slot = display.cardSlot(spread(), position);
        EXPECT_GT(stacking.indexOf(const_cast<display::PositionNumbers*>(numbers)), stacking.indexOf(slot));
        EXPECT_TRUE(numbers->geometry().contains(slot->numberBox().translated(slot->pos()))) << position;
    }
    EXPECT_TRUE(numbers->testAttribute(Qt::WA_TransparentForMouseEvents));
}

INSTANTIATE_TEST_SUITE_P(AllSpreads, LayoutTableTest, testing::Range(0, engine::kSpreadCount),
                         testing_support::numberedCases("Spread"));

TEST(FaceListTest, ItemsAreNumberedFromOneWithKeysOnTheUprightLists)
{
    EXPECT_EQ(display::SmallFaces.item(1).size(), QSize(40, 50));
    EXPECT_EQ(display::SidewaysFaces.item(52).size(), QSize(96, 71));
    EXPECT_EQ(display::LargeFaces.key(52), QStringLiteral("52.jpg"));
    EXPECT_EQ(display::SmallFaces.key(1), QStringLiteral("1.jpg"));
    EXPECT_TRUE(display::SidewaysFaces.key(1).isEmpty());
    EXPECT_TRUE(display::LargeFaces.item(0).isNull());
    EXPECT_TRUE(display::LargeFaces.item(53).isNull());
    EXPECT_TRUE(display::zodiacSign(12).isNull());
}

struct ScaledPictureCase {
    const char* name;
    std::function<QPixmap(qreal)> load;
    QSize logicalSize;
};

class ScaledPicture : public testing::TestWithParam<std::tuple<ScaledPictureCase, qreal>> {};

// On a scaled screen a picture has the screen's pixels yet keeps the logical size the windows are laid out in;
// on an unscaled one it is the plain picture, pixel for pixel.
TEST_P(ScaledPicture, KeepsItsLogicalSizeWithTheScreensPixels)
{
    const auto& [picture, ratio] = GetParam();
    const QPixmap shown = picture.load(ratio);
    ASSERT_FALSE(shown.isNull());
    EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), ratio);
    EXPECT_NEAR(shown.deviceIndependentSize().width(), picture.logicalSize.width(), 0.5);
    EXPECT_NEAR(shown.deviceIndependentSize().height(), picture.logicalSize.height(), 0.5);
    if (ratio == 1.0) {
        EXPECT_EQ(shown.toImage(), picture.load(0.75).toImage());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, ScaledPicture,
    testing::Combine(
        testing::Values(
            ScaledPictureCase{"LargeFace", [](qreal r) { return display::LargeFaces.item(13, r); }, QSize(71, 96)},
            ScaledPictureCase{"SmallFace", [](qreal r) { return display::SmallFaces.item(52, r); }, QSize(40, 50)},
            ScaledPictureCase{"SidewaysFace", [](qreal r) { return display::SidewaysFaces.item(1, r); }, QSize(96, 71)},
            ScaledPictureCase{"Back", [](qreal r) { return display::cardBack(r); }, QSize(71, 96)},
            ScaledPictureCase{"SidewaysBack", [](qreal r) { return display::sidewaysCardBack(r); }, QSize(96, 71)},
            ScaledPictureCase{"ManualBack", [](qreal r) { return display::manualCardBack(r); }, QSize(43, 58)},
            ScaledPictureCase{"ZodiacSign", [](qreal r) { return display::zodiacSign(11, r); }, QSize(24, 24)}),
        testing::Values(1.0, 1.5, 2.0)),
    [](const testing::TestParamInfo<std::tuple<ScaledPictureCase, qreal>>& info) {
        return std::string(std::get<0>(info.param).name) + "_" +
               std::to_string(static_cast<int>(std::get<1>(info.param) * 100));
    });

} // namespace
