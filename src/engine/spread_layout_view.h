// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"

namespace engine {

// The picture of the spread beside the report; the desktop layer implements it.
class SpreadLayoutView {
public:
    virtual ~SpreadLayoutView() = default;
    virtual void showSpreadLayout(SpreadIndex spread, const Hand& hand) = 0;
};

} // namespace engine
