// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/reading.h"
#include "engine/types.h"
#include "journal/reading_record.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace engine {
class RandomSource;
}

namespace windows {

class JournalKeeper;
class JournalWindow;
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
    // Without a journal keeper, readings are shown but not kept and there is no Journal window.
    WindowFlow(WindowServices& services, engine::RandomSource& random, JournalKeeper* journal = nullptr);
    ~WindowFlow() override;

    // Shows the main window, opening a fresh one unless one is already on screen.
    MainWindow* showMainWindow();

    // The windows that are loaded now; null when closed or never opened.
    MainWindow* mainWindow() const;
    ManualWindow* manualWindow() const;
    OwnCardsWindow* ownCardsWindow() const;
    ReportWindow* reportWindow() const;
    JournalWindow* journalWindow() const;

    // Shows the Journal window, opening it unless it is on screen; null without a journal keeper.
    JournalWindow* showJournalWindow();
    // Shows the reading of a hand not dealt here (the person's own cards) in the report window, composed as a dealt
    // one, keeps it in the journal, and closes the window it came from as a transition.
    void showAndKeep(journal::Reading reading, QWidget* from = nullptr);

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
    void showReading(engine::SpreadIndex spread, journal::DealtBy dealtBy);
    void showReportWindow(ReportWindow& report);
    void rememberPerson();
    void openFromJournal(const journal::Reading& reading);
    void showJournalInsteadOf(QWidget* window);
    // Where the person hears about the journal's troubles: the window on screen.
    void tellAboutJournal(const QString& message);
    // Closing to move on to another window: its close handling shows the exit window, which goes again at once.
    void closeAsTransition(QWidget* window);

    WindowServices& m_services;
    engine::ReadingEngine m_engine;
    QPointer<MainWindow> m_mainWindow;
    QPointer<ManualWindow> m_manualWindow;
    QPointer<OwnCardsWindow> m_ownCardsWindow;
    QPointer<ReportWindow> m_reportWindow;
    QPointer<JournalWindow> m_journalWindow;
    JournalKeeper* m_journal = nullptr;
    // The name and date of birth of the reading being dealt, as the main window had them.
    QString m_name;
    QString m_birthDate;
    // Back from a reading opened in the journal returns there, to the same search and reading.
    bool m_reportFromJournal = false;
    QString m_journalSearch;
    std::int64_t m_journalReading = 0;
};

} // namespace windows
