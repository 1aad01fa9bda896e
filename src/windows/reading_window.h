// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QAction;
class QMenu;

namespace windows {

class WindowServices;

// What the main, manual picking and report windows share: the caption, icon and font, a "&File" menu that ends
// in "E&xit" with the shared menus after it, and one way to report that the person closed the window.
class ReadingWindow : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReadingWindow)

public:
    ~ReadingWindow() override;

signals:
    // Closed by the person (close box, "E&xit" or an Exit button); the exit window is already on screen.
    void windowClosed();

protected:
    // Names the window; closing it unloads it.
    ReadingWindow(WindowServices& services, const QString& objectName, QWidget* parent);

    WindowServices& services() const { return m_services; }

    // The window's own "&File" menu, first on its menu bar.
    QMenu* addFileMenu();
    // Ends the "&File" menu with "E&xit" after a separator and appends the shared menus; returns "E&xit".
    QAction* finishMenus(QMenu& fileMenu);

    // Shows the exit window and reports the close; a window that overrides it calls it last.
    void closeEvent(QCloseEvent* event) override;

private:
    WindowServices& m_services;
};

} // namespace windows
