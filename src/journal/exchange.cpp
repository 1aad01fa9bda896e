// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/exchange.h"

#include "engine/deck.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cstdio>
#include <set>

namespace journal {
namespace {

using nlohmann::json;

constexpr std::string_view kFormat = "zelto-cartomancy journal";
constexpr int kFormatVersion = 1;

std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string field = "\"";
    for (const char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + '"';
}

std::string cardNames(const engine::Hand& cards)
{
    std::string names;
    for (const engine::CardIndex card : cards) {
        if (!names.empty())
            names += "; ";
        names += engine::isCardIndex(card) ? std::string(engine::card(card).name) : std::to_string(card);
    }
    return names;
}

std::string offsetText(int minutes)
{
    const int size = minutes < 0 ? -minutes : minutes;
    char text[16];
    std::snprintf(text, sizeof text, "%c%02d:%02d", minutes < 0 ? '-' : '+', size / 60, size % 60);
    return text;
}

// Throws with a reason a person can read; caught once in readJsonExport.
struct Refusal {
    std::string reason;
};

const json& member(const json& object, const char* name, json::value_t type, std::size_t index)
{
    const auto found = object.find(name);
    const auto where = "reading " + std::to_string(index + 1);
    if (found == object.end())
        throw Refusal{where + " has no \"" + name + "\""};
    const bool matches = found->type() == type ||
                         (type == json::value_t::number_integer && found->type() == json::value_t::number_unsigned);
    if (!matches)
        throw Refusal{where + ": \"" + name + "\" has the wrong type"};
    return *found;
}

std::string text(const json& object, const char* name, std::size_t index)
{
    return member(object, name, json::value_t::string, index).get<std::string>();
}

std::int64_t integer(const json& object, const char* name, std::size_t index, std::int64_t low, std::int64_t high)
{
    const json& value = member(object, name, json::value_t::number_integer, index);
    if (value.is_number_unsigned() && value.get<std::uint64_t>() > static_cast<std::uint64_t>(high))
        throw Refusal{"reading " + std::to_string(index + 1) + ": \"" + name + "\" is out of range"};
    const auto number = value.get<std::int64_t>();
    if (number < low || number > high)
        throw Refusal{"reading " + std::to_string(index + 1) + ": \"" + name + "\" is out of range"};
    return number;
}

Reading readingFrom(const json& object, std::size_t index)
{
    const std::string where = "reading " + std::to_string(index + 1);
    if (!object.is_object())
        throw Refusal{where + " is not an object"};
    Reading reading;
    const auto uuid = normalizedUuid(text(object, "uuid", index));
    if (!uuid)
        throw Refusal{where + ": \"uuid\" is not a UUID"};
    reading.uuid = *uuid;
    const auto time = parseIsoTimeUtc(text(object, "time", index));
    if (!time)
        throw Refusal{where + ": \"time\" is not a UTC time like 2026-12-10T09:30:00Z"};
    reading.timeUtc = *time;
    reading.utcOffsetMinutes = static_cast<int>(integer(object, "utcOffsetMinutes", index, -1440, 1440));
    reading.programVersion = text(object, "programVersion", index);
    reading.name = text(object, "name", index);
    reading.birthDate = text(object, "birthDate", index);
    reading.spread = static_cast<engine::SpreadIndex>(integer(object, "spread", index, 0, engine::kSpreadCount - 1));
    reading.spreadName = text(object, "spreadName", index);
    const json& cards = member(object, "cards", json::value_t::array, index);
    if (cards.size() > engine::kCardCount)
        throw Refusal{where + " has more cards than a deck"};
    for (const json& card : cards) {
        const auto found = card.is_string() ? engine::findCardByName(card.get_ref<const std::string&>()) : std::nullopt;
        if (!found)
            throw Refusal{where + ": a card is not a card's name"};
        reading.cards.push_back(*found);
    }
    const auto dealtBy = dealtByFromName(text(object, "dealtBy", index));
    if (!dealtBy)
        throw Refusal{where + ": \"dealtBy\" is not automatic, manual or own cards"};
    reading.dealtBy = *dealtBy;
    if (const auto seed = object.find("seed"); seed != object.end() && !seed->is_null()) {
        // A decimal string: a 64-bit number does not survive every JSON reader as a number.
        const std::string digits = seed->is_string() ? seed->get<std::string>() : std::string();
        std::uint64_t value = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
            throw Refusal{where + ": \"seed\" is not a number in a string"};
        reading.seed = value;
    }
    reading.question = text(object, "question", index);
    reading.notes = text(object, "notes", index);
    if (const auto problem = problemWith(reading))
        throw Refusal{where + ": " + *problem};
    return reading;
}

} // namespace

std::string toCsv(const std::vector<Reading>& readings)
{
    std::string csv = "uuid,time,utc offset,program version,name,date of birth,spread,spread name,cards,dealt by,"
                      "seed,question,notes\r\n";
    for (const Reading& reading : readings) {
        const std::string fields[] = {reading.uuid,
                                      isoTimeUtc(reading.timeUtc),
                                      offsetText(reading.utcOffsetMinutes),
                                      reading.programVersion,
                                      reading.name,
                                      reading.birthDate,
                                      std::to_string(reading.spread),
                                      reading.spreadName,
                                      cardNames(reading.cards),
                                      std::string(dealtByName(reading.dealtBy)),
                                      reading.seed ? std::to_string(*reading.seed) : std::string(),
                                      reading.question,
                                      reading.notes};
        bool first = true;
        for (const std::string& field : fields) {
            if (!first)
                csv += ',';
            csv += csvField(field);
            first = false;
        }
        csv += "\r\n";
    }
    return csv;
}

std::string toJson(const std::vector<Reading>& readings)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Reading& reading : readings) {
        nlohmann::ordered_json cards = nlohmann::ordered_json::array();
        for (const engine::CardIndex card : reading.cards)
            cards.push_back(engine::isCardIndex(card) ? std::string(engine::card(card).name) : std::string());
        list.push_back({
            {"uuid", reading.uuid},
            {"time", isoTimeUtc(reading.timeUtc)},
            {"utcOffsetMinutes", reading.utcOffsetMinutes},
            {"programVersion", reading.programVersion},
            {"name", reading.name},
            {"birthDate", reading.birthDate},
            {"spread", reading.spread},
            {"spreadName", reading.spreadName},
            {"cards", cards},
            {"dealtBy", dealtByName(reading.dealtBy)},
            {"seed", reading.seed ? nlohmann::ordered_json(std::to_string(*reading.seed)) : nlohmann::ordered_json()},
            {"question", reading.question},
            {"notes", reading.notes},
        });
    }
    const nlohmann::ordered_json document = {{"format", kFormat}, {"version", kFormatVersion}, {"readings", list}};
    // Texts are kept as they are; one that is not UTF-8 (never stored, but the exporter does not trust that)
    // gets U+FFFD rather than ending the export.
    return document.dump(1, '\t', false, json::error_handler_t::replace) + '\n';
}

