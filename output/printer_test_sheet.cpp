#include "output/printer_test_sheet.h"

#include "output/print_failure.h"
#include "output/ticket_printing.h"
#include "settings/app_settings.h"
#include "wheels/selection_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <sstream>
#include <vector>

namespace orvane {

namespace {

constexpr double kCmPerInch = 2.54;
// Kept free between the rulers and what they must not run into, in centimetres.
constexpr double kClearance = 0.1;
// Between a centimetre tick's end and its number.
constexpr double kRulerNumberGap = 0.05;
// The instructions keep this far from the boards and from the printable area's right edge, and
// move right of the boards only while that leaves them this wide.
constexpr double kBoardsToText = 0.8;
constexpr double kTextRightMargin = 0.3;
constexpr double kNarrowestText = 5.0;
// The numbers a ruler runs to: more than any paper's length in millimetres.
constexpr int kLongestRuler = 10'000;

// The menu item, kept on one line by no-break spaces (UTF-8).
constexpr const char* kOptionsParameters = "Options\xC2\xA0>\xC2\xA0Parameters";

constexpr const char* kFace = "Times New Roman";
constexpr int kRulerPointSize = 8;
constexpr int kTitlePointSize = 14;
constexpr int kLayoutNamePointSize = 11;
constexpr int kTextPointSize = 10;

// Device pixels, wide enough for a position plus or minus a length without overflowing.
using Pixels = std::int64_t;

bool FitsInt(Pixels p) {
    return p >= std::numeric_limits<int>::min() && p <= std::numeric_limits<int>::max();
}

struct PixelRect {
    Pixels left, top, right, bottom;

