#include "playerdata/sqlite_statement.h"

#include <sqlite3.h>

namespace orvane {

SqliteStatement::SqliteStatement(sqlite3* db, const char* sql)
    : m_prepared(sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr)) {}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_statement);
}

SqliteStatement& SqliteStatement::bind(int parameter, std::int64_t value) {
    sqlite3_bind_int64(m_statement, parameter, value);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int parameter, const std::string& value) {
    sqlite3_bind_text(m_statement, parameter, value.data(), static_cast<int>(value.size()),
                      SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement& SqliteStatement::bindNull(int parameter) {
    sqlite3_bind_null(m_statement, parameter);
    return *this;
}

int SqliteStatement::step() {
    if (m_prepared != SQLITE_OK)
        return m_prepared;
    return sqlite3_step(m_statement);
}

int SqliteStatement::run() {
    int result = step();
    while (result == SQLITE_ROW)
        result = step();
    return result;
}

void SqliteStatement::reset() {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

std::int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

std::string SqliteStatement::text(int column) const {
    const auto* bytes = sqlite3_column_text(m_statement, column);
    return bytes ? std::string(reinterpret_cast<const char*>(bytes),
                               static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column)))
                 : std::string();
}

bool SqliteStatement::isNull(int column) const {
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

} // namespace orvane
