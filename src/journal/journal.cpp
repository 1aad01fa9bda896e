// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/journal.h"

#include "journal/card_words.h"
#include "journal/search_text.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace journal {
namespace {

// "ZCRJ": marks a file as a journal of this program, so another program's database is never taken for one.
constexpr int kApplicationId = 0x5A43524A;
// Another writer holds the file for a millisecond or two; waiting longer than this means something is wrong.
constexpr int kBusyTimeoutMs = 2000;
constexpr int kWriteAttempts = 3;

// Each step brings a journal from the version before it to its own (PRAGMA user_version), in one transaction.
// A new journal runs them all; a step is never changed once released, a new version adds a step.
constexpr const char* kSchemaSteps[] = {
    // 1: the readings. Cards are their card numbers separated by spaces, so that the search index can hold them.
    "CREATE TABLE reading ("
    " id INTEGER PRIMARY KEY,"
    " uuid BLOB NOT NULL UNIQUE,"
    " time INTEGER NOT NULL,"
    " utc_offset INTEGER NOT NULL,"
    " program_version TEXT NOT NULL,"
    " name TEXT NOT NULL,"
    " birth_date TEXT NOT NULL,"
    " spread INTEGER NOT NULL,"
    " spread_name TEXT NOT NULL,"
    " cards TEXT NOT NULL,"
    " dealt_by INTEGER NOT NULL,"
    " seed INTEGER,"
    " question TEXT NOT NULL DEFAULT '',"
    " notes TEXT NOT NULL DEFAULT '');"
    "CREATE INDEX reading_by_time ON reading(time);",

    // 2: full-text search over the reading table itself (no second copy of the texts), kept by triggers.
    "CREATE VIRTUAL TABLE reading_search USING fts5(name, spread_name, cards, question, notes,"
    " content='reading', content_rowid='id', tokenize='unicode61 remove_diacritics 2');"
    "CREATE TRIGGER reading_added AFTER INSERT ON reading BEGIN"
    " INSERT INTO reading_search(rowid, name, spread_name, cards, question, notes)"
    " VALUES (new.id, new.name, new.spread_name, new.cards, new.question, new.notes); END;"
    "CREATE TRIGGER reading_removed AFTER DELETE ON reading BEGIN"
    " INSERT INTO reading_search(reading_search, rowid, name, spread_name, cards, question, notes)"
    " VALUES ('delete', old.id, old.name, old.spread_name, old.cards, old.question, old.notes); END;"
    "CREATE TRIGGER reading_changed AFTER UPDATE ON reading BEGIN"
    " INSERT INTO reading_search(reading_search, rowid, name, spread_name, cards, question, notes)"
    " VALUES ('delete', old.id, old.name, old.spread_name, old.cards, old.question, old.notes);"
    " INSERT INTO reading_search(rowid, name, spread_name, cards, question, notes)"
    " VALUES (new.id, new.name, new.spread_name, new.cards, new.question, new.notes); END;"
    "INSERT INTO reading_search(reading_search) VALUES ('rebuild');",
};
constexpr int kSchemaVersion = static_cast<int>(std::size(kSchemaSteps));

constexpr const char* kColumns = "id, uuid, time, utc_offset, program_version, name, birth_date, spread, spread_name,"
                                 " cards, dealt_by, seed, question, notes";

// Above this many matches, walking the time index newest first finds a page of a hundred sooner than sorting
// the matches (measured with bench/journal_bench.cpp on 100,000 readings).
constexpr int kSortMatchesBelow = 1500;

std::string uuidBytes(const std::string& uuid)
{
    std::string bytes;
    const auto nibble = [](char c) { return c <= '9' ? c - '0' : c - 'a' + 10; };
    for (std::size_t i = 0; i + 1 < uuid.size(); ++i) {
        if (uuid[i] == '-')
            continue;
        bytes += static_cast<char>(nibble(uuid[i]) * 16 + nibble(uuid[i + 1]));
        ++i;
    }
    return bytes;
}

std::string uuidText(const void* data, int size)
{
    constexpr std::string_view kHex = "0123456789abcdef";
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::string text;
    for (int i = 0; i < size; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            text += '-';
        text += kHex[bytes[i] >> 4];
        text += kHex[bytes[i] & 0x0F];
    }
    return text;
}

std::string cardsText(const engine::Hand& cards)
{
    std::string text;
    for (const engine::CardIndex card : cards) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(card);
    }
    return text;
}

