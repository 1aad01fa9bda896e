// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal_commands.h"

#include "engine/card_tokens.h"
#include "journal/exchange.h"
#include "message_quoting.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

namespace cli {
namespace {

std::string oneLine(std::string text)
{
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

std::string shortForms(const engine::Hand& cards)
{
    std::string text;
    for (const engine::CardIndex card : cards) {
        if (!text.empty())
            text += ' ';
        text += engine::shortForm(card);
    }
    return text;
}

} // namespace

std::unique_ptr<journal::Journal> openJournal(const std::optional<std::string>& path, std::string& error)
{
    const std::string where = path.value_or(journal::Journal::defaultPath());
    if (where.empty()) {
        error = "no journal: there is no home folder (set HOME or XDG_DATA_HOME, or give --journal FILE)";
        return nullptr;
    }
    journal::OpenResult opened = journal::Journal::open(where);
    if (!opened.journal) {
        error = opened.message;
        return nullptr;
    }
    if (!opened.message.empty())
        std::cerr << "cartomancy-report: " << opened.message << '\n';
    return std::move(opened.journal);
}

std::string readingLines(const std::vector<journal::Reading>& readings)
{
    std::string lines;
    for (const journal::Reading& reading : readings) {
        lines += std::to_string(reading.id) + '\t' + reading.uuid + '\t' + journal::isoTimeUtc(reading.timeUtc) + '\t' +
                 oneLine(reading.name) + '\t' + oneLine(reading.spreadName) + '\t' + shortForms(reading.cards) + '\t' +
                 oneLine(reading.question) + '\n';
    }
    return lines;
}

richtext::ValueOrError<journal::Reading> findKeptReading(const journal::Journal& journal, std::string_view key)
{
    std::optional<journal::Reading> reading;
    std::int64_t id = 0;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), id);
    if (!key.empty() && key[0] != '-' && error == std::errc() && end == key.data() + key.size())
        reading = journal.find(id);
    else
        reading = journal.findByUuid(std::string(key));
    if (!reading)
        return {std::nullopt, "no reading " + quoteArgument(key) + " in the journal (see --list-readings)"};
    if (const auto problem = journal::problemWith(*reading))
        return {std::nullopt, "reading " + quoteArgument(key) + " cannot be read by this version: " + *problem};
    return {std::move(reading), {}};
}

richtext::ValueOrError<std::string> importFile(journal::Journal& journal, const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {std::nullopt, "cannot read " + quoteForMessage(path) + ": " + std::strerror(errno)};
    std::ostringstream contents;
    contents << file.rdbuf();
    if (file.bad())
        return {std::nullopt, "cannot read " + quoteForMessage(path)};
    const auto readings = journal::readJsonExport(contents.str());
    if (!readings)
        return {std::nullopt, quoteForMessage(path) + ": " + readings.error};
    const auto added = journal.addUnknown(*readings.value);
    if (!added)
        return {std::nullopt, added.error};
    const auto known = readings.value->size() - static_cast<std::size_t>(*added.value);
    return {"Added " + std::to_string(*added.value) + (*added.value == 1 ? " reading" : " readings") + "; " +
                std::to_string(known) + (known == 1 ? " was" : " were") + " already in the journal.\n",
            {}};
}

} // namespace cli
