#include "results/draw_line_fields.h"

#include <cstdio>

namespace orvane {

namespace {

// Far above any number of a draw, and far below what an int holds.
constexpr int kBigNumber = 1'000'000;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool isShown(unsigned char c) {
    return c >= 0x20 && c < 0x7F;
}

std::string byteText(unsigned char c) {
    char text[32];
    std::snprintf(text, sizeof text, "octet inattendu 0x%02X", c);
    return text;
}

} // namespace

DrawLine RefusedLine(Refusal why) {
    DrawLine line;
    line.kind = DrawLine::Kind::Refused;
    line.refusal = std::move(why);
    return line;
}

DrawLine DrawnLine(const StoredDraw& draw) {
    DrawLine line;
    line.kind = DrawLine::Kind::Draw;
    line.draw = draw;
    return line;
}

std::string_view TrimmedField(std::string_view field) {
    while (!field.empty() && isBlank(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && isBlank(field.back()))
        field.remove_suffix(1);
    return field;
}

std::optional<Refusal> StrayByteIn(std::string_view line) {
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\r') || byte == 0x7F)
            return byteText(byte);
    }
    return std::nullopt;
}

std::string ShownField(std::string_view field) {
    if (field.size() <= kLongestFieldShown)
        return std::string(field);
    std::size_t end = kLongestFieldShown;
    // Never cut a character written in several bytes.
    while (end > 0 && (static_cast<unsigned char>(field[end]) & 0xC0) == 0x80)
        --end;
    return std::string(field.substr(0, end)) + "\u2026";
}

std::string QuotedField(std::string_view field) {
    for (const char c : field)
        if (!isShown(static_cast<unsigned char>(c)))
            return byteText(static_cast<unsigned char>(c));
    return "\u00AB " + ShownField(field) + " \u00BB";
}

std::variant<int, Refusal> NumberField(std::string_view field) {
    field = TrimmedField(field);
    if (field.empty())
        return Refusal("champ vide");
    int value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') {
            if (!isShown(static_cast<unsigned char>(c)))
                return byteText(static_cast<unsigned char>(c));
            return QuotedField(field) + " n'est pas un nombre";
        }
        value = value >= kBigNumber ? kBigNumber : value * 10 + (c - '0');
    }
    return value;
}

std::optional<Refusal> CheckDrawNumbers(const NumberFields& fields) {
    for (std::size_t i = 0; i < fields.main.size(); ++i)
        if (fields.main[i] < 1 || fields.main[i] > kMainNumbers)
            return "le num\u00E9ro " + ShownField(fields.mainText[i]) + " n'est pas entre 1 et " +
                   std::to_string(kMainNumbers);
    if (fields.thunderball < 1 || fields.thunderball > kThunderballNumbers)
        return "le Thunderball " + ShownField(fields.thunderballText) + " n'est pas entre 1 et " +
               std::to_string(kThunderballNumbers);
    for (std::size_t i = 0; i < fields.main.size(); ++i)
        for (std::size_t j = i + 1; j < fields.main.size(); ++j)
            if (fields.main[i] == fields.main[j])
                return "le num\u00E9ro " + std::to_string(fields.main[i]) +
                       " est donn\u00E9 deux fois";
    return std::nullopt;
}

Draw DrawOf(const NumberFields& fields) {
    Draw draw;
    draw.main = fields.main;
    draw.thunderball = fields.thunderball;
    return draw;
}

} // namespace orvane
