// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"
#include "journal/journal.h"
#include "richtext/value_or_error.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace cli {

// The journal at path, or the default one; what the opening has to say once goes to standard error. Null with
// the error set when there is no journal to use.
std::unique_ptr<journal::Journal> openJournal(const std::optional<std::string>& path, std::string& error);

// One tab-separated line per reading: id, UUID, time (UTC), name, spread name, cards (short forms), question.
// Tabs and line breaks inside a field become spaces, so a line is always one reading.
std::string readingLines(const std::vector<journal::Reading>& readings);

// A kept reading by its id (plain decimal digits) or UUID, checked to be one this program can read.
richtext::ValueOrError<journal::Reading> findKeptReading(const journal::Journal& journal, std::string_view key);

// The import's summary line, or the reason nothing was imported.
richtext::ValueOrError<std::string> importFile(journal::Journal& journal, const std::string& path);

} // namespace cli
