// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/reading.h"
#include "engine/types.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace engine {
class RandomSource;
}

namespace windows {

class MainWindow;
class ManualWindow;
class OwnCardsWindow;
class ReportWindow;
class WindowServices;

// Leads a person from the main window through a reading and back, one window on screen at a time.
class WindowFlow final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowFlow)

public:
    WindowFlow(WindowServices& services, engine::RandomSource& random);
    ~WindowFlow() override;

    // Shows the main window, opening a fresh one unless one is already on screen.
    MainWindow* showMainWindow();

    // The windows that are loaded now; null when closed or never opened.
    MainWindow* mainWindow() const;
    ManualWindow* manualWindow() const;
    OwnCardsWindow* ownCardsWindow() const;
    ReportWindow* reportWindow() const;

signals:
    // A fresh main window was opened (at start or after Back), before it is shown.
    void mainWindowOpened(MainWindow* window);

private:
    void dealAutomatically(engine::SpreadIndex spread);
    void startManualPicking(engine::SpreadIndex spread);
    void finishManualPicking(engine::SpreadIndex spread);
    void startOwnCards(engine::SpreadIndex spread);
    void readOwnCards(engine::SpreadIndex spread, const engine::Hand& hand, const QString& question);
    void goBackFrom(QWidget* window);
    ReportWindow* loadReportWindow();
    void showReading(engine::SpreadIndex spread);
    // Closing to move on to another window: its close handling shows the exit window, which goes again at once.
    void closeAsTransition(QWidget* window);

    WindowServices& m_services;
    engine::ReadingEngine m_engine;
    QPointer<MainWindow> m_mainWindow;
    QPointer<ManualWindow> m_manualWindow;
    QPointer<OwnCardsWindow> m_ownCardsWindow;
    QPointer<ReportWindow> m_reportWindow;
};

} // namespace windows