engine::Hand cardsFromText(const std::string& text)
{
    engine::Hand cards;
    int value = -1;
    for (const char c : text + ' ') {
        if (c >= '0' && c <= '9') {
            value = (value < 0 ? 0 : value * 10) + (c - '0');
            if (value > 1000)
                value = 1000;
        } else if (value >= 0) {
            cards.push_back(static_cast<engine::CardIndex>(value));
            value = -1;
        }
    }
    return cards;
}

Reading readingFrom(SQLite::Statement& row)
{
    Reading reading;
    reading.id = row.getColumn(0).getInt64();
    const SQLite::Column uuid = row.getColumn(1);
    reading.uuid = uuidText(uuid.getBlob(), uuid.getBytes());
    reading.timeUtc = row.getColumn(2).getInt64();
    reading.utcOffsetMinutes = row.getColumn(3).getInt();
    reading.programVersion = row.getColumn(4).getString();
    reading.name = row.getColumn(5).getString();
    reading.birthDate = row.getColumn(6).getString();
    reading.spread = static_cast<engine::SpreadIndex>(row.getColumn(7).getInt());
    reading.spreadName = row.getColumn(8).getString();
    reading.cards = cardsFromText(row.getColumn(9).getString());
    const int dealtBy = row.getColumn(10).getInt();
    reading.dealtBy = dealtBy == 1 ? DealtBy::Manual : dealtBy == 2 ? DealtBy::OwnCards : DealtBy::Automatic;
    if (!row.getColumn(11).isNull())
        reading.seed = static_cast<std::uint64_t>(row.getColumn(11).getInt64());
    reading.question = row.getColumn(12).getString();
    reading.notes = row.getColumn(13).getString();
    return reading;
}

void bindReading(SQLite::Statement& insert, const Reading& reading)
{
    const std::string uuid = uuidBytes(reading.uuid);
    insert.bind(1, uuid.data(), static_cast<int>(uuid.size()));
    insert.bind(2, static_cast<std::int64_t>(reading.timeUtc));
    insert.bind(3, reading.utcOffsetMinutes);
    insert.bind(4, reading.programVersion);
    insert.bind(5, reading.name);
    insert.bind(6, reading.birthDate);
    insert.bind(7, static_cast<int>(reading.spread));
    insert.bind(8, reading.spreadName);
    insert.bind(9, cardsText(reading.cards));
    insert.bind(10, static_cast<int>(reading.dealtBy));
    if (reading.seed)
        insert.bind(11, static_cast<std::int64_t>(*reading.seed));
    else
        insert.bind(11);
    insert.bind(12, reading.question);
    insert.bind(13, reading.notes);
}

constexpr const char* kInsert = " INTO reading (uuid, time, utc_offset, program_version, name, birth_date, spread,"
                                " spread_name, cards, dealt_by, seed, question, notes)"
                                " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

// One line a person can act on.
std::string reasonFor(const std::exception& error)
{
    const auto* sqlite = dynamic_cast<const SQLite::Exception*>(&error);
    switch (sqlite ? sqlite->getErrorCode() : -1) {
    case SQLITE_FULL:
        return "the disk is full";
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        return "the journal's file or folder cannot be written";
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "another program kept the journal busy";
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return "the journal file is damaged";
    case SQLITE_IOERR:
        return "the journal file cannot be written (" + std::string(error.what()) + ")";
    default:
        return error.what();
    }
}

bool isBusy(const std::exception& error)
{
    const auto* sqlite = dynamic_cast<const SQLite::Exception*>(&error);
    return sqlite && (sqlite->getErrorCode() == SQLITE_BUSY || sqlite->getErrorCode() == SQLITE_LOCKED);
}

