// A game file holding any bytes at all, loaded as Files > Load does, then the loaded selection
// taken where the player takes it next: the checks, the list of boards, the comparison with a
// draw and both kinds of printing.

#include "app/session.h"
#include "fuzz_support.h"
#include "gamefiles/game_file.h"
#include "gamefiles/game_file_flows.h"
#include "output/board_list.h"
#include "output/ticket_printing.h"
#include "results/draw_comparison.h"
#include "support/recording_canvas.h"
#include "tests/doubles/scripted_chooser.h"
#include "tests/doubles/scripted_prompts.h"
#include "wheels/wheel_catalogue.h"

#include <algorithm>

using namespace orvane;
using namespace orvane::fuzz;

namespace {

constexpr const char* kGameName = "game";

// A record as saving writes it: system `index` chosen and the cells marked.
Bytes SavedRecord(int index, std::initializer_list<int> fixed, std::initializer_list<int> selected,
                  std::initializer_list<int> thunderballs) {
    const SystemList list;
    SelectionGrid grid;
    for (const int c : fixed)
        grid.setState(c, kFixed);
    for (const int c : selected)
        grid.setState(c, kSelected);
    for (const int t : thunderballs)
        grid.setState(ThunderballCell(t), kSelected);
    GameRecordBuffer buffer;
    buffer.fill(list.positionOfSystem(index), grid);
    return Bytes(buffer.bytes().begin(), buffer.bytes().end());
}

// What the player may do with a selection that passes the checks.
void UseTheBoards(Session& session) {
    test::ScriptedPrompts prompts;
    session.run.RebuildPlayOrder(session.grid);
    for (const int style : {1, 2}) {
        session.settings.gridStyle = style;
        const std::vector<std::string> lines =
            FillBoardList(session.boards(), session.settings.gridStyle);
        Require(static_cast<int>(lines.size()) == session.run.boardCount(),
                "the list holds a line per board");
    }
    const ComparisonResult result =
        CompareBoardsWithDraw(session.boards(), Draw{{3, 9, 17, 25, 39}, 2});
    Require(static_cast<int>(result.lines.size()) == session.run.boardCount(),
            "the comparison holds a line per board");
    test::RecordingCanvas canvas;
    PrintTickets(session.boards(), session.settings, canvas, prompts, 1, PrintMode::AllAtOnce, 1,
                 session.run.boardCount(), true);
    PrintBoardList(session.boards(), canvas, prompts);
    Require(prompts.shown.empty(), "printing on a working printer says nothing");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Bytes cut = SavedRecord(8, {39}, {1, 2, 3, 4, 5, 6}, {2});
    cut.pop_back();
    Bytes longer = SavedRecord(1, {}, {1, 2, 3, 4, 5, 6, 7, 8}, {1, 14});
    longer.insert(longer.end(), 12, 0x55);
    Bytes notAGame = SavedRecord(8, {39}, {1, 2, 3, 4, 5, 6}, {2});
    notAGame[1] = 'g';
    Bytes oddStates = SavedRecord(20, {}, {5, 6, 7, 8, 9, 10, 11}, {3});
    for (std::size_t i = 8 + 4 * 39; i < 8 + 4 * 70; i += 4)
        oddStates[i] = static_cast<std::uint8_t>(i);
    WriteSeedsIfAsked({
        SavedRecord(8, {39}, {1, 2, 3, 4, 5, 6}, {2}),
        SavedRecord(30, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {1, 2, 3}),
        SavedRecord(71, {}, {}, {}),
        cut,
        longer,
        notAGame,
        oddStates,
        {},
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = ScratchFolder() + kGameName;
    WriteFile(path, data, size);

    const std::optional<GameRecord> record = ReadGameRecord(path);
    Require(record.has_value() == (size >= kGameRecordSize), "a whole record is read, or none");
    if (record)
        Require(std::equal(record->begin(), record->end(), data), "the record is the file's start");

    // A selection on the screen before loading, which a refused file must leave as it was.
    Session session;
    session.settings.language = kLanguageEnglish;
    session.settings.gridStyle = 1;
    session.systemList.choose(session.systemList.positionOfSystem(8));
    session.grid.setState(39, kFixed);
    for (const int c : {1, 2, 3, 4, 5, 6, ThunderballCell(2)})
        session.grid.setState(c, kSelected);
    const SelectionGrid gridBefore = session.grid;
    const int chosenBefore = session.systemList.chosenPosition();

    // The chooser as the player leaves it after picking the file and pressing Ok.
    test::ScriptedChooser chooser;
    chooser.answerFolder = ScratchFolder();
    chooser.answerName = kGameName;
    test::ScriptedPrompts prompts;
    const bool loaded =
        LoadGame(session.gameRecord, session.grid, session.systemList, chooser, prompts)
            .has_value();
    if (!loaded) {
        Require(prompts.shown.size() == 1, "a refused file is reported once");
        Require(session.grid == gridBefore && session.systemList.chosenPosition() == chosenBefore,
                "a refused file changes nothing");
        return 0;
    }
    Require(prompts.shown.empty(), "a loaded file says nothing");
    Require(record.has_value(), "only a whole record loads");
    for (int c = 1; c <= kCellCount; ++c)
        Require(session.grid.state(c) == Int32At(data + 8 + 4 * (c - 1)),
                "every cell takes its stored value");
    const int position = Int32At(data + 4);
    const bool inList = position >= 0 && position < session.systemList.size();
    Require(session.systemList.chosenPosition() == (inList ? position : chosenBefore),
            "the stored position chooses its entry, if the list has it");

    for (const CellKind kind : {CellKind::Main, CellKind::Thunderball, CellKind::Fixed})
        Require(session.grid.CountCells(kind) >= 0, "counts are never negative");
    if (SelectionCheck(session.grid, session.systemList, ThunderballRule::AtLeastOne))
        UseTheBoards(session);
    return 0;
}
