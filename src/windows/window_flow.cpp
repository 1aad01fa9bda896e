// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/window_flow.h"

#include "display/after_first_paint.h"
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

WindowFlow::WindowFlow(WindowServices& services, engine::RandomSource& random) : m_services(services), m_engine(random)
{
}

WindowFlow::~WindowFlow()
{
    delete m_mainWindow.data();
    delete m_manualWindow.data();
    delete m_ownCardsWindow.data();
    delete m_reportWindow.data();
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

MainWindow* WindowFlow::showMainWindow()
{
    if (!m_mainWindow) {
        auto* window = new MainWindow(m_services);
        m_mainWindow = window;
        forgetWhenClosed(this, m_mainWindow, window);
        connect(window, &MainWindow::automaticDealRequested, this, &WindowFlow::dealAutomatically);
        connect(window, &MainWindow::manualDealRequested, this, &WindowFlow::startManualPicking);
        connect(window, &MainWindow::ownCardsRequested, this, &WindowFlow::startOwnCards);
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
        connect(window, &ReportWindow::backRequested, this, [this, window] { goBackFrom(window); });
    }
    return m_reportWindow;
}

void WindowFlow::showReading(engine::SpreadIndex spread)
{
    ReportWindow* report = loadReportWindow();
    report->writeReading(m_engine, spread);
    report->showMaximized();
    report->raise();
    report->activateWindow();
}

void WindowFlow::dealAutomatically(engine::SpreadIndex spread)
{
    showReading(spread);
    closeAsTransition(m_mainWindow);
}

void WindowFlow::startManualPicking(engine::SpreadIndex spread)
{
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
    showReading(spread);
    closeAsTransition(m_manualWindow);
}

void WindowFlow::startOwnCards(engine::SpreadIndex spread)
{
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

void WindowFlow::readOwnCards(engine::SpreadIndex spread, const engine::Hand& hand, const QString&)
{
    ReportWindow* report = loadReportWindow();
    report->writeReading(m_engine, spread, hand);
    report->showMaximized();
    report->raise();
    report->activateWindow();
    closeAsTransition(m_ownCardsWindow);
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
