// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fake_platform.h"
#include "windows/window_services.h"

#include <QMenuBar>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace testing_support {

// Counts the exit window's comings and goings and records which windows asked for the shared menus.
class FakeWindowServices final : public windows::WindowServices {
public:
    windows::Platform& platform() override { return platformOverride ? *platformOverride : fake.platform; }
    void addSharedMenus(QMenuBar* menuBar, QWidget* window) override { sharedMenuCalls.push_back({menuBar, window}); }
    void showExitWindow() override
    {
        ++showExitWindowCalls;
        exitWindowShown = true;
    }
    void hideExitWindow() override
    {
        ++hideExitWindowCalls;
        exitWindowShown = false;
    }

    struct SharedMenuCall {
        QPointer<QMenuBar> menuBar;
        QPointer<QWidget> window;
    };

    FakePlatform fake;
    windows::Platform* platformOverride = nullptr; // a test's own mix of platform services
    std::vector<SharedMenuCall> sharedMenuCalls;
    int showExitWindowCalls = 0;
    int hideExitWindowCalls = 0;
    bool exitWindowShown = false;
};

} // namespace testing_support
