#include "playerdata/player_database.h"

#include "playerdata/database_schema.h"
#include "playerdata/sqlite_statement.h"

#include <sqlite3.h>

#include <ctime>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>

namespace orvane {

namespace {

bool isDamage(int result) {
    return (result & 0xff) == SQLITE_CORRUPT || (result & 0xff) == SQLITE_NOTADB;
}

bool succeeded(int result) {
    return result == SQLITE_OK || result == SQLITE_DONE || result == SQLITE_ROW;
}

// The integer the pragma `sql` gives.
int readInteger(sqlite3* db, const char* sql, int& value) {
    SqliteStatement statement(db, sql);
    const int result = statement.step();
    if (result != SQLITE_ROW)
        return result;
    value = static_cast<int>(statement.integer(0));
    return SQLITE_OK;
}

// SQLITE_OK when the quick check finds nothing wrong, SQLITE_CORRUPT when it finds damage, or the
// error that kept it from reading.
int quickCheck(sqlite3* db) {
    SqliteStatement statement(db, "PRAGMA quick_check(1)");
    const int result = statement.step();
    if (result != SQLITE_ROW)
        return result;
    return statement.text(0) == "ok" ? SQLITE_OK : SQLITE_CORRUPT;
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// "20261211-153000", local time.
std::string stamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

} // namespace

PlayerDatabase::PlayerDatabase(std::string folder, std::string fileName,
                               std::chrono::milliseconds busyTimeout)
    : m_folder(std::move(folder)), m_fileName(std::move(fileName)), m_busyTimeout(busyTimeout) {}

PlayerDatabase::~PlayerDatabase() {
    close();
}

void PlayerDatabase::close() {
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

DatabaseProblem PlayerDatabase::open() {
    if (m_db)
        return DatabaseProblem::None;
    if (m_folder.empty())
        return DatabaseProblem::CannotOpen;
    std::error_code error;
    std::filesystem::create_directories(m_folder, error);
    if (error && !std::filesystem::is_directory(m_folder))
        return DatabaseProblem::CannotOpen;
    const DatabaseProblem problem = openFile();
    if (problem != DatabaseProblem::None || m_db)
        return problem;
    // Damaged: set aside, then a new file in its place.
    const DatabaseProblem setAside = setDamagedFileAside();
    if (setAside != DatabaseProblem::None)
        return setAside;
    const DatabaseProblem reopened = openFile();
    return m_db ? reopened : DatabaseProblem::Failed;
}

// Opens and checks the file, bringing its schema up to date. Leaves m_db empty with no problem
// when the file is damaged, for open() to set it aside.
DatabaseProblem PlayerDatabase::openFile() {
    const std::string file = path();
    const bool existed = fileExists(file);
    sqlite3* db = nullptr;
    // One thread at a time uses a connection: SQLite need not lock around every call.
    const int opened =
        sqlite3_open_v2(file.c_str(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (opened != SQLITE_OK) {
        sqlite3_close_v2(db);
        return existed ? DatabaseProblem::Unreadable : DatabaseProblem::CannotOpen;
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, static_cast<int>(m_busyTimeout.count()));

    const auto fail = [db](int result) {
        const int systemError = sqlite3_system_errno(db);
        sqlite3_close_v2(db);
        return isDamage(result) ? DatabaseProblem::None
                                : ProblemOfSqliteResult(result, systemError);
    };
    int version = 0;
    int result = readInteger(db, "PRAGMA user_version", version);
    if (result == SQLITE_OK)
        result = quickCheck(db);
    if (result != SQLITE_OK) {
        const DatabaseProblem problem = fail(result);
        // Something that cannot be read is left as it is, never taken for damage.
        return problem == DatabaseProblem::Failed ? DatabaseProblem::Unreadable : problem;
    }
    if (version > LatestSchemaVersion()) {
        sqlite3_close_v2(db);
        return DatabaseProblem::TooNew;
    }
    // A read-only file keeps its journal mode: the error only says so.
    sqlite3_exec(db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "PRAGMA foreign_keys = ON", nullptr, nullptr, nullptr);
    if (version < LatestSchemaVersion()) {
        result = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        // Another copy may have brought it up to date while this one waited for the lock.
        if (result == SQLITE_OK)
            result = readInteger(db, "PRAGMA user_version", version);
        if (result == SQLITE_OK && version > LatestSchemaVersion())
            result = SQLITE_READONLY;
        if (result == SQLITE_OK)
            result = UpgradeSchema(db, version);
        if (result == SQLITE_OK)
            result = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        if (result != SQLITE_OK) {
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            return fail(result);
        }
    }
    m_db = db;
    return DatabaseProblem::None;
}

DatabaseProblem PlayerDatabase::setDamagedFileAside() {
    const std::string file = path();
    const std::string aside = m_fileName + ".endommagee-" + stamp();
    if (std::rename(file.c_str(), (m_folder + aside).c_str()) != 0)
        return DatabaseProblem::Unreadable;
    // Its journal belongs with it; the shared-memory index is rebuilt from the journal.
    std::rename((file + "-wal").c_str(), (m_folder + aside + "-wal").c_str());
    std::remove((file + "-shm").c_str());
    m_setAsideName = aside;
    return DatabaseProblem::None;
}

DatabaseProblem PlayerDatabase::run(bool writes, const std::function<int(sqlite3*)>& work) {
    // Looking writes nothing: no file yet is an empty database.
    if (!writes && !m_db && !m_folder.empty() && !fileExists(path()))
        return DatabaseProblem::None;
    const DatabaseProblem opened = open();
    if (opened != DatabaseProblem::None)
        return opened;
    int result =
        sqlite3_exec(m_db, writes ? "BEGIN IMMEDIATE" : "BEGIN", nullptr, nullptr, nullptr);
    if (result == SQLITE_OK) {
        result = work(m_db);
        if (succeeded(result))
            result = sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
        if (!succeeded(result))
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    if (succeeded(result))
        return DatabaseProblem::None;
    const DatabaseProblem problem = ProblemOfSqliteResult(result, sqlite3_system_errno(m_db));
    // Damage found on the way: the next use checks the file again and sets it aside.
    if (isDamage(result))
        close();
    return problem;
}

DatabaseProblem PlayerDatabase::runOnce(const std::string& key,
                                        const std::function<int(sqlite3*)>& work) {
    return run(true, [&key, &work](sqlite3* db) {
        SqliteStatement done(db, "SELECT 1 FROM done_once WHERE key = ?");
        int result = done.bind(1, key).step();
        if (result == SQLITE_ROW)
            return SQLITE_DONE;
        if (result != SQLITE_DONE)
            return result;
        result = work(db);
        if (!succeeded(result))
            return result;
        SqliteStatement note(db,
                             "INSERT INTO done_once (key, done_at) VALUES (?, datetime('now'))");
        return note.bind(1, key).run();
    });
}

std::optional<std::string> PlayerDatabase::takeSetAsideName() {
    std::optional<std::string> name = std::move(m_setAsideName);
    m_setAsideName.reset();
    return name;
}

} // namespace orvane
