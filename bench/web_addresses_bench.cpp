// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/web_addresses.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace {

// Every '+' of "a+a+a+..." may start a scheme; the finder must still read the text once, not once per start.
void BM_FindWebAddressesInRepeatedSchemeCharacters(benchmark::State& state)
{
    std::string text;
    for (int i = 0; i < state.range(0) / 2; ++i)
        text += "a+";
    for (auto _ : state)
        benchmark::DoNotOptimize(richtext::findWebAddresses(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FindWebAddressesInRepeatedSchemeCharacters)
    ->RangeMultiplier(4)
    ->Range(5 << 10, 320 << 10)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

} // namespace
