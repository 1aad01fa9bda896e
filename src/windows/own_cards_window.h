// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"
#include "windows/reading_window.h"

#include <QPixmap>
#include <QPoint>
#include <QString>

#include <array>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace display {
class ClickableLabel;
class NoticeLabel;
} // namespace display

namespace windows {

class WindowServices;

// One position of the spread on the table: empty, or the card the person laid there.
class OwnCardPlace final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OwnCardPlace)

public:
    OwnCardPlace(int position, bool crosswise, const QString& meaning, QWidget* parent);

    int position() const { return m_position; }
    bool isCrosswise() const { return m_crosswise; }
    // -1 while the place is empty.
    engine::CardIndex card() const { return m_card; }
    void setCard(engine::CardIndex card);
    // The place the next card goes to is marked, brighter while it has the keyboard.
    void setChosen(bool chosen);
    bool isChosen() const { return m_chosen; }

signals:
    // Where the pointer was, in the spread's coordinates.
    void pressed(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int m_position;
    bool m_crosswise;
    QString m_meaning;
    engine::CardIndex m_card = -1;
    bool m_chosen = false;
    QLabel* m_number = nullptr;
    mutable QPixmap m_face;
    mutable qreal m_faceRatio = 0.0;
};

// Reads the cards the person laid out from a deck of their own: each position of the spread is filled by
// clicking a card of the face-up deck or by typing it, then the reading is composed as for a deal.
class OwnCardsWindow final : public ReadingWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OwnCardsWindow)

public:
    struct Ui {
        QScrollArea* clientArea = nullptr;
        QLineEdit* txtQuestion = nullptr;
        QPushButton* cmdRead = nullptr;
        QPushButton* cmdBack = nullptr;
        QWidget* picSpread = nullptr;
        std::vector<OwnCardPlace*> places; // place i holds position i + 1
        QLabel* lblInstructions = nullptr;
        QWidget* picDeck = nullptr;
        std::array<display::ClickableLabel*, engine::kCardCount> deckCards{}; // by CardIndex
        QLabel* lblPositionMeaning = nullptr;
        display::NoticeLabel* lblTyped = nullptr;
        QAction* mnuRead = nullptr;
        QAction* mnuBack = nullptr;
        QAction* mnuExit = nullptr;
    };

    OwnCardsWindow(WindowServices& services, engine::SpreadIndex spread, QWidget* parent = nullptr);

    const Ui& ui() const { return m_ui; }
    engine::SpreadIndex spread() const { return m_spread; }
    // The cards in position order, -1 where a place is still empty.
    engine::Hand hand() const;
    QString question() const;

signals:
    // Every place holds a card: compose the reading of this hand.
    void readRequested(engine::SpreadIndex spread, const engine::Hand& hand, const QString& question);
    void backRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdRead_Click();

private:
    void buildControls();
    void buildMenus();
    QWidget* buildDeck(QWidget& parent);
    // Brings the place into view unless the deck is in use: the pointer stays where the cards are.
    void choosePlace(int index, bool bringIntoView = true);
    // Lays the card on the chosen place and moves on to the next empty one; false, with the reason shown,
    // when it lies on another place already.
    bool layCard(engine::CardIndex card, bool fromDeck = false);
    void emptyChosenPlace();
    void moveToNextEmptyPlace(bool bringIntoView);
    int placeHolding(engine::CardIndex card) const;
    // The place a click at that point of the spread chooses: the one on top, or where that is chosen already,
    // the one beneath it, so that a place half hidden under a crosswise card can be reached.
    int placeClickedAt(int topmost, QPoint at) const;
    bool handleKey(QKeyEvent& event);
    void typeCharacter(QChar character);
    void takeTypedCard();
    void showTyping(const QString& text);
    void refreshDeckAndButtons();
    int nearestPlace(int from, int rowStep) const;

    engine::SpreadIndex m_spread;
    int m_chosen = 0;
    QString m_typed;
    // The rest of a name just completed: typed on, it is swallowed rather than starting the next card.
    QString m_completedRest;
    Ui m_ui;
};

} // namespace windows
