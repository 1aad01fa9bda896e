// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/exchange.h"
#include "journal/journal.h"
#include "support/case_names.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using journal::Journal;
using journal::Reading;

std::string readFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string integrityOf(const fs::path& path)
{
    SQLite::Database database(path.string(), SQLite::OPEN_READONLY);
    return database.execAndGet("PRAGMA integrity_check").getString();
}

Reading sample(std::string name, engine::SpreadIndex spread, engine::Hand cards, std::string notes = {})
{
    Reading reading =
        journal::newReading(std::move(name), "1990-05-01", spread, std::move(cards), journal::DealtBy::Manual, 7);
    reading.notes = std::move(notes);
    return reading;
}

std::vector<std::string> namesOf(const std::vector<Reading>& readings)
{
    std::vector<std::string> names;
    for (const Reading& reading : readings)
        names.push_back(reading.name);
    std::sort(names.begin(), names.end());
    return names;
}

class JournalTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');
        m_folder = fs::temp_directory_path() / ("journal test " + std::to_string(::getpid()) + " " + name);
        fs::remove_all(m_folder);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(m_folder, fs::perms::owner_all, ignored);
        fs::remove_all(m_folder);
    }

    fs::path path() const { return m_folder / "data" / "journal.sqlite3"; }
    std::unique_ptr<Journal> open() const
    {
        journal::OpenResult result = Journal::open(path().string());
        EXPECT_TRUE(result.journal) << result.message;
        return std::move(result.journal);
    }

    fs::path m_folder;
};

