#include "prizes/stored_prizes.h"

#include "common/program_or_player_folder.h"
#include "playerdata/player_database.h"
#include "playerdata/sqlite_statement.h"
#include "prizes/operator_prizes.h"
#include "prizes/prize_table_file.h"

#include <sqlite3.h>

#include <filesystem>
#include <utility>

namespace orvane {

namespace {

// Every amount of a table, ranks first, then the price of a line.
constexpr std::size_t kAmountCount = kPaidRankCount + 1;

std::int64_t& amountAt(PrizeTable& table, std::size_t field) {
    return field < kPaidRankCount ? table.amounts[field] : table.pricePerBoard;
}

std::int64_t amountAt(const PrizeTable& table, std::size_t field) {
    return field < kPaidRankCount ? table.amounts[field] : table.pricePerBoard;
}

int readPrizes(sqlite3* db, PrizeTable& table) {
    table = OperatorPrizeTable();
    SqliteStatement rows(db, "SELECT rank_key, pence FROM prizes");
    int result = rows.step();
    for (; result == SQLITE_ROW; result = rows.step()) {
        const std::string key = rows.text(0);
        for (std::size_t field = 0; field < kAmountCount; ++field)
            if (key == PrizeTableKey(field))
                amountAt(table, field) = rows.integer(1);
    }
    return result;
}

// Keeps the amounts of `shown` that differ from `base`.
int writeChanges(sqlite3* db, const PrizeTable& base, const PrizeTable& shown) {
    SqliteStatement upsert(db, "INSERT INTO prizes (rank_key, pence) VALUES (?, ?) "
                               "ON CONFLICT (rank_key) DO UPDATE SET pence = excluded.pence");
    for (std::size_t field = 0; field < kAmountCount; ++field) {
        if (amountAt(shown, field) == amountAt(base, field))
            continue;
        upsert.reset();
        upsert.bind(1, std::string(PrizeTableKey(field))).bind(2, amountAt(shown, field));
        const int result = upsert.run();
        if (result != SQLITE_DONE)
            return result;
    }
    return SQLITE_DONE;
}

} // namespace

PrizeStore::PrizeStore(PlayerDatabase& database, std::string programFolder,
                       std::string playerFolder)
    : m_database(database), m_programFolder(std::move(programFolder)),
      m_playerFolder(std::move(playerFolder)) {}

void PrizeStore::takeInEarlierFile() {
    if (m_earlierFileTaken)
        return;
    const std::string path =
        FolderToRead(kPrizeTableFileName, m_programFolder, m_playerFolder) + kPrizeTableFileName;
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error)))
        return;
    bool unread = false;
    const DatabaseProblem problem =
        m_database.runOnce(std::string("taken in: ") + kPrizeTableFileName, [&](sqlite3* db) {
            const std::optional<PrizeTable> kept = ReadPrizeTableFile(path);
            unread = !kept;
            if (!kept)
                return SQLITE_IOERR_READ;
            return writeChanges(db, OperatorPrizeTable(), *kept);
        });
    if (const std::optional<std::string> aside = m_database.takeSetAsideName())
        m_notices.push_back(SetAsideText(kPlayerDatabaseFileName, *aside));
    if (problem == DatabaseProblem::None)
        m_earlierFileTaken = true;
    else if (unread)
        m_notices.push_back(EarlierFileUnreadText(kPrizeTableFileName));
}

PrizeTable PrizeStore::table() {
    takeInEarlierFile();
    PrizeTable table = OperatorPrizeTable();
    m_problem = m_database.run(false, [&table](sqlite3* db) { return readPrizes(db, table); });
    if (const std::optional<std::string> aside = m_database.takeSetAsideName())
        m_notices.push_back(SetAsideText(kPlayerDatabaseFileName, *aside));
    return m_problem == DatabaseProblem::None ? table : OperatorPrizeTable();
}

DatabaseProblem PrizeStore::saveChanges(const PrizeTable& base, const PrizeTable& shown) {
    takeInEarlierFile();
    return m_database.run(true, [&](sqlite3* db) { return writeChanges(db, base, shown); });
}

std::vector<std::string> PrizeStore::takeNotices() {
    return std::exchange(m_notices, {});
}

} // namespace orvane
