// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace display {

// Runs the work once, when the event loop is next idle after the window was first drawn, so that
// what nobody sees yet does not hold up what people see first. Nothing runs if the window goes
// away before it is drawn.
void runAfterFirstPaint(QWidget& window, std::function<void()> work);

} // namespace display