richtext::ValueOrError<std::vector<Reading>> readJsonExport(std::string_view text)
{
    json document;
    try {
        document = json::parse(text.begin(), text.end());
    } catch (const json::exception& error) {
        std::string reason = error.what();
        // "[json.exception.parse_error.101] parse error at line 1, ..." reads better without its prefix.
        if (const auto end = reason.find("] "); end != std::string::npos)
            reason = reason.substr(end + 2);
        return {std::nullopt, "The file is not a complete JSON file: " + reason + "."};
    }
    try {
        if (!document.is_object() || document.value("format", json()) != kFormat)
            throw Refusal{"it is not a journal export of this program"};
        const json& version = document["version"];
        if (!version.is_number_integer() || version.get<std::int64_t>() < 1)
            throw Refusal{"its \"version\" is missing"};
        if (version.get<std::int64_t>() > kFormatVersion)
            throw Refusal{"it was written by a newer version of the program"};
        const json& list = document["readings"];
        if (!list.is_array())
            throw Refusal{"it has no list of readings"};
        std::vector<Reading> readings;
        readings.reserve(list.size());
        std::set<std::string> uuids;
        for (std::size_t index = 0; index < list.size(); ++index) {
            readings.push_back(readingFrom(list[index], index));
            if (!uuids.insert(readings.back().uuid).second)
                throw Refusal{"reading " + std::to_string(index + 1) + " repeats the UUID of an earlier one"};
        }
        return {std::move(readings), {}};
    } catch (const Refusal& refusal) {
        return {std::nullopt, "The file cannot be imported: " + refusal.reason + "."};
    } catch (const json::exception& error) {
        return {std::nullopt, "The file cannot be imported: " + std::string(error.what()) + "."};
    }
}

} // namespace journal
