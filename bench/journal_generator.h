// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/spread_catalogue.h"
#include "journal/journal.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace bench {

// Readings as a person keeps them over some years: a few hundred people, every spread, a question on a third of
// them, notes on a fifth. Fixed by the seed, so every run measures the same journal.
inline std::vector<journal::Reading> sampleReadings(int count, std::uint64_t seed)
{
    static constexpr std::array<const char*, 24> kFirst{
        "Anna",  "Bert", "Chloé", "Dana",  "Emil", "Fatima", "Greta",  "Hugo", "Ines", "Jonas",  "Karin", "Luca",
        "Maria", "Nils", "Olga",  "Pavel", "Rosa", "Sven",   "Tamara", "Ugo",  "Vera", "Walter", "Yara",  "Zoë"};
    static constexpr std::array<const char*, 16> kLast{"Lind",  "Berger", "Novak", "Rossi", "Smith",  "García",
                                                       "Meyer", "Dubois", "Kowal", "Silva", "Jensen", "Ito",
                                                       "Haas",  "Moreau", "Nagy",  "Olsen"};
    static constexpr std::array<const char*, 8> kQuestions{"Will the new job work out?",
                                                           "Should we move to the coast this year?",
                                                           "What about my sister?",
                                                           "Is it time to sell the house?",
                                                           "Where is this relationship going?",
                                                           "Money in the coming months",
                                                           "Will the exam go well?",
                                                           "A journey in spring?"};
    static constexpr std::array<const char*, 6> kNotes{
        "It came true in part: the offer arrived two weeks later than the cards said.",
        "Nothing yet. Read again after the summer.",
        "The Queen of Hearts again, third time this month; the meeting went well.",
        "We did move, in the end, and it was the right call.",
        "Asked the same question as last week, same answer more or less.",
        "Promotion confirmed in May. The Ten of Diamonds fits."};
    std::mt19937_64 random(seed);
    std::vector<journal::Reading> readings;
    readings.reserve(static_cast<std::size_t>(count));
    std::array<engine::CardIndex, engine::kCardCount> deck{};
    std::iota(deck.begin(), deck.end(), engine::CardIndex{0});
    const std::int64_t start = 1640995200; // 2022-01-01
    for (int i = 0; i < count; ++i) {
        const auto spread = static_cast<engine::SpreadIndex>(random() % engine::kSpreadCount);
        std::shuffle(deck.begin(), deck.end(), random);
        const engine::Hand cards(deck.begin(), deck.begin() + engine::cardCountOf(spread));
        const std::string name = std::string(kFirst[random() % kFirst.size()]) + ' ' + kLast[random() % kLast.size()];
        journal::Reading reading = journal::newReading(
            name,
            "19" + std::to_string(50 + random() % 50) + "-0" + std::to_string(1 + random() % 9) + "-1" +
                std::to_string(random() % 10),
            spread, cards, random() % 3 == 0 ? journal::DealtBy::Manual : journal::DealtBy::Automatic, random());
        reading.timeUtc = start + static_cast<std::int64_t>(i) * 1500 + static_cast<std::int64_t>(random() % 600);
        reading.utcOffsetMinutes = 60;
        if (random() % 3 == 0)
            reading.question = kQuestions[random() % kQuestions.size()];
        if (random() % 5 == 0)
            reading.notes = kNotes[random() % kNotes.size()];
        readings.push_back(std::move(reading));
    }
    return readings;
}

// Fills the journal with count sample readings, in batches of one transaction each. Returns an error or empty.
inline std::string fillJournal(journal::Journal& journal, int count, std::uint64_t seed = 2026)
{
    const std::vector<journal::Reading> readings = sampleReadings(count, seed);
    constexpr std::size_t kBatch = 10000;
    for (std::size_t from = 0; from < readings.size(); from += kBatch) {
        const std::vector<journal::Reading> batch(
            readings.begin() + static_cast<std::ptrdiff_t>(from),
            readings.begin() + static_cast<std::ptrdiff_t>(std::min(readings.size(), from + kBatch)));
        const auto added = journal.addUnknown(batch);
        if (!added)
            return added.error;
    }
    return {};
}

} // namespace bench
