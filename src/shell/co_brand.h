// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace engine {
class RandomSource;
}
namespace windows {
class MainWindow;
}

namespace shell {

// 1 to 6 from a value in [0, 1).
int coBrandNumber(float value);

// Draws the number once per run and brings the offer it picks to the front of the main window. Returns the number
// drawn, which every later main window of the run shows too (bringOfferToFront).
int CoBrand_Randomize(engine::RandomSource& random, windows::MainWindow& mainWindow);
// Odd brings the co-brand offer of the main window to the front, even the full-brand offer.
void bringOfferToFront(int number, windows::MainWindow& mainWindow);

} // namespace shell
