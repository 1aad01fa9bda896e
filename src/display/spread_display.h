// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/spread_layout_view.h"
#include "engine/types.h"

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

namespace display {

class CardSlot;
class UrlOpener;
struct SlotPlace;

// Makes the widget that lies in a place of a layout, as a child of the pane, and puts it there.
using PlaceMaker = std::function<QWidget*(int position, const SlotPlace& place, QWidget& pane)>;

// The layout pane of a spread as the display shows it: background, decorations, title and link, with the widget
// makePlace gives for each position (the crosswise one above the card it lies across). Placed at the layout's
// top in parent; nullptr for an index outside 0 to 17.
QWidget* buildLayoutPane(engine::SpreadIndex spread, QWidget& parent, UrlOpener& opener, const PlaceMaker& makePlace);

// The pane beside the report: one prepared layout per spread, the dealt cards in the front one.
class SpreadDisplay final : public QWidget, public engine::SpreadLayoutView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpreadDisplay)

public:
    explicit SpreadDisplay(UrlOpener& opener, QWidget* parent = nullptr);
    ~SpreadDisplay() override;

    // Lays the hand into the spread's layout, brings it to the front and fits the height to it.
    // An index outside 0 to 17 changes nothing; positions the hand does not reach show a back.
    void showSpreadLayout(engine::SpreadIndex spread, const engine::Hand& hand) override;

    engine::SpreadIndex frontLayout() const { return m_front; }
    QWidget* layoutPane(engine::SpreadIndex spread) const;
    // Position numbers start at 1; nullptr when the layout has no such position.
    CardSlot* cardSlot(engine::SpreadIndex spread, int position) const;
    // The face list item the slot shows, 0 for a card back, -1 when there is no such slot.
    int slotPictureNumber(engine::SpreadIndex spread, int position) const;

private:
    struct Layout {
        QWidget* pane = nullptr;
        std::vector<CardSlot*> cards;
    };

    void buildLayout(engine::SpreadIndex spread);
    void bringToFront(engine::SpreadIndex spread);

    UrlOpener& m_opener;
    std::array<Layout, engine::kSpreadCount> m_layouts;
    engine::SpreadIndex m_front = 0;
};

} // namespace display
