// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: an empty Qt main window of the program's main window size, started
// the same way. bench/measure-startup builds and times it beside the program.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(626, 312);
    window.show();
    return QApplication::exec();
}
