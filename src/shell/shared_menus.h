// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenuBar;
class QWidget;

namespace display {
class UrlOpener;
}

namespace shell {

// "&Help", "&Donate" and the greyed "Make Money &Online" after the window's own menus; About opens over window.
void addSharedMenus(QMenuBar& menuBar, QWidget* window, display::UrlOpener& opener);

// The About window, modal over the window; returns when it is closed.
void showAboutWindow(QWidget* window, display::UrlOpener& opener);

} // namespace shell
