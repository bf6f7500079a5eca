#pragma once
// The game file: one 292-byte record holding the chosen list position and the 70 grid cells, and
// the record buffer that saving and loading share for the whole run.

#include "wheels/selection_grid.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

constexpr std::size_t kGameRecordSize = 292;
using GameRecord = std::array<std::uint8_t, kGameRecordSize>;

// The one record buffer of the run. It starts zeroed; a save fills everything but the last four
// bytes, so the reserved bytes of the last loaded file travel into later saves.
class GameRecordBuffer {
  public:
    const GameRecord& bytes() const { return m_bytes; }

    // Fills the magic, the list position and the cells; the reserved bytes stay as they are.
    void fill(int systemPosition, const SelectionGrid& grid);
    // Takes a whole record read from a file.
    void replace(const GameRecord& record) { m_bytes = record; }

    // The first four bytes are 03 "GRI"; nothing else is checked.
    bool hasMagic() const;
    int systemPosition() const;
    CellState cell(int c) const;
    // Copies the 70 stored values into the grid as they stand.
    void copyCellsInto(SelectionGrid& grid) const;

  private:
    GameRecord m_bytes{};
};

// The first 292 bytes of the file at `path`, opened for reading only; nothing when it cannot be
// opened, is shorter than a record or is not a regular file (a FIFO, a device).
std::optional<GameRecord> ReadGameRecord(const std::string& path);

// Replaces the file at `path` by the record (see WriteFileAtomically); the old file stays intact
// when this fails.
bool WriteGameRecord(const std::string& path, const GameRecord& record);

} // namespace orvane
