// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

namespace engine {

// The pseudo-random generator the reading draws from.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform in [0, 1), single precision.
    virtual float next() = 0;
    virtual void reseedFromClock() = 0;
};

// Default source: a good generator seeded from a high-resolution clock.
std::unique_ptr<RandomSource> makeClockSeededRandomSource();

// Reproducible stand-in for the clock-seeded source: every reseed moves to the next seed derived
// from this one, so one seed always gives the same deal.
std::unique_ptr<RandomSource> makeSeededRandomSource(std::uint64_t seed);

} // namespace engine
