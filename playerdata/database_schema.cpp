#include "playerdata/database_schema.h"

#include <sqlite3.h>

#include <array>
#include <string>

namespace orvane {

namespace {

// Version 1: the draw history, the prizes the player set, and the work done once per database
// (taking in the text files of earlier versions).
//
// A draw is its date when known (yyyy-mm-dd, so text order is date order) and its numbers, the
// five main numbers in ascending order. `added` orders the draws of one date, or without one, as
// the history shows them: the one added last first. One draw is kept once: the same date and
// numbers, or the same numbers without a date, only once (the indexes refuse a second copy).
//
// A prize row is an amount the player set, in pence, for a rank key ("5+T" .. "1+T") or "line" for
// the price of a line; a key without a row is the operator's amount.
constexpr const char* kVersion1 = R"sql(
CREATE TABLE draws (
    id INTEGER PRIMARY KEY,
    draw_date TEXT,
    n1 INTEGER NOT NULL, n2 INTEGER NOT NULL, n3 INTEGER NOT NULL,
    n4 INTEGER NOT NULL, n5 INTEGER NOT NULL,
    thunderball INTEGER NOT NULL,
    added INTEGER NOT NULL,
    CHECK (n1 < n2 AND n2 < n3 AND n3 < n4 AND n4 < n5 AND n1 >= 1 AND n5 <= 39),
    CHECK (thunderball BETWEEN 1 AND 14)
);
CREATE UNIQUE INDEX draws_dated ON draws (draw_date, n1, n2, n3, n4, n5, thunderball)
    WHERE draw_date IS NOT NULL;
CREATE UNIQUE INDEX draws_undated ON draws (n1, n2, n3, n4, n5, thunderball)
    WHERE draw_date IS NULL;
CREATE INDEX draws_numbers ON draws (n1, n2, n3, n4, n5, thunderball);
CREATE TABLE prizes (
    rank_key TEXT PRIMARY KEY,
    pence INTEGER NOT NULL CHECK (pence >= 0)
);
CREATE TABLE done_once (
    key TEXT PRIMARY KEY,
    done_at TEXT NOT NULL
);
)sql";

// Version 2: the player's own wheels. A wheel is a system of the player's: its name, how many
// numbers it plays and how many of them are fixed, the promise it keeps ("k if m"), and its boards,
// each the positions (1..numbers) of its main numbers as a text "1 2 3 4 5", in play order.
constexpr const char* kVersion2 = R"sql(
CREATE TABLE wheels (
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL UNIQUE,
    numbers INTEGER NOT NULL CHECK (numbers BETWEEN 6 AND 39),
    fixed INTEGER NOT NULL DEFAULT 0 CHECK (fixed >= 0 AND fixed < numbers),
    promise_k INTEGER NOT NULL,
    promise_m INTEGER NOT NULL,
    made_at TEXT NOT NULL,
    CHECK (2 <= promise_k AND promise_k <= promise_m AND promise_m <= 5)
);
CREATE TABLE wheel_boards (
    wheel_id INTEGER NOT NULL REFERENCES wheels (id) ON DELETE CASCADE,
    board INTEGER NOT NULL,
    positions TEXT NOT NULL,
    PRIMARY KEY (wheel_id, board)
) WITHOUT ROWID;
)sql";

constexpr std::array<const char*, 2> kSteps = {kVersion1, kVersion2};

} // namespace

int LatestSchemaVersion() {
    return static_cast<int>(kSteps.size());
}

int UpgradeSchema(sqlite3* db, int version) {
    for (int step = version; step < LatestSchemaVersion(); ++step) {
        const int result =
            sqlite3_exec(db, kSteps[static_cast<std::size_t>(step)], nullptr, nullptr, nullptr);
        if (result != SQLITE_OK)
            return result;
    }
    if (version == LatestSchemaVersion())
        return SQLITE_OK;
    const std::string setVersion =
        "PRAGMA user_version = " + std::to_string(LatestSchemaVersion()) + ";";
    return sqlite3_exec(db, setVersion.c_str(), nullptr, nullptr, nullptr);
}

} // namespace orvane