bool isDamage(const SQLite::Exception& error)
{
    const int code = error.getErrorCode();
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT || code == SQLITE_FORMAT;
}

// Runs write in one immediate transaction, trying again while another writer holds the file.
template <typename Write> std::optional<std::string> inTransaction(SQLite::Database& database, Write write)
{
    for (int attempt = 1;; ++attempt) {
        try {
            SQLite::Transaction transaction(database, SQLite::TransactionBehavior::IMMEDIATE);
            write();
            transaction.commit();
            return std::nullopt;
        } catch (const std::exception& error) {
            if (isBusy(error) && attempt < kWriteAttempts)
                continue;
            return reasonFor(error);
        }
    }
}

std::string systemReason(int error)
{
    return std::strerror(error);
}

// Makes each missing folder of path private to its owner; folders that exist are left as they are.
std::optional<std::string> makeFolders(const std::filesystem::path& folder)
{
    if (folder.empty())
        return std::nullopt;
    struct stat status {};
    if (::stat(folder.c_str(), &status) == 0)
        return S_ISDIR(status.st_mode) ? std::nullopt : std::optional<std::string>("it is not a folder");
    if (const auto problem = makeFolders(folder.parent_path()))
        return problem;
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return systemReason(errno);
    return std::nullopt;
}

std::string localTimeStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", &local);
    return text;
}

// Moves the file (and its write-ahead log and index, which belong to it) to a dated name beside it that is not
// taken yet. Returns the new name, or empty with the reason.
std::pair<std::string, std::string> moveAside(const std::filesystem::path& path)
{
    const std::string stem = path.stem().string();
    const std::string extension = path.extension().string();
    const std::string stamp = localTimeStamp();
    for (int attempt = 1; attempt < 100; ++attempt) {
        std::filesystem::path target =
            path.parent_path() /
            (stem + "-damaged-" + stamp + (attempt > 1 ? "-" + std::to_string(attempt) : "") + extension);
        std::error_code ignored;
        if (std::filesystem::exists(target, ignored) || std::filesystem::exists(target.string() + "-wal", ignored))
            continue;
        if (::rename(path.c_str(), target.c_str()) != 0)
            return {{}, systemReason(errno)};
        for (const char* companion : {"-wal", "-shm"}) {
            const std::string from = path.string() + companion;
            if (::access(from.c_str(), F_OK) == 0)
                ::rename(from.c_str(), (target.string() + companion).c_str());
        }
        return {target.string(), {}};
    }
    return {{}, "no free name beside it"};
}

enum class Outcome { Opened, Damaged, Failed };

struct Attempt {
    Outcome outcome = Outcome::Failed;
    std::unique_ptr<SQLite::Database> database;
    bool readOnly = false;
    std::string reason;
    int code = SQLITE_OK; // of the failure, where SQLite gave one
};

int pragmaNumber(SQLite::Database& database, const char* pragma)
{
    return database.execAndGet(std::string("PRAGMA ") + pragma).getInt();
}

void configure(SQLite::Database& database)
{
    database.setBusyTimeout(kBusyTimeoutMs);
    // Deleted readings are overwritten where that costs no extra writing.
    database.exec("PRAGMA secure_delete = FAST");
    // In WAL mode NORMAL loses nothing when the process is killed; only a power cut may take the last commits.
    database.exec("PRAGMA synchronous = NORMAL");
}

// Brings the journal to the current schema, one step per transaction; another process may be doing the same.
void migrate(SQLite::Database& database)
{
    for (int version = pragmaNumber(database, "user_version"); version < kSchemaVersion;) {
        SQLite::Transaction transaction(database, SQLite::TransactionBehavior::IMMEDIATE);
        version = pragmaNumber(database, "user_version");
        if (version >= kSchemaVersion)
            break;
        if (version == 0)
            database.exec("PRAGMA application_id = " + std::to_string(kApplicationId));
        database.exec(kSchemaSteps[version]);
        database.exec("PRAGMA user_version = " + std::to_string(version + 1));
        transaction.commit();
        ++version;
    }
}