TEST_F(JournalTest, NewJournal_IsPrivateAndKeepsReadingsAcrossOpenings)
{
    Reading kept = sample("Anna", 2, {37, 12, 5}, "a new job, \"at last\"\nin May");
    {
        const auto journal = open();
        ASSERT_TRUE(journal->add(kept));
    }
    EXPECT_EQ(fs::status(path().parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(fs::status(path()).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    const auto journal = open();
    EXPECT_EQ(journal->find(kept.id), kept);
    EXPECT_EQ(journal->findByUuid(kept.uuid), kept);
    EXPECT_FALSE(journal->add(kept)) << "the same UUID twice";
    EXPECT_FALSE(journal->setQuestionAndNotes(kept.id, kept.question, kept.notes)) << "unchanged is fine";
    ASSERT_FALSE(journal->remove({kept.id}));
    EXPECT_TRUE(journal->setQuestionAndNotes(kept.id, "", "later"))
        << "a deleted reading's notes are not lost silently";
}

struct Damage {
    const char* name;
    std::function<void(const fs::path&)> make;
};

const Damage kDamages[] = {
    {"TextFile", [](const fs::path& file) { writeFile(file, "Dear diary,\n"); }},
    {"Truncated",
     [](const fs::path& file) {
         {
             const auto made = Journal::open(file.string());
             for (int i = 0; i < 50; ++i) {
                 Reading reading =
                     sample("Someone", 17, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
                 made.journal->add(reading);
             }
         }
         fs::resize_file(file, fs::file_size(file) / 2 + 100);
     }},
    {"OverwrittenPages",
     [](const fs::path& file) {
         {
             const auto made = Journal::open(file.string());
         }
         std::string bytes = readFile(file);
         std::fill(bytes.begin() + 100, bytes.end(), '\x5A');
         writeFile(file, bytes);
     }},
    {"AnotherProgramsDatabase",
     [](const fs::path& file) {
         SQLite::Database other(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
         other.exec("CREATE TABLE invoices (number INTEGER)");
     }},
    {"FolderInItsPlace", [](const fs::path& file) { fs::create_directory(file); }},
};

class DamagedJournal : public JournalTest, public testing::WithParamInterface<Damage> {};

TEST_P(DamagedJournal, IsMovedAsideWhole_AndANewJournalStarts)
{
    fs::create_directories(path().parent_path());
    GetParam().make(path());
    const std::string before = fs::is_regular_file(path()) ? readFile(path()) : std::string();

    const journal::OpenResult opened = Journal::open(path().string());
    ASSERT_TRUE(opened.journal) << opened.message;
    ASSERT_FALSE(opened.movedAsideTo.empty());
    EXPECT_NE(opened.message.find(opened.movedAsideTo), std::string::npos) << opened.message;
    EXPECT_EQ(fs::path(opened.movedAsideTo).parent_path(), path().parent_path());
    ASSERT_TRUE(fs::exists(opened.movedAsideTo));
    if (!before.empty()) {
        EXPECT_EQ(readFile(opened.movedAsideTo), before);
    }

    Reading reading = sample("Anna", 0, {3});
    EXPECT_TRUE(opened.journal->add(reading));
    EXPECT_EQ(opened.journal->count(""), 1);
    EXPECT_EQ(integrityOf(path()), "ok");
    EXPECT_TRUE(Journal::open(path().string()).message.empty()) << "told once";
}

INSTANTIATE_TEST_SUITE_P(Journal, DamagedJournal, testing::ValuesIn(kDamages), testing_support::namedCases);

TEST_F(JournalTest, NewerSchema_OpensReadOnlyAndChangesNothing)
{
    Reading kept = sample("Anna", 2, {37, 12, 5});
    {
        const auto journal = open();
        ASSERT_TRUE(journal->add(kept));
    }
    {
        SQLite::Database database(path().string(), SQLite::OPEN_READWRITE);
        database.exec("PRAGMA user_version = 99");
    }
    const std::string before = readFile(path());

    const journal::OpenResult opened = Journal::open(path().string());
    ASSERT_TRUE(opened.journal);
    EXPECT_TRUE(opened.journal->readOnly());
    EXPECT_NE(opened.message.find("newer version"), std::string::npos) << opened.message;
    EXPECT_EQ(opened.journal->search("Anna").size(), 1u);
    Reading another = sample("Bert", 0, {1});
    const auto added = opened.journal->add(another);
    EXPECT_FALSE(added);
    EXPECT_FALSE(added.error.empty());
    EXPECT_TRUE(opened.journal->setQuestionAndNotes(kept.id, "q", "n"));
    EXPECT_TRUE(opened.journal->forgetAll());
    EXPECT_EQ(readFile(path()), before);
}

// The check's failures counted in a child process that runs as an ordinary user: as root, whom no permission
// stops, it runs as nobody.
int failuresAsOrdinaryUser(const std::function<int()>& check)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(100);
        ::_exit(check());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 101;
}

// A journal this user may read but not write (a backup, a read-only folder) is shown as it is: neither moved
// aside nor started again, and nothing is left beside it.
TEST_F(JournalTest, ReadOnlyFileOrFolder_IsShownAsItIsAndTakesNothing)
{
    const bool root = ::geteuid() == 0;
    if (root) // somewhere nobody can reach
        m_folder = fs::path("/tmp") / m_folder.filename();
    Reading kept = sample("Anna", 2, {37, 12, 5});
    ASSERT_TRUE(open()->add(kept));
    const fs::path folder = path().parent_path();
    if (root) {
        for (const fs::path& made : {m_folder, folder, path()})
            ASSERT_EQ(::chown(made.c_str(), 65534, 65534), 0);
    }
    for (const bool lockFolder : {false, true}) {
        ::chmod(path().c_str(), lockFolder ? 0600 : 0400);
        ::chmod(folder.c_str(), lockFolder ? 0555 : 0755);
        const int failures = failuresAsOrdinaryUser([this] {
            const journal::OpenResult opened = Journal::open(path().string());
            if (!opened.journal)
                return 1;
            Reading another = sample("Bert", 0, {1});
            return int(!opened.journal->readOnly()) + int(opened.journal->count("") != 1) +
                   int(static_cast<bool>(opened.journal->add(another))) +
                   int(opened.message.find("cannot be written") == std::string::npos);
        });
        ::chmod(folder.c_str(), 0755);
        EXPECT_EQ(failures, 0) << (lockFolder ? "read-only folder" : "read-only file");
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "nothing beside it";
    }
}

TEST_F(JournalTest, FullDisk_RefusesTheReadingWithAReasonAndKeepsTheFileValid)
{
    {
        const auto journal = open();
        Reading first = sample("Anna", 0, {1});
        ASSERT_TRUE(journal->add(first));
    }
    const pid_t child = ::fork();
    if (child == 0) {
        // A file size limit at the journal's current size: every growth fails as on a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{fs::file_size(path()), fs::file_size(path())};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const auto opened = Journal::open(path().string());
        if (!opened.journal)
            ::_exit(3);
        std::string notes(200000, 'x');
        Reading big = sample("Bert", 0, {2}, notes);
        const auto added = opened.journal->add(big);
        ::_exit(added ? 1 : added.error.empty() ? 2 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(integrityOf(path()), "ok");
    EXPECT_EQ(namesOf(open()->search("")), std::vector<std::string>{"Anna"});
}

TEST_F(JournalTest, TwoProcessesWritingAtOnce_BothKeepEveryReading)
{
    open();
    constexpr int kEach = 150;
    std::vector<pid_t> children;
    for (const char* name : {"First", "Second"}) {
        const pid_t child = ::fork();
        if (child == 0) {
            const auto opened = Journal::open(path().string());
            int failures = opened.journal ? 0 : kEach;
            for (int i = 0; i < kEach && opened.journal; ++i) {
                Reading reading = sample(name, 2, {static_cast<engine::CardIndex>(i % 50), 50, 51});
                failures += opened.journal->add(reading) ? 0 : 1;
                opened.journal->setQuestionAndNotes(reading.id, "", "edited");
            }
            ::_exit(failures == 0 ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const auto journal = open();
    EXPECT_EQ(journal->count("First"), kEach);
    EXPECT_EQ(journal->count("Second"), kEach);
    EXPECT_EQ(journal->count("edited"), 2 * kEach);
    EXPECT_EQ(integrityOf(path()), "ok");
}

TEST_F(JournalTest, KilledWriter_LeavesAValidJournalWithWhatItCommitted)
{
    open();
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(60); // never outlives a failed test
        const auto opened = Journal::open(path().string());
        for (int i = 0;; ++i) {
            Reading reading =
                sample("Writer", 17, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
            opened.journal->add(reading);
            if (i == 20)
                (void)!::write(ready[1], "x", 1);
        }
    }
    char signal = 0;
    ASSERT_EQ(::read(ready[0], &signal, 1), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(integrityOf(path()), "ok");
    EXPECT_GE(open()->count("Writer"), 21);
}

TEST_F(JournalTest, CardsThatKeepComingUp_CountLastSeenAndChance)
{
    const auto journal = open();
    // Queen of Hearts (37) in two readings, the newer one Bert's; six cards in all.
    Reading older = sample("Anna", 2, {37, 1, 5});
    older.timeUtc = 1000;
    Reading newer = sample("Bert", 2, {37, 2, 6});
    newer.timeUtc = 2000;
    for (Reading* reading : {&newer, &older})
        ASSERT_TRUE(journal->add(*reading));

    // Every reading, through the index's own counts, and the same readings found by a search.
    for (const std::string text : {"", "QH"}) {
        const std::vector<journal::CardCount> all = journal->cardsThatKeepComingUp(text);
        ASSERT_EQ(all.size(), 52u);
        EXPECT_EQ(all[37].count, 2) << text;
        EXPECT_EQ(all[37].lastSeenUtc, 2000) << text;
        EXPECT_EQ(all[1].lastSeenUtc, 1000) << text;
        EXPECT_EQ(all[40].count, 0) << text;
        EXPECT_DOUBLE_EQ(all[40].expected, 6.0 / 52) << text;
    }
    const std::vector<journal::CardCount> anna = journal->cardsThatKeepComingUp("anna");
    EXPECT_EQ(anna[37].count, 1);
    EXPECT_EQ(anna[37].lastSeenUtc, 1000);
    EXPECT_EQ(anna[2].count, 0);
    EXPECT_DOUBLE_EQ(anna[2].expected, 3.0 / 52);
}

struct SearchCase {
    const char* name;
    const char* text;
    std::vector<std::string> found;
};

const SearchCase kSearches[] = {
    {"Everything", "  ", {"Anna Lind", "Bert", "Chloé", "Dana"}},
    {"NamePrefix", "ann", {"Anna Lind"}},
    {"AnyLetterCase", "LIND", {"Anna Lind"}},
    {"WithoutAccents", "chloe", {"Chloé"}},
    {"EveryWordMustMatch", "anna job", {}},
    {"WordsAcrossFields", "bert job", {"Bert"}},
    {"SpreadName", "celtic", {"Chloé"}},
    {"Notes", "promotion", {"Bert"}},
    {"Question", "move", {"Dana"}},
    {"CardByFullName", "queen of hearts", {"Anna Lind", "Dana"}},
    {"CardByShortForm", "QH", {"Anna Lind", "Dana"}},
    {"TenAsT", "ts", {"Chloé"}},
    {"KnightAsJ", "JC", {"Bert"}},
    {"CardAndName", "QH dana", {"Dana"}},
    {"ShortFormThatIsAlsoAWord", "as", {"Bert", "Chloé"}},
    {"QuerySyntaxIsText", "anna\" OR \"bert", {}},
    {"StarAndColonAreText", "name:* -", {}},
    {"OnlyPunctuation", "\"*(", {"Anna Lind", "Bert", "Chloé", "Dana"}},
};

class SearchSemantics : public JournalTest, public testing::WithParamInterface<SearchCase> {};

TEST_P(SearchSemantics, FindsTheReadingsAPersonWouldExpect)
{
    const auto journal = open();
    // Cards: 37 Queen of Hearts, 12 Knight of Clubs, 48 Ten of Spades, 39 Ace of Spades.
    for (Reading reading : {sample("Anna Lind", 2, {37, 1, 5}), sample("Bert", 2, {12, 39, 4}, "a job, as promotion"),
                            sample("Chloé", 10, {48, 39, 0, 1, 2, 3, 4, 5, 6, 7}), sample("Dana", 0, {37})}) {
        if (reading.name == "Dana")
            reading.question = "Should we move?";
        ASSERT_TRUE(journal->add(reading));
    }
    const std::vector<Reading> found = journal->search(GetParam().text);
    EXPECT_TRUE(journal->lastReadError().empty()) << journal->lastReadError();
    EXPECT_EQ(namesOf(found), GetParam().found);
    EXPECT_EQ(journal->count(GetParam().text), static_cast<int>(found.size()));
}

INSTANTIATE_TEST_SUITE_P(Journal, SearchSemantics, testing::ValuesIn(kSearches), testing_support::namedCases);

TEST_F(JournalTest, ExportReadBackByImport_AddsOnlyUnknownReadings)
{
    const auto journal = open();
    std::vector<Reading> kept = {
        sample("Anna, \"the elder\"", 2, {37, 12, 5}, "line one\r\nline two\t€ 🂡"),
        sample("Bert", 17, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20})};
    kept[1].seed = 18446744073709551615u;
    kept[1].dealtBy = journal::DealtBy::OwnCards;
    kept[1].utcOffsetMinutes = -330;
    for (Reading& reading : kept)
        ASSERT_TRUE(journal->add(reading));

    const auto read = journal::readJsonExport(journal::toJson(journal->search("")));
    ASSERT_TRUE(read) << read.error;
    std::vector<Reading> back = *read.value;
    std::reverse(back.begin(), back.end());
    for (std::size_t i = 0; i < kept.size(); ++i) {
        back[i].id = kept[i].id;
        EXPECT_EQ(back[i], kept[i]);
    }

    const fs::path otherPath = m_folder / "other" / "journal.sqlite3";
    const auto other = Journal::open(otherPath.string());
    Reading own = sample("Own", 0, {9});
    ASSERT_TRUE(other.journal->add(own));
    EXPECT_EQ(other.journal->addUnknown(back).value, 2);
    EXPECT_EQ(other.journal->addUnknown(back).value, 0);
    EXPECT_EQ(other.journal->count(""), 3);

    const std::string csv = journal::toCsv({kept[0]});
    EXPECT_NE(csv.find("\"Anna, \"\"the elder\"\"\""), std::string::npos) << csv;
    EXPECT_NE(csv.find("\"line one\r\nline two\t€ 🂡\"\r\n"), std::string::npos) << csv;
}

struct Refused {
    const char* name;
    std::function<std::string(std::string)> spoil; // from a good export of one reading
};

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

const Refused kRefused[] = {
    {"NotJson", [](std::string) { return std::string("uuid,time\r\n"); }},
    {"Truncated", [](std::string good) { return good.substr(0, good.size() / 2); }},
    {"AnotherFormat", [](std::string good) { return replaced(good, "zelto-cartomancy journal", "photos"); }},
    {"NewerFormat", [](std::string good) { return replaced(good, "\"version\": 1", "\"version\": 2"); }},
    {"DeepNesting", [](std::string) { return std::string(100000, '[') + std::string(100000, ']'); }},
    {"SpreadOutOfRange", [](std::string good) { return replaced(good, "\"spread\": 2", "\"spread\": 99"); }},
    {"CardTwice", [](std::string good) { return replaced(good, "Six of Clubs", "Queen of Hearts"); }},
    {"UnknownCard", [](std::string good) { return replaced(good, "Six of Clubs", "Joker"); }},
    {"WrongCardCount",
     [](std::string good) { return replaced(good, "\"Six of Clubs\"", "\"Six of Clubs\", \"Two of Hearts\""); }},
    {"BadUuid", [](std::string good) { return replaced(good, "\"uuid\": \"", "\"uuid\": \"x"); }},
    {"BadTime", [](std::string good) { return replaced(good, "\"time\": \"", "\"time\": \"9"); }},
    {"NumberAsText",
     [](std::string good) { return replaced(good, "\"utcOffsetMinutes\": 0", "\"utcOffsetMinutes\": \"0\""); }},
    {"RepeatedUuid",
     [](std::string good) {
         const auto start = good.find("\t\t{");
         const auto end = good.rfind("\t\t}") + 3;
         return good.insert(end, ",\n" + good.substr(start, end - start));
     }},
    {"OneBadReadingOfTwo",
     [](std::string good) {
         const auto start = good.find("\t\t{");
         const auto end = good.rfind("\t\t}") + 3;
         const std::string second = replaced(good.substr(start, end - start), "\"spread\": 2", "\"spread\": -1");
         return good.insert(end, ",\n" + second);
     }},
};

class RefusedImport : public JournalTest, public testing::WithParamInterface<Refused> {};

TEST_P(RefusedImport, SaysWhyAndAddsNothing)
{
    Reading reading = sample("Anna", 2, {37, 12, 5});
    reading.utcOffsetMinutes = 0;
    const std::string good = journal::toJson({reading});
    ASSERT_TRUE(journal::readJsonExport(good));

    const auto read = journal::readJsonExport(GetParam().spoil(good));
    EXPECT_FALSE(read);
    EXPECT_FALSE(read.error.empty());
    EXPECT_EQ(read.error.find('\n'), std::string::npos) << read.error;
}

INSTANTIATE_TEST_SUITE_P(Journal, RefusedImport, testing::ValuesIn(kRefused), testing_support::namedCases);

} // namespace
