#pragma once
// Amounts of money as the player reads and types them: pounds with pence, held in pence.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The most an amount may be: £999,999,999.99, nine digits of pounds. Far above any prize, and
// small enough that a draw's cost for every board and line stays well within 64 bits.
constexpr std::int64_t kMostPence = 999'999'999'99;

// How far a typed text is from being an amount in pounds: an optional "£", the pounds (at most
// nine digits, grouped by thousands with commas if the player likes), then optionally a point and
// up to two digits of pence. "5", "10.50", "£500,000", "3." and ".50" are amounts.
enum class PoundsTyping {
    Amount,     // an amount as it stands
    Unfinished, // not yet, but typing on can make it one: "", "£", "1,"
    NotMoney,   // nothing typed after it can make it an amount: "abc", "-5", "1.234"
};
PoundsTyping ClassifyPoundsText(std::string_view text);

// The pence of a text that is an amount; nothing for any other text.
std::optional<std::int64_t> PenceOfPoundsText(std::string_view text);

// An amount as a field shows it for typing over: "500,000.00", "1.00".
std::string PoundsFieldText(std::int64_t pence);

// An amount as the window states it: "£1,234.56", "-£15.95". Rounded to the penny.
std::string MoneyText(std::int64_t pence);
std::string MoneyText(double pence);

} // namespace orvane