Attempt tryOpen(const std::string& path)
{
    Attempt attempt;
    try {
        auto database = std::make_unique<SQLite::Database>(path, SQLite::OPEN_READWRITE, kBusyTimeoutMs);
        configure(*database);
        // Reading the header and the schema finds a file that is not a database or whose first pages are
        // damaged; deeper damage shows in a later read or write as an error like any other.
        const int applicationId = pragmaNumber(*database, "application_id");
        const int tables = database->execAndGet("SELECT count(*) FROM sqlite_schema").getInt();
        const int version = pragmaNumber(*database, "user_version");
        if (applicationId != kApplicationId && (applicationId != 0 || tables != 0)) {
            attempt.outcome = Outcome::Damaged;
            attempt.reason = "it is not a journal of this program";
            return attempt;
        }
        if (version > kSchemaVersion) {
            database = std::make_unique<SQLite::Database>(path, SQLite::OPEN_READONLY, kBusyTimeoutMs);
            database->setBusyTimeout(kBusyTimeoutMs);
            attempt.readOnly = true;
        } else {
            if (database->execAndGet("PRAGMA journal_mode = WAL").getString() != "wal")
                throw SQLite::Exception("the journal cannot be switched to write-ahead logging", SQLITE_CANTOPEN);
            migrate(*database);
            if (!database->tableExists("reading"))
                throw SQLite::Exception("the journal has no readings table", SQLITE_CORRUPT);
        }
        attempt.outcome = Outcome::Opened;
        attempt.database = std::move(database);
    } catch (const SQLite::Exception& error) {
        attempt.outcome = isDamage(error) ? Outcome::Damaged : Outcome::Failed;
        attempt.reason = error.what();
        attempt.code = error.getErrorCode();
    } catch (const std::exception& error) {
        attempt.outcome = Outcome::Failed;
        attempt.reason = error.what();
    }
    return attempt;
}

// A path as an SQLite URI, whose query and fragment marks would otherwise cut it short.
std::string fileUri(const std::string& path)
{
    std::string uri = "file:";
    for (const char c : path) {
        if (c == '%' || c == '?' || c == '#' || static_cast<unsigned char>(c) < 0x20) {
            constexpr char kHex[] = "0123456789ABCDEF";
            uri += '%';
            uri += kHex[static_cast<unsigned char>(c) >> 4];
            uri += kHex[static_cast<unsigned char>(c) & 0xF];
        } else {
            uri += c;
        }
    }
    return uri;
}

// A journal this user may read but not write (a read-only file or folder, a backup on read-only media), opened to
// be shown. Where no -wal file holds readings not yet copied back, it is read as it stands, which leaves no -shm
// or -wal file beside it (made with a mode that could later keep the journal from being written); otherwise
// SQLite reads the -wal file too, which in a folder that cannot be written it cannot, and the journal is then not
// shown at all rather than shown short.
Attempt tryOpenReadOnly(const std::string& path)
{
    Attempt attempt;
    const bool walHoldsReadings = [&path] {
        struct stat status {};
        return ::stat((path + "-wal").c_str(), &status) == 0 && status.st_size > 0;
    }();
    try {
        auto database = walHoldsReadings ? std::make_unique<SQLite::Database>(path, SQLite::OPEN_READONLY)
                                         : std::make_unique<SQLite::Database>(fileUri(path) + "?immutable=1",
                                                                              SQLite::OPEN_READONLY | SQLite::OPEN_URI);
        database->setBusyTimeout(kBusyTimeoutMs);
        const int version = pragmaNumber(*database, "user_version");
        if (pragmaNumber(*database, "application_id") != kApplicationId || version < kSchemaVersion) {
            attempt.reason = version < kSchemaVersion && version > 0
                                 ? "it was written by an older version and cannot be brought up to date"
                                 : "it is not a journal of this program";
            return attempt;
        }
        attempt.outcome = Outcome::Opened;
        attempt.readOnly = true;
        attempt.database = std::move(database);
    } catch (const SQLite::Exception& error) {
        const int code = error.getErrorCode();
        attempt.reason = walHoldsReadings && (code == SQLITE_READONLY || code == SQLITE_CANTOPEN)
                             ? "its newest readings are in " + path +
                                   "-wal, which cannot be read where the folder "
                                   "cannot be written"
                             : std::string(error.what());
    }
    return attempt;
}

