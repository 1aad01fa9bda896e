// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace display {

// Teaches Qt's accessibility how to present the display's own widgets: a clickable label as a link (or
// the role it asks for) named by its text with a press action, a drop-down list by its name, a card slot
// as a picture, a window built on a plain widget as a window. Safe to call any number of times; the widgets call it
// themselves.
void installAccessibleInterfaces();

} // namespace display
