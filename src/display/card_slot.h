// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

namespace display {

// One card position of a layout: a card back until a reading lays a face in it, with the position
// number over its lower left part.
class CardSlot final : public QWidget {
    Q_OBJECT

public:
    CardSlot(int position, bool crosswise, QWidget* parent);

    // Item pictureNumber of the large (or, crosswise, the sideways) faces; 0 shows the back.
    void showFace(int pictureNumber);

    int position() const { return m_position; }
    bool isCrosswise() const { return m_crosswise; }
    int pictureNumber() const { return m_pictureNumber; }
    // What the slot shows, for the screen the slot is on.
    const QPixmap& picture() const;
    // Its picture for a device of that pixel ratio.
    const QPixmap& picture(qreal devicePixelRatio) const;
    // Where its position number is written, in the slot's coordinates: over the lower left part of the card.
    QRect numberBox() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_position;
    bool m_crosswise;
    int m_pictureNumber = 0;
    // Loaded for one device pixel ratio; a move to another screen loads it again.
    mutable QPixmap m_picture;
    mutable qreal m_pictureRatio = 0.0;
};

// The position numbers of every slot on a layout, written over all its cards: where cards overlap (the
// Celtic Cross), a card on top would otherwise hide the number of the one beneath.
class PositionNumbers final : public QWidget {
    Q_OBJECT

public:
    // Covers the whole layout and lets every click through to the cards.
    explicit PositionNumbers(QWidget* layout);

    static QFont numberFont();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace display