    bool intersects(const PixelRect& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    PixelRect grown(Pixels by) const { return {left - by, top - by, right + by, bottom + by}; }
    void include(const PixelRect& o) {
        left = std::min(left, o.left);
        top = std::min(top, o.top);
        right = std::max(right, o.right);
        bottom = std::max(bottom, o.bottom);
    }
};

// A place on the paper that the adjustments do not move, in device pixels on the canvas.
std::optional<int> PaperPixels(PrintCanvas& canvas, Axis axis, double cm) {
    static constexpr AppSettings kUnadjusted{};
    return CmToPrinterPixels(canvas, kUnadjusted, axis, cm);
}

// A length along `axis` in device pixels, at least one.
int LengthPixels(PrintCanvas& canvas, Axis axis, double cm) {
    const double pixels = std::nearbyint(cm / kCmPerInch * canvas.dotsPerInch(axis));
    return pixels >= 1 && pixels <= 1'000'000 ? static_cast<int>(pixels) : 1;
}

// The box around a mark, placed by the adjustments; nothing when a side is beyond reach.
std::optional<PixelRect> BoxPixels(PrintCanvas& canvas, const AppSettings& settings,
                                   MarkPlace mark) {
    const CmRect box = BoxAround(mark);
    const std::optional<int> left = CmToPrinterPixels(canvas, settings, Axis::Horizontal, box.left);
    const std::optional<int> top = CmToPrinterPixels(canvas, settings, Axis::Vertical, box.top);
    const std::optional<int> right =
        CmToPrinterPixels(canvas, settings, Axis::Horizontal, box.right);
    const std::optional<int> bottom =
        CmToPrinterPixels(canvas, settings, Axis::Vertical, box.bottom);
    if (!left || !top || !right || !bottom)
        return std::nullopt;
    return PixelRect{*left, *top, *right, *bottom};
}

// Thin lines: along the top and bottom, and down the left and right, centred on the box's edges.
// The top and bottom reach over the sides by half their thickness, so the corners are closed.
void DrawOutline(PrintCanvas& canvas, const PixelRect& box) {
    const int across = LengthPixels(canvas, Axis::Vertical, kTestSheetLineWidth);
    const int down = LengthPixels(canvas, Axis::Horizontal, kTestSheetLineWidth);
    const Pixels reach = (down + 1) / 2;
    const Pixels left = box.left - reach;
    const Pixels right = box.right + reach;
    if (!FitsInt(left) || !FitsInt(right))
        return;
    const auto px = [](Pixels p) { return static_cast<int>(p); };
    canvas.setPenWidth(across);
    canvas.line(px(left), px(box.top), px(right), px(box.top));
    canvas.line(px(left), px(box.bottom), px(right), px(box.bottom));
    canvas.setPenWidth(down);
    canvas.line(px(box.left), px(box.top), px(box.left), px(box.bottom));
    canvas.line(px(box.right), px(box.top), px(box.right), px(box.bottom));
}

// Every place on a ticket of `layout` where a mark may go: the boards from the first, the main
// numbers of each before its Thunderballs.
std::vector<std::vector<MarkPlace>> BoardMarks(const TicketLayout& layout) {
    std::vector<std::vector<MarkPlace>> boards;
    for (int slot = 1; slot <= layout.boardsPerTicket(); ++slot) {
        std::vector<MarkPlace>& marks = boards.emplace_back();
        for (int m = 1; m <= kMainNumbers; ++m)
            marks.push_back(MainNumberMark(layout, slot, m));
        for (int t = 1; t <= kThunderballNumbers; ++t)
            marks.push_back(ThunderballMark(layout, slot, t));
    }
    return boards;
}

// A line of the instructions, placed.
struct TextLine {
    int pointSize;
    bool bold;
    std::string text;
    Pixels x, y;
};

struct Paragraph {
    int pointSize;
    bool bold;
    std::string text;
};

std::vector<Paragraph> Instructions(const AppSettings& settings, const TicketLayout& layout) {
    return {
        {kTitlePointSize, true, "PRINTER TEST SHEET"},
        {kLayoutNamePointSize, true, layout.layoutName},
        {kTextPointSize, false,
         "Print this sheet on plain paper, fed into the printer the way the tickets are."},
        {kTextPointSize, false,
         "Lay the sheet on a ticket, top-left corners together, and hold both against the "
         "light."},
        {kTextPointSize, false,
         "The outlined boxes show where the marks are printed with the current adjustments. "
         "Bars fill the boxes of main numbers 1 and 39 and Thunderballs 1 and 14 of the first "
         "and last boards."},
        {kTextPointSize, false,
         "The rulers measure the paper in millimetres from its top-left corner; they do not "
         "move with the adjustments."},
        {kTextPointSize, false,
         "Read on the rulers how far the bars must move to sit in the ticket's boxes, in "
         "millimetres: right and down are positive, left and up negative."},
        {kTextPointSize, false,
         std::string("Add these distances to the current adjustments and enter the results in ") +
             kOptionsParameters +
             " (horizontal adj., vertical adj.). Print the sheet again to check."},
        {kTextPointSize, true, CurrentAdjustmentsText(settings)},
    };
}

// Splits `text` into lines no wider than `width` on the canvas's current font, at spaces; a word
// wider than that stands on a line of its own.
std::vector<std::string> Wrap(PrintCanvas& canvas, const std::string& text, Pixels width) {
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word, line;
    while (words >> word) {
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && canvas.textWidth(longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

// The instructions, laid out right of the boards (`boards`, when any box is within reach) from
// the top of the boards down. Nothing when the page has no room for them.
std::vector<TextLine> LayOutInstructions(PrintCanvas& canvas, const AppSettings& settings,
                                         const TicketLayout& layout,
                                         const std::optional<PixelRect>& boards) {
    const std::optional<int> paperLeft = PaperPixels(canvas, Axis::Horizontal, kTestSheetTextLeft);
    const std::optional<int> top = PaperPixels(canvas, Axis::Vertical, kTestSheetTextTop);
    if (!paperLeft || !top)
        return {};
    const Pixels right =
        Pixels{canvas.pageWidth()} - LengthPixels(canvas, Axis::Horizontal, kTextRightMargin);
    Pixels left = *paperLeft;
    if (boards) {
        const Pixels clear = boards->right + LengthPixels(canvas, Axis::Horizontal, kBoardsToText);
        if (clear > left && right - clear >= LengthPixels(canvas, Axis::Horizontal, kNarrowestText))
            left = clear;
    }
    std::vector<TextLine> lines;
    Pixels y = *top;
    bool first = true;
    for (const Paragraph& paragraph : Instructions(settings, layout)) {
        canvas.setFont(kFace, paragraph.pointSize, paragraph.bold);
        const Pixels lineHeight = canvas.textHeight(paragraph.text);
        // A paragraph of the instructions is set off by half a line.
        if (!first && paragraph.pointSize == kTextPointSize)
            y += lineHeight / 2;
        first = false;
        for (std::string& text : Wrap(canvas, paragraph.text, right - left)) {
            lines.push_back({paragraph.pointSize, paragraph.bold, std::move(text), left, y});
            y += lineHeight;
        }
    }
    return lines;
}

// The rectangle the instructions cover.
std::optional<PixelRect> Extent(PrintCanvas& canvas, const std::vector<TextLine>& lines) {
    std::optional<PixelRect> extent;
    for (const TextLine& line : lines) {
        canvas.setFont(kFace, line.pointSize, line.bold);
        const PixelRect box{line.x, line.y, line.x + canvas.textWidth(line.text),
                            line.y + canvas.textHeight(line.text)};
        if (extent)
            extent->include(box);
        else
            extent = box;
    }
    return extent;
}

// A millimetre ruler along the paper's top edge (`along` horizontal) or its left edge (`along`
// vertical), measured from the paper's corner, its ticks reaching in from the edge. A tick that
// would run into an obstacle stops short of it (and is left out when the obstacle reaches the
// paper's edge); a number that would overlap one is left out, as is one that would run past the
// printable area's far edges. Returns the rectangle the ruler may cover, for the other ruler to
// keep off.
PixelRect DrawRuler(PrintCanvas& canvas, Axis along, const std::vector<PixelRect>& obstacles) {
    const bool horizontal = along == Axis::Horizontal;
    const Axis across = horizontal ? Axis::Vertical : Axis::Horizontal;
    const Pixels end = horizontal ? canvas.pageWidth() : canvas.pageHeight();
    const Pixels otherEnd = horizontal ? canvas.pageHeight() : canvas.pageWidth();
    const std::optional<int> edge = PaperPixels(canvas, across, 0);
    const std::optional<int> numberAt =
        PaperPixels(canvas, across, kRulerCentimetreTick + kRulerNumberGap);
    canvas.setFont(kFace, kRulerPointSize, false);
    const Pixels numberDepth =
        horizontal ? canvas.textHeight("0") : canvas.textWidth(std::to_string(kLongestRuler / 10));
    constexpr Pixels kFar = Pixels{1} << 40;
    const PixelRect covered =
        horizontal ? PixelRect{-kFar, -kFar, kFar, numberAt.value_or(0) + numberDepth}
                   : PixelRect{-kFar, -kFar, numberAt.value_or(0) + numberDepth, kFar};
    if (!edge || !numberAt)
        return covered;

    canvas.setPenWidth(LengthPixels(canvas, along, kTestSheetLineWidth));
    for (int mm = 1; mm <= kLongestRuler; ++mm) {
        const std::optional<int> at = PaperPixels(canvas, along, mm / 10.0);
        if (!at || *at > end)
            break;
        const double reach = mm % 10 == 0  ? kRulerCentimetreTick
                             : mm % 5 == 0 ? kRulerHalfCentimetreTick
                                           : kRulerMillimetreTick;
        const std::optional<int> tip = PaperPixels(canvas, across, reach);
        if (!tip)
            continue;
        Pixels tickEnd = *tip;
        bool blocked = false;
        for (const PixelRect& o : obstacles) {
            const Pixels alongFrom = horizontal ? o.left : o.top;
            const Pixels alongTo = horizontal ? o.right : o.bottom;
            const Pixels acrossFrom = horizontal ? o.top : o.left;
            const Pixels acrossTo = horizontal ? o.bottom : o.right;
            if (*at < alongFrom || *at > alongTo || acrossTo < *edge)
                continue;
            if (acrossFrom <= *edge)
                blocked = true;
            else
                tickEnd = std::min(tickEnd, acrossFrom);
        }
        if (blocked || tickEnd <= *edge)
            continue;
        const int tickTo = static_cast<int>(tickEnd);
        if (horizontal)
            canvas.line(*at, *edge, *at, tickTo);
        else
            canvas.line(*edge, *at, tickTo, *at);

        if (mm % 10 != 0 || tickEnd < *tip)
            continue;
        const std::string number = std::to_string(mm / 10);
        const Pixels width = canvas.textWidth(number);
        const Pixels height = canvas.textHeight(number);
        const PixelRect label =
            horizontal
                ? PixelRect{*at - width / 2, *numberAt, *at - width / 2 + width, *numberAt + height}
                : PixelRect{*numberAt, *at - height / 2, *numberAt + width,
                            *at - height / 2 + height};
        // Whatever of a number lies in the printer's margin is lost, as the ticks' ends are; one
        // that would run past the printable area's far edges is left out.
        const bool onPage = FitsInt(label.left) && FitsInt(label.top) &&
                            (horizontal ? label.right <= end && label.bottom <= otherEnd
                                        : label.right <= otherEnd && label.bottom <= end);
        const bool free = std::none_of(obstacles.begin(), obstacles.end(),
                                       [&](const PixelRect& o) { return o.intersects(label); });
        if (onPage && free)
            canvas.textOut(static_cast<int>(label.left), static_cast<int>(label.top), number);
    }
    return covered;
}

} // namespace

std::string CurrentAdjustmentsText(const AppSettings& settings) {
    return "Current adjustments: horizontal " + std::to_string(settings.horizontalOffset) +
           " mm, vertical " + std::to_string(settings.verticalOffset) + " mm";
}

void DrawPrinterTestSheet(PrintCanvas& canvas, const AppSettings& settings,
                          const TicketLayout& layout) {
    // Where everything goes, before anything is drawn: the rulers keep off the boards and the
    // instructions.
    const std::vector<std::vector<MarkPlace>> boards = BoardMarks(layout);
    std::vector<std::vector<PixelRect>> boxes;
    std::vector<PixelRect> obstacles;
    std::optional<PixelRect> allBoards;
    const Pixels clearance = std::max(LengthPixels(canvas, Axis::Horizontal, kClearance),
                                      LengthPixels(canvas, Axis::Vertical, kClearance));
    for (const std::vector<MarkPlace>& board : boards) {
        std::vector<PixelRect>& boardBoxes = boxes.emplace_back();
        std::optional<PixelRect> extent;
        for (const MarkPlace& mark : board) {
            const std::optional<PixelRect> box = BoxPixels(canvas, settings, mark);
            if (!box)
                continue;
            boardBoxes.push_back(*box);
            if (extent)
                extent->include(*box);
            else
                extent = *box;
        }
        if (!extent)
            continue;
        obstacles.push_back(extent->grown(clearance));
        if (allBoards)
            allBoards->include(*extent);
        else
            allBoards = *extent;
    }
    const std::vector<TextLine> text = LayOutInstructions(canvas, settings, layout, allBoards);
    if (const std::optional<PixelRect> extent = Extent(canvas, text))
        obstacles.push_back(extent->grown(clearance));

    // The top ruler takes the paper's corner; the left one starts below it.
    obstacles.push_back(DrawRuler(canvas, Axis::Horizontal, obstacles).grown(clearance));
    DrawRuler(canvas, Axis::Vertical, obstacles);

    for (const std::vector<PixelRect>& boardBoxes : boxes)
        for (const PixelRect& box : boardBoxes)
            DrawOutline(canvas, box);

    for (const int slot : {1, layout.boardsPerTicket()}) {
        for (const MarkPlace mark :
             {MainNumberMark(layout, slot, 1), MainNumberMark(layout, slot, kMainNumbers),
              ThunderballMark(layout, slot, 1), ThunderballMark(layout, slot, kThunderballNumbers)})
            DrawMark(canvas, settings, mark.x, mark.y);
    }

    for (const TextLine& line : text) {
        if (!FitsInt(line.x) || !FitsInt(line.y))
            continue;
        canvas.setFont(kFace, line.pointSize, line.bold);
        canvas.textOut(static_cast<int>(line.x), static_cast<int>(line.y), line.text);
    }
}

void PrintPrinterTestSheet(PrintCanvas& canvas, const AppSettings& settings, Prompts& prompts) {
    if (!BeginDocumentOrReport(canvas, prompts))
        return;
    DrawPrinterTestSheet(canvas, settings, TicketLayouts().front());
    EndDocumentOrReport(canvas, prompts);
}

} // namespace orvane
