#pragma once
// The boards of the chosen system as lines of text: in the list window, and printed as a list.

#include "output/print_canvas.h"

#include <string>
#include <vector>

namespace orvane {

class BoardRun;
class Prompts;
class SelectionGrid;
class SystemList;

// The card shown for main number m on the 36-cell card grid: a two-character suit and a
// two-character rank ("C  6", "T 10"); empty for 37..39.
std::string CardLabel(int m);

// The list window's line for board k, the board last built: "T: 007: MB :-03-07-12-20-33 T :-5".
// With grid style 2 the main numbers are shown as card labels.
std::string BoardListLine(int k, const BoardRun& run, int gridStyle);

// The printed line for board k, the board last built:
// "Ticket :7 MAIN BOARD : 3 ,7 ,12 ,20 ,33 TH.: 5".
std::string PrintedBoardLine(int k, const BoardRun& run);

// Starts `run` over the system chosen in `list`, builds every board from `grid` and returns the
// list window's line of each.
std::vector<std::string> FillBoardList(BoardRun& run, const SelectionGrid& grid,
                                       const SystemList& list, int gridStyle);

// Prints every board of the system chosen in `list`, built by `run` from `grid`, as a titled list,
// as many pages as it takes. A printer that cannot start or refuses the job is reported through
// `prompts`.
void PrintBoardList(BoardRun& run, const SelectionGrid& grid, const SystemList& list,
                    PrintCanvas& canvas, Prompts& prompts);

} // namespace orvane
