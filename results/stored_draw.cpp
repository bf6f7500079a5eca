#include "results/stored_draw.h"

#include <algorithm>
#include <cstdio>

namespace orvane {

bool IsCalendarDate(const DrawDate& date) {
    if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1)
        return false;
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    const int days = kDays[date.month - 1] + (date.month == 2 && leap ? 1 : 0);
    return date.day <= days;
}

StoredDraw MakeStoredDraw(std::optional<DrawDate> date, Draw draw) {
    std::sort(draw.main.begin(), draw.main.end());
    return {date, draw};
}

bool IsNewer(const StoredDraw& a, const StoredDraw& b) {
    if (a.date && b.date)
        return *a.date > *b.date;
    return a.date.has_value() && !b.date.has_value();
}

std::string DateText(const std::optional<DrawDate>& date) {
    if (!date)
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date->day, date->month, date->year);
    return text;
}

std::string MainNumbersText(const Draw& draw) {
    std::string text;
    for (const int n : draw.main) {
        char number[16];
        std::snprintf(number, sizeof number, "%02d", n);
        if (!text.empty())
            text += ' ';
        text += number;
    }
    return text;
}

std::string StoredDrawText(const StoredDraw& draw) {
    std::string text = DateText(draw.date);
    if (!text.empty())
        text += "  ";
    return text + MainNumbersText(draw.draw) + "  T " + std::to_string(draw.draw.thunderball);
}

} // namespace orvane
