#include "output/ticket_printing.h"

#include "output/print_failure.h"
#include "output/ticket_layout.h"
#include "settings/app_settings.h"
#include "wheels/board_run.h"
#include "wheels/system_list.h"
#include "wheels/wheel_catalogue.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace orvane {

namespace {

constexpr double kCmPerInch = 2.54;
constexpr double kNumberOnTopAt = 1.0;

// Board k's number near the ticket's top-left corner, unless the adjustment puts it beyond reach.
void DrawNumberOnTop(PrintCanvas& canvas, const AppSettings& settings, int k) {
    const std::optional<int> x =
        CmToPrinterPixels(canvas, settings, Axis::Horizontal, kNumberOnTopAt);
    const std::optional<int> y =
        CmToPrinterPixels(canvas, settings, Axis::Vertical, kNumberOnTopAt);
    if (x && y)
        canvas.textOut(*x, *y, std::to_string(k));
}

void DrawBoard(PrintCanvas& canvas, const AppSettings& settings, const BoardRun& run,
               const TicketLayout& layout, int slot) {
    for (int m = 1; m <= kMainNumbers; ++m) {
        if (run.currentBoard(m) != 1)
            continue;
        const MarkPlace mark = MainNumberMark(layout, slot, m);
        DrawMark(canvas, settings, mark.x, mark.y);
    }
    for (int t = 1; t <= kThunderballNumbers; ++t) {
        if (run.currentBoard(ThunderballCell(t)) != 1)
            continue;
        const MarkPlace mark = ThunderballMark(layout, slot, t);
        DrawMark(canvas, settings, mark.x, mark.y);
    }
}

bool BeginTicketJob(PrintCanvas& canvas, Prompts& prompts, BoardsPrinted printed) {
    if (!BeginDocumentOrReport(canvas, prompts, printed))
        return false;
    canvas.setFont("Fixedsys", 9, true);
    return true;
}

} // namespace

void DrawMark(PrintCanvas& canvas, const AppSettings& settings, double x, double y) {
    const std::optional<int> px = CmToPrinterPixels(canvas, settings, Axis::Horizontal, x);
    const std::optional<int> py = CmToPrinterPixels(canvas, settings, Axis::Vertical, y);
    const std::optional<int> right =
        CmToPrinterPixels(canvas, settings, Axis::Horizontal, x + kMarkLength);
    const std::optional<int> bottom =
        CmToPrinterPixels(canvas, settings, Axis::Vertical, y + kMarkThickness);
    if (!px || !py || !right || !bottom)
        return;
    const std::int64_t width = std::int64_t{*bottom} - *py;
    if (width < std::numeric_limits<int>::min() || width > std::numeric_limits<int>::max())
        return;
    canvas.setPenWidth(static_cast<int>(width));
    canvas.line(*px, *py, *right, *py);
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

void PrintTickets(BoardRun& run, const SelectionGrid& grid, const SystemList& list,
                  const AppSettings& settings, PrintCanvas& canvas, Prompts& prompts, int layout,
                  PrintMode mode, int first, int last, bool numberOnTop) {
    const std::span<const TicketLayout> layouts = TicketLayouts();
    if (layout < 1 || layout > static_cast<int>(layouts.size()))
        return;
    const TicketLayout& ticket = layouts[static_cast<std::size_t>(layout - 1)];
    const int perTicket = ticket.boardsPerTicket();

    run.StartRun(CurrentSystemIndex(list));
    const int n = run.boardCount();
    if (first < 1 || last > n) {
        first = 1;
        last = n;
    }
    BoardsPrinted printed{first, first - 1}; // boards of the jobs already handed over
    if (!BeginTicketJob(canvas, prompts, printed))
        return;
    int slot = 0;
    for (int k = first; k <= last; ++k) {
        run.BuildBoard(k, grid);
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
        DrawBoard(canvas, settings, run, ticket, slot);
    }
    EndDocumentOrReport(canvas, prompts, printed);
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

} // namespace orvane
