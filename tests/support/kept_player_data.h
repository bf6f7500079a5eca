#pragma once
// The player's data as another copy of the program would leave it in the database of a data
// folder: draws and prizes kept before a test starts, and read back after.

#include "playerdata/player_database.h"
#include "prizes/operator_prizes.h"
#include "prizes/stored_prizes.h"
#include "results/draw_history_store.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvane::test {

inline void KeepDraws(const std::string& dataFolder, const std::vector<StoredDraw>& draws) {
    PlayerDatabase database(dataFolder);
    DrawHistoryStore store(database, dataFolder);
    ASSERT_TRUE(store.add(draws).saved);
}

inline std::vector<StoredDraw> KeptDraws(const std::string& dataFolder) {
    PlayerDatabase database(dataFolder);
    DrawHistoryStore store(database, dataFolder);
    return store.history().draws();
}

inline void KeepPrizes(const std::string& dataFolder, const PrizeTable& prizes) {
    PlayerDatabase database(dataFolder);
    PrizeStore store(database, {}, {});
    ASSERT_EQ(store.saveChanges(OperatorPrizeTable(), prizes), DatabaseProblem::None);
}

inline PrizeTable KeptPrizes(const std::string& dataFolder) {
    PlayerDatabase database(dataFolder);
    PrizeStore store(database, {}, {});
    return store.table();
}

} // namespace orvane::test
