// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace journal {

enum class DealtBy { Automatic, Manual, OwnCards };

// "automatic", "manual", "own cards": the words the exports and the tool use.
std::string_view dealtByName(DealtBy dealtBy);
std::optional<DealtBy> dealtByFromName(std::string_view name);

// One kept reading. The report is not stored: it is composed again from spread and cards.
struct Reading {
    std::int64_t id = 0;        // row id in one journal file, 0 until stored
    std::string uuid;           // random UUID (version 4), lower case; the same in every journal it moves to
    std::int64_t timeUtc = 0;   // seconds since the epoch
    int utcOffsetMinutes = 0;   // local offset from UTC at that time
    std::string programVersion; // e.g. "1.45"
    std::string name;           // as entered
    std::string birthDate;      // as entered, "YYYY-MM-DD"
    engine::SpreadIndex spread = 0;
    std::string spreadName;
    engine::Hand cards; // position order
    DealtBy dealtBy = DealtBy::Automatic;
    std::optional<std::uint64_t> seed; // where the deal had one
    std::string question;
    std::string notes;

    bool operator==(const Reading&) const = default;
};

// A record for a reading about to be kept: a fresh UUID, the current time and offset, this program's version
// and the spread's name from the catalogue.
Reading newReading(std::string name, std::string birthDate, engine::SpreadIndex spread, engine::Hand cards,
                   DealtBy dealtBy, std::optional<std::uint64_t> seed = std::nullopt);

// A random version 4 UUID in lower case.
std::string makeUuid();
// Lower-case form of a UUID in the 8-4-4-4-12 hexadecimal form, or nothing when text is not one.
std::optional<std::string> normalizedUuid(std::string_view text);

// Why this record cannot be a reading of this program (spread, cards, date, UUID, sizes), or nothing.
std::optional<std::string> problemWith(const Reading& reading);

// "2026-12-10T00:45:00Z" and back (nothing when text is not in exactly that form).
std::string isoTimeUtc(std::int64_t timeUtc);
std::optional<std::int64_t> parseIsoTimeUtc(std::string_view text);

} // namespace journal
