// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/co_brand.h"

#include "engine/random_source.h"
#include "windows/main_window.h"

#include <algorithm>

namespace shell {

int coBrandNumber(float value)
{
    return std::clamp(static_cast<int>(value * 6.0f) + 1, 1, 6);
}

int CoBrand_Randomize(engine::RandomSource& random, windows::MainWindow& mainWindow)
{
    const int number = coBrandNumber(random.next());
    bringOfferToFront(number, mainWindow);
    return number;
}

void bringOfferToFront(int number, windows::MainWindow& mainWindow)
{
    using Offer = windows::MainWindow::Offer;
    mainWindow.bringOfferToFront(number % 2 == 1 ? Offer::CoBrand : Offer::FullBrand);
}

} // namespace shell
