// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/contained.h"

#include <cerrno>
#include <cstdio>
#include <mutex>
#include <set>
#include <string>

namespace engine {

namespace {

std::string reasonOf(const std::exception_ptr& failure)
{
    std::string reason = "unknown error";
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& exception) {
        reason = exception.what();
    } catch (...) {
    }
    // One line, and nothing a terminal would act on.
    for (char& c : reason) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    }
    return reason;
}

} // namespace

void reportSkippedStep(std::string_view kind, std::exception_ptr failure) noexcept
{
    try {
        static std::mutex mutex;
        static std::set<std::string, std::less<>> reported;
        const std::lock_guard lock(mutex);
        if (!reported.emplace(kind).second)
            return;
        // The program's own name: the desktop program and the command-line tool share this code.
        std::fprintf(stderr, "%s: %.*s failed and was skipped (%s); later failures of this kind go unreported\n",
                     program_invocation_short_name, static_cast<int>(kind.size()), kind.data(),
                     reasonOf(failure).c_str());
        std::fflush(stderr);
    } catch (...) {
        // Nothing more can be said without memory; the reading goes on all the same.
    }
}

} // namespace engine
