#pragma once
// The boards a wheel must give, worked out here from the system's table alone, to hold the
// program's windows and paper against.

#include <QString>
#include <QStringList>
#include <set>
#include <vector>

namespace orvane::test {

struct ExpectedBoard {
    std::set<int> mainNumbers;
    std::set<int> thunderballs;
};

// The boards of catalogue system `system` over the marked numbers: the table's position p is
// the p-th number of the fixed numbers in ascending order followed by the others in ascending
// order.
std::vector<ExpectedBoard> BoardsOfSystem(int system, const std::vector<int>& fixedNumbers,
                                          const std::vector<int>& otherNumbers,
                                          const std::set<int>& thunderballs);

// The list window's line for board k, e.g. "T: 007: MB :-03-07-12-20-33 T :-5".
QString ListLine(int k, const ExpectedBoard& board);

// Where a number's bar starts on a paper ticket, in centimetres from the sheet's corner, for
// the board in `slot` (1..6) of the ticket.
struct TicketBox {
    double x, y;
};
TicketBox MainNumberBox(int number, int slot);
TicketBox ThunderballBox(int thunderball, int slot);

} // namespace orvane::test
