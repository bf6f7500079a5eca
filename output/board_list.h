#pragma once
// The boards of the chosen system as lines of text: in the list window, and printed as a list.

#include "output/print_canvas.h"

#include <string>
#include <vector>

namespace orvane {

class BoardRun;
struct Session;
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

// Starts a run over the chosen system and returns the list window's line of every board.
std::vector<std::string> FillBoardList(Session& session);

// Prints every board of the chosen system as a titled list, as many pages as it takes. A printer
// that cannot start or refuses the job is reported through `prompts`.
void PrintBoardList(Session& session, PrintCanvas& canvas, Prompts& prompts);

} // namespace orvane
