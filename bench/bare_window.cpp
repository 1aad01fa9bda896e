// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: an empty Qt main window of the program's main window size, started
// the same way. bench/measure-startup builds and times it beside the program, also with one text label.

#include <QApplication>
#include <QMainWindow>
#ifdef BARE_WINDOW_WITH_TEXT
#include <QLabel>
#endif

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
#ifdef BARE_WINDOW_WITH_TEXT
    // One line of text: the font set-up and the accessibility bridge every window with text pays for.
    window.setCentralWidget(new QLabel(QStringLiteral("Your name")));
#endif
    window.resize(626, 312);
    window.show();
    return QApplication::exec();
}
