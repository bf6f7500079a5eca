#pragma once
// The player's wheels kept in the player's database, and put on the shelf (player_wheels.h) as
// they are read or made, so that the system list and every window take them as systems.

#include "playerdata/database_problem.h"
#include "wheels/player_wheels.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane {

class PlayerDatabase;

// A wheel as it is made or read from a file, before it has a name and an index.
struct WheelDesign {
    int numberCount = 0;
    int fixedCount = 0;
    Guarantee promise{};
    std::vector<BoardPositions> boards;

    bool operator==(const WheelDesign& other) const {
        return numberCount == other.numberCount && fixedCount == other.fixedCount &&
               promise.k == other.promise.k && promise.m == other.promise.m &&
               boards == other.boards;
    }
};

class PlayerWheelStore {
  public:
    explicit PlayerWheelStore(PlayerDatabase& database) : m_database(database) {}

    // Reads every wheel kept and puts it on the shelf.
    DatabaseProblem shelveKeptWheels();

    struct Kept {
        int index = 0; // 0 when nothing was kept
        DatabaseProblem problem = DatabaseProblem::None;
    };
    // Keeps `design` under `name` (made unique with " (2)", " (3)" ... when another wheel has it)
    // and shelves it. A design already kept, boards and all, is not kept twice: its index is
    // given back.
    Kept keep(const std::string& name, const WheelDesign& design);
    // Renames a kept wheel (made unique as a new one's name is); the problem when the database
    // refuses.
    DatabaseProblem rename(int index, const std::string& name);
    // Deletes a kept wheel and takes it out of the list.
    DatabaseProblem remove(int index);

  private:
    PlayerDatabase& m_database;
};

// A name as the list shows it: on one line, trimmed, at most 40 characters; "My wheel" for none.
std::string CleanWheelName(const std::string& name);

} // namespace orvane
