#include "wheels/player_wheel_store.h"

#include "playerdata/player_database.h"
#include "playerdata/sqlite_statement.h"

#include <sqlite3.h>

#include <set>
#include <sstream>

namespace orvane {

namespace {

std::string positionsText(const BoardPositions& board) {
    std::string text;
    for (const std::uint8_t p : board)
        text += (text.empty() ? "" : " ") + std::to_string(p);
    return text;
}

std::optional<BoardPositions> boardOfText(const std::string& text) {
    std::istringstream in(text);
    BoardPositions board{};
    for (std::uint8_t& p : board) {
        int value = 0;
        if (!(in >> value) || value < 1 || value > 255)
            return std::nullopt;
        p = static_cast<std::uint8_t>(value);
    }
    return board;
}

int readWheels(sqlite3* db, std::vector<PlayerWheel>& wheels) {
    SqliteStatement rows(db, "SELECT id, name, numbers, fixed, promise_k, promise_m FROM wheels "
                             "ORDER BY id");
    int result = rows.step();
    for (; result == SQLITE_ROW; result = rows.step()) {
        PlayerWheel wheel;
        wheel.index = static_cast<int>(rows.integer(0));
        wheel.name = rows.text(1);
        wheel.numberCount = static_cast<int>(rows.integer(2));
        wheel.fixedCount = static_cast<int>(rows.integer(3));
        wheel.promise = {static_cast<int>(rows.integer(4)), static_cast<int>(rows.integer(5))};
        wheels.push_back(std::move(wheel));
    }
    if (result != SQLITE_DONE)
        return result;
    SqliteStatement boards(db, "SELECT positions FROM wheel_boards WHERE wheel_id = ? ORDER BY "
                               "board");
    for (PlayerWheel& wheel : wheels) {
        boards.reset();
        boards.bind(1, std::int64_t{wheel.index});
        for (result = boards.step(); result == SQLITE_ROW; result = boards.step())
            if (const std::optional<BoardPositions> board = boardOfText(boards.text(0)))
                wheel.boards.push_back(*board);
        if (result != SQLITE_DONE)
            return result;
    }
    return SQLITE_DONE;
}

// The names taken, and the indices taken in the database or on the shelf this run.
int takenNamesAndIndices(sqlite3* db, std::set<std::string>& names, std::set<int>& indices) {
    SqliteStatement rows(db, "SELECT id, name FROM wheels");
    int result = rows.step();
    for (; result == SQLITE_ROW; result = rows.step()) {
        indices.insert(static_cast<int>(rows.integer(0)));
        names.insert(rows.text(1));
    }
    for (int index = kFirstPlayerWheelIndex; index <= kLastPlayerWheelIndex; ++index)
        if (ShelvedPlayerWheel(index))
            indices.insert(index);
    return result;
}

std::string uniqueName(const std::string& name, const std::set<std::string>& taken) {
    std::string unique = name;
    for (int n = 2; taken.count(unique); ++n)
        unique = name + " (" + std::to_string(n) + ")";
    return unique;
}

} // namespace

std::string CleanWheelName(const std::string& name) {
    std::string clean;
    for (const char c : name)
        clean += (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) ? ' ' : c;
    const std::size_t first = clean.find_first_not_of(' ');
    if (first == std::string::npos)
        return "My wheel";
    clean = clean.substr(first, clean.find_last_not_of(' ') - first + 1);
    // At most 40 characters, never cutting a UTF-8 character in two.
    std::size_t characters = 0;
    for (std::size_t at = 0; at < clean.size(); ++at) {
        if ((static_cast<unsigned char>(clean[at]) & 0xC0) == 0x80)
            continue;
        if (++characters > 40)
            return clean.substr(0, at);
    }
    return clean;
}

DatabaseProblem PlayerWheelStore::shelveKeptWheels() {
    std::vector<PlayerWheel> wheels;
    const DatabaseProblem problem =
        m_database.run(false, [&wheels](sqlite3* db) { return readWheels(db, wheels); });
    if (problem != DatabaseProblem::None)
        return problem;
    for (PlayerWheel& wheel : wheels)
        ShelvePlayerWheel(std::move(wheel));
    return DatabaseProblem::None;
}

PlayerWheelStore::Kept PlayerWheelStore::keep(const std::string& name, const WheelDesign& design) {
    PlayerWheel wheel;
    wheel.name = CleanWheelName(name);
    wheel.numberCount = design.numberCount;
    wheel.fixedCount = design.fixedCount;
    wheel.promise = design.promise;
    wheel.boards = design.boards;
    Kept kept;
    kept.problem = m_database.run(true, [&](sqlite3* db) {
        std::vector<PlayerWheel> existing;
        int result = readWheels(db, existing);
        if (result != SQLITE_DONE)
            return result;
        for (const PlayerWheel& old : existing)
            if (WheelDesign{old.numberCount, old.fixedCount, old.promise, old.boards} == design) {
                wheel = old;
                return SQLITE_DONE;
            }
        std::set<std::string> names;
        std::set<int> indices;
        result = takenNamesAndIndices(db, names, indices);
        if (result != SQLITE_DONE)
            return result;
        wheel.name = uniqueName(wheel.name, names);
        wheel.index = 0;
        for (int index = kFirstPlayerWheelIndex; index <= kLastPlayerWheelIndex && !wheel.index;
             ++index)
            if (!indices.count(index))
                wheel.index = index;
        if (!wheel.index)
            return SQLITE_CONSTRAINT; // every index of the list is taken

        SqliteStatement insert(db, "INSERT INTO wheels (id, name, numbers, fixed, promise_k, "
                                   "promise_m, made_at) VALUES (?, ?, ?, ?, ?, ?, "
                                   "datetime('now'))");
        result = insert.bind(1, std::int64_t{wheel.index})
                     .bind(2, wheel.name)
                     .bind(3, std::int64_t{wheel.numberCount})
                     .bind(4, std::int64_t{wheel.fixedCount})
                     .bind(5, std::int64_t{wheel.promise.k})
                     .bind(6, std::int64_t{wheel.promise.m})
                     .run();
        if (result != SQLITE_DONE)
            return result;
        SqliteStatement board(db, "INSERT INTO wheel_boards (wheel_id, board, positions) VALUES "
                                  "(?, ?, ?)");
        for (std::size_t k = 0; k < wheel.boards.size(); ++k) {
            board.reset();
            result = board.bind(1, std::int64_t{wheel.index})
                         .bind(2, static_cast<std::int64_t>(k + 1))
                         .bind(3, positionsText(wheel.boards[k]))
                         .run();
            if (result != SQLITE_DONE)
                return result;
        }
        return SQLITE_DONE;
    });
    if (kept.problem != DatabaseProblem::None)
        return kept;
    if (!ShelvePlayerWheel(wheel))
        kept.problem = DatabaseProblem::Failed;
    else
        kept.index = wheel.index;
    return kept;
}

DatabaseProblem PlayerWheelStore::rename(int index, const std::string& name) {
    const PlayerWheel* shelved = ShelvedPlayerWheel(index);
    if (!shelved)
        return DatabaseProblem::Failed;
    PlayerWheel renamed = *shelved;
    const DatabaseProblem problem = m_database.run(true, [&](sqlite3* db) {
        std::set<std::string> names;
        std::set<int> indices;
        const int result = takenNamesAndIndices(db, names, indices);
        if (result != SQLITE_DONE)
            return result;
        names.erase(shelved->name);
        renamed.name = uniqueName(CleanWheelName(name), names);
        SqliteStatement update(db, "UPDATE wheels SET name = ? WHERE id = ?");
        return update.bind(1, renamed.name).bind(2, std::int64_t{index}).run();
    });
    if (problem == DatabaseProblem::None)
        ShelvePlayerWheel(std::move(renamed));
    return problem;
}

DatabaseProblem PlayerWheelStore::remove(int index) {
    const DatabaseProblem problem = m_database.run(true, [index](sqlite3* db) {
        SqliteStatement boards(db, "DELETE FROM wheel_boards WHERE wheel_id = ?");
        int result = boards.bind(1, std::int64_t{index}).run();
        if (result != SQLITE_DONE)
            return result;
        SqliteStatement wheel(db, "DELETE FROM wheels WHERE id = ?");
        return wheel.bind(1, std::int64_t{index}).run();
    });
    if (problem == DatabaseProblem::None)
        UnlistPlayerWheel(index);
    return problem;
}

} // namespace orvane
