#include "output/board_list.h"

#include "output/print_failure.h"
#include "wheels/board_run.h"
#include "wheels/system_list.h"

#include <algorithm>
#include <array>

namespace orvane {

namespace {

constexpr std::array<const char*, 4> kSuits = {"C ", "T ", "CA", "P "};
constexpr std::array<const char*, 9> kRanks = {" 6", " 7", " 8", " 9", "10",
                                               " V", " D", " R", " A"};
constexpr int kCards = 36;

std::string TwoDigits(int m) {
    std::string digits = std::to_string(m);
    if (m < 10)
        digits.insert(0, 1, '0');
    return digits;
}

// " 3 ,7 ,12": a blank before the first number, a blank and a comma before each later one.
void AppendPrintedNumbers(std::string& line, const BoardRun& run, int firstCell, int count) {
    bool first = true;
    for (int i = 1; i <= count; ++i) {
        if (run.currentBoard(firstCell + i - 1) != 1)
            continue;
        line += first ? " " : " ,";
        line += std::to_string(i);
        first = false;
    }
}

} // namespace

std::string CardLabel(int m) {
    if (m < 1 || m > kCards)
        return {};
    return std::string(kSuits[static_cast<std::size_t>((m - 1) / 9)]) +
           kRanks[static_cast<std::size_t>((m - 1) % 9)];
}

std::string BoardListLine(int k, const BoardRun& run, int gridStyle) {
    std::string line = "T: ";
    if (k < 10)
        line += "00";
    else if (k < 100)
        line += "0";
    line += std::to_string(k) + ": MB :";
    for (int m = 1; m <= kMainNumbers; ++m) {
        if (run.currentBoard(m) != 1)
            continue;
        line += '-';
        line += gridStyle == 2 ? CardLabel(m) : TwoDigits(m);
    }
    line += " T :";
    for (int t = 1; t <= kThunderballNumbers; ++t) {
        if (run.currentBoard(ThunderballCell(t)) != 1)
            continue;
        line += '-';
        line += std::to_string(t);
    }
    return line;
}

std::string PrintedBoardLine(int k, const BoardRun& run) {
    std::string line = "Ticket :" + std::to_string(k) + " MAIN BOARD :";
    AppendPrintedNumbers(line, run, 1, kMainNumbers);
    line += " TH.:";
    AppendPrintedNumbers(line, run, ThunderballCell(1), kThunderballNumbers);
    return line;
}

std::vector<std::string> FillBoardList(SystemBoards boards, int gridStyle) {
    boards.run.StartRun(CurrentSystemIndex(boards.list));
    const int n = boards.run.boardCount();
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int k = 1; k <= n; ++k) {
        boards.run.BuildBoard(k, boards.grid);
        lines.push_back(BoardListLine(k, boards.run, gridStyle));
    }
    return lines;
}

void PrintBoardList(SystemBoards boards, PrintCanvas& canvas, Prompts& prompts) {
    boards.run.StartRun(CurrentSystemIndex(boards.list));
    const int n = boards.run.boardCount();
    const int pageWidth = canvas.pageWidth();
    const int pageHeight = canvas.pageHeight();
    if (!BeginDocumentOrReport(canvas, prompts))
        return;

    const std::string title = "BOARDS TO PLAY";
    canvas.setFont("Times New Roman", 24, false);
    canvas.textOut((pageWidth - canvas.textWidth(title)) / 2, 50, title);
    int y = 50 + canvas.textHeight("LISTE");
    canvas.setFont("Times New Roman", 10, false);
    const int step = canvas.textHeight("WWWW") + 10;
    y += 2 * step;
    for (int k = 1; k <= n; ++k) {
        boards.run.BuildBoard(k, boards.grid);
        canvas.textOut(10, y, PrintedBoardLine(k, boards.run));
        y += 2 * step;
        // Break only when another line follows, so a full last page is not followed by a blank
        // sheet.
        if (y > pageHeight - 3 * step && k < n) {
            canvas.newPage();
            y = 4 * step;
        }
    }
    EndDocumentOrReport(canvas, prompts);
}

} // namespace orvane
