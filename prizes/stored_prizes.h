#pragma once
// The prize table kept in the player's database: a row for each amount the player set, over the
// operator's amounts, which fill in every rank without a row. Saving writes only the amounts the
// player changed in the window, so two copies of the program that each change one amount keep
// both. The prize table file of earlier versions (prize_table_file.h) is taken in once, the first
// time the database is used, and left where it is.

#include "playerdata/database_problem.h"
#include "prizes/prize_table.h"

#include <string>
#include <vector>

namespace orvane {

class PlayerDatabase;

class PrizeStore {
  public:
    // The earlier file is looked for as it was kept: in `programFolder`, or the player's copy in
    // `playerFolder`.
    PrizeStore(PlayerDatabase& database, std::string programFolder, std::string playerFolder);

    // The amounts kept now; the operator's when the database cannot be read, and problem() says
    // why.
    PrizeTable table();
    DatabaseProblem problem() const { return m_problem; }

    // Keeps every amount of `shown` that differs from `base`, the table the player started from,
    // in one transaction; the others stay as kept, whoever set them.
    DatabaseProblem saveChanges(const PrizeTable& base, const PrizeTable& shown);

    // A damaged database set aside, an earlier file that could not be read: said once.
    std::vector<std::string> takeNotices();

  private:
    void takeInEarlierFile();

    PlayerDatabase& m_database;
    std::string m_programFolder;
    std::string m_playerFolder;
    DatabaseProblem m_problem = DatabaseProblem::None;
    bool m_earlierFileTaken = false;
    std::vector<std::string> m_notices;
};

} // namespace orvane
