// The player's database: made on first use at the latest version, brought up from an earlier one,
// never written when it is damaged, too new, locked, read-only, unreadable or on a full disk.
#include "playerdata/player_database.h"

#include "playerdata/database_schema.h"
#include "playerdata/sqlite_statement.h"
#include "support/failing_reads_vfs.h"
#include "support/player_only.h"
#include "support/temp_folder.h"

#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/mount.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

int Count(PlayerDatabase& db, const char* table) {
    int count = -1;
    const std::string sql = std::string("SELECT COUNT(*) FROM ") + table;
    EXPECT_EQ(db.run(false,
                     [&](sqlite3* handle) {
                         SqliteStatement rows(handle, sql.c_str());
                         const int result = rows.step();
                         count = static_cast<int>(rows.integer(0));
                         return result;
                     }),
              DatabaseProblem::None);
    return count;
}

DatabaseProblem AddPrize(PlayerDatabase& db, const std::string& key, int pence) {
    return db.run(true, [&](sqlite3* handle) {
        SqliteStatement insert(handle, "INSERT OR REPLACE INTO prizes VALUES (?, ?)");
        return insert.bind(1, key).bind(2, std::int64_t{pence}).run();
    });
}

int Version(const std::string& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    int version = -1;
    {
        SqliteStatement statement(db, "PRAGMA user_version");
        if (statement.step() == SQLITE_ROW)
            version = static_cast<int>(statement.integer(0));
    }
    sqlite3_close(db);
    return version;
}

