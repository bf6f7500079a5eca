#pragma once
// The boards of the chosen system as the windows and rules that go through them are handed them:
// the run that builds them one by one, the marked numbers they are built from and the system list
// whose chosen system they follow. The three always travel together.

namespace orvane {

class BoardRun;
class SelectionGrid;
class SystemList;

struct SystemBoards {
    BoardRun& run;
    const SelectionGrid& grid;
    const SystemList& list;
};

} // namespace orvane
