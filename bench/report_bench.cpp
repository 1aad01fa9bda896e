// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gypsy_reading.h"

#include "richtext/document.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace {

// Warm: the faces' pictures were made by an earlier reading in this process.
void BM_FullReadingWrittenAsRtf(benchmark::State& state)
{
    std::size_t bytes = bench::writeGypsyReading().size();
    for (auto _ : state) {
        const std::string rtf = bench::writeGypsyReading();
        bytes = rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.counters["rtf_bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_FullReadingWrittenAsRtf)->Unit(benchmark::kMicrosecond);

// The floor: copying the bytes of that same reading once.
void BM_CopyReportSizedBuffer(benchmark::State& state)
{
    const std::string source = bench::writeGypsyReading();
    std::string target(source.size(), '\0');
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.counters["rtf_bytes"] = static_cast<double>(source.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}
BENCHMARK(BM_CopyReportSizedBuffer)->Unit(benchmark::kMicrosecond);

// A text-only document written front to back: the cost of one more paragraph should not depend on
// how many came before it (compare the items per second of the two sizes).
void BM_AppendParagraphs(benchmark::State& state)
{
    const auto paragraphs = state.range(0);
    for (auto _ : state) {
        richtext::Document document;
        for (std::int64_t paragraph = 0; paragraph < paragraphs; ++paragraph) {
            document.setBold(paragraph % 2 == 0);
            document.insertText("A line of the report, written at the caret\r\n");
        }
        benchmark::DoNotOptimize(document.length());
    }
    state.SetItemsProcessed(state.iterations() * paragraphs);
}
BENCHMARK(BM_AppendParagraphs)->Arg(100)->Arg(3000)->Unit(benchmark::kMicrosecond);

} // namespace