void Exec(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

class PlayerDatabaseTest : public ::testing::Test {
  protected:
    std::string folder() const { return m_temp.path() + "/data/"; }
    std::string path() const { return folder() + kPlayerDatabaseFileName; }

  private:
    const test::TempFolder m_temp;
};

TEST_F(PlayerDatabaseTest, IsMadeOnFirstUseAtTheLatestVersionAndRunsAOneTimeStepOnce) {
    PlayerDatabase db(folder());
    EXPECT_FALSE(fs::exists(path())) << "nothing is opened before it is used";
    int runs = 0;
    const auto once = [&](sqlite3*) {
        ++runs;
        return SQLITE_OK;
    };
    EXPECT_EQ(db.runOnce("taken in", once), DatabaseProblem::None);
    EXPECT_TRUE(fs::exists(path())) << "the folder and the file are made";
    EXPECT_EQ(db.runOnce("taken in", once), DatabaseProblem::None);
    EXPECT_EQ(db.runOnce("something else", once), DatabaseProblem::None);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(Version(path()), LatestSchemaVersion());

    // Another copy of the program on the same file finds the step done.
    PlayerDatabase other(folder());
    EXPECT_EQ(other.runOnce("taken in", once), DatabaseProblem::None);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(Count(other, "wheels"), 0);
}

TEST_F(PlayerDatabaseTest, AStepThatFailsChangesNothingAndIsTriedAgain) {
    PlayerDatabase db(folder());
    const auto failing = [](sqlite3* handle) {
        SqliteStatement insert(handle, "INSERT INTO prizes VALUES ('5', 1)");
        insert.run();
        return SQLITE_IOERR_READ;
    };
    EXPECT_EQ(db.runOnce("taken in", failing), DatabaseProblem::Unreadable);
    EXPECT_EQ(Count(db, "prizes"), 0) << "rolled back whole";
    int runs = 0;
    EXPECT_EQ(db.runOnce("taken in",
                         [&](sqlite3*) {
                             ++runs;
                             return SQLITE_OK;
                         }),
              DatabaseProblem::None);
    EXPECT_EQ(runs, 1);
}

// A file of the first version, as the first release wrote it, with a prize kept.
TEST_F(PlayerDatabaseTest, AFileOfAnEarlierVersionIsBroughtUpToDateAndKeepsItsData) {
    fs::create_directories(folder());
    Exec(path(), R"sql(
        CREATE TABLE draws (id INTEGER PRIMARY KEY, draw_date TEXT, n1 INTEGER NOT NULL,
            n2 INTEGER NOT NULL, n3 INTEGER NOT NULL, n4 INTEGER NOT NULL, n5 INTEGER NOT NULL,
            thunderball INTEGER NOT NULL, added INTEGER NOT NULL);
        CREATE TABLE prizes (rank_key TEXT PRIMARY KEY, pence INTEGER NOT NULL);
        CREATE TABLE done_once (key TEXT PRIMARY KEY, done_at TEXT NOT NULL);
        INSERT INTO prizes VALUES ('4', 15000);
        PRAGMA user_version = 1;)sql");
    PlayerDatabase db(folder());
    EXPECT_EQ(Count(db, "prizes"), 1);
    EXPECT_EQ(Count(db, "wheels"), 0) << "the second version's tables are made";
    EXPECT_EQ(Version(path()), LatestSchemaVersion());
}

TEST_F(PlayerDatabaseTest, AFileOfALaterVersionIsLeftAsItIs) {
    fs::create_directories(folder());
    Exec(path(), "CREATE TABLE future (x); PRAGMA user_version = 99;");
    const std::string before = Bytes(path());
    PlayerDatabase db(folder());
    EXPECT_EQ(AddPrize(db, "4", 1), DatabaseProblem::TooNew);
    EXPECT_EQ(Bytes(path()), before);
}

TEST_F(PlayerDatabaseTest, ADamagedFileIsSetAsideUnderADatedNameAndANewOneIsMade) {
    const struct {
        const char* what;
        std::function<void()> damage;
    } cases[] = {
        {"no database at all",
         [&] { std::ofstream(path(), std::ios::binary) << std::string(5000, '\x5A'); }},
        {"a page of the database overwritten",
         [&] {
             {
                 PlayerDatabase db(folder());
                 for (int i = 0; i < 300; ++i)
                     ASSERT_EQ(AddPrize(db, "key " + std::to_string(i), i), DatabaseProblem::None);
             }
             // Back to one file, then garbage over the pages of the prizes' index and rows.
             Exec(path(), "PRAGMA journal_mode = DELETE");
             std::fstream file(path(), std::ios::in | std::ios::out | std::ios::binary);
             file.seekp(4096 * 3);
             const std::string garbage(4096 * 4, '\x7F');
             file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder());
        fs::create_directories(folder());
        c.damage();
        const std::string damaged = Bytes(path());

        PlayerDatabase db(folder());
        EXPECT_EQ(AddPrize(db, "4", 1), DatabaseProblem::None);
        const std::optional<std::string> aside = db.takeSetAsideName();
        ASSERT_TRUE(aside);
        EXPECT_EQ(aside->rfind("orvane.db.endommagee-", 0), 0u) << *aside;
        EXPECT_EQ(Bytes(folder() + *aside), damaged) << "kept byte for byte";
        EXPECT_EQ(Count(db, "prizes"), 1) << "a new database in its place";
        EXPECT_FALSE(db.takeSetAsideName()) << "said once";
    }
}

TEST_F(PlayerDatabaseTest, AReadErrorIsNeverTakenForDamageNorWrittenOver) {
    {
        PlayerDatabase db(folder());
        ASSERT_EQ(AddPrize(db, "4", 15000), DatabaseProblem::None);
    }
    const std::string before = Bytes(path());
    {
        test::FailingReads failing(kPlayerDatabaseFileName);
        PlayerDatabase db(folder());
        EXPECT_EQ(AddPrize(db, "3", 1), DatabaseProblem::Unreadable);
        EXPECT_FALSE(db.takeSetAsideName());
    }
    EXPECT_EQ(Bytes(path()), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder()), fs::directory_iterator()), 1)
        << "nothing set aside";
    PlayerDatabase db(folder());
    EXPECT_EQ(Count(db, "prizes"), 1);
}

