// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/random_source.h"
#include "engine/reading.h"
#include "engine/small_faces.h"
#include "richtext/document.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace {

constexpr engine::SpreadIndex kGypsySpread = 17;

// A complete 21-card reading: deal, rules, composition with every picture, and the RTF text.
void BM_FullReadingWrittenAsRtf(benchmark::State& state)
{
    const auto random = engine::makeClockSeededRandomSource();
    engine::ReadingEngine reading(*random);
    std::size_t bytes = 0;
    for (auto _ : state) {
        richtext::Document document;
        reading.generateReading(kGypsySpread, {document, engine::builtInSmallFaces(), nullptr});
        const std::string rtf = document.toRtf();
        bytes = rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.counters["rtf_bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_FullReadingWrittenAsRtf)->Unit(benchmark::kMicrosecond);

// The floor: merely copying as many bytes as one written reading holds.
void BM_CopyReportSizedBuffer(benchmark::State& state)
{
    const auto random = engine::makeClockSeededRandomSource();
    engine::ReadingEngine reading(*random);
    richtext::Document document;
    reading.generateReading(kGypsySpread, {document, engine::builtInSmallFaces(), nullptr});
    const std::string source = document.toRtf();
    std::string target(source.size(), '\0');
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}
BENCHMARK(BM_CopyReportSizedBuffer)->Unit(benchmark::kMicrosecond);

} // namespace
