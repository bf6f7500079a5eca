#include "results/operator_draw_file.h"

#include <algorithm>
#include <optional>

namespace orvane {

namespace {

constexpr const char* kDateColumn = "DrawDate";
constexpr const char* kThunderballColumn = "Thunderball";
constexpr std::array<const char*, kDrawnMainNumbers> kBallColumns = {"Ball 1", "Ball 2", "Ball 3",
                                                                     "Ball 4", "Ball 5"};
constexpr std::array<const char*, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                 "jul", "aug", "sep", "oct", "nov", "dec"};

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

std::optional<std::size_t> columnNamed(const std::vector<std::string>& names, const char* name) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (sameName(TrimmedField(names[i]), name))
            return i;
    return std::nullopt;
}

bool allDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The text of column `column` of `fields`, or nothing when the line stops before it or leaves it
// empty.
std::optional<std::string_view> fieldAt(const std::vector<std::string>& fields,
                                        std::size_t column) {
    if (column >= fields.size())
        return std::nullopt;
    const std::string_view text = TrimmedField(fields[column]);
    if (text.empty())
        return std::nullopt;
    return text;
}

Refusal missing(const char* column) {
    return std::string("il manque le champ \u00AB ") + column + " \u00BB";
}

} // namespace

std::vector<std::string> CommaSeparated(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

OperatorHeader ReadOperatorHeader(std::string_view line) {
    OperatorHeader header;
    const std::vector<std::string> names = CommaSeparated(line);
    const std::optional<std::size_t> date = columnNamed(names, kDateColumn);
    if (!date)
        return header;
    header.kind = OperatorHeader::Kind::OtherGame;
    const std::optional<std::size_t> thunderball = columnNamed(names, kThunderballColumn);
    if (!thunderball)
        return header;
    header.columns.date = *date;
    header.columns.thunderball = *thunderball;
    for (std::size_t i = 0; i < kBallColumns.size(); ++i) {
        const std::optional<std::size_t> ball = columnNamed(names, kBallColumns[i]);
        if (!ball)
            return header;
        header.columns.balls[i] = *ball;
    }
    header.kind = OperatorHeader::Kind::Thunderball;
    return header;
}

std::optional<DrawDate> OperatorDate(std::string_view field) {
    const std::size_t first = field.find('-');
    const std::size_t second = field.find('-', first == std::string_view::npos ? first : first + 1);
    if (second == std::string_view::npos || field.find('-', second + 1) != std::string_view::npos)
        return std::nullopt;
    const std::string_view day = field.substr(0, first);
    const std::string_view month = field.substr(first + 1, second - first - 1);
    const std::string_view year = field.substr(second + 1);
    if (!allDigits(day) || day.size() > 2 || !allDigits(year) || year.size() != 4)
        return std::nullopt;
    const auto named = std::find_if(kMonths.begin(), kMonths.end(),
                                    [month](const char* m) { return sameName(month, m); });
    if (named == kMonths.end())
        return std::nullopt;
    const DrawDate date{std::stoi(std::string(year)), static_cast<int>(named - kMonths.begin()) + 1,
                        std::stoi(std::string(day))};
    if (!IsCalendarDate(date))
        return std::nullopt;
    return date;
}

DrawLine ReadOperatorRow(std::string_view line, const OperatorColumns& columns) {
    if (TrimmedField(line).empty())
        return {};
    if (const std::optional<Refusal> stray = StrayByteIn(line))
        return RefusedLine(*stray);
    const std::vector<std::string> fields = CommaSeparated(line);

    const std::optional<std::string_view> dateText = fieldAt(fields, columns.date);
    if (!dateText)
        return RefusedLine(missing(kDateColumn));
    const std::optional<DrawDate> date = OperatorDate(*dateText);
    if (!date)
        return RefusedLine("date invalide " + QuotedField(*dateText));

    NumberFields numbers;
    for (std::size_t i = 0; i <= numbers.main.size(); ++i) {
        const bool isBall = i < numbers.main.size();
        const char* name = isBall ? kBallColumns[i] : kThunderballColumn;
        const std::optional<std::string_view> text =
            fieldAt(fields, isBall ? columns.balls[i] : columns.thunderball);
        if (!text)
            return RefusedLine(missing(name));
        const std::variant<int, Refusal> value = NumberField(*text);
        if (const auto* why = std::get_if<Refusal>(&value))
            return RefusedLine(*why);
        if (isBall) {
            numbers.main[i] = std::get<int>(value);
            numbers.mainText[i] = std::string(*text);
        } else {
            numbers.thunderball = std::get<int>(value);
            numbers.thunderballText = std::string(*text);
        }
    }
    if (const std::optional<Refusal> why = CheckDrawNumbers(numbers))
        return RefusedLine(*why);
    return DrawnLine(MakeStoredDraw(date, DrawOf(numbers)));
}

} // namespace orvane
