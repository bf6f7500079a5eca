#include "results/plain_draw_line.h"

#include <vector>

namespace orvane {

namespace {

constexpr std::size_t kFieldsWithoutDate = kDrawnMainNumbers + 1;

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == ',' || c == ';';
}

std::vector<std::string_view> separatedFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && isSeparator(line[at]))
            ++at;
        const std::size_t start = at;
        while (at < line.size() && !isSeparator(line[at]))
            ++at;
        if (at > start)
            fields.push_back(line.substr(start, at - start));
    }
    return fields;
}

bool isDigits(std::string_view s) {
    if (s.empty())
        return false;
    for (const char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

bool looksLikeDate(std::string_view field) {
    return field.find('/') != std::string_view::npos;
}

// "DD/MM/YYYY", the day and the month with one or two digits.
std::optional<DrawDate> dateOf(std::string_view field) {
    const std::size_t first = field.find('/');
    const std::size_t second = field.find('/', first + 1);
    if (second == std::string_view::npos || field.find('/', second + 1) != std::string_view::npos)
        return std::nullopt;
    const std::string_view day = field.substr(0, first);
    const std::string_view month = field.substr(first + 1, second - first - 1);
    const std::string_view year = field.substr(second + 1);
    if (!isDigits(day) || day.size() > 2 || !isDigits(month) || month.size() > 2 ||
        !isDigits(year) || year.size() != 4)
        return std::nullopt;
    const DrawDate date{std::stoi(std::string(year)), std::stoi(std::string(month)),
                        std::stoi(std::string(day))};
    if (!IsCalendarDate(date))
        return std::nullopt;
    return date;
}

} // namespace

DrawLine ReadPlainDrawLine(std::string_view line) {
    std::vector<std::string_view> fields = separatedFields(line);
    if (fields.empty() || fields.front().front() == '#')
        return {};
    if (const std::optional<Refusal> stray = StrayByteIn(line))
        return RefusedLine(*stray);

    std::optional<DrawDate> date;
    if (looksLikeDate(fields.front())) {
        date = dateOf(fields.front());
        if (!date)
            return RefusedLine("date invalide " + QuotedField(fields.front()));
        fields.erase(fields.begin());
    }
    if (fields.size() < kFieldsWithoutDate)
        return RefusedLine("il manque des num\u00E9ros : " + std::to_string(fields.size()) +
                           " au lieu de " + std::to_string(kFieldsWithoutDate));
    if (fields.size() > kFieldsWithoutDate)
        return RefusedLine("trop de num\u00E9ros : " + std::to_string(fields.size()) +
                           " au lieu de " + std::to_string(kFieldsWithoutDate));

    NumberFields numbers;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::variant<int, Refusal> value = NumberField(fields[i]);
        if (const auto* why = std::get_if<Refusal>(&value))
            return RefusedLine(*why);
        const int n = std::get<int>(value);
        if (i < numbers.main.size()) {
            numbers.main[i] = n;
            numbers.mainText[i] = std::string(fields[i]);
        } else {
            numbers.thunderball = n;
            numbers.thunderballText = std::string(fields[i]);
        }
    }
    if (const std::optional<Refusal> why = CheckDrawNumbers(numbers))
        return RefusedLine(*why);

    return DrawnLine(MakeStoredDraw(date, DrawOf(numbers)));
}

bool StartsLikePlainDraw(std::string_view line) {
    const std::vector<std::string_view> fields = separatedFields(line);
    if (fields.empty())
        return false;
    const std::string_view first = fields.front();
    for (const char c : first)
        if ((c < '0' || c > '9') && c != '/')
            return false;
    return true;
}

std::string PlainDrawLine(const StoredDraw& draw) {
    std::string line = DateText(draw.date);
    for (const int n : draw.draw.main) {
        if (!line.empty())
            line += ' ';
        line += std::to_string(n);
    }
    return line + " " + std::to_string(draw.draw.thunderball);
}

} // namespace orvane
