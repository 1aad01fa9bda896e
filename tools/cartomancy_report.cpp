// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
// cartomancy-report: deals one reading and writes it as RTF or PDF, without the desktop program's windows.

#include "engine/card_tokens.h"
#include "engine/deck.h"
#include "engine/random_source.h"
#include "engine/reading.h"
#include "engine/small_faces.h"
#include "engine/spread_catalogue.h"
#include "files/safe_write.h"
#include "journal/exchange.h"
#include "journal/journal.h"
#include "journal_commands.h"
#include "message_quoting.h"
#if ZELTO_WITH_PDF
#include "pdf_reading.h"
#endif
#include "richtext/document.h"
#include "richtext/value_or_error.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kUsageError = 2;
constexpr int kNotKept = 1; // the reading was written, the journal could not keep it

constexpr std::string_view kUsage =
    "Usage: cartomancy-report --spread N|NAME [--seed S | --cards LIST] [--output FILE|-] [--format rtf|pdf]\n"
    "                         [--record [--name TEXT] [--question TEXT]]\n"
    "       cartomancy-report --reading ID|UUID [--output FILE|-] [--format rtf|pdf]\n"
    "       cartomancy-report --list-readings [--search TEXT]\n"
    "       cartomancy-report --export-csv FILE|- [--search TEXT]\n"
    "       cartomancy-report --export-json FILE|- [--search TEXT]\n"
    "       cartomancy-report --import FILE\n"
    "       cartomancy-report --list-spreads\n"
    "       cartomancy-report --help\n"
    "\n"
    "Deals one reading of spread N (0 to 17, or its name as listed) and writes it to FILE,\n"
    "or to standard output: as PDF when --format pdf is given or FILE ends in .pdf, else as RTF.\n"
    "The same --seed S gives the same reading. A PDF needs no display.\n"
    "--cards LIST reads cards laid out by hand instead of dealing: one card per position, in\n"
    "position order, separated by commas, each card once. A card is its short form (QH, 10S or TS,\n"
    "AC; JH is the Knight of Hearts, whose face shows J) or its name (\"Queen of Hearts\"), in any case.\n"
    "Numbers are plain decimal digits: no sign, no leading zero.\n"
    "\n"
    "--record also keeps the reading in the journal of readings, which the desktop program shows;\n"
    "--reading writes a kept reading again, --list-readings lists them one per line (tab-separated:\n"
    "id, UUID, time, name, spread, cards, question), newest first, and the exports write them as CSV\n"
    "or JSON. --import adds the readings of a JSON export that the journal does not hold yet.\n"
    "The journal is $XDG_DATA_HOME/zelto-cartomancy/journal.sqlite3 unless --journal FILE names one.\n";

enum class Format { Rtf, Pdf };

struct Options {
    std::optional<engine::SpreadIndex> spread;
    std::optional<std::uint64_t> seed;
    std::optional<std::string> cards; // as given; read once the spread is known
    std::optional<std::string> output;
    std::optional<Format> format;
    bool listSpreads = false;
    bool help = false;
    // The journal of readings.
    std::optional<std::string> journal;
    bool record = false;
    std::optional<std::string> name;
    std::optional<std::string> question;
    std::optional<std::string> reading; // id or UUID
    bool listReadings = false;
    std::optional<std::string> search;
    std::optional<std::string> exportCsv;
    std::optional<std::string> exportJson;
    std::optional<std::string> importFrom;
};

// How many of the commands that each do one whole thing were given.
int commandCount(const Options& options)
{
    return static_cast<int>(options.spread.has_value()) + static_cast<int>(options.reading.has_value()) +
           static_cast<int>(options.listReadings) + static_cast<int>(options.exportCsv.has_value()) +
           static_cast<int>(options.exportJson.has_value()) + static_cast<int>(options.importFrom.has_value());
}

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

// The options that take a text, in the order of Options' members they fill, with what each needs.
constexpr std::pair<std::string_view, std::string_view> kTextOptions[] = {
    {"--journal", "a file name"},     {"--name", "a name"},        {"--question", "a question"},
    {"--reading", "an id or UUID"},   {"--search", "a text"},      {"--export-csv", "a file name"},
    {"--export-json", "a file name"}, {"--import", "a file name"},
};

