// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/spread_display.h"

#include "display/card_slot.h"
#include "display/clickable_label.h"
#include "display/face_lists.h"
#include "display/look.h"
#include "display/site_pages.h"
#include "display/spread_decorations.h"
#include "display/spread_layouts.h"
#include "engine/spread_catalogue.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>

#include <algorithm>
#include <cstdlib>

namespace display {
namespace {

const QColor kCaptionPink(255, 128, 255);

QLabel* addLabel(QWidget& parent, const QString& name, const QString& text, const QFont& font, const QColor& colour)
{
    auto* label = new QLabel(text, &parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    setTextColour(*label, colour);
    label->setAutoFillBackground(false);
    return label;
}

// The box as designed, widened or heightened about its centre when the text needs more room (fonts differ between
// systems, and the link's descenders need more than its designed height with some).
void placeCentred(QLabel& label, const QRect& box)
{
    const int width = std::max(box.width(), label.sizeHint().width());
    const int height = std::max(box.height(), QFontMetrics(label.font()).height());
    label.setGeometry(box.center().x() + 1 - (width + 1) / 2, box.center().y() + 1 - (height + 1) / 2, width, height);
}

// A label as wide as its text, placed with its top-left corner.
void addPlacedLabels(QWidget& pane, const QString& name, std::span<const PlacedText> texts)
{
    for (const PlacedText& text : texts) {
        QLabel* label = addLabel(pane, name, fromView(text.text), verdanaFont(12, true), kOrange);
        label->adjustSize();
        label->move(twips(text.left), twips(text.top));
    }
}

void addLine(QWidget& pane, const LineSegment& line, int pixels)
{
    auto* mark = new QWidget(&pane);
    mark->setObjectName(QStringLiteral("Line"));
    fillBackground(*mark, kOrange);
    mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    const int left = twips(std::min(line.from.x, line.to.x));
    const int top = twips(std::min(line.from.y, line.to.y));
    const int width = std::max(twips(std::abs(line.to.x - line.from.x)), pixels);
    const int height = std::max(twips(std::abs(line.to.y - line.from.y)), pixels);
    mark->setGeometry(left, top, width, height);
}

QRect boxRect(const BoxTwips& box)
{
    return twipsRect(box.left, box.top, box.width, box.height);
}

void addNumerologyGrid(QWidget& pane)
{
    const NumerologyGrid& grid = numerologyGrid();
    for (const LineSegment& line : grid.lines)
        addLine(pane, line, 2);

    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    int index = 0;
    for (const BoxedText& entry : grid.numbers) {
        QLabel* number = addLabel(pane, QStringLiteral("lblNo_%1").arg(index++), fromView(entry.text),
                                  verdanaFont(9, true), windowText);
        number->setAlignment(Qt::AlignCenter);
        fillBackground(*number, kOrange);
        number->setGeometry(boxRect(entry.box));
    }

    index = 0;
    for (const BoxedText& word : grid.columnWords) {
        QLabel* label = addLabel(pane, QStringLiteral("lblNumerologyGrid_%1").arg(index++), fromView(word.text),
                                 verdanaFont(8.25, true), kOrange);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(boxRect(word.box));
    }
    for (const BoxedText& word : grid.rowWords) {
        auto* label = new StackedLettersLabel(fromView(word.text), kOrange, &pane);
        label->setObjectName(QStringLiteral("lblNumerologyGrid_%1").arg(index++));
        label->setFont(verdanaFont(8.25, true));
        label->setGeometry(boxRect(word.box));
    }
}

void addZodiacWheel(QWidget& pane)
{
    const ZodiacWheel& wheel = zodiacWheel();
    auto* outline = new OvalOutline(kOrange, &pane);
    outline->setObjectName(QStringLiteral("Shape"));
    outline->setGeometry(boxRect(wheel.oval));
    addLine(pane, wheel.line, 1);

    constexpr int kFallbackSide = 24;
    int index = 0;
    for (const PointTwips& centre : wheel.signCentres) {
        auto* sign = new QLabel(&pane);
        sign->setObjectName(QStringLiteral("picZodiacSymbols_%1").arg(index));
        const QPixmap picture = zodiacSign(index++, pane.devicePixelRatioF());
        const QSize size =
            picture.isNull() ? QSize(kFallbackSide, kFallbackSide) : picture.deviceIndependentSize().toSize();
        sign->setPixmap(picture);
        sign->setGeometry(twips(centre.x) - size.width() / 2, twips(centre.y) - size.height() / 2, size.width(),
                          size.height());
    }
}

} // namespace

SpreadDisplay::SpreadDisplay(UrlOpener& opener, QWidget* parent) : QWidget(parent), m_opener(opener)
{
    setObjectName(QStringLiteral("SpreadDisplay"));
    setWindowTitle(QStringLiteral("Zelto Cartomancy v1.35"));
    fillBackground(*this, kBlack);

    QLabel* caption = addLabel(*this, QStringLiteral("lblSoftwareCaption"), QStringLiteral("Zelto Cartomancy"),
                               verdanaFont(14.25, true), kOrange);
    caption->setAlignment(Qt::AlignCenter);
    placeCentred(*caption, twipsRect(4230, 120, 2535, 345));

    for (engine::SpreadIndex spread = 0; spread < engine::kSpreadCount; ++spread)
        buildLayout(spread);
    bringToFront(0);
}

SpreadDisplay::~SpreadDisplay() = default;

QWidget* buildLayoutPane(engine::SpreadIndex spread, QWidget& parent, UrlOpener& opener, const PlaceMaker& makePlace)
{
    const LayoutPlan* planned = layoutPlan(spread);
    if (!planned)
        return nullptr;
    const LayoutPlan& plan = *planned;

    auto* pane = new QWidget(&parent);
    pane->setObjectName(fromView(plan.container));
    fillBackground(*pane, QColor(plan.background.red, plan.background.green, plan.background.blue));
    pane->setGeometry(twipsRect(0, kLayoutTop, kLayoutWidth, plan.height));

    // Lines and the oval lie under the cards; labels lie over them.
    if (plan.decoration == Decoration::Zodiac)
        addZodiacWheel(*pane);

    int position = 1;
    std::vector<QWidget*> crosswise;
    for (const SlotPlace& place : plan.places) {
        QWidget* card = makePlace(position, place, *pane);
        if (card && place.crosswise)
            crosswise.push_back(card);
        ++position;
    }
    // The crosswise card covers the one it lies across.
    for (QWidget* card : crosswise)
        card->raise();

    switch (plan.decoration) {
    case Decoration::Relationship:
        addPlacedLabels(*pane, QStringLiteral("lblRelationship"), relationshipHeadings());
        break;
    case Decoration::Romany:
        addPlacedLabels(*pane, QStringLiteral("lblRomany"), romanyHeadings());
        break;
    case Decoration::NumerologyGrid:
        addNumerologyGrid(*pane);
        break;
    case Decoration::Zodiac:
    case Decoration::None:
        break;
    }

    const engine::Spread* described = engine::findSpread(spread);
    const QString title = described ? fromView(described->title) : QString();
    QLabel* name = addLabel(*pane, QStringLiteral("lblSpreadName"), title, verdanaFont(12, true), kAqua);
    name->adjustSize();
    name->move(twips(kDisplayCentreX) - name->width() / 2, 0);

    auto* link = new ClickableLabel(QStringLiteral("For Detailed Analysis Visit ") + siteAddress(), pane);
    link->setTextFormat(Qt::PlainText);
    link->setCursor(Qt::PointingHandCursor);
    link->setObjectName(QStringLiteral("lblCaptionBottom"));
    link->setFont(verdanaFont(12, true));
    setTextColour(*link, kCaptionPink);
    link->setAlignment(Qt::AlignCenter);
    placeCentred(*link, twipsRect(1792, plan.captionBottomTop, 7410, 270));
    link->setAddress(pageAddress(PageKey::HomePage));
    QObject::connect(link, &ClickableLabel::clicked, pane, [&opener] { openSitePage(opener, PageKey::HomePage); });
    return pane;
}

void SpreadDisplay::buildLayout(engine::SpreadIndex spread)
{
    const LayoutPlan& plan = *layoutPlan(spread);
    Layout& layout = m_layouts[static_cast<std::size_t>(spread)];
    layout.pane = buildLayoutPane(spread, *this, m_opener, [&](int position, const SlotPlace& place, QWidget& pane) {
        auto* slot = new CardSlot(position, place.crosswise, &pane);
        slot->setObjectName(QStringLiteral("%1_%2").arg(fromView(plan.slotArray)).arg(position - 1));
        slot->move(twips(place.left), twips(place.top));
        layout.cards.push_back(slot);
        return slot;
    });
    new PositionNumbers(layout.pane);
}

void SpreadDisplay::showSpreadLayout(engine::SpreadIndex spread, const engine::Hand& hand)
{
    if (!layoutPlan(spread))
        return;
    const Layout& layout = m_layouts[static_cast<std::size_t>(spread)];
    for (std::size_t i = 0; i < layout.cards.size(); ++i) {
        const bool dealt = i < hand.size() && hand[i] >= 0 && hand[i] < engine::kCardCount;
        layout.cards[i]->showFace(dealt ? engine::pictureNumber(hand[i]) : 0);
    }
    bringToFront(spread);
}

void SpreadDisplay::bringToFront(engine::SpreadIndex spread)
{
    m_front = spread;
    // Only the front layout is shown, so a taller layout behind never peeks out below a shorter one.
    for (std::size_t i = 0; i < m_layouts.size(); ++i)
        m_layouts[i].pane->setVisible(i == static_cast<std::size_t>(spread));
    m_layouts[static_cast<std::size_t>(spread)].pane->raise();
    // The layouts start below the caption, so the window reaches down that much further to show each one whole.
    setFixedSize(twips(kDisplayWidth), twips(kLayoutTop + layoutPlan(spread)->height));
}

QWidget* SpreadDisplay::layoutPane(engine::SpreadIndex spread) const
{
    if (!layoutPlan(spread))
        return nullptr;
    return m_layouts[static_cast<std::size_t>(spread)].pane;
}

CardSlot* SpreadDisplay::cardSlot(engine::SpreadIndex spread, int position) const
{
    if (!layoutPlan(spread))
        return nullptr;
    const std::vector<CardSlot*>& cards = m_layouts[static_cast<std::size_t>(spread)].cards;
    if (position < 1 || position > static_cast<int>(cards.size()))
        return nullptr;
    return cards[static_cast<std::size_t>(position - 1)];
}

int SpreadDisplay::slotPictureNumber(engine::SpreadIndex spread, int position) const
{
    const CardSlot* shown = cardSlot(spread, position);
    return shown ? shown->pictureNumber() : -1;
}

} // namespace display
