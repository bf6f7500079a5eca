#pragma once
// The draw history kept in the player's database, read afresh whenever a window shows it, so two
// copies of the program each see the draws the other imported; and the plain text it is exported
// in, which is also the layout of the text file earlier versions kept it in:
//
//   # Orvane's draw history: ...
//   12/03/2024 3 9 17 22 30 5
//
// That earlier file, `orvane-draws.txt` in the data folder, is taken into the database once, the
// first time the database is used, and left where it is. A file that cannot be read then is not
// taken for an empty one: it is tried again at the next use.

#include "playerdata/database_problem.h"
#include "results/draw_history.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

class PlayerDatabase;

inline constexpr const char* kDrawHistoryFileName = "orvane-draws.txt";

std::string EncodeDrawHistory(const DrawHistory& history);

// The draws of a history text; a damaged text gives every whole line that reads as a draw, and a
// last line without its line break is left out, as a file cut short mid-line would otherwise give a
// wrong number.
struct DecodedDrawHistory {
    DrawHistory history;
    int linesNotRead = 0; // lines that are neither a draw, blank nor a comment
};
DecodedDrawHistory DecodeDrawHistory(std::string_view text);

// The history text file at `path`: nothing when there is no such file; a problem when it is there
// but cannot be read whole (nothing is taken from a read that failed part way).
struct EarlierDrawFile {
    bool found = false;
    bool readWhole = false;
    DecodedDrawHistory decoded;
};
EarlierDrawFile ReadEarlierDrawFile(const std::string& path);

class DrawHistoryStore {
  public:
    // Keeps the draws in `database`; the earlier text file is looked for in `dataFolder`.
    DrawHistoryStore(PlayerDatabase& database, std::string dataFolder);

    // What the database holds now, newest first; an empty history when it cannot be read, and
    // problem() says why.
    const DrawHistory& history();
    DatabaseProblem problem() const { return m_problem; }

    struct Added {
        DrawHistory::Added counts;
        bool saved = false;
        DatabaseProblem problem = DatabaseProblem::None;
    };
    // Adds in one transaction the draws not kept yet: nothing at all when it fails. A draw with a
    // date and one without are the same draw when their numbers are: the one without a date is
    // given the date, and counted as kept already.
    Added add(const std::vector<StoredDraw>& draws);

    // What the player is told once: the earlier file taken in, a damaged database set aside, or an
    // earlier file that could not be read. Empty when there is nothing to tell.
    std::vector<std::string> takeNotices();

  private:
    void takeInEarlierFile();

    PlayerDatabase& m_database;
    std::string m_dataFolder;
    DrawHistory m_history;
    DatabaseProblem m_problem = DatabaseProblem::None;
    bool m_earlierFileTaken = false;
    std::vector<std::string> m_notices;
};

// Writes the whole history to `path` as plain text lines, replacing the file as every save does.
bool ExportDrawHistory(const DrawHistory& history, const std::string& path);

} // namespace orvane
