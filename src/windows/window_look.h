// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/look.h"
#include "windows/window_texts.h"

#include <QAction>
#include <QColor>
#include <QKeySequence>
#include <QObject>
#include <QString>

class QFont;
class QLabel;
class QMainWindow;
class QMenu;
class QSize;
class QWidget;

// Look shared by the reading windows.
namespace windows {

// Every window places its controls in twips, as they were first laid out.
using display::twips;
using display::twipsRect;

// A black central widget named after the window with "Client" added.
QWidget* addBlackClient(QMainWindow& window);
// An entry of a window's own "&File" menu, named so that it can be found and triggered by name.
QAction* addMenuEntry(QMenu& menu, const QString& caption, const char* objectName);
// The same, triggering the receiver's slot.
template <typename Receiver, typename Slot>
QAction* addMenuEntry(QMenu& menu, const QString& caption, const char* objectName, Receiver* receiver, Slot slot)
{
    QAction* entry = addMenuEntry(menu, caption, objectName);
    QObject::connect(entry, &QAction::triggered, receiver, slot);
    return entry;
}
// "&Journal..." with Ctrl+J, the same in every window that offers it.
template <typename Receiver, typename Slot> QAction* addJournalEntry(QMenu& menu, Receiver* receiver, Slot slot)
{
    QAction* entry = addMenuEntry(menu, texts::kJournal, "mnuJournal", receiver, slot);
    entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    return entry;
}
// Plain text, wrapped, from the top left corner.
QLabel* addWrappedLabel(QWidget& parent, const QString& objectName, const QRect& geometry, const QFont& font);

// A window with a close box but no minimise or maximise button, fixed to the given client size below its menus.
void makeFixedWindow(QMainWindow& window, int clientWidthTwips, int clientHeightTwips);
// Centres the window with its frame in the screen's available area, wholly inside it when it fits; a window too
// large for it keeps its title bar and close box on the screen.
void centreOnScreen(QWidget& window);
// Gives the window that size, as far as the available area allows, centred, as its normal (not maximised) geometry.
void centreOnScreen(QWidget& window, const QSize& size);
// Where a window's frame of that size goes in the available area: centred, then moved wholly inside; where it is
// larger, its top left corner (title bar and menu) stays inside.
QRect framePlace(const QRect& area, const QSize& frame);
// The size a window can have, frame not counted, inside its screen's available area.
QSize roomOnScreen(const QWidget& window);
// A fixed window that would not fit on its screen becomes as large as fits, its client area scrolling inside.
void scrollWhenLargerThanScreen(QMainWindow& window);
// Where a window of that fixed size builds its controls: the window itself where it fits on its screen, else a
// surface of that size scrolling inside the window, which is as large as fits.
QWidget* surfaceFittingScreen(QWidget& window, const QSize& size);
void setApplicationIcon(QWidget& window);
// The platform's own window and window-text colours, whatever the parent's are.
void useSystemWindowColours(QWidget& widget);

// Return and keypad Enter press the window's focused push button, as Space does. Dialogs (the About window,
// message boxes) keep their own Return, which presses their default button.
void pressFocusedButtonOnReturn(QWidget& window);

// Draws a focus mark that stands out at a glance, over whatever the style draws and without moving anything:
// round a push button, list or text box a two-tone ring inside its edge, the outer ring contrasting with what lies
// around the control and the inner one with its face; round the caption of an option button or check box a ring
// in its text colour.
void markFocusClearly(QWidget& control, const QColor& surroundings);

// Style sheet fragments for the classic coloured controls.
QString colourStyle(const char* widgetClass, const QColor& text, const QColor& background);
QString buttonFaceStyle(const QColor& face);

} // namespace windows
