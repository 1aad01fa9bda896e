// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
// first-reading: times the first reading of a fresh process, faces decoded and pictures made
// included, which is what the command-line tool pays. Prints microseconds and RTF bytes; run it
// several times (bench/measure-startup does) and take the median.

#include "gypsy_reading.h"

#include <chrono>
#include <cstdio>

int main()
{
    const auto start = std::chrono::steady_clock::now();
    const std::string rtf = bench::writeGypsyReading();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const auto micros = std::chrono::duration<double, std::micro>(elapsed).count();
    std::printf("%.1f %zu\n", micros, rtf.size());
    return rtf.empty() ? 1 : 0;
}
