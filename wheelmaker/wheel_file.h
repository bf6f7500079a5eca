#pragma once
// A wheel made anywhere, read from a text file of boards, one a line, five numbers from 1 up
// (apart by blanks, tabs, commas or semicolons; blank lines and lines starting with "#" say
// nothing), and the promises it keeps, proven case by case.

#include "wheelmaker/wheel_request.h"
#include "wheels/player_wheel_store.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane::wheelmaker {

struct ReadWheel {
    std::string fault;  // in French, as every message about reading a file; empty when read
    WheelDesign design; // numbers: the highest number on a board; fixed: 1..f on every board
    // Every promise "k if m" (2 <= k <= m <= 5) the boards keep, strongest first: the highest k,
    // then the lowest m. The design's promise is the first.
    std::vector<Guarantee> kept;
};

ReadWheel ReadWheelText(std::string_view text);
ReadWheel ReadWheelFile(const std::string& path);

} // namespace orvane::wheelmaker
