// A file of any bytes imported as past draws into the player's database: every draw the file gives
// is kept once, a second import of the same file adds nothing, and the history read back from the
// database holds exactly the draws kept, newest first, and exports and reads back as it is.

#include "fuzz_support.h"
#include "playerdata/player_database.h"
#include "results/draw_history_import.h"
#include "results/draw_history_store.h"

#include <sqlite3.h>

#include <algorithm>
#include <string>

using namespace orvane;
using namespace orvane::fuzz;

namespace {

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// One database for the whole run, emptied before each input: opening a file per input would
// fuzz SQLite's start-up rather than the import.
PlayerDatabase& Database() {
    static PlayerDatabase database(ScratchFolder());
    return database;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    WriteSeedsIfAsked({
        {},
        Text("DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Thunderball,Ball Set,Machine,DrawNumber\n"
             "28-Aug-2024,16,4,6,13,28,3,T6,Excalibur 1,3547\r\n"
             "28-Aug-2024,16,4,6,13,28,3,T6,Excalibur 1,3547\r\n"),
        Text("14/03/2025 3 9 17 22 30 5\n3 9 17 22 30 5\n3 9 17 22 30 5\n12/03/2025 3 9 17 22 30 "
             "5\n"),
        Text("1 2 3 4 5 6\n01/01/2020 1 2 3 4 5 6\n02/01/2020 1 2 3 4 5 6\n"),
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string folder = ScratchFolder();
    WriteFile(folder + "import.txt", data, size);
    const DrawFileReading reading = ReadDrawFile(folder + "import.txt");

    PlayerDatabase& database = Database();
    Require(database.run(true,
                         [](sqlite3* db) {
                             return sqlite3_exec(db, "DELETE FROM draws", nullptr, nullptr,
                                                 nullptr);
                         }) == DatabaseProblem::None,
            "the database empties");
    DrawHistoryStore store(database, folder);
    const DrawHistoryStore::Added first = store.add(reading.draws);
    Require(first.saved, "an import into a working database is kept");
    Require(first.counts.added + first.counts.alreadyThere ==
                static_cast<int>(reading.draws.size()),
            "every draw given is added or kept already");
    const DrawHistory& kept = store.history();
    Require(static_cast<int>(kept.draws().size()) == first.counts.added,
            "the history holds the draws added");
    Require(std::is_sorted(kept.draws().begin(), kept.draws().end(),
                           [](const StoredDraw& a, const StoredDraw& b) { return IsNewer(a, b); }),
            "the history is newest first");
    for (const StoredDraw& draw : reading.draws)
        Require(std::any_of(kept.draws().begin(), kept.draws().end(),
                            [&draw](const StoredDraw& k) {
                                return k.draw.main == draw.draw.main &&
                                       k.draw.thunderball == draw.draw.thunderball &&
                                       (!draw.date || k.date == draw.date);
                            }),
                "every draw given is in the history");

    const DrawHistoryStore::Added again = store.add(reading.draws);
    Require(again.saved && again.counts.added == 0, "importing the same draws again adds none");
    const std::vector<StoredDraw> before = kept.draws();
    Require(store.history().draws() == before, "a second import changes nothing");

    Require(ExportDrawHistory(store.history(), folder + "exported.txt"), "the history exports");
    Require(ReadEarlierDrawFile(folder + "exported.txt").decoded.history.draws() == before,
            "an exported history reads back as it was");
    return 0;
}
