// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/journal_keeper.h"
#include "windows/window_flow.h"
#include "windows/window_services.h"

#include <QObject>

#include <memory>

namespace engine {
class RandomSource;
}

namespace shell {

class Clock;
class ExitWindow;
class SettingsStore;
class SingleInstanceLock;

// The program's life: start-up, the services the windows share, the exit window and the end.
class Application final : public QObject, public windows::WindowServices {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Application)

public:
    struct Services {
        windows::Platform& platform;
        engine::RandomSource& random;
        SettingsStore& settings;
        const Clock& clock;
        // Where the journal of readings is kept; empty keeps none.
        QString journalPath = {};
    };

    explicit Application(const Services& services);
    ~Application() override;

    // False when another copy runs: the person has been told and the caller ends the process.
    // Otherwise the main window is on screen and owns the interaction.
    bool startApplication(SingleInstanceLock& lock);

    // Unloads every window once and reports ended(); runs at most once.
    void exitApplication();

    windows::Platform& platform() override { return m_services.platform; }
    void addSharedMenus(QMenuBar* menuBar, QWidget* window) override;
    void showExitWindow() override;
    void hideExitWindow() override;

    windows::WindowFlow& flow() { return m_flow; }
    windows::JournalKeeper& journal() { return m_journal; }
    // Null until first shown.
    ExitWindow* exitWindow() const { return m_exitWindow.get(); }
    int coBrandNumber() const { return m_intCoBrandRandomNumber; }

signals:
    // The process should end now; nothing of the program runs after it.
    void ended();

private:
    Services m_services;
    windows::JournalKeeper m_journal;
    windows::WindowFlow m_flow;
    std::unique_ptr<ExitWindow> m_exitWindow;
    bool m_exiting = false;
    int m_intCoBrandRandomNumber = 0;
};

} // namespace shell
