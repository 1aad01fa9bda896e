// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;

namespace display {

class DropDownList;
class ReportView;

// Teaches Qt's accessibility how to present the display's own widgets: a clickable label as a link (or
// the role it asks for) named by its text with a press action, a drop-down list by its name, a notice line as a
// notification, a card slot as a picture, the numbers over a spread as nothing to present, a window built on a plain
// widget as a window. Safe to call any number of times; the widgets call it themselves. Also keeps back what happens
// inside windows that are not on screen, which a screen reader would otherwise take event by event before it could
// announce the window.
void installAccessibleInterfaces();

// The accessible object of one of the report's links, for the view to register and keep.
QAccessibleInterface* makeReportLinkInterface(ReportView& view, int index);

// Says the list's chosen entry to a screen reader, as a new focus on that entry: Qt reports a changed
// choice of a closed list only as an unchanged name, which a screen reader does not read out.
void announceChosenEntry(DropDownList& list);

} // namespace display
