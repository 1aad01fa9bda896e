// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/application.h"

#include "display/after_first_paint.h"
#include "engine/random_source.h"
#include "shell/co_brand.h"
#include "shell/exit_window.h"
#include "shell/settings_store.h"
#include "shell/shared_menus.h"
#include "shell/shell_texts.h"
#include "shell/single_instance.h"
#include "shell/update_reminder.h"
#include "windows/main_window.h"

#include <QApplication>
#include <QMenuBar>
#include <QPointer>

namespace shell {

namespace {

// "Keep a journal of my readings": kept unless the person turned it off.
const QString kKeepJournalKey = QStringLiteral("keepJournal");

} // namespace

Application::Application(const Services& services)
    : m_services(services), m_journal(services.journalPath),
      m_flow(*this, services.random, m_journal.hasJournal() ? &m_journal : nullptr)
{
    m_journal.setKeepsReadings(m_services.settings.value(kKeepJournalKey) != QStringLiteral("0"));
    connect(&m_journal, &windows::JournalKeeper::keepingChanged, this, [this](bool keep) {
        m_services.settings.setValue(kKeepJournalKey, keep ? QStringLiteral("1") : QStringLiteral("0"));
        m_services.settings.flush();
    });
    // The offer drawn at start stays for the run: a main window opened after Back shows the same one.
    connect(&m_flow, &windows::WindowFlow::mainWindowOpened, this, [this](windows::MainWindow* window) {
        if (m_intCoBrandRandomNumber != 0)
            bringOfferToFront(m_intCoBrandRandomNumber, *window);
    });
}

Application::~Application() = default;

bool Application::startApplication(SingleInstanceLock& lock)
{
    if (!lock.tryAcquire()) {
        m_services.platform.messageBoxes.inform(nullptr, texts::kAlreadyRunning, windows::MessageIcon::Information);
        exitApplication();
        return false;
    }
    m_journal.openInBackground();
    m_services.random.reseedFromClock();
    remindOfUpdate(
        {m_services.settings, m_services.clock, m_services.platform.messageBoxes, m_services.platform.urlOpener});
    windows::MainWindow* mainWindow = m_flow.showMainWindow();
    if (mainWindow)
        m_intCoBrandRandomNumber = CoBrand_Randomize(m_services.random, *mainWindow);
    // Writing the reminder's date can wait on the disk; nobody sees it, so it waits for the main window instead.
    if (mainWindow)
        display::runAfterFirstPaint(*mainWindow, [this] { m_services.settings.flush(); });
    else
        m_services.settings.flush();
    return true;
}

void Application::exitApplication()
{
    if (m_exiting)
        return;
    m_exiting = true;
    // Closing may delete windows (and their children); only ever touch the ones still alive.
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (type == Qt::Window || type == Qt::Dialog)
            windows.append(widget);
    }
    for (const QPointer<QWidget>& window : windows) {
        if (window)
            window->close();
    }
    emit ended();
}

void Application::addSharedMenus(QMenuBar* menuBar, QWidget* window)
{
    if (menuBar)
        shell::addSharedMenus(*menuBar, window, m_services.platform.urlOpener);
}

void Application::showExitWindow()
{
    if (m_exiting)
        return;
    if (!m_exitWindow) {
        m_exitWindow = std::make_unique<ExitWindow>(m_services.platform, m_services.random);
        connect(m_exitWindow.get(), &ExitWindow::closed, this, &Application::exitApplication);
    }
    if (!m_exitWindow->isVisible())
        m_exitWindow->show();
}

void Application::hideExitWindow()
{
    if (m_exitWindow)
        m_exitWindow->hide();
}

} // namespace shell
