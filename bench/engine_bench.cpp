// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gypsy_reading.h"

#include "engine/combination_rules.h"
#include "engine/dealing.h"
#include "engine/random_source.h"
#include "engine/reading.h"
#include "engine/report.h"

#include <benchmark/benchmark.h>

namespace {

using bench::kGypsySpread;
constexpr int kGypsyPositions = 21;

// What every reading pays before any text is written: 21 reseeded draws and the 25 rules.
void BM_DealAndEvaluateGypsySpread(benchmark::State& state)
{
    const auto random = engine::makeClockSeededRandomSource();
    engine::InterpretationSlots slots;
    engine::RuleCards ruleCards;
    for (auto _ : state) {
        for (auto& slot : slots)
            slot.clear();
        const engine::Hand hand = engine::dealHand(kGypsyPositions, *random);
        engine::evaluateCombinationRules(hand, slots, ruleCards);
        benchmark::DoNotOptimize(hand.data());
        benchmark::DoNotOptimize(slots.data());
    }
}
BENCHMARK(BM_DealAndEvaluateGypsySpread)->Unit(benchmark::kMicrosecond);

void BM_DealGypsySpread(benchmark::State& state)
{
    const auto random = engine::makeClockSeededRandomSource();
    for (auto _ : state) {
        const engine::Hand hand = engine::dealHand(kGypsyPositions, *random);
        benchmark::DoNotOptimize(hand.data());
    }
}
BENCHMARK(BM_DealGypsySpread)->Unit(benchmark::kMicrosecond);

class DiscardingSink final : public richtext::RichTextSink {
public:
    void replaceText(std::string_view) override {}
    void setColour(richtext::Rgb) override {}
    void setBold(bool) override {}
    void setUnderline(bool) override {}
    void setAlignment(richtext::Alignment) override {}
    void insertText(std::string_view text) override { benchmark::DoNotOptimize(text.data()); }
    bool insertPicture(const richtext::Bitmap&) override { return true; }
};

class NoFaces final : public engine::SmallFaceSource {
public:
    std::optional<richtext::Bitmap> smallFace(int) const override { return std::nullopt; }
};

// The engine's own share of a reading, without building pictures or a document.
void BM_GypsyReadingIntoDiscardingSink(benchmark::State& state)
{
    const auto random = engine::makeClockSeededRandomSource();
    engine::ReadingEngine reading(*random);
    DiscardingSink sink;
    const NoFaces faces;
    for (auto _ : state) {
        reading.generateReading(kGypsySpread, {sink, faces, nullptr});
        benchmark::DoNotOptimize(reading.hand().data());
    }
}
BENCHMARK(BM_GypsyReadingIntoDiscardingSink)->Unit(benchmark::kMicrosecond);

} // namespace
