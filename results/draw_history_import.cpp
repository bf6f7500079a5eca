#include "results/draw_history_import.h"

#include "common/regular_file_read.h"
#include "results/operator_draw_file.h"
#include "results/plain_draw_line.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace orvane {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Calls read(line, number) for each line, numbered from 1; the last one may lack its line break.
template <typename Read> void forEachLine(std::string_view text, Read read) {
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        read(text.substr(0, end), ++number);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

// The first line holding anything but blanks, and its number.
std::pair<std::string_view, int> firstFilledLine(std::string_view text) {
    std::pair<std::string_view, int> found{{}, 0};
    forEachLine(text, [&found](std::string_view line, int number) {
        if (found.second == 0 && !TrimmedField(line).empty())
            found = {line, number};
    });
    return found;
}

DrawFileReading problem(DrawFileProblem what) {
    DrawFileReading reading;
    reading.problem = what;
    return reading;
}

void keep(DrawFileReading& reading, const DrawLine& line, int number) {
    if (line.kind == DrawLine::Kind::Draw)
        reading.draws.push_back(line.draw);
    else if (line.kind == DrawLine::Kind::Refused)
        reading.refused.push_back({number, line.refusal});
}

} // namespace

DrawFileReading ReadDrawText(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    // Plain names rather than a structured binding: clang 14 lets no lambda capture a binding.
    const std::pair<std::string_view, int> firstFilled = firstFilledLine(text);
    const std::string_view first = firstFilled.first;
    const int firstNumber = firstFilled.second;
    if (firstNumber == 0)
        return problem(DrawFileProblem::Empty);

    DrawFileReading reading;
    const OperatorHeader header = ReadOperatorHeader(first);
    if (header.kind == OperatorHeader::Kind::OtherGame)
        return problem(DrawFileProblem::OtherGame);
    if (header.kind == OperatorHeader::Kind::Thunderball) {
        reading.layout = DrawFileLayout::Operator;
        forEachLine(text, [&](std::string_view line, int number) {
            if (number > firstNumber)
                keep(reading, ReadOperatorRow(line, header.columns), number);
        });
        return reading;
    }

    bool startsLikeDraws = false;
    forEachLine(text, [&](std::string_view line, int number) {
        keep(reading, ReadPlainDrawLine(line), number);
        startsLikeDraws = startsLikeDraws || StartsLikePlainDraw(line);
    });
    const bool binary = text.find('\0') != std::string_view::npos;
    if (reading.draws.empty() && (binary || !startsLikeDraws))
        return problem(DrawFileProblem::NotDrawFile);
    return reading;
}

DrawFileReading ReadDrawFile(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    // One byte more than allowed tells a file past the limit from one just at it.
    std::string bytes(error ? kMostDrawFileBytes + 1
                            : std::min<std::uintmax_t>(size + 1, kMostDrawFileBytes + 1),
                      '\0');
    const std::optional<std::size_t> got = ReadRegularFileStart(
        path, std::span(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()));
    if (!got)
        return problem(DrawFileProblem::Unreadable);
    if (*got > kMostDrawFileBytes)
        return problem(DrawFileProblem::TooLarge);
    bytes.resize(*got);
    return ReadDrawText(bytes);
}

} // namespace orvane
