// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/single_instance.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

// Takes the instance lock named on the command line, says "held" or "busy", and keeps it until stdin closes.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    shell::SingleInstanceLock lock(QString::fromLocal8Bit(argv[1]));
    const bool held = lock.tryAcquire();
    std::puts(held ? "held" : "busy");
    std::fflush(stdout);
    if (!held)
        return 1;
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}
