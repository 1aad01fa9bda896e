// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/window_flow.h"

#include "display/after_first_paint.h"
#include "windows/journal_keeper.h"
#include "windows/journal_window.h"
#include "windows/main_window.h"
#include "windows/manual_window.h"
#include "windows/own_cards_window.h"
#include "windows/report_window.h"
#include "windows/window_services.h"

namespace windows {

namespace {

// A closed window is deleted later; until then the pointer must already read as gone.
template <typename Window> void forgetWhenClosed(QObject* owner, QPointer<Window>& slot, Window* window)
{
    QObject::connect(window, &Window::windowClosed, owner, [&slot, window] {
        if (slot == window)
            slot = nullptr;
    });
}

} // namespace

WindowFlow::WindowFlow(WindowServices& services, engine::RandomSource& random, JournalKeeper* journal)
    : m_services(services), m_engine(random), m_journal(journal)
{
    if (m_journal)
        connect(m_journal, &JournalKeeper::problem, this, &WindowFlow::tellAboutJournal);
}

WindowFlow::~WindowFlow()
{
    delete m_mainWindow.data();
    delete m_manualWindow.data();
    delete m_ownCardsWindow.data();
    delete m_reportWindow.data();
    delete m_journalWindow.data();
}

MainWindow* WindowFlow::mainWindow() const
{
    return m_mainWindow.data();
}

ManualWindow* WindowFlow::manualWindow() const
{
    return m_manualWindow.data();
}

OwnCardsWindow* WindowFlow::ownCardsWindow() const
{
    return m_ownCardsWindow.data();
}

ReportWindow* WindowFlow::reportWindow() const
{
    return m_reportWindow.data();
}

JournalWindow* WindowFlow::journalWindow() const
{
    return m_journalWindow.data();
}

MainWindow* WindowFlow::showMainWindow()
{
    if (!m_mainWindow) {
        auto* window = new MainWindow(m_services);
        m_mainWindow = window;
        forgetWhenClosed(this, m_mainWindow, window);
        connect(window, &MainWindow::automaticDealRequested, this, &WindowFlow::dealAutomatically);
        connect(window, &MainWindow::manualDealRequested, this, &WindowFlow::startManualPicking);
        connect(window, &MainWindow::ownCardsRequested, this, &WindowFlow::startOwnCards);
        connect(window, &MainWindow::journalRequested, this, [this, window] { showJournalInsteadOf(window); });
        window->ui().mnuJournal->setEnabled(m_journal != nullptr);
        // Building the report window is most of what a first deal would wait for: do it, hidden, once this
        // window is on screen and the person is still filling it in.
        display::runAfterFirstPaint(*window, [this] {
            if (m_mainWindow && m_mainWindow->isVisible())
                loadReportWindow();
        });
        emit mainWindowOpened(window);
    }
    m_mainWindow->show();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
    return m_mainWindow;
}

ReportWindow* WindowFlow::loadReportWindow()
{
    if (!m_reportWindow) {
        auto* window = new ReportWindow(m_services);
        m_reportWindow = window;
        forgetWhenClosed(this, m_reportWindow, window);
        connect(window, &ReportWindow::backRequested, this, [this, window] {
            if (m_reportFromJournal && m_journal) {
                if (JournalWindow* journal = showJournalWindow())
                    journal->showSearch(m_journalSearch, m_journalReading);
                closeAsTransition(window);
            } else
                goBackFrom(window);
        });
        connect(window, &ReportWindow::journalRequested, this, [this, window] { showJournalInsteadOf(window); });
        window->ui().mnuJournal->setEnabled(m_journal != nullptr);
    }
    return m_reportWindow;
}

void WindowFlow::showReportWindow(ReportWindow& report)
{
    report.showMaximized();
    report.raise();
    report.activateWindow();
}

void WindowFlow::showReading(engine::SpreadIndex spread, journal::DealtBy dealtBy)
{
    ReportWindow* report = loadReportWindow();
    report->writeReading(m_engine, spread);
    m_reportFromJournal = false;
    showReportWindow(*report);
    // Kept once the report is on screen; the write itself happens away from the window.
    if (m_journal)
        m_journal->keep(
            journal::newReading(m_name.toStdString(), m_birthDate.toStdString(), spread, m_engine.hand(), dealtBy));
}

void WindowFlow::showAndKeep(journal::Reading reading, QWidget* from)
{
    ReportWindow* report = loadReportWindow();
    report->writeReading(m_engine, reading.spread, reading.cards);
    m_reportFromJournal = false;
    showReportWindow(*report);
    if (m_journal)
        m_journal->keep(std::move(reading));
    closeAsTransition(from);
}

void WindowFlow::openFromJournal(const journal::Reading& reading)
{
    ReportWindow* report = loadReportWindow();
    report->writeReading(m_engine, reading.spread, reading.cards);
    m_reportFromJournal = true;
    m_journalSearch = m_journalWindow ? m_journalWindow->searchText() : QString();
    m_journalReading = reading.id;
    showReportWindow(*report);
    closeAsTransition(m_journalWindow);
}

JournalWindow* WindowFlow::showJournalWindow()
{
    if (!m_journal)
        return nullptr;
    if (!m_journalWindow) {
        auto* window = new JournalWindow(m_services, *m_journal);
        m_journalWindow = window;
        forgetWhenClosed(this, m_journalWindow, window);
        connect(window, &JournalWindow::openRequested, this, &WindowFlow::openFromJournal);
        connect(window, &JournalWindow::backRequested, this, [this, window] { goBackFrom(window); });
    }
    m_journalWindow->show();
    m_journalWindow->raise();
    m_journalWindow->activateWindow();
    return m_journalWindow;
}

void WindowFlow::showJournalInsteadOf(QWidget* window)
{
    if (!showJournalWindow())
        return;
    closeAsTransition(window);
}

void WindowFlow::tellAboutJournal(const QString& message)
{
    QWidget* parent = nullptr;
    for (QWidget* window : std::initializer_list<QWidget*>{m_reportWindow, m_journalWindow, m_mainWindow,
                                                           m_manualWindow, m_ownCardsWindow}) {
        if (window && window->isVisible()) {
            parent = window;
            break;
        }
    }
    m_services.platform().messageBoxes.inform(parent, message, MessageIcon::Information);
}

void WindowFlow::rememberPerson()
{
    if (!m_mainWindow)
        return;
    m_name = m_mainWindow->enteredName();
    m_birthDate = m_mainWindow->enteredBirthDate();
}

void WindowFlow::dealAutomatically(engine::SpreadIndex spread)
{
    rememberPerson();
    showReading(spread, journal::DealtBy::Automatic);
    closeAsTransition(m_mainWindow);
}

void WindowFlow::startManualPicking(engine::SpreadIndex spread)
{
    rememberPerson();
    if (m_manualWindow)
        closeAsTransition(m_manualWindow);
    auto* window = new ManualWindow(m_services, spread);
    m_manualWindow = window;
    forgetWhenClosed(this, m_manualWindow, window);
    connect(window, &ManualWindow::picksCompleted, this, &WindowFlow::finishManualPicking);
    connect(window, &ManualWindow::backRequested, this, [this, window] { goBackFrom(window); });
    window->show();
    loadReportWindow();
    closeAsTransition(m_mainWindow);
}

void WindowFlow::finishManualPicking(engine::SpreadIndex spread)
{
    showReading(spread, journal::DealtBy::Manual);
    closeAsTransition(m_manualWindow);
}

void WindowFlow::startOwnCards(engine::SpreadIndex spread)
{
    rememberPerson();
    if (m_ownCardsWindow)
        closeAsTransition(m_ownCardsWindow);
    auto* window = new OwnCardsWindow(m_services, spread);
    m_ownCardsWindow = window;
    forgetWhenClosed(this, m_ownCardsWindow, window);
    connect(window, &OwnCardsWindow::readRequested, this, &WindowFlow::readOwnCards);
    connect(window, &OwnCardsWindow::backRequested, this, [this, window] { goBackFrom(window); });
    window->show();
    window->raise();
    window->activateWindow();
    loadReportWindow();
    closeAsTransition(m_mainWindow);
}

void WindowFlow::readOwnCards(engine::SpreadIndex spread, const engine::Hand& hand, const QString& question)
{
    journal::Reading reading =
        journal::newReading(m_name.toStdString(), m_birthDate.toStdString(), spread, hand, journal::DealtBy::OwnCards);
    reading.question = question.toStdString();
    showAndKeep(std::move(reading), m_ownCardsWindow);
}

void WindowFlow::goBackFrom(QWidget* window)
{
    showMainWindow();
    closeAsTransition(window);
}

void WindowFlow::closeAsTransition(QWidget* window)
{
    if (!window)
        return;
    window->close();
    m_services.hideExitWindow();
}

} // namespace windows
