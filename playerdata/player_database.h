#pragma once
// The player's own database (SQLite): what the player builds up over months, kept where two copies
// of the program may read and write it at once and a crash mid-save loses nothing.
//
// The file is opened on first use, never at start. Every change runs in one transaction, so a
// full disk, a read-only file or a lock held too long by another copy leaves what was kept as it
// was. WAL journaling lets one copy read while another writes; a busy timeout lets a copy wait for
// the other's short write instead of failing at once. The schema is versioned with
// `PRAGMA user_version` and brought up to date a step a version (database_schema.h). A file that is
// damaged or no database at all is never written over: it is set aside under a dated name and a
// new database is made, and the window that first meets it says so.

#include "playerdata/database_problem.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

struct sqlite3;

namespace orvane {

inline constexpr const char* kPlayerDatabaseFileName = "orvane.db";

// Used from one thread at a time (the windows' thread): a worker thread opens a database of its
// own.
class PlayerDatabase {
  public:
    // The database `fileName` in `folder` (ending with "/"), made with the folder when first
    // written. `busyTimeout` is how long a change waits for another copy's write to end.
    explicit PlayerDatabase(std::string folder, std::string fileName = kPlayerDatabaseFileName,
                            std::chrono::milliseconds busyTimeout = std::chrono::seconds(5));
    ~PlayerDatabase();
    PlayerDatabase(const PlayerDatabase&) = delete;
    PlayerDatabase& operator=(const PlayerDatabase&) = delete;

    const std::string& folder() const { return m_folder; }
    std::string path() const { return m_folder + m_fileName; }
    bool isOpen() const { return m_db != nullptr; }

    // Runs `work` on the open database inside one transaction: a write transaction
    // (BEGIN IMMEDIATE, so two copies never both read and then both write) when `writes`, else a
    // read. `work` returns the SQLite result of its last step; anything but SQLITE_OK or
    // SQLITE_DONE rolls the whole transaction back. Opens the database first if need be; a read
    // while there is no file yet makes none and runs nothing, as from an empty database.
    DatabaseProblem run(bool writes, const std::function<int(sqlite3*)>& work);

    // Runs `work` in a write transaction once in the life of this database: the first time it
    // succeeds, `key` is noted in the same transaction, and later calls do nothing.
    DatabaseProblem runOnce(const std::string& key, const std::function<int(sqlite3*)>& work);

    // Said once, by the first window that asks: the damaged file set aside when the database was
    // opened ("orvane.db.endommagée-20261211-153000"), or nothing.
    std::optional<std::string> takeSetAsideName();

  private:
    DatabaseProblem open();
    DatabaseProblem openFile();
    void close();
    DatabaseProblem setDamagedFileAside();

    std::string m_folder;
    std::string m_fileName;
    std::chrono::milliseconds m_busyTimeout;
    sqlite3* m_db = nullptr;
    std::optional<std::string> m_setAsideName;
};

} // namespace orvane
