#include "wheelmaker/offline_tables.h"

#include "wheelmaker/offline_tables_data.h"

#include <bit>
#include <sstream>

namespace orvane::wheelmaker {

std::vector<NumberSet> ParseTableText(const std::string& text, int numbers, int boardSize) {
    std::vector<NumberSet> boards;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#')
            continue;
        std::istringstream words(line);
        NumberSet board = 0;
        int count = 0;
        int number = 0;
        while (words >> number) {
            if (number < 1 || number > numbers || (board >> (number - 1) & 1) != 0)
                return {};
            board |= NumberSet{1} << (number - 1);
            ++count;
        }
        if (!words.eof() || count != boardSize)
            return {};
        boards.push_back(board);
    }
    return boards;
}

std::string TableFileName(const CoverProblem& p) {
    std::ostringstream name;
    name << 'v' << p.numbers << "-b" << p.boardSize << "-k" << p.k << "-m" << p.m << ".txt";
    return name.str();
}

std::vector<NumberSet> OfflineTable(const CoverProblem& p) {
    for (const OfflineTableText& table : OfflineTableTexts())
        if (table.numbers == p.numbers && table.boardSize == p.boardSize && table.k == p.k &&
            table.m == p.m)
            return ParseTableText(table.text, p.numbers, p.boardSize);
    return {};
}

} // namespace orvane::wheelmaker
