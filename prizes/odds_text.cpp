#include "prizes/odds_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orvane {

std::string OneIn(double chance) {
    if (chance <= 0)
        return "never";
    const double n = 1.0 / chance;
    char text[32];
    if (n < 99.95) { // what would round to "100.0" is written "100"
        std::snprintf(text, sizeof text, "1 in %.1f", n);
        return text;
    }
    const std::string digits = std::to_string(std::llround(n));
    std::string grouped = "1 in ";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

std::string SharePercent(double share) {
    if (share <= 0)
        return "0%";
    if (share >= 1)
        return "100%";
    const double percent = 100 * share;
    if (percent < 0.05)
        return "<0.1%";
    if (percent >= 99.95)
        return ">99.9%";
    char text[16];
    std::snprintf(text, sizeof text, "%.1f%%", percent);
    return text;
}

std::string AverageText(double average) {
    if (average == 0)
        return "0";
    // Decimals enough for three significant digits, none past them.
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(average))));
    int decimals = 2 - magnitude;
    // Rounding may carry into one more digit (9.996 -> 10.0): one decimal fewer then.
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals < 0 ? 0 : decimals, average);
    if (decimals > 0 && std::abs(std::strtod(text, nullptr)) >= std::pow(10.0, magnitude + 1)) {
        --decimals;
        std::snprintf(text, sizeof text, "%.*f", decimals, average);
    }
    return text;
}

} // namespace orvane
