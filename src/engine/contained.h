// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace engine {

// Runs one step of a reading; a step that fails is skipped and the reading goes on with the next, so no
// exception leaves the core.
template <typename Step> void runContained(const Step& step) noexcept
{
    try {
        step();
    } catch (...) {
    }
}

} // namespace engine
