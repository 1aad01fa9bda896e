// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"
#include "windows/reading_window.h"

#include <QPointer>

#include <array>

class QAction;
class QFrame;
class QLabel;

namespace display {
class ClickableLabel;
}

namespace windows {

class WindowServices;

// The whole deck face down: one click per position of the spread paces a manual reading.
class ManualWindow final : public ReadingWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ManualWindow)

public:
    struct Ui {
        display::ClickableLabel* Label14 = nullptr;
        display::ClickableLabel* Label3 = nullptr;
        QWidget* picTray = nullptr;
        std::array<display::ClickableLabel*, engine::kCardCount> picManual{};
        QWidget* picMessage = nullptr;
        QLabel* lblMessage = nullptr;
        QLabel* lblPositionMeaning = nullptr;
        QFrame* fraFullBrand = nullptr;
        display::ClickableLabel* lblFullBrand = nullptr;
        display::ClickableLabel* lblCobrand = nullptr;
        QAction* mnuBack = nullptr;
        QAction* mnuExit = nullptr;
    };

    ManualWindow(WindowServices& services, engine::SpreadIndex spread, QWidget* parent = nullptr);

    const Ui& ui() const { return m_ui; }
    int pickCount() const { return m_pickCount; }
    int picksNeeded() const;

signals:
    // The last card is picked and the pause is over: time to deal.
    void picksCompleted(engine::SpreadIndex spread);
    void backRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Arrow keys move the focus between the cards still in the tray.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void Form_Load();
    void picManual_Click(int index);

private:
    void buildControls();
    void buildMenus();
    QString positionMeaning(int position) const;
    void showPositionMeaning(int position);
    void announce(const QString& text);
    bool isInTray(int index) const;
    // The first card still in the tray from index on in steps of step (1 or -1), -1 if none.
    int nextCardInTray(int index, int step) const;
    // The card still in the tray nearest to index's column in the first row above (-1) or below (1) that
    // has any left, -1 if none.
    int nearestCardInRow(int index, int rowStep) const;
    int focusedCard() const;

    engine::SpreadIndex m_spread;
    int m_pickCount = 0;
    bool m_closed = false;
    QPointer<QWidget> m_announcedTo;
    bool m_focusMarksShown = false;
    Ui m_ui;
};

} // namespace windows
