#pragma once
// The prize table file of earlier versions, kept next to the parameters file (the player's database
// keeps the table now, and takes this file in once): one line "key=pence" for each prize rank and
// one for the price of a line.
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

#include "prizes/prize_table.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

inline constexpr const char* kPrizeTableFileName = "orvane-prizes.txt";
// A table is a few hundred bytes; anything past this is not read.
inline constexpr std::size_t kMostPrizeTableBytes = 4096;

// The key of an amount: "5+T", "5", ... "1+T", "0+T" for the ranks in the order of PrizeRank
// (fields 0 to 8), "line" for the price of a line (field 9). The file of earlier versions holds
// no "0+T" line: the Thunderball alone was not counted then.
const char* PrizeTableKey(std::size_t field);

// The file's text for `prizes`.
std::string EncodePrizeTable(const PrizeTable& prizes);
// The table `text` gives, over the operator's prizes.
PrizeTable DecodePrizeTable(std::string_view text);

// The table kept in the file at `path`: the operator's when there is no file; nothing when a file
// is there but cannot be read (refused by the system, or a folder or a device at its name).
std::optional<PrizeTable> ReadPrizeTableFile(const std::string& path);

} // namespace orvane
