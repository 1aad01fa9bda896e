// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/random_source.h"

#include <atomic>
#include <chrono>
#include <cstdint>

namespace engine {

namespace {

std::uint64_t splitMix64(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// Shared by every source so that two reseeds within one clock tick still get different seeds.
std::atomic<std::uint64_t> g_reseedCounter{0};

// PCG32 (XSH RR): small state, a handful of instructions to seed, good statistical quality.
class Pcg32RandomSource final : public RandomSource {
public:
    Pcg32RandomSource() { reseedFromClock(); }

    float next() override
    {
        // The top 24 bits fill a float's mantissa exactly, so the result is never 1.
        return static_cast<float>(nextUint32() >> 8) * 0x1.0p-24f;
    }

    void reseedFromClock() override
    {
        const auto ticks =
            static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
        std::uint64_t mixer = ticks ^ (g_reseedCounter.fetch_add(1, std::memory_order_relaxed) * 0xd1b54a32d192ed03ULL);
        const std::uint64_t seed = splitMix64(mixer);
        const std::uint64_t stream = splitMix64(mixer);
        m_increment = (stream << 1) | 1U;
        m_state = 0;
        nextUint32();
        m_state += seed;
        nextUint32();
    }

private:
    std::uint32_t nextUint32()
    {
        const std::uint64_t old = m_state;
        m_state = old * 6364136223846793005ULL + m_increment;
        const auto xorShifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
        const auto rotation = static_cast<std::uint32_t>(old >> 59U);
        return (xorShifted >> rotation) | (xorShifted << ((32U - rotation) & 31U));
    }

    std::uint64_t m_state = 0;
    std::uint64_t m_increment = 1;
};

class SeededRandomSource final : public RandomSource {
public:
    explicit SeededRandomSource(std::uint64_t seed) : m_seed(seed), m_state(seed) {}

    float next() override { return static_cast<float>(splitMix64(m_state) >> 40) * 0x1.0p-24f; }
    void reseedFromClock() override { m_state = m_seed + 0x632be59bd9b4e019ULL * ++m_reseeds; }

private:
    std::uint64_t m_seed;
    std::uint64_t m_state;
    std::uint64_t m_reseeds = 0;
};

} // namespace

std::unique_ptr<RandomSource> makeClockSeededRandomSource()
{
    return std::make_unique<Pcg32RandomSource>();
}

std::unique_ptr<RandomSource> makeSeededRandomSource(std::uint64_t seed)
{
    return std::make_unique<SeededRandomSource>(seed);
}

} // namespace engine
