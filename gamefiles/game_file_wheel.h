#pragma once
// The player's wheel a game file carries when the game was saved with one: the 292-byte record as
// always, then the wheel, so that the game opens with its wheel on a machine that has never seen
// it. A reader that knows only the record reads the first 292 bytes and ignores the rest.
//
// After the record: "OVW1", the count of numbers, of fixed numbers, the promise's k and m (a byte
// each), the count of boards (two bytes, little-endian), five positions a board (a byte each), the
// name's length (a byte) and its UTF-8 bytes, and a CRC-32 of everything from "OVW1" on (four
// bytes, little-endian). Bytes after the record that do not start with "OVW1" are ignored, as the
// record alone was always read.

#include "gamefiles/game_file.h"
#include "wheels/player_wheel_store.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvane {

// More boards than any wheel a player would play.
constexpr int kMostCarriedBoards = 20000;

std::vector<std::uint8_t> EncodeCarriedWheel(const PlayerWheel& wheel);

struct CarriedWheel {
    enum class Kind { None, Wheel, Damaged };
    Kind kind = Kind::None;
    std::string name;
    WheelDesign design;
};
// What follows the record: nothing, a wheel, or a wheel's bytes that are damaged (cut short, a
// wrong check sum, positions that make no wheel).
CarriedWheel DecodeCarriedWheel(std::span<const std::uint8_t> afterRecord);

// The whole game file at `path`: the record, and what follows it up to what a carried wheel can
// hold; nothing when it cannot be read or is shorter than a record (as ReadGameRecord).
struct GameFileBytes {
    GameRecord record{};
    std::vector<std::uint8_t> afterRecord;
};
std::optional<GameFileBytes> ReadGameFile(const std::string& path);

// Replaces the file at `path` by the record followed by `afterRecord`, as one atomic save.
bool WriteGameFile(const std::string& path, const GameRecord& record,
                   std::span<const std::uint8_t> afterRecord);

} // namespace orvane
