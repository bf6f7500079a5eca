#include "gamefiles/game_file_wheel.h"

#include "common/atomic_file.h"
#include "common/regular_file_read.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace orvane {

namespace {

constexpr std::array<std::uint8_t, 4> kMagic = {'O', 'V', 'W', '1'};
constexpr std::size_t kHeaderSize = kMagic.size() + 4 + 2;
constexpr std::size_t kMostTailSize = kHeaderSize + 5 * kMostCarriedBoards + 1 + 255 + 4;

std::uint32_t crc32(std::span<const std::uint8_t> bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint8_t b : bytes) {
        crc ^= b;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void put32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace

std::vector<std::uint8_t> EncodeCarriedWheel(const PlayerWheel& wheel) {
    std::vector<std::uint8_t> bytes(kMagic.begin(), kMagic.end());
    bytes.push_back(static_cast<std::uint8_t>(wheel.numberCount));
    bytes.push_back(static_cast<std::uint8_t>(wheel.fixedCount));
    bytes.push_back(static_cast<std::uint8_t>(wheel.promise.k));
    bytes.push_back(static_cast<std::uint8_t>(wheel.promise.m));
    const auto boards = static_cast<std::uint16_t>(wheel.boards.size());
    bytes.push_back(static_cast<std::uint8_t>(boards & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(boards >> 8));
    for (const BoardPositions& board : wheel.boards)
        bytes.insert(bytes.end(), board.begin(), board.end());
    const std::string name = wheel.name.substr(0, 255);
    bytes.push_back(static_cast<std::uint8_t>(name.size()));
    bytes.insert(bytes.end(), name.begin(), name.end());
    put32(bytes, crc32(bytes));
    return bytes;
}

CarriedWheel DecodeCarriedWheel(std::span<const std::uint8_t> tail) {
    CarriedWheel carried;
    if (tail.size() < kMagic.size() || !std::equal(kMagic.begin(), kMagic.end(), tail.begin()))
        return carried;
    carried.kind = CarriedWheel::Kind::Damaged;
    if (tail.size() < kHeaderSize + 1 + 4)
        return carried;
    const std::size_t boards = tail[8] | (std::size_t{tail[9]} << 8);
    const std::size_t nameAt = kHeaderSize + 5 * boards;
    if (boards == 0 || boards > kMostCarriedBoards || tail.size() < nameAt + 1 + 4)
        return carried;
    const std::size_t nameSize = tail[nameAt];
    const std::size_t end = nameAt + 1 + nameSize;
    if (tail.size() != end + 4)
        return carried;
    std::uint32_t sum = 0;
    for (int i = 0; i < 4; ++i)
        sum |= std::uint32_t{tail[end + static_cast<std::size_t>(i)]} << (8 * i);
    if (sum != crc32(tail.first(end)))
        return carried;

    WheelDesign& design = carried.design;
    design.numberCount = tail[4];
    design.fixedCount = tail[5];
    design.promise = {tail[6], tail[7]};
    for (std::size_t k = 0; k < boards; ++k) {
        BoardPositions board{};
        std::memcpy(board.data(), tail.data() + kHeaderSize + 5 * k, board.size());
        design.boards.push_back(board);
    }
    carried.name.assign(reinterpret_cast<const char*>(tail.data()) + nameAt + 1, nameSize);
    // Shelving proves it is a wheel: positions in range and in order, the fixed ones on every
    // board, a promise that makes sense.
    const PlayerWheel probe{kFirstPlayerWheelIndex, carried.name,   design.numberCount,
                            design.fixedCount,      design.promise, design.boards};
    if (!IsWheelShape(probe))
        return carried;
    carried.kind = CarriedWheel::Kind::Wheel;
    return carried;
}

std::optional<GameFileBytes> ReadGameFile(const std::string& path) {
    std::vector<std::uint8_t> bytes(kGameRecordSize + kMostTailSize + 1);
    const std::optional<std::size_t> got = ReadRegularFileStart(path, bytes);
    if (!got || *got < kGameRecordSize)
        return std::nullopt;
    GameFileBytes file;
    std::copy_n(bytes.begin(), kGameRecordSize, file.record.begin());
    file.afterRecord.assign(bytes.begin() + static_cast<std::ptrdiff_t>(kGameRecordSize),
                            bytes.begin() + static_cast<std::ptrdiff_t>(*got));
    return file;
}

bool WriteGameFile(const std::string& path, const GameRecord& record,
                   std::span<const std::uint8_t> afterRecord) {
    std::vector<std::uint8_t> bytes(record.begin(), record.end());
    bytes.insert(bytes.end(), afterRecord.begin(), afterRecord.end());
    return WriteFileAtomically(path, bytes.data(), bytes.size()).ok();
}

} // namespace orvane
