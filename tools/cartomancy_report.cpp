// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
// cartomancy-report: deals one reading and writes it as RTF, without the desktop program.

#include "engine/random_source.h"
#include "engine/reading.h"
#include "engine/small_faces.h"
#include "engine/spread_catalogue.h"
#include "richtext/document.h"

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kUsageError = 2;

constexpr std::string_view kUsage = "Usage: cartomancy-report --spread N|NAME [--seed S] [--output FILE]\n"
                                    "       cartomancy-report --list-spreads\n"
                                    "       cartomancy-report --help\n"
                                    "\n"
                                    "Deals one reading of spread N (0 to 17, or its name as listed) and writes it as RTF\n"
                                    "to FILE, or to standard output. The same --seed S gives the same reading.\n";

// Reproducible stand-in for the clock-seeded generator: every "reseed" moves to the next
// seed derived from S, so one seed always gives the same deal.
class SeededRandomSource final : public engine::RandomSource {
public:
    explicit SeededRandomSource(std::uint64_t seed) : m_seed(seed), m_state(seed) {}

    float next() override { return static_cast<float>(splitMix() >> 40) * 0x1.0p-24f; }
    void reseedFromClock() override { m_state = m_seed + 0x632be59bd9b4e019ULL * ++m_reseeds; }

private:
    std::uint64_t splitMix()
    {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    std::uint64_t m_seed;
    std::uint64_t m_state;
    std::uint64_t m_reseeds = 0;
};

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

std::optional<engine::SpreadIndex> parseSpread(std::string_view text)
{
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error == std::errc() && end == text.data() + text.size()) {
        if (number >= 0 && number < engine::kSpreadCount)
            return static_cast<engine::SpreadIndex>(number);
        return std::nullopt;
    }
    const auto& catalogue = engine::spreadCatalogue();
    for (int index = 0; index < engine::kSpreadCount; ++index) {
        if (catalogue[index].name == text)
            return static_cast<engine::SpreadIndex>(index);
    }
    return std::nullopt;
}

std::optional<std::uint64_t> parseSeed(std::string_view text)
{
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return seed;
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
                return {{}, "unknown spread '" + std::string(*text) + "' (see --list-spreads)"};
        } else if (argument == "--seed") {
            const auto text = value();
            if (!text)
                return {{}, "--seed needs an unsigned integer"};
            result.options.seed = parseSeed(*text);
            if (!result.options.seed)
                return {{}, "bad seed '" + std::string(*text) + "': expected an unsigned integer"};
        } else if (argument == "--output" || argument == "-o") {
            const auto text = value();
            if (!text || text->empty())
                return {{}, "--output needs a file name"};
            result.options.output = std::string(*text);
        } else {
            return {{}, "unknown argument '" + std::string(argument) + "' (see --help)"};
        }
    }
    if (!result.options.help && !result.options.listSpreads && !result.options.spread)
        return {{}, "--spread is required (see --help)"};
    return result;
}

bool writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Writes beside the target and renames over it, so a failed run never leaves a half-written
// file or destroys the one already there.
std::string writeFileAtomically(const std::string& path, std::string_view bytes)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::is_directory(path, error))
        return path + " is a folder";
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int descriptor = ::mkstemp(pattern.data());
    if (descriptor < 0)
        return "cannot write to " + folder.string() + ": " + std::generic_category().message(errno);

    const bool written = writeAll(descriptor, bytes) && ::fsync(descriptor) == 0;
    const int writeErrno = errno;
    const bool closed = ::close(descriptor) == 0;
    if (!written || !closed) {
        ::unlink(pattern.c_str());
        return "cannot write " + path + ": " + std::generic_category().message(written ? errno : writeErrno);
    }
    // mkstemp creates the file private to its owner; give it the mode a plain new file would get.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(pattern.c_str(), 0666 & ~mask);
    if (::rename(pattern.c_str(), path.c_str()) != 0) {
        const int renameErrno = errno;
        ::unlink(pattern.c_str());
        return "cannot write " + path + ": " + std::generic_category().message(renameErrno);
    }
    return {};
}

void listSpreads()
{
    const auto& catalogue = engine::spreadCatalogue();
    for (int index = 0; index < engine::kSpreadCount; ++index)
        std::cout << index << '\t' << catalogue[index].name << '\t' << catalogue[index].cardCount
                  << (catalogue[index].cardCount == 1 ? " card\n" : " cards\n");
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ParseResult parsed = parseArguments(arguments);
    if (!parsed.error.empty()) {
        std::cerr << "cartomancy-report: " << parsed.error << '\n';
        return kUsageError;
    }
    const Options& options = parsed.options;
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }
    if (options.listSpreads) {
        listSpreads();
        return 0;
    }

    std::unique_ptr<engine::RandomSource> random;
    if (options.seed)
        random = std::make_unique<SeededRandomSource>(*options.seed);
    else
        random = engine::makeClockSeededRandomSource();

    engine::ReadingEngine reading(*random);
    richtext::Document document;
    reading.generateReading(*options.spread, {document, engine::builtInSmallFaces(), nullptr});
    const std::string rtf = document.toRtf();

    if (!options.output) {
        if (!writeAll(STDOUT_FILENO, rtf)) {
            std::cerr << "cartomancy-report: cannot write to standard output\n";
            return kUsageError;
        }
        return 0;
    }
    if (const std::string error = writeFileAtomically(*options.output, rtf); !error.empty()) {
        std::cerr << "cartomancy-report: " << error << '\n';
        return kUsageError;
    }
    return 0;
}