TEST_F(PlayerDatabaseTest, AChangeWhileAnotherCopyHoldsTheLockWaitsThenGivesUpChangingNothing) {
    PlayerDatabase first(folder());
    ASSERT_EQ(AddPrize(first, "4", 15000), DatabaseProblem::None);
    PlayerDatabase second(folder(), kPlayerDatabaseFileName, 50ms);
    const DatabaseProblem held = first.run(true, [&](sqlite3*) {
        // The second copy's change comes while the first one's transaction is open.
        EXPECT_EQ(AddPrize(second, "3", 1), DatabaseProblem::Locked);
        return SQLITE_OK;
    });
    EXPECT_EQ(held, DatabaseProblem::None);
    EXPECT_EQ(Count(second, "prizes"), 1);
    EXPECT_EQ(AddPrize(second, "3", 1), DatabaseProblem::None) << "once the lock is let go";
}

TEST_F(PlayerDatabaseTest, WhatCannotBeMadeIsSaid) {
    std::ofstream(folder().substr(0, folder().size() - 1)) << "a file where the folder goes";
    PlayerDatabase below(folder() + "Orvane/");
    EXPECT_EQ(AddPrize(below, "4", 1), DatabaseProblem::CannotOpen);
    PlayerDatabase none("");
    EXPECT_EQ(AddPrize(none, "4", 1), DatabaseProblem::CannotOpen);
}

// A disk of 256 KiB, filled up to a few pages: SQLite's write fails for want of room, as on a
// player's full disk.
TEST_F(PlayerDatabaseTest, AFullDiskChangesNothingAndKeepsWhatWasThere) {
    const std::string disk = folder();
    fs::create_directories(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "a small disk needs mounting, which only root may do here";
    struct Unmount {
        std::string at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{disk};
    const auto fill = [&disk] {
        std::ofstream filler(disk + "filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
            ;
    };
    const auto bigChange = [](sqlite3* handle) {
        SqliteStatement insert(handle, "INSERT INTO prizes VALUES (?, ?)");
        for (int i = 0; i < 2000; ++i) {
            insert.reset();
            insert.bind(1, std::string(200, 'k') + std::to_string(i)).bind(2, std::int64_t{i});
            const int result = insert.run();
            if (result != SQLITE_DONE)
                return result;
        }
        return SQLITE_DONE;
    };
    {
        // Open while there was room: the change fails for want of it.
        PlayerDatabase db(disk);
        ASSERT_EQ(AddPrize(db, "4", 15000), DatabaseProblem::None);
        fill();
        EXPECT_EQ(db.run(true, bigChange), DatabaseProblem::DiskFull);
        EXPECT_EQ(Count(db, "prizes"), 1);
    }
    {
        // Opened on the full disk: not even its index for readers can be made.
        PlayerDatabase db(disk);
        EXPECT_EQ(db.run(true, bigChange), DatabaseProblem::DiskFull);
        EXPECT_FALSE(db.takeSetAsideName());
    }
    fs::remove(disk + "filler");
    PlayerDatabase again(disk);
    EXPECT_EQ(Count(again, "prizes"), 1) << "what was kept reads back after the failed changes";
}

// Root writes anywhere permission bits forbid: these run again as an ordinary user.
class PlayerDatabaseAsPlayer : public PlayerDatabaseTest {};

TEST_F(PlayerDatabaseAsPlayer, AReadOnlyOrUnreadableFileIsReadWhereItCanBeAndNeverWritten) {
    ORVANE_SKIP_AS_ROOT();
    {
        PlayerDatabase db(folder());
        ASSERT_EQ(AddPrize(db, "4", 15000), DatabaseProblem::None);
    }
    fs::permissions(path(), fs::perms::owner_read);
    const std::string before = Bytes(path());
    {
        PlayerDatabase db(folder());
        EXPECT_EQ(Count(db, "prizes"), 1) << "still read";
        EXPECT_EQ(AddPrize(db, "3", 1), DatabaseProblem::ReadOnly);
    }
    EXPECT_EQ(Bytes(path()), before);

    fs::permissions(path(), fs::perms::owner_write);
    {
        PlayerDatabase db(folder());
        EXPECT_EQ(AddPrize(db, "3", 1), DatabaseProblem::Unreadable);
        EXPECT_FALSE(db.takeSetAsideName());
    }
    fs::permissions(path(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Bytes(path()), before);
}

} // namespace
} // namespace orvane
