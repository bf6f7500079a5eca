#pragma once
// The player's own wheels, systems like the catalogue's: each has a system index of its own after
// the catalogue's (kFirstPlayerWheelIndex up to kLastPlayerWheelIndex), so that the list, the
// checks, the board run and every window that takes a system index take a player's wheel as they
// take a catalogue system.
//
// The wheels known to this run are kept on a shelf for the whole process, as the catalogue's own
// tables are: a wheel put on it stays readable until the program ends, even once the player has
// deleted it (a window may still be showing its boards), and is then only no longer listed.

#include "wheels/wheel_catalogue.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane {

// Three digits end a list entry: player wheels are numbered from 101 to 999.
constexpr int kFirstPlayerWheelIndex = 101;
constexpr int kLastPlayerWheelIndex = 999;

struct PlayerWheel {
    int index = 0;    // kFirstPlayerWheelIndex..kLastPlayerWheelIndex
    std::string name; // the player's name for it
    int numberCount = 0;
    int fixedCount = 0; // positions 1..fixedCount are on every board
    Guarantee promise{};
    std::vector<BoardPositions> boards; // positions 1..numberCount, board k at k-1
};

// Whether `wheel` is a wheel: at least one board, positions in 1..numberCount in ascending order,
// the fixed positions 1..fixedCount on every board, a promise 2 <= k <= m <= 5, and an index of
// the player's wheels.
bool IsWheelShape(const PlayerWheel& wheel);

// Puts `wheel` on the shelf, replacing a wheel of the same index (a rename); false when its index
// is out of range or it is no wheel (IsWheelShape).
bool ShelvePlayerWheel(PlayerWheel wheel);
// Takes the wheel of `index` out of the list; its boards stay readable for the run.
void UnlistPlayerWheel(int index);

// The wheel of `index` on the shelf, listed or not; nothing for another index.
const PlayerWheel* ShelvedPlayerWheel(int index);
// The indices of the listed wheels, in ascending order.
std::vector<int> ListedPlayerWheels();

bool IsPlayerWheelIndex(int index);
// The catalogue record of a shelved wheel, as WheelCatalogue gives it; nothing for another index.
const WheelSystem* ShelvedPlayerWheelRecord(int index);

// "★ My fifteen: 15 numbers in 13 boards :3 if 5 numbers on the draw": the star puts every player's
// wheel after every catalogue entry, which all start with a blank.
std::string DescribePlayerWheel(const PlayerWheel& wheel);

} // namespace orvane
