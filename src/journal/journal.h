// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/reading_record.h"
#include "richtext/value_or_error.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace SQLite {
class Database;
}

namespace journal {

using richtext::ValueOrError;

class Journal;

struct OpenResult {
    std::unique_ptr<Journal> journal; // null when no journal can be kept at all (message says why)
    std::string message;              // to tell the user once, empty when all is well
    std::string movedAsideTo;         // where a damaged or unreadable file went, empty when none was moved
};

// How often each card came up in a set of readings.
struct CardCount {
    engine::CardIndex card = 0;
    int count = 0;                // readings holding the card
    double expected = 0;          // what chance gives: the sum over the readings of their card count / 52
    std::int64_t lastSeenUtc = 0; // time of the newest reading holding it, 0 when none
};

// What search results are ordered by; readings that tie stay newest first.
enum class SortBy { Time, Name, Spread, FirstCard, Question };

// One open journal file. Not shared between threads: a worker thread opens its own Journal on the same path.
// Several Journals, in one process or several, may write the same file at once.
class Journal final {
public:
    // Opens or creates the journal at path (missing folders made 0700, a new file 0600). A file that is not a
    // journal, is damaged or cannot be read is moved aside to a dated name beside it and a new journal started;
    // one written by a newer version of the program, or that this user may read but not write (the file or its
    // folder), opens read-only. OpenResult::message says so, once.
    static OpenResult open(const std::string& path);
    // $XDG_DATA_HOME/zelto-cartomancy/journal.sqlite3, or ~/.local/share/... without it; empty without a home.
    static std::string defaultPath();

    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    const std::string& path() const { return m_path; }
    // True for a journal from a newer version of the program, or one this user cannot write: it is read but never
    // changed.
    bool readOnly() const { return !m_whyReadOnly.empty(); }

    // Keeps the reading (one transaction, waiting for another writer), setting reading.id; the error is one
    // line for the user ("the disk is full", ...). A reading whose UUID is already kept is refused.
    ValueOrError<std::int64_t> add(Reading& reading);
    // Each returns the reason when nothing was changed.
    std::optional<std::string> setQuestionAndNotes(std::int64_t id, const std::string& question,
                                                   const std::string& notes);
    std::optional<std::string> remove(const std::vector<std::int64_t>& ids);
    std::optional<std::string> forgetAll();

    std::optional<Reading> find(std::int64_t id) const;
    std::optional<Reading> findByUuid(const std::string& uuid) const;

    // Readings matching the search text, newest first. Every word must match: a word prefix of the name, the
    // spread's name, the question or the notes; a card by its full name ("Queen of Hearts") or short form
    // ("QH") also matches the readings holding that card. Empty text matches every reading.
    // Newest first unless another order is asked for (text columns ignore letter case).
    std::vector<Reading> search(const std::string& text, int limit = -1, int offset = 0, SortBy by = SortBy::Time,
                                bool ascending = false) const;
    int count(const std::string& text) const;
    // Every card (52 entries, in card order) counted over the readings matching the search text.
    std::vector<CardCount> cardsThatKeepComingUp(const std::string& text) const;

    // Adds, in one transaction, the readings whose UUID is not kept yet; returns how many were added, or the
    // reason nothing was.
    ValueOrError<int> addUnknown(const std::vector<Reading>& readings);

    // The last error SQLite reported on a read, empty when reads went well (a read never throws).
    const std::string& lastReadError() const { return m_lastReadError; }

private:
    // whyReadOnly ends "the journal …" in a refusal, empty where the journal can be written.
    Journal(std::unique_ptr<SQLite::Database> database, std::string path, std::string whyReadOnly);

    std::unique_ptr<SQLite::Database> m_database;
    std::string m_path;
    std::string m_whyReadOnly;
    mutable std::string m_lastReadError;
    struct CountCache {
        std::string match;
        std::int64_t version = -1;
        int count = 0;
    };
    mutable CountCache m_countCache;
};

} // namespace journal