// What the journal's file allows, before SQLite looks at it. Unusable: a folder or device by the journal's name,
// or a file this user cannot read. Read-only: one this user may read but not write, shown as it is
// (tryOpenReadOnly). A symbolic link is followed: a journal kept elsewhere on purpose stays there.
struct FileAccess {
    std::optional<std::string> unusable;
    std::optional<std::string> readOnly;
};

FileAccess fileAccess(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return {};
    if (!S_ISREG(status.st_mode))
        return {"it is not a regular file", std::nullopt};
    int descriptor = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (descriptor >= 0) {
        ::close(descriptor);
        return {};
    }
    const int error = errno;
    if (error != EACCES && error != EPERM && error != EROFS)
        return {};
    descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::close(descriptor);
        return {std::nullopt, systemReason(error)};
    }
    return {error == EROFS ? std::nullopt : std::optional(systemReason(error)), std::nullopt};
}

// A new journal file is private to its owner; SQLite would make it as the umask says.
std::optional<std::string> createPrivateFile(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return errno == EEXIST ? std::nullopt : std::optional(systemReason(errno));
    ::close(descriptor);
    return std::nullopt;
}

} // namespace

Journal::Journal(std::unique_ptr<SQLite::Database> database, std::string path, std::string whyReadOnly)
    : m_database(std::move(database)), m_path(std::move(path)), m_whyReadOnly(std::move(whyReadOnly))
{
}

Journal::~Journal() = default;

std::string Journal::defaultPath()
{
    std::filesystem::path base;
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    // Only an absolute XDG_DATA_HOME counts; a relative one is to be ignored.
    if (dataHome && dataHome[0] == '/') {
        base = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || home[0] != '/')
            return {};
        base = std::filesystem::path(home) / ".local" / "share";
    }
    return (base / "zelto-cartomancy" / "journal.sqlite3").string();
}

OpenResult Journal::open(const std::string& path)
{
    OpenResult result;
    const std::filesystem::path file(path);
    if (const auto problem = makeFolders(file.parent_path())) {
        result.message = "The journal cannot be kept: the folder " + file.parent_path().string() + " cannot be made (" +
                         *problem + ").";
        return result;
    }
    const FileAccess access = fileAccess(path);
    std::string damage = access.unusable.value_or("");
    for (int round = 0; round < 2; ++round) {
        if (damage.empty()) {
            if (const auto problem = createPrivateFile(path)) {
                result.message = "The journal cannot be kept: " + path + " cannot be made (" + *problem + ").";
                return result;
            }
            // A journal that cannot be written is shown, never moved aside or started again.
            std::optional<std::string> cannotWrite = access.readOnly;
            Attempt attempt = cannotWrite ? Attempt{} : tryOpen(path);
            if (!cannotWrite && attempt.outcome == Outcome::Failed &&
                (attempt.code == SQLITE_READONLY || attempt.code == SQLITE_CANTOPEN))
                cannotWrite = ::access(file.parent_path().c_str(), W_OK | X_OK) == 0
                                  ? attempt.reason
                                  : "its folder " + file.parent_path().string() + " cannot be written";
            if (cannotWrite) {
                attempt = tryOpenReadOnly(path);
                if (attempt.outcome != Outcome::Opened) {
                    result.message = "The journal " + path + " cannot be opened: " + attempt.reason + ".";
                    return result;
                }
            }
            if (attempt.outcome == Outcome::Opened) {
                const char* why = cannotWrite        ? "cannot be written"
                                  : attempt.readOnly ? "is from a newer version of the program"
                                                     : "";
                result.journal.reset(new Journal(std::move(attempt.database), path, why));
                if (cannotWrite)
                    result.message = "The journal " + path + " cannot be written (" + *cannotWrite +
                                     "). It is shown as it is; nothing is added to it or changed.";
                else if (attempt.readOnly)
                    result.message = "The journal " + path +
                                     " was written by a newer version of the program. It is shown as it is; "
                                     "nothing is added to it or changed.";
                return result;
            }
            if (attempt.outcome == Outcome::Failed || round > 0) {
                result.message = "The journal " + path + " cannot be opened: " + attempt.reason + ".";
                return result;
            }
            damage = attempt.reason;
        }
        const auto [target, problem] = moveAside(file);
        if (target.empty()) {
            result.message = "The journal " + path + " cannot be read (" + damage + ") and cannot be moved aside (" +
                             problem + "); nothing is kept for now.";
            return result;
        }
        result.movedAsideTo = target;
        result.message = "The journal " + path + " could not be read (" + damage + "). It was moved to " + target +
                         " and a new journal was started.";
        damage.clear();
    }
    return result;
}

