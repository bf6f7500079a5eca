#pragma once
// A wheel of the player's for the tests, written by hand: eight numbers in nine boards, which keep
// "4 if 5" (and "3 if 4", and every "2 if m") but not "3 if 3".

#include "wheels/player_wheel_store.h"

namespace orvane::test {

inline WheelDesign EightForFourIfFive() {
    return {8,
            0,
            {4, 5},
            {{1, 2, 3, 4, 5},
             {1, 2, 6, 7, 8},
             {3, 4, 6, 7, 8},
             {1, 3, 5, 6, 7},
             {2, 4, 5, 6, 8},
             {1, 4, 5, 7, 8},
             {2, 3, 5, 7, 8},
             {1, 2, 3, 6, 8},
             {2, 3, 4, 6, 7}}};
}

} // namespace orvane::test
