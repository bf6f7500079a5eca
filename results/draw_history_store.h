#pragma once
// The draw history kept for the next start in a text file of its own in the player's data folder,
// one draw a line in the plain layout of plain_draw_line.h, newest first:
//
//   # Orvane's draw history: ...
//   12/03/2024 3 9 17 22 30 5
//
// The file is replaced as the parameters file is, so a failed save leaves the old file whole. A
// damaged file gives what it can: every whole line that reads as a draw; a last line without its
// line break is left out, as a file cut short mid-line would otherwise give a wrong number.

#include "results/draw_history.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

inline constexpr const char* kDrawHistoryFileName = "orvane-draws.txt";

std::string EncodeDrawHistory(const DrawHistory& history);
DrawHistory DecodeDrawHistory(std::string_view text);

// The history kept in `dataFolder` (ending with "/"); an empty one when there is none or it cannot
// be read.
DrawHistory LoadDrawHistory(const std::string& dataFolder);

// Writes the history into `dataFolder`, creating the folder first if it is missing. False on any
// failure: the folder cannot be made (a path below a regular file), a folder or a device stands at
// the file's name, the folder may not be written.
bool SaveDrawHistory(const DrawHistory& history, const std::string& dataFolder);

// The history of one run: read from its folder the first time it is asked for, saved at every
// import.
class DrawHistoryStore {
  public:
    explicit DrawHistoryStore(std::string dataFolder) : m_dataFolder(std::move(dataFolder)) {}

    const std::string& dataFolder() const { return m_dataFolder; }
    const DrawHistory& history();

    struct Added {
        DrawHistory::Added counts;
        bool saved = false; // the draws added stay for this run even when the file was not written
    };
    // Adds the draws not kept yet and writes the file when it lacks any draw of the history
    // (these, or draws a failed save left out).
    Added add(const std::vector<StoredDraw>& draws);

  private:
    std::string m_dataFolder;
    std::optional<DrawHistory> m_history;
    bool m_unsaved = false; // draws added that the file does not hold yet
};

} // namespace orvane
