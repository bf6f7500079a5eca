#include "results/draw_history_store.h"

#include "common/atomic_file.h"
#include "common/regular_file_read.h"
#include "playerdata/player_database.h"
#include "playerdata/sqlite_statement.h"
#include "results/draw_history_texts.h"
#include "results/plain_draw_line.h"

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <utility>

namespace orvane {

namespace {

// "2025-03-14": text order is date order.
std::string dateKey(const DrawDate& date) {
    std::string key = "0000-00-00";
    const auto put = [&key](std::size_t end, int value) {
        for (std::size_t at = end; value > 0 && at-- > 0; value /= 10)
            key[at] = static_cast<char>('0' + value % 10);
    };
    put(4, date.year);
    put(7, date.month);
    put(10, date.day);
    return key;
}

std::optional<DrawDate> dateOfKey(const std::string& key) {
    const auto digits = [&key](std::size_t from, std::size_t count) {
        int value = 0;
        for (std::size_t at = from; at < from + count; ++at) {
            if (at >= key.size() || key[at] < '0' || key[at] > '9')
                return -1;
            value = value * 10 + (key[at] - '0');
        }
        return value;
    };
    const DrawDate date{digits(0, 4), digits(5, 2), digits(8, 2)};
    if (key.size() != 10 || key[4] != '-' || key[7] != '-' || !IsCalendarDate(date))
        return std::nullopt;
    return date;
}

// Binds the draw's numbers as parameters `first` .. `first + 5`.
void bindNumbers(SqliteStatement& statement, int first, const Draw& draw) {
    for (std::size_t i = 0; i < draw.main.size(); ++i)
        statement.bind(first + static_cast<int>(i), std::int64_t{draw.main[i]});
    statement.bind(first + static_cast<int>(draw.main.size()), std::int64_t{draw.thunderball});
}

int readDraws(sqlite3* db, std::vector<StoredDraw>& draws) {
    SqliteStatement rows(db, "SELECT draw_date, n1, n2, n3, n4, n5, thunderball FROM draws "
                             "ORDER BY draw_date IS NULL, draw_date DESC, added DESC");
    int result = rows.step();
    for (; result == SQLITE_ROW; result = rows.step()) {
        Draw draw;
        for (std::size_t i = 0; i < draw.main.size(); ++i)
            draw.main[i] = static_cast<int>(rows.integer(static_cast<int>(i) + 1));
        draw.thunderball = static_cast<int>(rows.integer(6));
        draws.push_back(
            MakeStoredDraw(rows.isNull(0) ? std::nullopt : dateOfKey(rows.text(0)), draw));
    }
    return result;
}

// Adds the draws not kept yet, counting them in `added`; the first error stops it.
int insertDraws(sqlite3* db, const std::vector<StoredDraw>& draws, DrawHistory::Added& added) {
    SqliteStatement last(db, "SELECT COALESCE(MAX(added), 0) FROM draws");
    int result = last.step();
    if (result != SQLITE_ROW)
        return result;
    std::int64_t order = last.integer(0);

    // The same date and numbers; for a draw without a date, the same numbers with any date.
    SqliteStatement sameDated(db, "SELECT 1 FROM draws WHERE draw_date = ? AND n1 = ? AND n2 = ? "
                                  "AND n3 = ? AND n4 = ? AND n5 = ? AND thunderball = ?");
    SqliteStatement sameNumbers(db, "SELECT 1 FROM draws WHERE n1 = ? AND n2 = ? AND n3 = ? AND "
                                    "n4 = ? AND n5 = ? AND thunderball = ?");
    // A draw kept without a date takes the date of a dated copy.
    SqliteStatement giveDate(db, "UPDATE draws SET draw_date = ? WHERE draw_date IS NULL AND "
                                 "n1 = ? AND n2 = ? AND n3 = ? AND n4 = ? AND n5 = ? AND "
                                 "thunderball = ?");
    SqliteStatement insert(db, "INSERT INTO draws (draw_date, n1, n2, n3, n4, n5, thunderball, "
                               "added) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    for (const StoredDraw& draw : draws) {
        SqliteStatement& same = draw.date ? sameDated : sameNumbers;
        same.reset();
        if (draw.date) {
            same.bind(1, dateKey(*draw.date));
            bindNumbers(same, 2, draw.draw);
        } else {
            bindNumbers(same, 1, draw.draw);
        }
        result = same.step();
        if (result == SQLITE_ROW) {
            ++added.alreadyThere;
            continue;
        }
        if (result != SQLITE_DONE)
            return result;
        if (draw.date) {
            giveDate.reset();
            giveDate.bind(1, dateKey(*draw.date));
            bindNumbers(giveDate, 2, draw.draw);
            result = giveDate.run();
            if (result != SQLITE_DONE)
                return result;
            if (sqlite3_changes(db) > 0) {
                ++added.alreadyThere;
                continue;
            }
        }
        insert.reset();
        if (draw.date)
            insert.bind(1, dateKey(*draw.date));
        else
            insert.bindNull(1);
        bindNumbers(insert, 2, draw.draw);
        insert.bind(8, ++order);
        result = insert.run();
        if (result != SQLITE_DONE)
            return result;
        ++added.added;
    }
    return SQLITE_DONE;
}

} // namespace

std::string EncodeDrawHistory(const DrawHistory& history) {
    std::string text =
        "# Orvane's draw history, newest first: the date (day/month/year) when known,\n"
        "# the five main numbers, then the Thunderball.\n";
    for (const StoredDraw& draw : history.draws())
        text += PlainDrawLine(draw) + "\n";
    return text;
}

DecodedDrawHistory DecodeDrawHistory(std::string_view text) {
    std::vector<StoredDraw> draws;
    int notRead = 0;
    // Only whole lines: what follows the last line break may be a line cut short.
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
        const DrawLine line = ReadPlainDrawLine(text.substr(0, end));
        if (line.kind == DrawLine::Kind::Draw)
            draws.push_back(line.draw);
        else if (line.kind == DrawLine::Kind::Refused)
            ++notRead;
        text.remove_prefix(end + 1);
    }
    if (!text.empty())
        ++notRead;
    return {DrawHistory(draws), notRead};
}

