// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
// cartomancy-report: deals one reading and writes it as RTF, without the desktop program.

#include "engine/random_source.h"
#include "engine/reading.h"
#include "engine/small_faces.h"
#include "engine/spread_catalogue.h"
#include "output_file.h"
#include "richtext/document.h"

#include <charconv>
#include <cstdint>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kUsageError = 2;

constexpr std::string_view kUsage =
    "Usage: cartomancy-report --spread N|NAME [--seed S] [--output FILE|-]\n"
    "       cartomancy-report --list-spreads\n"
    "       cartomancy-report --help\n"
    "\n"
    "Deals one reading of spread N (0 to 17, or its name as listed) and writes it as RTF\n"
    "to FILE, or to standard output. The same --seed S gives the same reading.\n"
    "Numbers are plain decimal digits: no sign, no leading zero.\n";

struct Options {
    std::optional<engine::SpreadIndex> spread;
    std::optional<std::uint64_t> seed;
    std::optional<std::string> output;
    bool listSpreads = false;
    bool help = false;
};

struct ParseResult {
    Options options;
    std::string error; // empty when the arguments are fine
};

// Plain decimal digits only: no sign, no leading zero, so "-0", "+3" and "007" (octal to some readers) are
// refused rather than guessed at.
std::optional<std::uint64_t> parseNumber(std::string_view text)
{
    if (text.empty() || (text.size() > 1 && text[0] == '0'))
        return std::nullopt;
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || text[0] < '0' || text[0] > '9')
        return std::nullopt;
    return number;
}

std::optional<engine::SpreadIndex> parseSpread(std::string_view text)
{
    if (const auto number = parseNumber(text))
        return *number < static_cast<std::uint64_t>(engine::kSpreadCount)
                   ? std::optional(static_cast<engine::SpreadIndex>(*number))
                   : std::nullopt;
    const auto& catalogue = engine::spreadCatalogue();
    for (int index = 0; index < engine::kSpreadCount; ++index) {
        if (catalogue[index].name == text)
            return static_cast<engine::SpreadIndex>(index);
    }
    return std::nullopt;
}

ParseResult parseArguments(const std::vector<std::string_view>& arguments)
{
    ParseResult result;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        std::optional<std::string_view> inlineValue;
        if (const auto equals = argument.find('='); argument.starts_with("--") && equals != std::string_view::npos) {
            inlineValue = argument.substr(equals + 1);
            argument = argument.substr(0, equals);
        }
        const auto value = [&]() -> std::optional<std::string_view> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < arguments.size())
                return arguments[++i];
            return std::nullopt;
        };

        if (argument == "--help" || argument == "-h") {
            result.options.help = true;
        } else if (argument == "--list-spreads") {
            result.options.listSpreads = true;
        } else if (argument == "--spread") {
            const auto text = value();
            if (!text)
                return {{}, "--spread needs a spread number or name"};
            result.options.spread = parseSpread(*text);
            if (!result.options.spread)
                return {{}, "unknown spread " + cli::quoteForMessage(*text) + " (see --list-spreads)"};
        } else if (argument == "--seed") {
            const auto text = value();
            if (!text)
                return {{}, "--seed needs an unsigned integer"};
            result.options.seed = parseNumber(*text);
            if (!result.options.seed)
                return {{}, "bad seed " + cli::quoteForMessage(*text) + ": expected a number in plain decimal digits"};
        } else if (argument == "--output" || argument == "-o") {
            const auto text = value();
            if (!text || text->empty())
                return {{}, "--output needs a file name"};
            result.options.output = std::string(*text);
        } else {
            return {{}, "unknown argument " + cli::quoteForMessage(argument) + " (see --help)"};
        }
    }
    if (!result.options.help && !result.options.listSpreads && !result.options.spread)
        return {{}, "--spread is required (see --help)"};
    return result;
}

std::string spreadList()
{
    const auto& catalogue = engine::spreadCatalogue();
    std::string list;
    for (int index = 0; index < engine::kSpreadCount; ++index)
        list += std::to_string(index) + '\t' + std::string(catalogue[index].name) + '\t' +
                std::to_string(catalogue[index].cardCount) + (catalogue[index].cardCount == 1 ? " card\n" : " cards\n");
    return list;
}

int fail(const std::string& message)
{
    std::cerr << "cartomancy-report: " << message << '\n';
    return kUsageError;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ParseResult parsed = parseArguments(arguments);
    if (!parsed.error.empty())
        return fail(parsed.error);
    const Options& options = parsed.options;
    if (options.help || options.listSpreads) {
        if (const auto error = cli::writeStandardOutput(options.help ? kUsage : spreadList()))
            return fail(*error);
        return 0;
    }

    const std::unique_ptr<engine::RandomSource> random =
        options.seed ? engine::makeSeededRandomSource(*options.seed) : engine::makeClockSeededRandomSource();

    engine::ReadingEngine reading(*random);
    richtext::Document document;
    reading.generateReading(*options.spread, {document, engine::builtInSmallFaces(), nullptr});
    if (const auto error = cli::writeOutput(options.output.value_or("-"), document.toRtf()))
        return fail(*error);
    return 0;
}