std::string_view textOption(std::string_view argument)
{
    for (const auto& [name, needs] : kTextOptions) {
        if (name == argument)
            return needs;
    }
    return {};
}

std::size_t textOptionIndex(std::string_view argument)
{
    std::size_t index = 0;
    while (kTextOptions[index].first != argument)
        ++index;
    return index;
}

// What a flag sets; flags take no value. Null for any other argument.
bool* flagOf(Options& options, std::string_view argument)
{
    if (argument == "--help" || argument == "-h")
        return &options.help;
    if (argument == "--list-spreads")
        return &options.listSpreads;
    if (argument == "--record")
        return &options.record;
    if (argument == "--list-readings")
        return &options.listReadings;
    return nullptr;
}

// Reads an option's value through parse into target. Returns what is wrong (the missing text, or the value
// quoted between the two halves of the refusal), empty when the value is fine.
template <typename T, typename Parse>
std::string readValue(std::optional<std::string_view> text, std::optional<T>& target, Parse parse,
                      std::string_view missing, std::string_view refusedBefore, std::string_view refusedAfter)
{
    if (!text)
        return std::string(missing);
    target = parse(*text);
    if (!target)
        return std::string(refusedBefore) + cli::quoteArgument(*text) + std::string(refusedAfter);
    return {};
}

richtext::ValueOrError<Options> parseArguments(const std::vector<std::string_view>& arguments)
{
    Options options;
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
        std::string refusal; // what is wrong with this argument's value

        if (bool* const flag = flagOf(options, argument)) {
            if (inlineValue)
                return {std::nullopt, std::string(argument) + " takes no value"};
            *flag = true;
        } else if (argument == "--spread") {
            refusal = readValue(value(), options.spread, parseSpread, "--spread needs a spread number or name",
                                "unknown spread ", " (see --list-spreads)");
        } else if (argument == "--seed") {
            refusal = readValue(value(), options.seed, parseNumber, "--seed needs an unsigned integer", "bad seed ",
                                ": expected a number in plain decimal digits");
        } else if (argument == "--cards") {
            const auto text = value();
            if (!text)
                return {std::nullopt, "--cards needs a list of cards such as QH,10S,2C"};
            options.cards = std::string(*text);
        } else if (argument == "--output" || argument == "-o") {
            const auto text = value();
            if (!text || text->empty())
                return {std::nullopt, "--output needs a file name"};
            options.output = std::string(*text);
        } else if (argument == "--format") {
            const auto text = value();
            if (text == "rtf")
                options.format = Format::Rtf;
            else if (text == "pdf")
                options.format = Format::Pdf;
            else
                return {std::nullopt, "--format needs rtf or pdf"};
        } else if (const auto needs = textOption(argument); !needs.empty()) {
            const auto text = value();
            if (!text || (text->empty() && argument != "--search" && argument != "--name" && argument != "--question"))
                return {std::nullopt, std::string(argument) + " needs " + std::string(needs)};
            std::optional<std::string>* targets[] = {&options.journal,    &options.name,      &options.question,
                                                     &options.reading,    &options.search,    &options.exportCsv,
                                                     &options.exportJson, &options.importFrom};
            *targets[textOptionIndex(argument)] = std::string(*text);
        } else {
            return {std::nullopt, "unknown argument " + cli::quoteArgument(argument) + " (see --help)"};
        }
        if (!refusal.empty())
            return {std::nullopt, refusal};
    }
    if (!options.help && !options.listSpreads && commandCount(options) == 0)
        return {std::nullopt, "--spread is required (see --help)"};
    if (commandCount(options) > 1)
        return {std::nullopt, "--spread, --reading, --list-readings, --export-csv, --export-json and --import go one "
                              "at a time"};
    if ((options.record || options.name || options.question || options.cards) && !options.spread)
        return {std::nullopt, "--record, --name, --question and --cards go with --spread"};
    if ((options.name || options.question) && !options.record)
        return {std::nullopt, "--name and --question are kept only with --record"};
    // Cards laid out by hand are not dealt, so a seed would be silently ignored.
    if (options.cards && options.seed)
        return {std::nullopt, "--cards and --seed cannot go together: cards laid out by hand are not dealt"};
    return {options, {}};
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

