#pragma once
// The program's state for one run; the program wiring hands each window the parts it uses.

#include "gamefiles/game_file.h"
#include "settings/app_settings.h"
#include "wheels/board_run.h"
#include "wheels/selection_grid.h"
#include "wheels/system_boards.h"
#include "wheels/system_list.h"

#include <string>

namespace orvane {

struct Session {
    // Folder of the parameters, help and companion files, ending with "/".
    std::string programFolder;
    // The player's own folder for what the program keeps of theirs (the draw history), ending
    // with "/"; made when first written to.
    std::string dataFolder;
    // The player's configuration folder, ending with "/", where the parameters file goes when the
    // program folder cannot be written; empty for none.
    std::string playerFolder;
    AppSettings settings;
    SelectionGrid grid;
    SystemList systemList;
    BoardRun run;
    // The run, the grid and the list together, as the windows and rules take them.
    SystemBoards boards() { return {run, grid, systemList}; }
    // Shared by saving and loading a game for the whole run.
    GameRecordBuffer gameRecord;
};

} // namespace orvane
