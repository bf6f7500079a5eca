#pragma once
// The player's database, version by version: each step brings a database of the version before
// it up to its own, inside the transaction that opens the database, and `PRAGMA user_version`
// says which steps a file has had. A step is never changed once released: a later change is a
// step of its own, so a file of any earlier version reaches the latest one.

struct sqlite3;

namespace orvane {

// The version the steps lead to: a file of a higher version is another program's and is not
// written.
int LatestSchemaVersion();

// Runs every step from `version` (0 for a new file) to the latest, and sets user_version. Returns
// the SQLite result of the first step that failed, or SQLITE_OK.
int UpgradeSchema(sqlite3* db, int version);

} // namespace orvane