// An explicit --format wins; otherwise the output's name decides.
Format outputFormat(const Options& options)
{
    if (options.format)
        return *options.format;
    const std::string& name = options.output.value_or("-");
    const auto endsInPdf = [&name] {
        if (name.size() < 4)
            return false;
        std::string suffix = name.substr(name.size() - 4);
        for (char& c : suffix)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return suffix == ".pdf";
    };
    return endsInPdf() ? Format::Pdf : Format::Rtf;
}

#if !ZELTO_WITH_PDF && defined(ZELTO_PDF_PROGRAM)
// PDF is drawn by a second program that links Qt, so that an RTF run loads none of it. It lies beside this one
// in the build, and in its own folder under libexec once installed. Returns only when it cannot be started.
std::string runPdfProgram(char** argv)
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = self.parent_path();
    for (const std::filesystem::path& program :
         {folder / ZELTO_PDF_PROGRAM, folder / ZELTO_PDF_PROGRAM_INSTALLED / ZELTO_PDF_PROGRAM}) {
        if (::access(program.c_str(), X_OK) == 0) {
            ::execv(program.c_str(), argv);
            return "cannot start " + cli::quoteForMessage(program.string()) + ": " + std::strerror(errno);
        }
    }
    return "cannot find " ZELTO_PDF_PROGRAM ", which draws PDF, beside " + cli::quoteForMessage(self.string());
}
#endif

// The hand the list names for the spread, or what is wrong with it, naming the card and its position.
richtext::ValueOrError<engine::Hand> readOwnCards(const std::string& list, engine::SpreadIndex spread)
{
    const engine::Spread& laid = *engine::findSpread(spread);
    const engine::CardListResult read = engine::parseCardList(list, laid.cardCount);
    if (!read.problem)
        return {read.hand, {}};
    const engine::CardListProblem& problem = *read.problem;
    const std::string card = "--cards: card " + std::to_string(problem.position);
    const std::string positions = std::string(laid.name) + " has " + std::to_string(laid.cardCount) +
                                  (laid.cardCount == 1 ? " position" : " positions");
    using Kind = engine::CardListProblem::Kind;
    switch (problem.kind) {
    case Kind::TooFew:
        return {std::nullopt,
                card + " is missing: " + positions + ", the list names " + std::to_string(problem.position - 1)};
    case Kind::TooMany:
        return {std::nullopt, card + ", " + cli::quoteArgument(problem.token) + ", is one too many: " + positions};
    case Kind::UnknownCard:
        if (problem.token.empty())
            return {std::nullopt, card + " is empty"};
        return {std::nullopt,
                card + ", " + cli::quoteArgument(problem.token) +
                    ", is no card (short forms such as QH, 10S, JH, or names such as \"Queen of Hearts\")"};
    case Kind::Repeated:
        return {std::nullopt, card + ", " + cli::quoteArgument(problem.token) + ", repeats the " +
                                  std::string(engine::card(problem.card).name) + " of card " +
                                  std::to_string(problem.firstPosition)};
    }
    return {std::nullopt, card + " cannot be read"};
}

int fail(const std::string& message)
{
    std::cerr << "cartomancy-report: " << message << '\n';
    return kUsageError;
}

// "-" is standard output, as without --output.
std::optional<std::string> writeOutput(const std::string& path, std::string_view bytes)
{
    if (path == "-") {
        if (auto failure = files::writeStandardOutput(bytes))
            return "cannot write to standard output: " + *failure;
        return std::nullopt;
    }
    if (auto failure = files::writeFile(path, bytes))
        return "cannot write " + cli::quoteForMessage(path) + ": " + *failure;
    return std::nullopt;
}

