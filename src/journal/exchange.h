// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/reading_record.h"
#include "richtext/value_or_error.h"

#include <string>
#include <string_view>
#include <vector>

namespace journal {

// RFC 4180 CSV in UTF-8 with a header row, lines ending in CR LF; cards as full names separated by "; ".
std::string toCsv(const std::vector<Reading>& readings);

// The journal's JSON export (fields documented in docs/journal-export.md), UUIDs included.
std::string toJson(const std::vector<Reading>& readings);

// Reads a JSON export: every reading, or the reason the file is refused (not ours, truncated, malformed, a
// reading that cannot be one of ours). Never a part of a file.
richtext::ValueOrError<std::vector<Reading>> readJsonExport(std::string_view text);

} // namespace journal
