// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/reading_record.h"

#include "engine/spread_catalogue.h"
#include "richtext/utf8.h"
#include "site_settings.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>

#include <unistd.h>

namespace journal {
namespace {

constexpr std::array<std::string_view, 3> kDealtByNames{"automatic", "manual", "own cards"};

// Texts a person types stay far below this; a longer one is not a reading of ours.
constexpr std::size_t kLongestText = 1 << 20;
// 0001-01-01 to 9999-12-31, the years an ISO date can write.
constexpr std::int64_t kEarliestTime = -62135596800;
constexpr std::int64_t kLatestTime = 253402300799;

bool isDigits(std::string_view text)
{
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

int number(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// Days since 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's days_from_civil).
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

bool isValidDate(int year, int month, int day)
{
    if (month < 1 || month > 12 || day < 1)
        return false;
    constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

} // namespace

std::string_view dealtByName(DealtBy dealtBy)
{
    return kDealtByNames[static_cast<std::size_t>(dealtBy)];
}

std::optional<DealtBy> dealtByFromName(std::string_view name)
{
    for (std::size_t i = 0; i < kDealtByNames.size(); ++i) {
        if (kDealtByNames[i] == name)
            return static_cast<DealtBy>(i);
    }
    return std::nullopt;
}

std::string makeUuid()
{
    // Seeded per process: a forked child must not repeat its parent's UUIDs.
    thread_local std::mt19937_64 generator;
    thread_local pid_t seededIn = 0;
    if (seededIn != ::getpid()) {
        std::random_device device;
        std::seed_seq seeds{device(), device(), device(), device(), device(), device(), device(), device()};
        generator.seed(seeds);
        seededIn = ::getpid();
    }
    std::array<unsigned char, 16> bytes{};
    for (std::size_t i = 0; i < bytes.size(); i += 8) {
        const std::uint64_t value = generator();
        for (std::size_t k = 0; k < 8; ++k)
            bytes[i + k] = static_cast<unsigned char>(value >> (8 * k));
    }
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0F) | 0x40); // version 4
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3F) | 0x80); // RFC 4122 variant
    std::string text;
    constexpr std::string_view kHex = "0123456789abcdef";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            text += '-';
        text += kHex[bytes[i] >> 4];
        text += kHex[bytes[i] & 0x0F];
    }
    return text;
}

std::optional<std::string> normalizedUuid(std::string_view text)
{
    if (text.size() != 36)
        return std::nullopt;
    std::string result(text);
    for (std::size_t i = 0; i < result.size(); ++i) {
        char& c = result[i];
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (c != '-')
                return std::nullopt;
        } else if (c >= 'A' && c <= 'F') {
            c = static_cast<char>(c - 'A' + 'a');
        } else if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
            return std::nullopt;
        }
    }
    return result;
}

Reading newReading(std::string name, std::string birthDate, engine::SpreadIndex spread, engine::Hand cards,
                   DealtBy dealtBy, std::optional<std::uint64_t> seed)
{
    Reading reading;
    reading.uuid = makeUuid();
    const std::time_t now = std::time(nullptr);
    reading.timeUtc = now;
    std::tm local{};
    if (::localtime_r(&now, &local))
        reading.utcOffsetMinutes = static_cast<int>(local.tm_gmtoff / 60);
    reading.programVersion = std::string(site::kVersion);
    reading.name = std::move(name);
    reading.birthDate = std::move(birthDate);
    reading.spread = spread;
    if (const engine::Spread* found = engine::findSpread(spread))
        reading.spreadName = std::string(found->name);
    reading.cards = std::move(cards);
    reading.dealtBy = dealtBy;
    reading.seed = seed;
    return reading;
}

std::string isoTimeUtc(std::int64_t timeUtc)
{
    const std::int64_t days = (timeUtc >= 0 ? timeUtc : timeUtc - 86399) / 86400;
    const std::int64_t seconds = timeUtc - days * 86400;
    // civil_from_days
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(z - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned mp = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const unsigned month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2);
    char text[40];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02uT%02d:%02d:%02dZ", static_cast<long long>(year), month, day,
                  static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                  static_cast<int>(seconds % 60));
    return text;
}

std::optional<std::int64_t> parseIsoTimeUtc(std::string_view text)
{
    // YYYY-MM-DDTHH:MM:SSZ
    if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
        text[16] != ':' || text[19] != 'Z')
        return std::nullopt;
    for (const std::size_t at : {0u, 5u, 8u, 11u, 14u, 17u}) {
        if (!isDigits(text.substr(at, at == 0 ? 4 : 2)))
            return std::nullopt;
    }
    const int year = number(text.substr(0, 4));
    const int month = number(text.substr(5, 2));
    const int day = number(text.substr(8, 2));
    const int hour = number(text.substr(11, 2));
    const int minute = number(text.substr(14, 2));
    const int second = number(text.substr(17, 2));
    if (year < 1 || !isValidDate(year, month, day) || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 86400 + hour * 3600 +
           minute * 60 + second;
}

std::optional<std::string> problemWith(const Reading& reading)
{
    if (!normalizedUuid(reading.uuid) || *normalizedUuid(reading.uuid) != reading.uuid)
        return "the UUID is not a lower-case UUID";
    if (reading.timeUtc < kEarliestTime || reading.timeUtc > kLatestTime)
        return "the time is out of range";
    if (reading.utcOffsetMinutes < -24 * 60 || reading.utcOffsetMinutes > 24 * 60)
        return "the offset from UTC is out of range";
    const engine::Spread* spread = engine::findSpread(reading.spread);
    if (!spread)
        return "the spread " + std::to_string(reading.spread) + " is not one of the 18";
    if (static_cast<int>(reading.cards.size()) != spread->cardCount)
        return "the spread takes " + std::to_string(spread->cardCount) + " cards, not " +
               std::to_string(reading.cards.size());
    std::array<bool, engine::kCardCount> seen{};
    for (const engine::CardIndex card : reading.cards) {
        if (!engine::isCardIndex(card))
            return "a card is not one of the 52";
        if (seen[card])
            return "a card comes twice";
        seen[card] = true;
    }
    for (const std::string* text : {&reading.programVersion, &reading.name, &reading.birthDate, &reading.spreadName,
                                    &reading.question, &reading.notes}) {
        if (text->size() > kLongestText)
            return "a text is longer than a reading's";
        if (richtext::utf8::sanitize(*text) != *text)
            return "a text is not UTF-8";
    }
    return std::nullopt;
}

} // namespace journal
