// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The journal with 100,000 readings: the Journal window's first page, a search per keystroke, the statistics, and
// keeping one more reading. The journal is made once (bench/journal_generator.h) in the temporary folder and kept
// there for later runs; JOURNAL_BENCH_FILE names another.

#include "journal_generator.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int kReadings = 100000;
constexpr int kPage = 100; // rows of a first page, more than a maximised window shows

std::string benchJournalPath()
{
    if (const char* given = std::getenv("JOURNAL_BENCH_FILE"))
        return given;
    return (std::filesystem::temp_directory_path() / "zelto-journal-bench" / "journal-100k.sqlite3").string();
}

// Opens the bench journal, making it first when missing. Readings added by BM_AddReading stay; they are a few
// hundred against the 100,000.
std::unique_ptr<journal::Journal> openBenchJournal()
{
    const std::string path = benchJournalPath();
    const bool made = std::filesystem::exists(path);
    journal::OpenResult opened = journal::Journal::open(path);
    if (opened.journal && !made)
        bench::fillJournal(*opened.journal, kReadings);
    return std::move(opened.journal);
}

// Opening the journal, counting the readings for the scroll bar and reading the first page: what the window
// waits for after the command.
void BM_JournalFirstPage(benchmark::State& state)
{
    openBenchJournal();
    for (auto _ : state) {
        const auto journal = openBenchJournal();
        benchmark::DoNotOptimize(journal->count(""));
        benchmark::DoNotOptimize(journal->search("", kPage, 0));
    }
    const auto journal = openBenchJournal();
    const auto bytes = std::filesystem::file_size(benchJournalPath());
    state.counters["readings"] = journal->count("");
    state.counters["bytes_per_reading"] = static_cast<double>(bytes) / journal->count("");
}
BENCHMARK(BM_JournalFirstPage)->Unit(benchmark::kMillisecond);

// One keystroke in the search box: the new count and first page for the text typed so far.
void BM_JournalSearchKeystroke(benchmark::State& state, const std::string& text)
{
    const auto journal = openBenchJournal();
    for (auto _ : state) {
        benchmark::DoNotOptimize(journal->count(text));
        benchmark::DoNotOptimize(journal->search(text, kPage, 0));
    }
    state.counters["matches"] = journal->count(text);
}
BENCHMARK_CAPTURE(BM_JournalSearchKeystroke, a, std::string("a"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JournalSearchKeystroke, an, std::string("an"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JournalSearchKeystroke, anna, std::string("anna"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JournalSearchKeystroke, anna_lind, std::string("anna lind"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JournalSearchKeystroke, QH, std::string("QH"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JournalSearchKeystroke, queen_of_hearts, std::string("Queen of Hearts"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JournalSearchKeystroke, promotion, std::string("promotion"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JournalSearchKeystroke, no_match, std::string("zzyzx"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JournalSearchKeystroke, celtic_qh_anna, std::string("celtic QH anna"))
    ->Unit(benchmark::kMillisecond);

void BM_JournalStatistics(benchmark::State& state, const std::string& text)
{
    const auto journal = openBenchJournal();
    for (auto _ : state)
        benchmark::DoNotOptimize(journal->cardsThatKeepComingUp(text));
}
BENCHMARK_CAPTURE(BM_JournalStatistics, all, std::string())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JournalStatistics, anna, std::string("anna"))->Unit(benchmark::kMillisecond);

// Keeping the reading just dealt: one transaction into the full journal.
void BM_JournalAddReading(benchmark::State& state)
{
    const auto journal = openBenchJournal();
    const std::vector<journal::Reading> readings = bench::sampleReadings(1, 7);
    for (auto _ : state) {
        journal::Reading reading = readings.front();
        reading.uuid = journal::makeUuid();
        benchmark::DoNotOptimize(journal->add(reading));
    }
}
BENCHMARK(BM_JournalAddReading)->Unit(benchmark::kMicrosecond)->Iterations(200);

} // namespace
