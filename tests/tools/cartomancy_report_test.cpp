// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_quoting.h"
#include "support/case_names.h"
#include "support/pdf_probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

// Where the tool's standard output goes.
enum class Stdout { Captured, Closed, FullDevice };

class CartomancyReportTest : public testing::Test {
protected:
    void SetUp() override
    {
        // A space in the folder name keeps the runner honest about quoting.
        // The name of a parameterised case holds a '/', which would nest the folder.
        std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', ' ');
        m_folder = fs::temp_directory_path() / ("cartomancy report " + std::to_string(::getpid()) + " " + name);
        fs::remove_all(m_folder);
        fs::create_directories(m_folder / "work");
    }
    void TearDown() override { fs::remove_all(m_folder); }

    // Runs the tool with these arguments, no shell in between; its own files go into work().
    RunResult run(const std::vector<std::string>& arguments, Stdout destination = Stdout::Captured) const
    {
        const std::string out = (m_folder / "stdout.txt").string();
        const std::string err = (m_folder / "stderr.txt").string();
        std::vector<std::string> words{CARTOMANCY_REPORT_PATH};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        const std::string work = this->work().string();

        const pid_t child = ::fork();
        if (child == 0) {
            ::umask(022);
            const int outFd = destination == Stdout::FullDevice
                                  ? ::open("/dev/full", O_WRONLY)
                                  : ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(outFd, STDOUT_FILENO);
            ::dup2(errFd, STDERR_FILENO);
            if (destination == Stdout::Closed)
                ::close(STDOUT_FILENO);
            if (::chdir(work.c_str()) == 0)
                ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        RunResult result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = destination == Stdout::Captured ? readFile(out) : std::string();
        result.err = readFile(err);
        return result;
    }

    fs::path work() const { return m_folder / "work"; }
    std::vector<std::string> workEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(work()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path m_folder;
};

void expectOneLineError(const RunResult& result)
{
    EXPECT_EQ(result.exitCode, 2);
    ASSERT_FALSE(result.err.empty());
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line: " << result.err;
    EXPECT_TRUE(std::none_of(result.err.begin(), result.err.end() - 1,
                             [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '\x9b'; }))
        << "no raw control characters: " << result.err;
    EXPECT_LT(result.err.size(), 400U) << "a long argument is cut";
}

// That the same seed gives the same bytes, every test comparing two runs shows.
TEST_F(CartomancyReportTest, AnotherSeed_DealsAnotherReading)
{
    const RunResult first = run({"--spread", "17", "--seed", "42"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_NE(first.out, run({"--spread", "17", "--seed", "43"}).out);
}

TEST_F(CartomancyReportTest, SpreadByName_EqualsSpreadByIndex)
{
    const RunResult byIndex = run({"--spread", "10", "--seed", "7"});
    const RunResult byName = run({"--spread", "The Celtic Cross Spread", "--seed", "7"});
    ASSERT_EQ(byIndex.exitCode, 0) << byIndex.err;
    EXPECT_EQ(byIndex.out, byName.out);
    EXPECT_NE(byIndex.out.find("The Celtic Cross Spread"), std::string::npos);
    EXPECT_NE(byIndex.out.find("{\\pict\\wmetafile8"), std::string::npos);
}

TEST_F(CartomancyReportTest, BadInput_FailsWithOneLineErrorAndStatusTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--spread", "18"},
        {"--spread", "-1"},
        {"--spread", "single card lay"},
        {"--spread", "3", "--seed", "-5"},
        {"--spread", "3", "--seed", "x"},
        {"--spread", "3", "--seed", "99999999999999999999999"},
        {},
        {"--frobnicate"},
        {"--spread"},
        // Numbers are plain decimal digits: signs and leading zeros are refused, not guessed at.
        {"--spread", "-0"},
        {"--spread", "+3"},
        {"--spread", "007"},
        {"--spread", "00"},
        {"--spread", " 3"},
        {"--spread", "3", "--seed", "007"},
        {"--spread", "3", "--seed", "+1"},
        // The person's text is quoted safely: no raw newline or escape sequence reaches the terminal.
        {"--spread", "Single\nCard Lay"},
        {"--frob\x1b[2J\r"},
        {"--spread", "3", "--seed", "4\x7f"},
        {"--spread", "3", "--output", "no such folder/\n\xc2\x9b.rtf"},
        {"--spread", "3", "--format", "doc"},
        {"--spread", "3", "--format"},
        {"--spread", "3", "--seed", "4\x9b[2J"},
        {"--spread", std::string(100 * 1024, 'x')},
        {"--" + std::string(100 * 1024, 'x')},
        // Flags take no value.
        {"--help=yes"},
        {"--list-spreads=no"},
        {"--list-readings=all"},
    };
    for (const std::vector<std::string>& arguments : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const RunResult result = run(arguments);
        EXPECT_TRUE(result.out.empty());
        expectOneLineError(result);
    }
}

struct CardsRefusal {
    const char* name;
    std::vector<std::string> arguments;
    std::string message; // what the one line must say
};

class CardsRefusals : public CartomancyReportTest, public testing::WithParamInterface<CardsRefusal> {};

TEST_P(CardsRefusals, NameTheCardAndItsPosition)
{
    const RunResult result = run(GetParam().arguments);
    EXPECT_TRUE(result.out.empty());
    expectOneLineError(result);
    EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    OwnCards, CardsRefusals,
    testing::Values(
        CardsRefusal{"TooFew", {"--spread", "2", "--cards", "QH,10S"}, "card 3 is missing: 3 Card Spread has 3"},
        CardsRefusal{"TooMany", {"--spread", "0", "--cards", "QH,10S"}, "card 2, '10S', is one too many"},
        CardsRefusal{"Unknown", {"--spread", "2", "--cards", "QH,1S,2C"}, "card 2, '1S', is no card"},
        CardsRefusal{"UnknownQuotedSafely", {"--spread", "0", "--cards", "Q\x1b[2J"}, "card 1, 'Q"},
        CardsRefusal{"Empty", {"--spread", "2", "--cards", "QH,,2C"}, "card 2 is empty"},
        CardsRefusal{"TrailingComma", {"--spread", "2", "--cards", "QH,2C,"}, "card 3 is empty"},
        CardsRefusal{"Repeated",
                     {"--spread", "2", "--cards", "QH,2C,queen of hearts"},
                     "card 3, 'queen of hearts', repeats the Queen of Hearts of card 1"},
        CardsRefusal{"KnightAsJAndByName",
                     {"--spread", "2", "--cards", "JH,2C,Knight of Hearts"},
                     "repeats the Knight of Hearts of card 1"},
        CardsRefusal{"TenBothWays", {"--spread", "2", "--cards", "TS,2C,10s"}, "repeats the Ten of Spades"},
        CardsRefusal{"WithSeed", {"--spread", "2", "--seed", "3", "--cards", "QH,2C,3D"}, "--cards and --seed"},
        CardsRefusal{"NoList", {"--spread", "2", "--cards"}, "--cards needs a list"}),
    testing_support::namedCases);

TEST_F(CartomancyReportTest, Cards_AreReadInPositionOrderInsteadOfDealt)
{
    const RunResult first = run({"--spread", "2", "--cards", "qh, 10S ,Knight of Clubs"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const std::size_t queen = first.out.find("Queen of Hearts");
    const std::size_t ten = first.out.find("Ten of Spades");
    const std::size_t knight = first.out.find("Knight of Clubs");
    ASSERT_NE(knight, std::string::npos);
    EXPECT_LT(queen, ten);
    EXPECT_LT(ten, knight);
    EXPECT_EQ(run({"--spread", "2", "--cards", "QH,TS,JC"}).out, first.out);
}

#if ZELTO_WITH_PDF
struct FormatCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string file; // empty: standard output
    bool pdf;
};

class OutputFormats : public CartomancyReportTest, public testing::WithParamInterface<FormatCase> {};

// A PDF needs no display: the tool runs where no desktop is.
TEST_P(OutputFormats, FollowTheOptionElseTheNamesSuffix)
{
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    ::unsetenv("QT_QPA_PLATFORM");
    std::vector<std::string> arguments{"--spread", "10", "--seed", "3"};
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());

    const RunResult result = run(arguments);

    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const std::string written = GetParam().file.empty() ? result.out : readFile(work() / GetParam().file);
    EXPECT_TRUE(written.starts_with(GetParam().pdf ? "%PDF-1." : "{\\rtf1")) << written.substr(0, 20);
    if (GetParam().pdf) {
        EXPECT_TRUE(written.ends_with("%%EOF\n")) << "complete";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, OutputFormats,
    testing::Values(FormatCase{"PdfName", {"-o", "reading.pdf"}, "reading.pdf", true},
                    FormatCase{"PdfNameInCapitals", {"--output", "reading.PDF"}, "reading.PDF", true},
                    FormatCase{"PdfToStandardOutput", {"--format", "pdf"}, "", true},
                    FormatCase{"RtfDespiteTheName", {"--format", "rtf", "-o", "reading.pdf"}, "reading.pdf", false},
                    FormatCase{"PdfDespiteTheName", {"--format=pdf", "-o", "reading.rtf"}, "reading.rtf", true},
                    FormatCase{"NameEndingInPdfWithoutDot", {"-o", "readingpdf"}, "readingpdf", false}),
    testing_support::namedCases);

// Where the PDF cannot be drawn as it should, the tool says why in one line and writes nothing.
struct PdfRefusal {
    const char* name;
    std::vector<std::pair<const char*, const char*>> environment;
    const char* cause;
};

class PdfRefusals : public CartomancyReportTest, public testing::WithParamInterface<PdfRefusal> {};

TEST_P(PdfRefusals, SayWhyInOneLineAndWriteNothing)
{
    std::ofstream(work() / "fonts.conf") << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    for (const auto& [name, value] : GetParam().environment)
        ::setenv(name, std::string(value) == "fonts.conf" ? (work() / value).c_str() : value, 1);
    const RunResult result = run({"--spread", "3", "-o", "reading.pdf"});
    for (const auto& [name, value] : GetParam().environment)
        ::unsetenv(name);

    expectOneLineError(result);
    EXPECT_NE(result.err.find(GetParam().cause), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(work() / "reading.pdf"));
}

INSTANTIATE_TEST_SUITE_P(
    CartomancyReport, PdfRefusals,
    testing::Values(PdfRefusal{"UnknownPlatform", {{"QT_QPA_PLATFORM", "no-such-platform"}}, "no display platform"},
                    PdfRefusal{"DisplayThatIsNotThere",
                               {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":9876"}},
                               "cannot open the display"},
                    PdfRefusal{"NoFont", {{"FONTCONFIG_FILE", "fonts.conf"}}, "no font"}),
    testing_support::namedCases);

// The seed is shared with RTF, and what the pages hold is the renderer's to check: here, that the dealt reading
// reaches them.
TEST_F(CartomancyReportTest, Pdf_HoldsTheDealtReading)
{
    const RunResult result = run({"--spread", "17", "--seed", "42", "-o", "reading.pdf"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(testing_support::pdfText((work() / "reading.pdf").string()).find("Position 21:"), std::string::npos);
}
#endif

TEST_F(CartomancyReportTest, PlainNumbers_AreAccepted)
{
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"--spread", "0"},
                                               {"--spread", "3", "--seed", "0"},
                                               {"--spread", "3", "--seed", "18446744073709551615"}}) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        EXPECT_EQ(run(arguments).exitCode, 0);
    }
}

TEST_F(CartomancyReportTest, UnwritableOutput_FailsAndKeepsExistingFile)
{
    // What each kind of target gets is the files unit's to check; here, that a refusal reaches the person.
    expectOneLineError(run({"--spread", "2", "--output", work().string()}));
    EXPECT_TRUE(fs::is_directory(work()));
    EXPECT_TRUE(workEntries().empty()) << "no temporary file is left behind";

    if (::geteuid() != 0) {
        // Root may write into any folder, so only an ordinary user meets this one.
        const fs::path locked = work() / "locked";
        fs::create_directory(locked);
        std::ofstream(locked / "kept.rtf") << "old contents";
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
        expectOneLineError(run({"--spread", "2", "--output", (locked / "kept.rtf").string()}));
        fs::permissions(locked, fs::perms::owner_all);
        EXPECT_EQ(readFile(locked / "kept.rtf"), "old contents");
    }
}

TEST_F(CartomancyReportTest, ListSpreads_ShowsEighteenNamesWithCounts)
{
    const RunResult result = run({"--list-spreads"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 18);
    EXPECT_NE(result.out.find("0\tSingle Card Lay\t1 card\n"), std::string::npos);
    EXPECT_NE(result.out.find("17\tGypsy / Romany Spread\t21 cards"), std::string::npos);
    EXPECT_EQ(run({"--help"}).exitCode, 0);
}

TEST_F(CartomancyReportTest, StandardOutputThatCannotBeWritten_IsAnErrorForEveryCommand)
{
    // No --output is the same as "--output -".
    const std::vector<std::vector<std::string>> commands = {{"--help"}, {"--list-spreads"}, {"--spread", "3"}};
    for (const Stdout destination : {Stdout::Closed, Stdout::FullDevice}) {
        for (const std::vector<std::string>& arguments : commands) {
            SCOPED_TRACE(testing::PrintToString(arguments) + (destination == Stdout::Closed ? " closed" : " full"));
            expectOneLineError(run(arguments, destination));
        }
    }
}

TEST(QuoteForMessage, EscapesWhatATerminalWouldActOn)
{
    const std::pair<std::string, std::string> cases[] = {
        {"reading.rtf", "'reading.rtf'"},
        {"a\nb\tc", "'a\\nb\\tc'"},
        {"\x1b[31mred", "'\\x1b[31mred'"},
        {"bell\x07\x7f", "'bell\\x07\\x7f'"},
        {"csi \xc2\x9b", "'csi \\xc2\\x9b'"},
        {"it's a\\b", "'it\\'s a\\\\b'"},
        {"Zo\xc3\xab \xc2\xa9", "'Zo\xc3\xab \xc2\xa9'"}, // letters and signs of other languages stay readable
        // Bytes that are not UTF-8 are escaped: 0x9B is CSI to a terminal that is not set to UTF-8.
        {"raw \x9b[2J \xe9t\xc3", "'raw \\x9b[2J \\xe9t\\xc3'"},
        {"\xed\xa0\x80 \xc0\xaf \xf0\x9f\x83\x8f", "'\\xed\\xa0\\x80 \\xc0\\xaf \xf0\x9f\x83\x8f'"},
    };
    for (const auto& [text, quoted] : cases)
        EXPECT_EQ(cli::quoteForMessage(text), quoted) << testing::PrintToString(text);
}

// The n-th tab-separated field of the first listed reading.
std::string listedField(const std::string& lines, int field)
{
    std::size_t start = 0;
    for (int i = 0; i < field; ++i)
        start = lines.find('\t', start) + 1;
    return lines.substr(start, lines.find_first_of("\t\n", start) - start);
}

class ReopenedReading : public CartomancyReportTest, public testing::WithParamInterface<int> {};

// A kept reading is composed again from its record; what was dealt must come back to the byte.
TEST_P(ReopenedReading, WritesTheReportAsItWasDealt)
{
    const std::string journalFile = (m_folder / "journal" / "journal.sqlite3").string();
    const RunResult dealt = run({"--spread", std::to_string(GetParam()), "--seed", "11", "--record", "--name", "Anna",
                                 "--journal", journalFile});
    ASSERT_EQ(dealt.exitCode, 0) << dealt.err;
    const RunResult listed = run({"--list-readings", "--search", "anna", "--journal", journalFile});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const std::string id = listedField(listed.out, 0);
    const std::string uuid = listedField(listed.out, 1);
    EXPECT_EQ(run({"--reading", id, "--journal", journalFile}).out, dealt.out);
    EXPECT_EQ(run({"--reading", uuid, "--journal", journalFile}).out, dealt.out);
}

INSTANTIATE_TEST_SUITE_P(CartomancyReport, ReopenedReading, testing::Range(0, 18),
                         testing_support::numberedCases("Spread"));

TEST_F(CartomancyReportTest, OwnCards_AreKeptAsOwnCardsWithTheirQuestion)
{
    const std::string journalFile = (m_folder / "journal" / "journal.sqlite3").string();
    const RunResult read = run(
        {"--spread", "2", "--cards", "QH,10S,JC", "--record", "--question", "Which way?", "--journal", journalFile});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    const std::string exported = run({"--export-json", "-", "--journal", journalFile}).out;
    EXPECT_NE(exported.find("\"dealtBy\": \"own cards\""), std::string::npos) << exported;
    EXPECT_NE(exported.find("\"question\": \"Which way?\""), std::string::npos) << exported;
    EXPECT_EQ(run({"--reading", "1", "--journal", journalFile}).out, read.out);
}

TEST_F(CartomancyReportTest, JournalCommands_MoveReadingsToAnotherJournal)
{
    const std::string from = (m_folder / "from.sqlite3").string();
    const std::string to = (m_folder / "to.sqlite3").string();
    ASSERT_EQ(run({"--spread", "2", "--record", "--name", "Anna", "--journal", from}).exitCode, 0);
    ASSERT_EQ(run({"--spread", "3", "--record", "--name", "Bert", "--journal", from}).exitCode, 0);
    ASSERT_EQ(run({"--export-json", "readings.json", "--journal", from}).exitCode, 0);
    const RunResult csv = run({"--export-csv", "-", "--search", "bert", "--journal", from});
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 2) << csv.out;

    const RunResult imported = run({"--import", "readings.json", "--journal", to});
    EXPECT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.out, "Added 2 readings; 0 were already in the journal.\n");
    EXPECT_EQ(run({"--import", "readings.json", "--journal", to}).out,
              "Added 0 readings; 2 were already in the journal.\n");
    EXPECT_EQ(run({"--list-readings", "--journal", to}).out, run({"--list-readings", "--journal", from}).out);

    std::ofstream(work() / "cut.json") << readFile(work() / "readings.json").substr(0, 100);
    expectOneLineError(run({"--import", "cut.json", "--journal", to}));
    expectOneLineError(run({"--reading", "999", "--journal", to}));
}

TEST_F(CartomancyReportTest, RecordThatCannotBeKept_StillWritesTheReading)
{
    std::ofstream(m_folder / "file") << "not a folder";
    const RunResult result =
        run({"--spread", "0", "--seed", "1", "--record", "--journal", (m_folder / "file" / "j.sqlite3").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, run({"--spread", "0", "--seed", "1"}).out);
    EXPECT_NE(result.err.find("not kept"), std::string::npos) << result.err;
}

} // namespace
