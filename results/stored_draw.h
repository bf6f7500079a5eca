#pragma once
// A past draw as the history keeps it: its date when known, its five main numbers in ascending
// order and its Thunderball, and how it is written for the player.

#include "results/draw.h"

#include <optional>
#include <string>

namespace orvane {

struct DrawDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31

    auto operator<=>(const DrawDate&) const = default;
};

// Whether the day exists in the calendar (leap years included).
bool IsCalendarDate(const DrawDate& date);

struct StoredDraw {
    std::optional<DrawDate> date; // a line without a date gives none
    Draw draw;                    // main numbers in ascending order

    bool operator==(const StoredDraw& other) const {
        return date == other.date && draw.main == other.draw.main &&
               draw.thunderball == other.draw.thunderball;
    }
};

// Puts the main numbers in ascending order, as every stored draw has them.
StoredDraw MakeStoredDraw(std::optional<DrawDate> date, Draw draw);

// Newest first: dated draws by date, latest first, then the draws without a date.
bool IsNewer(const StoredDraw& a, const StoredDraw& b);

// "12/03/2024", or "" for no date.
std::string DateText(const std::optional<DrawDate>& date);
// "03 09 17 22 30".
std::string MainNumbersText(const Draw& draw);
// The draw on one line: "12/03/2024  03 09 17 22 30  T 5"; a draw without a date starts with its
// numbers.
std::string StoredDrawText(const StoredDraw& draw);

} // namespace orvane