EarlierDrawFile ReadEarlierDrawFile(const std::string& path) {
    EarlierDrawFile file;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return file;
    file.found = true;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return file;
    // One byte more than the file holds: a file that grew while read is not read whole.
    std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
    const std::optional<std::size_t> got = ReadRegularFileStart(
        path, std::span(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()));
    if (!got || *got != size)
        return file;
    bytes.resize(*got);
    file.readWhole = true;
    file.decoded = DecodeDrawHistory(bytes);
    return file;
}

DrawHistoryStore::DrawHistoryStore(PlayerDatabase& database, std::string dataFolder)
    : m_database(database), m_dataFolder(std::move(dataFolder)) {}

void DrawHistoryStore::takeInEarlierFile() {
    if (m_earlierFileTaken)
        return;
    const std::string path = m_dataFolder + kDrawHistoryFileName;
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error)))
        return;
    std::optional<EarlierDrawFile> file;
    DrawHistory::Added added;
    const DatabaseProblem problem =
        m_database.runOnce(std::string("taken in: ") + kDrawHistoryFileName, [&](sqlite3* db) {
            file = ReadEarlierDrawFile(path);
            if (!file->found)
                return SQLITE_DONE;
            if (!file->readWhole)
                return SQLITE_IOERR_READ;
            // Oldest first, so that the newest of one date comes first, as it did in the file.
            const std::vector<StoredDraw>& draws = file->decoded.history.draws();
            return insertDraws(db, std::vector<StoredDraw>(draws.rbegin(), draws.rend()), added);
        });
    if (const std::optional<std::string> aside = m_database.takeSetAsideName())
        m_notices.push_back(SetAsideText(kPlayerDatabaseFileName, *aside));
    if (problem == DatabaseProblem::None) {
        m_earlierFileTaken = true;
        if (file && file->found)
            m_notices.push_back(EarlierFileTakenText(kDrawHistoryFileName, added.added,
                                                     file->decoded.linesNotRead));
    } else if (file && file->found && !file->readWhole) {
        m_notices.push_back(EarlierFileUnreadText(kDrawHistoryFileName));
    }
}

const DrawHistory& DrawHistoryStore::history() {
    takeInEarlierFile();
    std::vector<StoredDraw> draws;
    m_problem = m_database.run(false, [&draws](sqlite3* db) { return readDraws(db, draws); });
    if (const std::optional<std::string> aside = m_database.takeSetAsideName())
        m_notices.push_back(SetAsideText(kPlayerDatabaseFileName, *aside));
    m_history = m_problem == DatabaseProblem::None ? DrawHistory(draws) : DrawHistory();
    return m_history;
}

DrawHistoryStore::Added DrawHistoryStore::add(const std::vector<StoredDraw>& draws) {
    takeInEarlierFile();
    Added result;
    DrawHistory::Added counts;
    result.problem = m_database.run(true, [&](sqlite3* db) {
        counts = {};
        return insertDraws(db, draws, counts);
    });
    result.saved = result.problem == DatabaseProblem::None;
    if (result.saved)
        result.counts = counts;
    return result;
}

std::vector<std::string> DrawHistoryStore::takeNotices() {
    return std::exchange(m_notices, {});
}

bool ExportDrawHistory(const DrawHistory& history, const std::string& path) {
    const std::string text = EncodeDrawHistory(history);
    return WriteFileAtomically(path, reinterpret_cast<const std::uint8_t*>(text.data()),
                               text.size())
        .ok();
}

} // namespace orvane
