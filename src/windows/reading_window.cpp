// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/reading_window.h"

#include "display/look.h"
#include "windows/window_look.h"
#include "windows/window_services.h"
#include "windows/window_texts.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

namespace windows {

ReadingWindow::ReadingWindow(WindowServices& services, const QString& objectName, QWidget* parent)
    : QMainWindow(parent), m_services(services)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(texts::kWindowCaption);
    setApplicationIcon(*this);
    setFont(display::verdanaFont(8.25));
    pressFocusedButtonOnReturn(*this);
}

ReadingWindow::~ReadingWindow() = default;

QMenu* ReadingWindow::addFileMenu()
{
    QMenu* file = menuBar()->addMenu(texts::kFileMenu);
    file->setObjectName(QStringLiteral("mnuFile"));
    return file;
}

QAction* ReadingWindow::finishMenus(QMenu& fileMenu)
{
    fileMenu.addSeparator();
    QAction* exit = addMenuEntry(fileMenu, texts::kExit, "mnuExit");
    connect(exit, &QAction::triggered, this, &QWidget::close);
    m_services.addSharedMenus(menuBar(), this);
    return exit;
}

void ReadingWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_services.showExitWindow();
    emit windowClosed();
}

} // namespace windows
