#pragma once
// The prizes the operator pays for each rank and the price of one line, as the operator publishes
// them (docs/prizes.md says where and when they were checked): the prize table a player starts
// with.

#include "prizes/prize_table.h"

namespace orvane {

PrizeTable OperatorPrizeTable();

} // namespace orvane
