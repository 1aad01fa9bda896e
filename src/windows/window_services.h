// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/platform.h"

class QMenuBar;
class QWidget;

namespace windows {

// What the reading windows need from the application around them.
class WindowServices {
public:
    virtual ~WindowServices() = default;

    virtual Platform& platform() = 0;
    // Appends "&Help", "&Donate" and "Make Money &Online" after the window's own "&File" menu.
    virtual void addSharedMenus(QMenuBar* menuBar, QWidget* window) = 0;
    // Close handling of the main, manual and report windows shows the exit window;
    // a transition hides it again at once.
    virtual void showExitWindow() = 0;
    virtual void hideExitWindow() = 0;
};

} // namespace windows
