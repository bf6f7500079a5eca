#pragma once
// The boards of the chosen system as lines of text: in the list window, and printed as a list.

#include "output/print_canvas.h"
#include "wheels/system_boards.h"

#include <string>
#include <vector>

namespace orvane {

class BoardRun;
class Prompts;

// The card shown for main number m on the 36-cell card grid: a two-character suit and a
// two-character rank ("C  6", "T 10"); empty for 37..39.
std::string CardLabel(int m);

// The list window's line for board k, the board last built: "T: 007: MB :-03-07-12-20-33 T :-5".
// With grid style 2 the main numbers are shown as card labels.
std::string BoardListLine(int k, const BoardRun& run, int gridStyle);

// The printed line for board k, the board last built:
// "Ticket :7 MAIN BOARD : 3 ,7 ,12 ,20 ,33 TH.: 5".
std::string PrintedBoardLine(int k, const BoardRun& run);

// Starts `boards.run` over the system chosen in `boards.list`, builds every board from
// `boards.grid` and returns the list window's line of each.
std::vector<std::string> FillBoardList(SystemBoards boards, int gridStyle);

// Prints every board of the system chosen in `boards.list`, built by `boards.run` from
// `boards.grid`, as a titled list, as many pages as it takes. A printer that cannot start or
// refuses the job is reported through `prompts`.
void PrintBoardList(SystemBoards boards, PrintCanvas& canvas, Prompts& prompts);

} // namespace orvane