ValueOrError<std::int64_t> Journal::add(Reading& reading)
{
    if (readOnly())
        return {std::nullopt, "The reading could not be kept: the journal " + m_whyReadOnly + "."};
    if (reading.uuid.empty())
        reading.uuid = makeUuid();
    if (const auto problem = problemWith(reading))
        return {std::nullopt, "The reading could not be kept: " + *problem + "."};
    std::int64_t id = 0;
    const auto error = inTransaction(*m_database, [&] {
        SQLite::Statement insert(*m_database, std::string("INSERT") + kInsert);
        bindReading(insert, reading);
        insert.exec();
        id = m_database->getLastInsertRowid();
    });
    if (error)
        return {std::nullopt, "The reading could not be kept: " + *error + "."};
    reading.id = id;
    return {id, {}};
}

std::optional<std::string> Journal::setQuestionAndNotes(std::int64_t id, const std::string& question,
                                                        const std::string& notes)
{
    if (readOnly())
        return "The notes could not be kept: the journal " + m_whyReadOnly + ".";
    bool gone = false;
    const auto error = inTransaction(*m_database, [&] {
        SQLite::Statement update(*m_database, "UPDATE reading SET question = ?, notes = ? WHERE id = ?"
                                              " AND (question IS NOT ? OR notes IS NOT ?)");
        update.bind(1, question);
        update.bind(2, notes);
        update.bind(3, static_cast<std::int64_t>(id));
        update.bind(4, question);
        update.bind(5, notes);
        if (update.exec() == 0) {
            // Unchanged, or deleted meanwhile (by another window or process): the latter must not pass in silence.
            SQLite::Statement exists(*m_database, "SELECT 1 FROM reading WHERE id = ?");
            exists.bind(1, static_cast<std::int64_t>(id));
            gone = !exists.executeStep();
        }
    });
    if (error)
        return "The question and notes could not be kept: " + *error + ".";
    if (gone)
        return "The question and notes could not be kept: the reading is no longer in the journal.";
    return std::nullopt;
}

std::optional<std::string> Journal::remove(const std::vector<std::int64_t>& ids)
{
    if (readOnly())
        return "Nothing was deleted: the journal " + m_whyReadOnly + ".";
    const auto error = inTransaction(*m_database, [&] {
        SQLite::Statement remove(*m_database, "DELETE FROM reading WHERE id = ?");
        for (const std::int64_t id : ids) {
            remove.bind(1, static_cast<std::int64_t>(id));
            remove.exec();
            remove.reset();
        }
    });
    if (error)
        return "Nothing was deleted: " + *error + ".";
    return std::nullopt;
}

