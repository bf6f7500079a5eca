#include "gamefiles/game_file.h"

#include "common/atomic_file.h"
#include "common/little_endian.h"
#include "common/regular_file_read.h"

namespace orvane {

namespace {

constexpr std::array<std::uint8_t, 4> kMagic{3, 'G', 'R', 'I'};
constexpr std::size_t kPositionOffset = 4;
constexpr std::size_t kCellsOffset = 8;

std::size_t cellOffset(int c) {
    return kCellsOffset + 4 * static_cast<std::size_t>(c - 1);
}

} // namespace

void GameRecordBuffer::fill(int systemPosition, const SelectionGrid& grid) {
    for (std::size_t i = 0; i < kMagic.size(); ++i)
        m_bytes[i] = kMagic[i];
    PutInt32(&m_bytes[kPositionOffset], systemPosition);
    for (int c = 1; c <= kCellCount; ++c)
        PutInt32(&m_bytes[cellOffset(c)], grid.state(c));
}

bool GameRecordBuffer::hasMagic() const {
    for (std::size_t i = 0; i < kMagic.size(); ++i)
        if (m_bytes[i] != kMagic[i])
            return false;
    return true;
}

int GameRecordBuffer::systemPosition() const {
    return GetInt32(&m_bytes[kPositionOffset]);
}

CellState GameRecordBuffer::cell(int c) const {
    return GetInt32(&m_bytes[cellOffset(c)]);
}

void GameRecordBuffer::copyCellsInto(SelectionGrid& grid) const {
    for (int c = 1; c <= kCellCount; ++c)
        grid.setState(c, cell(c));
}

std::optional<GameRecord> ReadGameRecord(const std::string& path) {
    GameRecord record{};
    if (ReadRegularFileStart(path, record) != record.size())
        return std::nullopt;
    return record;
}

bool WriteGameRecord(const std::string& path, const GameRecord& record) {
    return WriteFileAtomically(path, record.data(), record.size()).ok();
}

} // namespace orvane
