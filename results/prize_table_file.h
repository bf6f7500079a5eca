#pragma once
// The player's prize table, kept for the next start in a small text file of its own next to the
// parameters file: one line "key=pence" for each prize rank and one for the price of a line.
//
//   5+T=50000000
//   5=500000
//   ...
//   1+T=500
//   line=100
//
// Reading goes field by field over the operator's prizes: each line that reads right sets its
// amount, a later line for the same key wins, and anything else leaves the operator's amount in
// place: a missing file, a line that is not "key=pence" with a known key and whole pence within
// reach of typing, and a last line without its line break (a file cut short mid-line would
// otherwise give a wrong amount, "line=1" for "line=100").

#include "results/prize_table.h"

#include <string>
#include <string_view>

namespace orvane {

inline constexpr const char* kPrizeTableFileName = "orvane-prizes.txt";

// The file's text for `prizes`.
std::string EncodePrizeTable(const PrizeTable& prizes);
// The table `text` gives, over the operator's prizes.
PrizeTable DecodePrizeTable(std::string_view text);

// Reads the prize table kept in `programFolder` (ending with "/"). Never fails: what cannot be
// read is the operator's.
PrizeTable LoadPrizeTable(const std::string& programFolder);

// Replaces the prize table file of `programFolder` as the parameters file is replaced, so a
// failed save leaves the old file whole. False on any failure: the folder or the file may not be
// written, a folder or a device stands at the file's name, the folder is not there.
bool SavePrizeTable(const PrizeTable& prizes, const std::string& programFolder);

// The same, kept as the parameters file is: in the program folder wherever it may be written,
// else in a copy in `playerFolder` (the player's configuration folder, ending with "/"; empty for
// none), which once there is the one read and written.
PrizeTable LoadPrizeTable(const std::string& programFolder, const std::string& playerFolder);
bool SavePrizeTable(const PrizeTable& prizes, const std::string& programFolder,
                    const std::string& playerFolder);

} // namespace orvane
