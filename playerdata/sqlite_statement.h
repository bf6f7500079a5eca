#pragma once
// One prepared SQLite statement, finalized when it goes out of scope, with the few calls the
// player's database needs. A statement that failed to prepare fails every step with the same
// result, so a run of calls can be checked once at the end.

#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace orvane {

class SqliteStatement {
  public:
    SqliteStatement(sqlite3* db, const char* sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Parameters count from 1, as in SQL.
    SqliteStatement& bind(int parameter, std::int64_t value);
    SqliteStatement& bind(int parameter, const std::string& value);
    SqliteStatement& bindNull(int parameter);

    // SQLITE_ROW while rows come, SQLITE_DONE at the end, or the error.
    int step();
    // Steps to the end; SQLITE_DONE or the error.
    int run();
    // Ready to run again with new parameters.
    void reset();

    std::int64_t integer(int column) const;
    std::string text(int column) const;
    bool isNull(int column) const;

  private:
    sqlite3_stmt* m_statement = nullptr;
    int m_prepared = 0;
};

} // namespace orvane