std::optional<std::string> Journal::forgetAll()
{
    if (readOnly())
        return "Nothing was deleted: the journal " + m_whyReadOnly + ".";
    if (auto error = inTransaction(*m_database, [&] {
            // Removing row by row through the trigger takes seconds for a large journal; the index is emptied
            // at once instead, and the trigger put back as it was, all in the one transaction.
            const std::string trigger =
                m_database->execAndGet("SELECT sql FROM sqlite_schema WHERE name = 'reading_removed'").getString();
            m_database->exec("DROP TRIGGER reading_removed");
            m_database->exec("DELETE FROM reading");
            m_database->exec("INSERT INTO reading_search(reading_search) VALUES ('delete-all')");
            m_database->exec(trigger);
        }))
        return "Nothing was deleted: " + *error + ".";
    // Forgotten means gone from the disk too: rewrite the file without the freed pages and empty the log. Another
    // reader may hold them for a moment; the readings are already gone from the journal either way.
    try {
        m_database->exec("VACUUM");
        m_database->exec("PRAGMA wal_checkpoint(TRUNCATE)");
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

std::optional<Reading> Journal::find(std::int64_t id) const
{
    try {
        SQLite::Statement query(*m_database, std::string("SELECT ") + kColumns + " FROM reading WHERE id = ?");
        query.bind(1, static_cast<std::int64_t>(id));
        if (query.executeStep())
            return readingFrom(query);
    } catch (const std::exception& error) {
        m_lastReadError = error.what();
    }
    return std::nullopt;
}

std::optional<Reading> Journal::findByUuid(const std::string& uuid) const
{
    const auto normalized = normalizedUuid(uuid);
    if (!normalized)
        return std::nullopt;
    try {
        SQLite::Statement query(*m_database, std::string("SELECT ") + kColumns + " FROM reading WHERE uuid = ?");
        const std::string bytes = uuidBytes(*normalized);
        query.bind(1, bytes.data(), static_cast<int>(bytes.size()));
        if (query.executeStep())
            return readingFrom(query);
    } catch (const std::exception& error) {
        m_lastReadError = error.what();
    }
    return std::nullopt;
}

int Journal::count(const std::string& text) const
{
    try {
        const std::string match = searchExpression(text);
        // The window counts and then asks for the page of the same text; the page needs the count too. Any
        // commit, here or in another process, changes the version and so empties the cache.
        const std::int64_t version = m_database->execAndGet("PRAGMA data_version").getInt64() * 1000003 +
                                     sqlite3_total_changes64(m_database->getHandle());
        if (m_countCache.version == version && m_countCache.match == match)
            return m_countCache.count;
        int found = 0;
        if (match.empty()) {
            found = m_database->execAndGet("SELECT count(*) FROM reading").getInt();
        } else {
            SQLite::Statement query(*m_database, "SELECT count(*) FROM reading_search WHERE reading_search MATCH ?");
            query.bind(1, match);
            query.executeStep();
            found = query.getColumn(0).getInt();
        }
        m_countCache = {match, version, found};
        m_lastReadError.clear();
        return found;
    } catch (const std::exception& error) {
        m_lastReadError = error.what();
        return 0;
    }
}

namespace {

std::string orderBy(SortBy by, bool ascending)
{
    const std::string direction = ascending ? " ASC" : " DESC";
    switch (by) {
    case SortBy::Time:
        return " ORDER BY time" + direction + ", id" + direction;
    case SortBy::Name:
        return " ORDER BY name COLLATE NOCASE" + direction + ", time DESC, id DESC";
    case SortBy::Spread:
        return " ORDER BY spread_name COLLATE NOCASE" + direction + ", time DESC, id DESC";
    case SortBy::FirstCard:
        // The cards are numbers separated by spaces: the cast reads the first.
        return " ORDER BY CAST(cards AS INTEGER)" + direction + ", time DESC, id DESC";
    case SortBy::Question:
        return " ORDER BY question COLLATE NOCASE" + direction + ", time DESC, id DESC";
    }
    return " ORDER BY time DESC, id DESC";
}

} // namespace

std::vector<Reading> Journal::search(const std::string& text, int limit, int offset, SortBy by, bool ascending) const
{
    std::vector<Reading> readings;
    try {
        const std::string match = searchExpression(text);
        std::string sql = std::string("SELECT ") + kColumns + " FROM reading";
        constexpr const char* kMatching =
            " WHERE id IN (SELECT rowid FROM reading_search WHERE reading_search MATCH ?)";
        const std::string order = orderBy(by, ascending);
        if (match.empty()) {
            sql += order + " LIMIT ? OFFSET ?";
        } else if (limit < 0 || by != SortBy::Time || count(text) < kSortMatchesBelow) {
            // Few matches, or an order the time index does not give: sort them, carrying only the sort keys through.
            sql += std::string(" WHERE id IN (SELECT id FROM reading NOT INDEXED") + kMatching + order +
                   " LIMIT ? OFFSET ?)" + order;
        } else {
            // Many: walk the readings in time order and stop at a full page.
            sql += std::string(" INDEXED BY reading_by_time") + kMatching + order + " LIMIT ? OFFSET ?";
        }
        SQLite::Statement query(*m_database, sql);
        int parameter = 1;
        if (!match.empty())
            query.bind(parameter++, match);
        query.bind(parameter++, limit);
        query.bind(parameter, std::max(offset, 0));
        while (query.executeStep())
            readings.push_back(readingFrom(query));
        m_lastReadError.clear();
    } catch (const std::exception& error) {
        m_lastReadError = error.what();
    }
    return readings;
}

std::vector<CardCount> Journal::cardsThatKeepComingUp(const std::string& text) const
{
    std::vector<CardCount> counts(engine::kCardCount);
    for (int card = 0; card < engine::kCardCount; ++card)
        counts[card].card = static_cast<engine::CardIndex>(card);
    try {
        const std::string match = searchExpression(text);
        std::string sql = "SELECT time, cards FROM reading";
        if (!match.empty())
            sql += " WHERE id IN (SELECT rowid FROM reading_search WHERE reading_search MATCH ?)";
        SQLite::Statement readings(*m_database, sql);
        if (!match.empty())
            readings.bind(1, match);
        int held = 0;
        while (readings.executeStep()) {
            const std::int64_t time = readings.getColumn(0).getInt64();
            // Read in place: a hundred thousand rows leave no time for a string and a vector each.
            int card = -1;
            for (const char* c = readings.getColumn(1).getText();; ++c) {
                if (*c >= '0' && *c <= '9') {
                    card = std::min(card < 0 ? *c - '0' : card * 10 + (*c - '0'), 1000);
                    continue;
                }
                if (card >= 0 && card < engine::kCardCount) {
                    CardCount& entry = counts[card];
                    entry.lastSeenUtc = entry.count++ == 0 ? time : std::max(entry.lastSeenUtc, time);
                    ++held;
                }
                card = -1;
                if (*c == '\0')
                    break;
            }
        }
        // Each reading of n cards gives every card a chance of n / 52, so chance expects the same of each card:
        // all the cards the readings hold, over 52.
        for (CardCount& entry : counts)
            entry.expected = held / static_cast<double>(engine::kCardCount);
        m_lastReadError.clear();
    } catch (const std::exception& error) {
        m_lastReadError = error.what();
    }
    return counts;
}

ValueOrError<int> Journal::addUnknown(const std::vector<Reading>& readings)
{
    if (readOnly())
        return {std::nullopt, "Nothing was imported: the journal " + m_whyReadOnly + "."};
    for (const Reading& reading : readings) {
        if (const auto problem = problemWith(reading))
            return {std::nullopt, "Nothing was imported: " + *problem + "."};
    }
    int added = 0;
    const auto error = inTransaction(*m_database, [&] {
        added = 0;
        SQLite::Statement insert(*m_database, std::string("INSERT OR IGNORE") + kInsert);
        // Oldest first, and an export's newest-first order reversed among readings of the same second, so that
        // the new ids keep the order the readings had.
        std::vector<const Reading*> ordered;
        for (auto reading = readings.rbegin(); reading != readings.rend(); ++reading)
            ordered.push_back(&*reading);
        std::stable_sort(ordered.begin(), ordered.end(),
                         [](const Reading* a, const Reading* b) { return a->timeUtc < b->timeUtc; });
        for (const Reading* reading : ordered) {
            bindReading(insert, *reading);
            added += insert.exec();
            insert.reset();
        }
    });
    if (error)
        return {std::nullopt, "Nothing was imported: " + *error + "."};
    return {added, {}};
}

} // namespace journal
