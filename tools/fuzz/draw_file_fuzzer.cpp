// A file of any bytes imported as past draws, and the same bytes read as the history file: every
// draw given is a draw of the game, every refusal names a line of the file, and the history reads
// back as it was written.

#include "fuzz_support.h"
#include "results/draw_history_import.h"
#include "results/draw_history_store.h"

#include <algorithm>
#include <string>

using namespace orvane;
using namespace orvane::fuzz;

namespace {

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

bool IsGameDraw(const StoredDraw& stored) {
    const auto& main = stored.draw.main;
    for (std::size_t i = 0; i < main.size(); ++i)
        if (main[i] < 1 || main[i] > kMainNumbers || (i > 0 && main[i - 1] >= main[i]))
            return false;
    return stored.draw.thunderball >= 1 && stored.draw.thunderball <= kThunderballNumbers &&
           (!stored.date || IsCalendarDate(*stored.date));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    WriteSeedsIfAsked({
        {},
        Text("DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Thunderball,Ball Set,Machine,DrawNumber\n"
             "28-Aug-2024,16,4,6,13,28,3,T6,Excalibur 1,3547\r\n"
             "07-Mar-2025,36,6,13,27,31\n"
             "\"29-Feb-2024\",\"07\",8,9,10,11,\"02\",T3,\"Excalibur, spare\",3500\n"),
        Text("# mine\n14/03/2025 3 9 17 22 30 5\n3 9 17 22 30 5\n31/04/2025 1 2 3 4 5 6\n"),
        Text("\xEF\xBB\xBF"
             "DrawNumber,Thunderball,Ball 5,Ball 4,Ball 3,Ball 2,Ball 1,DrawDate\n"
             "1,2,3,4,5,6,7,1-jan-2000"),
        Bytes{0x03, 'G', 'R', 'I', 0, 0, 0, 1, '1', ' ', '2', '\n'},
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string folder = ScratchFolder();
    WriteFile(folder + "import.txt", data, size);
    const DrawFileReading reading = ReadDrawFile(folder + "import.txt");
    const auto lines = static_cast<int>(std::count(data, data + size, '\n')) + 1;
    Require(std::all_of(reading.draws.begin(), reading.draws.end(), IsGameDraw),
            "an imported draw is a draw of the game");
    for (const RefusedDrawLine& refused : reading.refused)
        Require(refused.line >= 1 && refused.line <= lines && !refused.reason.empty(),
                "a refusal names a line of the file and why");
    Require(reading.problem == DrawFileProblem::None ||
                (reading.draws.empty() && reading.refused.empty()),
            "a file that is no draw file gives nothing");

    // The same bytes as the history file of earlier versions, then exported and read again.
    WriteFile(folder + kDrawHistoryFileName, data, size);
    const EarlierDrawFile earlier = ReadEarlierDrawFile(folder + kDrawHistoryFileName);
    Require(earlier.readWhole, "a written file is read whole");
    const DrawHistory& kept = earlier.decoded.history;
    Require(std::all_of(kept.draws().begin(), kept.draws().end(), IsGameDraw),
            "a kept draw is a draw of the game");
    Require(ExportDrawHistory(kept, folder + "exported.txt"), "the history is exported");
    Require(ReadEarlierDrawFile(folder + "exported.txt").decoded.history.draws() == kept.draws(),
            "an exported history reads back as it was");
    return 0;
}
