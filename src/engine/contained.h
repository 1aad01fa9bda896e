// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <string_view>

namespace engine {

// Says on standard error that a step of this kind failed and was skipped, the first time only: a reading
// with a fault in every card would otherwise fill the terminal with the same line.
void reportSkippedStep(std::string_view kind, std::exception_ptr failure) noexcept;

// Runs one step of a reading; a step that fails is skipped and the reading goes on with the next, so no
// exception leaves the core. The kind names the step for the one line that reports its failure.
template <typename Step> void runContained(std::string_view kind, const Step& step) noexcept
{
    try {
        step();
    } catch (...) {
        reportSkippedStep(kind, std::current_exception());
    }
}

} // namespace engine