// Listing, exporting and importing: the commands that touch only the journal.
int runJournalCommand(const Options& options)
{
    std::string error;
    const std::unique_ptr<journal::Journal> kept = cli::openJournal(options.journal, error);
    if (!kept)
        return fail(error);
    if (options.importFrom) {
        const auto summary = cli::importFile(*kept, *options.importFrom);
        if (!summary)
            return fail(summary.error);
        if (const auto problem = writeOutput("-", *summary.value))
            return fail(*problem);
        return 0;
    }
    const std::vector<journal::Reading> readings = kept->search(options.search.value_or(""));
    if (!kept->lastReadError().empty())
        return fail("cannot read the journal: " + kept->lastReadError());
    std::optional<std::string> problem;
    if (options.exportCsv)
        problem = writeOutput(*options.exportCsv, journal::toCsv(readings));
    else if (options.exportJson)
        problem = writeOutput(*options.exportJson, journal::toJson(readings));
    else
        problem = writeOutput("-", cli::readingLines(readings));
    if (problem)
        return fail(*problem);
    return 0;
}

// Keeps the reading just written. The report is out already, so a journal that cannot keep it is a warning
// with its own exit status, not a failed run.
int recordReading(const Options& options, engine::SpreadIndex spread, const engine::Hand& hand)
{
    std::string error;
    const std::unique_ptr<journal::Journal> kept = cli::openJournal(options.journal, error);
    if (kept) {
        journal::Reading reading =
            journal::newReading(options.name.value_or(""), "", spread, hand,
                                options.cards ? journal::DealtBy::OwnCards : journal::DealtBy::Automatic, options.seed);
        reading.question = options.question.value_or("");
        const auto added = kept->add(reading);
        if (added)
            return 0;
        error = added.error;
    }
    std::cerr << "cartomancy-report: the reading was written but not kept: " << error << '\n';
    return kNotKept;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const richtext::ValueOrError<Options> parsed = parseArguments(arguments);
    if (!parsed)
        return fail(parsed.error);
    const Options& options = *parsed.value;
    if (options.help || options.listSpreads) {
        if (const auto error = writeOutput("-", options.help ? kUsage : spreadList()))
            return fail(*error);
        return 0;
    }

    if (options.listReadings || options.exportCsv || options.exportJson || options.importFrom)
        return runJournalCommand(options);

    // A kept reading is composed again from its spread and cards, never stored as a report.
    std::optional<engine::SpreadIndex> keptSpread;
    std::optional<engine::Hand> ownCards;
    if (options.reading) {
        std::string error;
        const std::unique_ptr<journal::Journal> opened = cli::openJournal(options.journal, error);
        if (!opened)
            return fail(error);
        auto found = cli::findKeptReading(*opened, *options.reading);
        if (!found)
            return fail(found.error);
        keptSpread = found.value->spread;
        ownCards = std::move(found.value->cards);
    }
    const engine::SpreadIndex spread = keptSpread.value_or(options.spread.value_or(0));
    if (options.cards) {
        richtext::ValueOrError<engine::Hand> hand = readOwnCards(*options.cards, spread);
        if (!hand)
            return fail(hand.error);
        ownCards = std::move(*hand.value);
    }

    const std::unique_ptr<engine::RandomSource> random =
        options.seed ? engine::makeSeededRandomSource(*options.seed) : engine::makeClockSeededRandomSource();

    engine::ReadingEngine reading(*random);
    std::string bytes;
    if (outputFormat(options) == Format::Pdf) {
#if ZELTO_WITH_PDF
        richtext::ValueOrError<std::string> pdf = cli::dealReadingAsPdf(reading, spread, ownCards, argv[0]);
        if (!pdf)
            return fail(pdf.error);
        bytes = std::move(*pdf.value);
#elif defined(ZELTO_PDF_PROGRAM)
        return fail(runPdfProgram(argv));
#else
        return fail("this build writes RTF only: PDF needs the desktop libraries");
#endif
    } else {
        richtext::Document document;
        const engine::ReportTarget target{document, engine::builtInSmallFaces(), nullptr};
        if (ownCards)
            reading.readHand(spread, *ownCards, target);
        else
            reading.generateReading(spread, target);
        bytes = document.toRtf();
    }
    if (const auto error = writeOutput(options.output.value_or("-"), bytes))
        return fail(*error);
    if (options.record)
        return recordReading(options, spread, reading.hand());
    return 0;
}
