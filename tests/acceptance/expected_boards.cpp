#include "expected_boards.h"

#include "wheels/wheel_catalogue.h"

namespace orvane::test {

std::vector<ExpectedBoard> BoardsOfSystem(int system, const std::vector<int>& fixedNumbers,
                                          const std::vector<int>& otherNumbers,
                                          const std::set<int>& thunderballs) {
    std::vector<int> byPosition(fixedNumbers);
    byPosition.insert(byPosition.end(), otherNumbers.begin(), otherNumbers.end());
    std::vector<ExpectedBoard> boards;
    for (const BoardPositions& row : CombinationTable(system)) {
        ExpectedBoard board{{}, thunderballs};
        for (const int position : row)
            board.mainNumbers.insert(byPosition.at(static_cast<std::size_t>(position - 1)));
        boards.push_back(board);
    }
    return boards;
}

QString ListLine(int k, const ExpectedBoard& board) {
    QString line = QStringLiteral("T: %1: MB :").arg(k, 3, 10, QLatin1Char('0'));
    for (const int m : board.mainNumbers)
        line += QStringLiteral("-%1").arg(m, 2, 10, QLatin1Char('0'));
    line += QStringLiteral(" T :");
    for (const int t : board.thunderballs)
        line += QStringLiteral("-%1").arg(t);
    return line;
}

// The paper ticket: main numbers in eight columns of five rows; the Thunderball block four
// columns wide just right of them, 1 and 2 in the middle of its first row and 3..14 below.
namespace {
constexpr double kLeft = 0.5, kTop = 2.49, kColumn = 0.63, kRow = 0.385, kBoard = 2.387;
}

TicketBox MainNumberBox(int number, int slot) {
    const int column = (number - 1) % 8, row = (number - 1) / 8;
    return {kLeft + column * kColumn, kTop + (slot - 1) * kBoard + row * kRow};
}

TicketBox ThunderballBox(int thunderball, int slot) {
    const int place = thunderball <= 2 ? thunderball : thunderball + 1; // 0-based, 0 is blank
    const int column = place % 4, row = place / 4;
    return {kLeft + (8 + column) * kColumn, kTop + (slot - 1) * kBoard + row * kRow};
}

} // namespace orvane::test
