#include "output/ticket_printing.h"

#include "output/print_failure.h"
#include "output/ticket_layout.h"
#include "settings/app_settings.h"
#include "wheels/board_run.h"
#include "wheels/system_list.h"
#include "wheels/wheel_catalogue.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <tuple>
#include <utility>

namespace orvane {

namespace {

constexpr double kCmPerInch = 2.54;
constexpr double kNumberOnTopAt = 1.0;
constexpr const char* kTicketFace = "Fixedsys";
constexpr int kTicketPointSize = 9;

// A bar's ends and thickness in device pixels: it runs from (left, y) to (right, y), `width`
// thick. Nothing when an end or an edge lies beyond the device's reach, far off the paper.
struct BarPixels {
    int left, right, y, width;
};

std::optional<BarPixels> BarAt(PrintCanvas& canvas, const AppSettings& settings, double x,
                               double y) {
    const std::optional<int> px = CmToPrinterPixels(canvas, settings, Axis::Horizontal, x);
    const std::optional<int> py = CmToPrinterPixels(canvas, settings, Axis::Vertical, y);
    const std::optional<int> right =
        CmToPrinterPixels(canvas, settings, Axis::Horizontal, x + kMarkLength);
    const std::optional<int> bottom =
        CmToPrinterPixels(canvas, settings, Axis::Vertical, y + kMarkThickness);
    if (!px || !py || !right || !bottom)
        return std::nullopt;
    const std::int64_t width = std::int64_t{*bottom} - *py;
    if (width < std::numeric_limits<int>::min() || width > std::numeric_limits<int>::max())
        return std::nullopt;
    return BarPixels{*px, *right, *py, static_cast<int>(width)};
}

// Whether the whole bar lies on the printable area; its thickness spreads half above the line.
bool BarIsPrintable(PrintCanvas& canvas, const AppSettings& settings, double x, double y) {
    const std::optional<BarPixels> bar = BarAt(canvas, settings, x, y);
    if (!bar)
        return false;
    const std::int64_t top = std::int64_t{bar->y} - bar->width / 2;
    const std::int64_t bottom = top + bar->width;
    return bar->left >= 0 && bar->right <= canvas.pageWidth() && top >= 0 &&
           bottom <= canvas.pageHeight();
}

std::optional<std::pair<int, int>> NumberOnTopCorner(PrintCanvas& canvas,
                                                     const AppSettings& settings) {
    const std::optional<int> x =
        CmToPrinterPixels(canvas, settings, Axis::Horizontal, kNumberOnTopAt);
    const std::optional<int> y =
        CmToPrinterPixels(canvas, settings, Axis::Vertical, kNumberOnTopAt);
    if (!x || !y)
        return std::nullopt;
    return std::pair{*x, *y};
}

// Board k's number near the ticket's top-left corner, unless the adjustment puts it beyond reach.
void DrawNumberOnTop(PrintCanvas& canvas, const AppSettings& settings, int k) {
    if (const auto corner = NumberOnTopCorner(canvas, settings))
        canvas.textOut(corner->first, corner->second, std::to_string(k));
}

// Calls visit(place, thunderball, number) with the place of every mark of the board last built,
// in slot `slot` of the ticket, main numbers first.
template <typename Visit>
void ForEachMark(const BoardRun& run, const TicketLayout& layout, int slot, Visit visit) {
    for (int m = 1; m <= kMainNumbers; ++m) {
        if (run.currentBoard(m) == 1)
            visit(MainNumberMark(layout, slot, m), false, m);
    }
    for (int t = 1; t <= kThunderballNumbers; ++t) {
        if (run.currentBoard(ThunderballCell(t)) == 1)
            visit(ThunderballMark(layout, slot, t), true, t);
    }
}

void DrawBoard(PrintCanvas& canvas, const AppSettings& settings, const BoardRun& run,
               const TicketLayout& layout, int slot) {
    ForEachMark(run, layout, slot,
                [&](MarkPlace mark, bool, int) { DrawMark(canvas, settings, mark.x, mark.y); });
}

const TicketLayout* LayoutAt(int layout) {
    const std::span<const TicketLayout> layouts = TicketLayouts();
    if (layout < 1 || layout > static_cast<int>(layouts.size()))
        return nullptr;
    return &layouts[static_cast<std::size_t>(layout - 1)];
}

// The range printed: first..last, or every board when it leaves 1..count.
std::pair<int, int> PrintedRange(int first, int last, int count) {
    if (first < 1 || last > count)
        return {1, count};
    return {first, last};
}

bool BeginTicketJob(PrintCanvas& canvas, Prompts& prompts, BoardsPrinted printed) {
    if (!BeginDocumentOrReport(canvas, prompts, printed))
        return false;
    canvas.setFont(kTicketFace, kTicketPointSize, true);
    return true;
}

} // namespace

void DrawMark(PrintCanvas& canvas, const AppSettings& settings, double x, double y) {
    if (const std::optional<BarPixels> bar = BarAt(canvas, settings, x, y)) {
        canvas.setPenWidth(bar->width);
        canvas.line(bar->left, bar->y, bar->right, bar->y);
    }
}

std::optional<int> CmToPrinterPixels(PrintCanvas& canvas, const AppSettings& settings, Axis axis,
                                     double cm) {
    const double dpi = canvas.dotsPerInch(axis);
    const double printOffset = canvas.printingOffset(axis);
    const double shiftMm =
        axis == Axis::Horizontal ? settings.horizontalOffset : settings.verticalOffset;
    // nearbyint rounds half to even under the default rounding mode, which the program never
    // changes.
    const double pixels =
        std::nearbyint(cm / kCmPerInch * dpi - printOffset + (shiftMm / 10 / kCmPerInch) * dpi);
    // Both limits are exact doubles; a NaN fails the test too.
    if (!(pixels >= std::numeric_limits<int>::min() && pixels <= std::numeric_limits<int>::max()))
        return std::nullopt;
    return static_cast<int>(pixels);
}

void PrintTickets(SystemBoards boards, const AppSettings& settings, PrintCanvas& canvas,
                  Prompts& prompts, int layout, PrintMode mode, int first, int last,
                  bool numberOnTop) {
    const TicketLayout* ticket = LayoutAt(layout);
    if (!ticket)
        return;
    const int perTicket = ticket->boardsPerTicket();

    boards.run.StartRun(CurrentSystemIndex(boards.list));
    std::tie(first, last) = PrintedRange(first, last, boards.run.boardCount());
    BoardsPrinted printed{first, first - 1}; // boards of the jobs already handed over
    if (!BeginTicketJob(canvas, prompts, printed))
        return;
    int slot = 0;
    for (int k = first; k <= last; ++k) {
        boards.run.BuildBoard(k, boards.grid);
        if (++slot > perTicket) {
            slot = 1;
            if (mode == PrintMode::AllAtOnce) {
                canvas.newPage();
            } else {
                // A job per ticket: the ticket in the printer has come out before the player is
                // asked for the next one, and cancelling costs no blank sheet.
                if (!EndDocumentOrReport(canvas, prompts, printed))
                    return;
                printed.last = k - 1;
                if (prompts.ask(NextTicketPrompt()) == PromptAnswer::Cancel ||
                    !BeginTicketJob(canvas, prompts, printed))
                    return;
            }
        }
        if (numberOnTop)
            DrawNumberOnTop(canvas, settings, k);
        DrawBoard(canvas, settings, boards.run, *ticket, slot);
    }
    EndDocumentOrReport(canvas, prompts, printed);
}

std::vector<std::string> TicketMarksOffThePage(SystemBoards boards, const AppSettings& settings,
                                               PrintCanvas& canvas, int layout, int first, int last,
                                               bool numberOnTop) {
    std::vector<std::string> off;
    const auto note = [&off](const std::string& what) {
        if (std::find(off.begin(), off.end(), what) == off.end())
            off.push_back(what);
    };
    const TicketLayout* ticket = LayoutAt(layout);
    if (!ticket)
        return off;
    const int perTicket = ticket->boardsPerTicket();
    boards.run.StartRun(CurrentSystemIndex(boards.list));
    std::tie(first, last) = PrintedRange(first, last, boards.run.boardCount());
    if (numberOnTop && first <= last) {
        // Measured in the font the tickets are printed in; the widest number is the last one.
        canvas.setFont(kTicketFace, kTicketPointSize, true);
        const std::string widest = std::to_string(last);
        const auto corner = NumberOnTopCorner(canvas, settings);
        if (!corner || corner->first < 0 || corner->second < 0 ||
            std::int64_t{corner->first} + canvas.textWidth(widest) > canvas.pageWidth() ||
            std::int64_t{corner->second} + canvas.textHeight(widest) > canvas.pageHeight())
            note("the board number on top");
    }
    int slot = 0;
    for (int k = first; k <= last; ++k) {
        boards.run.BuildBoard(k, boards.grid);
        slot = slot % perTicket + 1;
        ForEachMark(boards.run, *ticket, slot, [&](MarkPlace mark, bool thunderball, int number) {
            if (!BarIsPrintable(canvas, settings, mark.x, mark.y))
                note((thunderball ? "Thunderball " : "main number ") + std::to_string(number) +
                     " on board " + std::to_string(slot) + " of the ticket");
        });
    }
    return off;
}

bool IsPrintableRange(int first, int last, int boardCount) {
    return first >= 1 && last <= boardCount && last >= first;
}

int LeadingNumber(const std::string& text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || value > 99'999'999) // the fields hold 4 characters
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

Prompt IncorrectRangePrompt() {
    return {"Incorrect number of boards to print", "Problem !!", PromptIcon::Exclamation,
            PromptButtons::Ok, false};
}

Prompt NextTicketPrompt() {
    return {"Please insert next ticket and press OK", "Tickets printing", PromptIcon::Question,
            PromptButtons::OkCancel, false};
}

Prompt MarksOutOfReachPrompt(const std::vector<std::string>& off) {
    std::string names;
    for (const std::string& what : off)
        names += (names.empty() ? "" : ", ") + what;
    return {"The printer cannot reach every mark, and would leave these out: " + names +
                ".\n\nMove the marks with the adjustments in Options > Parameters, or choose "
                "another printer. Print all the same?",
            "Tickets printing", PromptIcon::Question, PromptButtons::OkCancel, false};
}

} // namespace orvane
