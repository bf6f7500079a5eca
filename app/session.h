#pragma once
// The program's state for one run, shared by every window.

#include "gamefiles/game_file.h"
#include "settings/app_settings.h"
#include "wheels/board_run.h"
#include "wheels/selection_grid.h"
#include "wheels/system_list.h"

#include <string>

namespace orvane {

struct Session {
    // Folder of the parameters, help and companion files, ending with "/".
    std::string programFolder;
    AppSettings settings;
    SelectionGrid grid;
    SystemList systemList;
    BoardRun run;
    // Shared by saving and loading a game for the whole run.
    GameRecordBuffer gameRecord;

    // Starts a run over the boards of the system chosen now.
    void startRunOfChosenSystem() { run.StartRun(CurrentSystemIndex(systemList)); }
    void buildBoard(int k) { run.BuildBoard(k, grid); }
};

} // namespace orvane
