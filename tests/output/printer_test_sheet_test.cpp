#include "output/print_failure.h"
#include "output/printer_test_sheet.h"
#include "output/ticket_layout.h"
#include "output/ticket_printing.h"

#include "output/sample_selection.h"
#include "support/recording_canvas.h"
#include "tests/doubles/scripted_prompts.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace orvane::test {
namespace {

using Line = RecordingCanvas::Line;
using Text = RecordingCanvas::Text;

constexpr const char* kRulerFont = "Times New Roman 8";
constexpr const char* kNoBreakSpace = "\xC2\xA0";

// A printer of 300 dpi whose printable area starts 20 px right of and 30 px below the paper's
// corner, its page A4 less those margins.
RecordingCanvas A4At300Dpi() {
    RecordingCanvas canvas;
    canvas.dpiX = canvas.dpiY = 300;
    canvas.offsetX = 20;
    canvas.offsetY = 30;
    canvas.width = 2480 - 2 * 20;
    canvas.height = 3508 - 2 * 30;
    return canvas;
}

// The conversion's formula for a place on the paper, in device pixels of `canvas`, moved by
// `shiftMm`.
int Pixels(const RecordingCanvas& canvas, Axis axis, double cm, int shiftMm = 0) {
    const bool h = axis == Axis::Horizontal;
    const double dpi = h ? canvas.dpiX : canvas.dpiY;
    const double offset = h ? canvas.offsetX : canvas.offsetY;
    return static_cast<int>(
        std::nearbyint(cm / 2.54 * dpi - offset + (shiftMm / 10.0 / 2.54) * dpi));
}

// The thickness of the outlines and ticks: 0.022 cm at 300 dpi.
constexpr int kThinAt300 = 3;

struct Rect {
    int left, top, right, bottom;
};

// Where the outline of the box of the bar at `mark` goes, by the formula.
Rect ExpectedBox(const RecordingCanvas& canvas, const AppSettings& settings, MarkPlace mark) {
    const int h = settings.horizontalOffset, v = settings.verticalOffset;
    return {Pixels(canvas, Axis::Horizontal, mark.x - 0.05, h),
            Pixels(canvas, Axis::Vertical, mark.y - 0.075 - 0.05, v),
            Pixels(canvas, Axis::Horizontal, mark.x + 0.17 + 0.05, h),
            Pixels(canvas, Axis::Vertical, mark.y + 0.075 + 0.05, v)};
}

// Every place of the layout's six boards, with its name for messages.
std::vector<std::pair<std::string, MarkPlace>> EveryPlace(const TicketLayout& layout) {
    std::vector<std::pair<std::string, MarkPlace>> places;
    for (int slot = 1; slot <= 6; ++slot) {
        for (int m = 1; m <= 39; ++m)
            places.emplace_back("board " + std::to_string(slot) + ", main " + std::to_string(m),
                                MainNumberMark(layout, slot, m));
        for (int t = 1; t <= 14; ++t)
            places.emplace_back("board " + std::to_string(slot) + ", Thunderball " +
                                    std::to_string(t),
                                ThunderballMark(layout, slot, t));
    }
    return places;
}

bool Has(const std::vector<Line>& lines, int width, int x1, int y1, int x2, int y2) {
    return std::any_of(lines.begin(), lines.end(), [&](const Line& l) {
        return l.penWidth == width && l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2;
    });
}

// The sheet's parts, told apart by where they start and how thick they are: the top ruler's ticks
// hang down from the paper's top edge, the left ruler's reach in from its left edge, the bars are
// far thicker than the outlines.
struct Parts {
    std::vector<Line> topRuler, leftRuler, outlines, bars;
    std::vector<Text> rulerNumbers, instructions;
};

Parts PartsOf(const RecordingCanvas& canvas) {
    Parts parts;
    for (const Line& l : canvas.lines) {
        if (l.x1 == l.x2 && l.y1 == -canvas.offsetY)
            parts.topRuler.push_back(l);
        else if (l.y1 == l.y2 && l.x1 == -canvas.offsetX)
            parts.leftRuler.push_back(l);
        else if (l.penWidth > 2 * kThinAt300)
            parts.bars.push_back(l);
        else
            parts.outlines.push_back(l);
    }
    for (const Text& t : canvas.texts)
        (t.font == kRulerFont ? parts.rulerNumbers : parts.instructions).push_back(t);
    return parts;
}

class PrinterTestSheetTest : public ::testing::Test {
  protected:
    void draw() {
        ASSERT_TRUE(canvas.beginDocument().ok);
        DrawPrinterTestSheet(canvas, settings, layout);
    }

    const TicketLayout& layout = TicketLayouts()[0];
    RecordingCanvas canvas = A4At300Dpi();
    AppSettings settings;
    ScriptedPrompts prompts;
};

TEST(BoxAroundTest, IsTheBarWithItsMarginsOnEverySide) {
    EXPECT_EQ(kBoxMargin, 0.05);
    const CmRect box = BoxAround({0.5, 2.49});
    EXPECT_DOUBLE_EQ(box.left, 0.45);
    EXPECT_DOUBLE_EQ(box.right, 0.72);
    EXPECT_DOUBLE_EQ(box.top, 2.365);
    EXPECT_DOUBLE_EQ(box.bottom, 2.615);
}

TEST(MarkPlaceTest, FollowsTheTicketGeometry) {
    const TicketLayout& layout = TicketLayouts()[0];
    const struct {
        const char* mark;
        MarkPlace place, expected;
    } cases[] = {
        {"main 1", MainNumberMark(layout, 1, 1), {0.5, 2.49}},
        {"main 39", MainNumberMark(layout, 1, 39), {4.28, 4.03}},
        {"Thunderball 1", ThunderballMark(layout, 1, 1), {6.17, 2.49}},
        {"Thunderball 3", ThunderballMark(layout, 1, 3), {5.54, 2.875}},
        {"Thunderball 14", ThunderballMark(layout, 1, 14), {7.43, 3.645}},
        {"board 6, main 1", MainNumberMark(layout, 6, 1), {0.5, 2.49 + 5 * 2.387}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mark);
        EXPECT_NEAR(c.place.x, c.expected.x, 1e-9);
        EXPECT_NEAR(c.place.y, c.expected.y, 1e-9);
    }
}

TEST(CurrentAdjustmentsTextTest, SaysBothAdjustmentsInMillimetres) {
    AppSettings settings;
    settings.horizontalOffset = 3;
    settings.verticalOffset = -2;
    EXPECT_EQ(CurrentAdjustmentsText(settings),
              "Current adjustments: horizontal 3 mm, vertical -2 mm");
}

// Main 1 of board 1 at 300 dpi with the printing offset 20/30: 0.45 cm is 53.15 px, 0.72 cm
// 85.04, 2.365 cm 279.33 and 2.615 cm 308.86, less the offsets. The top and bottom reach over
// the sides by half their thickness.
TEST_F(PrinterTestSheetTest, OutlinesMainOneOfTheFirstBoardWhereTheFormulaPutsIt) {
    draw();
    const std::vector<Line> outlines = PartsOf(canvas).outlines;
    EXPECT_TRUE(Has(outlines, 3, 31, 249, 67, 249)) << "top";
    EXPECT_TRUE(Has(outlines, 3, 31, 279, 67, 279)) << "bottom";
    EXPECT_TRUE(Has(outlines, 3, 33, 249, 33, 279)) << "left";
    EXPECT_TRUE(Has(outlines, 3, 65, 249, 65, 279)) << "right";
}

class OutlinedBoxesTest : public PrinterTestSheetTest,
                          public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(OutlinedBoxesTest, OutlineEveryBoxOfTheSixBoardsWhereTheAdjustmentsPutThem) {
    std::tie(settings.horizontalOffset, settings.verticalOffset) = GetParam();
    draw();
    const std::vector<Line> outlines = PartsOf(canvas).outlines;
    // Four sides for each of the 53 boxes of the six boards, and nothing else.
    EXPECT_EQ(outlines.size(), 6u * 53u * 4u);
    for (const auto& [name, mark] : EveryPlace(layout)) {
        SCOPED_TRACE(name);
        const Rect b = ExpectedBox(canvas, settings, mark);
        const int reach = (kThinAt300 + 1) / 2;
        EXPECT_TRUE(Has(outlines, kThinAt300, b.left - reach, b.top, b.right + reach, b.top));
        EXPECT_TRUE(Has(outlines, kThinAt300, b.left - reach, b.bottom, b.right + reach, b.bottom));
        EXPECT_TRUE(Has(outlines, kThinAt300, b.left, b.top, b.left, b.bottom));
        EXPECT_TRUE(Has(outlines, kThinAt300, b.right, b.top, b.right, b.bottom));
    }
}

INSTANTIATE_TEST_SUITE_P(Adjustments, OutlinedBoxesTest,
                         ::testing::Values(std::pair{0, 0}, std::pair{3, -2}, std::pair{-4, 7}),
                         [](const auto& info) {
                             return "Adjustment" + std::to_string(info.index);
                         });

// With 39 fixed and 1..6 in system 8, boards 1 and 6 both hold main numbers 1 and 39; with
// Thunderballs 1 and 14, ticket printing draws the very bars the sheet draws.
TEST_F(PrinterTestSheetTest, BarsAreTheMarksTicketPrintingDrawsInTheCornerBoxes) {
    for (const auto& [horizontal, vertical] : {std::pair{0, 0}, std::pair{10, -5}}) {
        SCOPED_TRACE(::testing::Message() << "adjusted " << horizontal << ", " << vertical);
        settings.horizontalOffset = horizontal;
        settings.verticalOffset = vertical;
        canvas = A4At300Dpi();
        draw();
        const std::vector<Line> bars = PartsOf(canvas).bars;
        ASSERT_EQ(bars.size(), 8u);

        Session session;
        session.settings = settings;
        MarkFixed39(session, {1, 14});
        RecordingCanvas tickets = A4At300Dpi();
        PrintTickets(session.boards(), session.settings, tickets, prompts, 1, PrintMode::AllAtOnce,
                     1, 6, false);
        const MarkPlace places[] = {
            MainNumberMark(layout, 1, 1),  MainNumberMark(layout, 1, 39),
            ThunderballMark(layout, 1, 1), ThunderballMark(layout, 1, 14),
            MainNumberMark(layout, 6, 1),  MainNumberMark(layout, 6, 39),
            ThunderballMark(layout, 6, 1), ThunderballMark(layout, 6, 14),
        };
        for (std::size_t i = 0; i < std::size(places); ++i) {
            SCOPED_TRACE(i);
            const Line& bar = bars[i];
            EXPECT_EQ(bar.x1, Pixels(canvas, Axis::Horizontal, places[i].x, horizontal));
            EXPECT_EQ(bar.y1, Pixels(canvas, Axis::Vertical, places[i].y, vertical));
            EXPECT_EQ(bar.x2, Pixels(canvas, Axis::Horizontal, places[i].x + 0.17, horizontal));
            EXPECT_EQ(bar.y2, bar.y1);
            EXPECT_EQ(bar.penWidth,
                      Pixels(canvas, Axis::Vertical, places[i].y + 0.15, vertical) - bar.y1);
            EXPECT_TRUE(std::any_of(tickets.lines.begin(), tickets.lines.end(), [&](const Line& l) {
                return std::tie(l.x1, l.y1, l.x2, l.y2, l.penWidth) ==
                       std::tie(bar.x1, bar.y1, bar.x2, bar.y2, bar.penWidth);
            })) << "ticket printing draws no such bar";
        }
    }
    // The literal values of ticket printing's own test, adjusted 10 mm right and 5 mm up: main 1
    // of board 1 and main 39 of board 6.
    const std::vector<Line> bars = PartsOf(canvas).bars;
    EXPECT_EQ(std::tie(bars[0].x1, bars[0].x2, bars[0].y1, bars[0].penWidth),
              std::make_tuple(157, 177, 205, 18));
    EXPECT_EQ(std::tie(bars[5].x1, bars[5].x2, bars[5].y1, bars[5].penWidth),
              std::make_tuple(604, 624, 1797, 17));
}

// Every bar sits inside its outlined box, with the margins to spare on every side.
TEST_F(PrinterTestSheetTest, EveryBarSitsInsideItsBox) {
    settings.horizontalOffset = 3;
    settings.verticalOffset = -2;
    draw();
    const Parts parts = PartsOf(canvas);
    ASSERT_EQ(parts.bars.size(), 8u);
    for (const Line& bar : parts.bars) {
        const auto box =
            std::find_if(parts.outlines.begin(), parts.outlines.end(), [&](const Line& side) {
                return side.x1 == side.x2 && side.x1 < bar.x1 && bar.x1 - side.x1 < 20 &&
                       side.y1 < bar.y1 && side.y2 > bar.y1;
            });
        ASSERT_NE(box, parts.outlines.end()) << "no box left of the bar at " << bar.x1;
        const int top = box->y1, bottom = box->y2;
        EXPECT_GT(bar.y1 - bar.penWidth / 2, top + 1);
        EXPECT_LT(bar.y1 + bar.penWidth / 2, bottom - 1);
        // 0.05 cm at 300 dpi is about 6 pixels on each side.
        EXPECT_NEAR(bar.x1 - box->x1, 6, 1);
        EXPECT_NEAR(bar.y1 - bar.penWidth / 2.0 - top, 6, 1.5);
    }
}

// Every millimetre from the paper's corner to the printable area's far edge, longer every 5 mm
// and longer still, numbered, every centimetre; the top ruler has the corner.
TEST_F(PrinterTestSheetTest, TheTopRulerMeasuresThePaperFromItsCorner) {
    draw();
    const Parts parts = PartsOf(canvas);
    std::vector<Line> expected;
    for (int mm = 1;; ++mm) {
        const int x = Pixels(canvas, Axis::Horizontal, mm / 10.0);
        if (x > canvas.width)
            break;
        const double reach = mm % 10 == 0 ? 1.2 : mm % 5 == 0 ? 1.0 : 0.8;
        expected.push_back({1, 1, kThinAt300, x, -30, x, Pixels(canvas, Axis::Vertical, reach)});
    }
    // A4 is 210 mm wide; its printable area ends 20 px short of its edge, at 208.3 mm.
    ASSERT_EQ(expected.size(), 208u);
    ASSERT_EQ(parts.topRuler.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << i + 1 << " mm");
        const Line& tick = parts.topRuler[i];
        EXPECT_EQ(std::tie(tick.penWidth, tick.x1, tick.y1, tick.x2, tick.y2),
                  std::tie(expected[i].penWidth, expected[i].x1, expected[i].y1, expected[i].x2,
                           expected[i].y2));
    }
    // 1 cm: 118.11 px less the offset 20, its tick to 1.2 cm (141.73 px less 30).
    EXPECT_EQ(parts.topRuler[9].x1, 98);
    EXPECT_EQ(parts.topRuler[9].y2, 112);
    // The numbers 1 to 20 below the centimetre ticks, centred on them, 1.25 cm from the top.
    std::vector<Text> numbersOnTop;
    for (const Text& t : parts.rulerNumbers)
        if (t.y == Pixels(canvas, Axis::Vertical, 1.25))
            numbersOnTop.push_back(t);
    ASSERT_EQ(numbersOnTop.size(), 20u);
    for (int cm = 1; cm <= 20; ++cm) {
        SCOPED_TRACE(cm);
        const Text& number = numbersOnTop[static_cast<std::size_t>(cm - 1)];
        EXPECT_EQ(number.text, std::to_string(cm));
        const int width = 10 * static_cast<int>(number.text.size());
        EXPECT_EQ(number.x, Pixels(canvas, Axis::Horizontal, cm) - width / 2);
    }
}

// The left ruler runs down the paper below the top one, its ticks stopping short of the boards
// where they lie beside them; its numbers stand where the boards leave room.
TEST_F(PrinterTestSheetTest, TheLeftRulerMeasuresThePaperAndKeepsOffTheBoards) {
    draw();
    const Parts parts = PartsOf(canvas);
    ASSERT_FALSE(parts.leftRuler.empty());
    const int firstBox = Pixels(canvas, Axis::Horizontal, 0.45);
    const std::vector<std::pair<std::string, MarkPlace>> places = EveryPlace(layout);
    // Every millimetre from the first one below the top ruler, in order.
    const int firstMm =
        static_cast<int>(std::lround((parts.leftRuler.front().y1 + 30) / 300.0 * 25.4));
    EXPECT_EQ(firstMm, 17) << "the top ruler and its numbers take the corner down to 1.63 cm";
    int mm = firstMm;
    for (const Line& tick : parts.leftRuler) {
        SCOPED_TRACE(::testing::Message() << mm << " mm");
        EXPECT_EQ(tick.x1, -20);
        EXPECT_EQ(tick.y1, Pixels(canvas, Axis::Vertical, mm / 10.0));
        EXPECT_EQ(tick.y2, tick.y1);
        EXPECT_EQ(tick.penWidth, kThinAt300);
        const double reach = mm % 10 == 0 ? 1.2 : mm % 5 == 0 ? 1.0 : 0.8;
        // Beside a box, within 0.1 cm (12 px) above or below it.
        const bool besideABoard = std::any_of(places.begin(), places.end(), [&](const auto& place) {
            const Rect box = ExpectedBox(canvas, settings, place.second);
            return tick.y1 >= box.top - 12 && tick.y1 <= box.bottom + 12;
        });
        if (besideABoard)
            EXPECT_EQ(tick.x2, firstBox - 12);
        else
            EXPECT_EQ(tick.x2, Pixels(canvas, Axis::Horizontal, reach));
        ++mm;
    }
    // To the printable area's bottom edge.
    EXPECT_LE(Pixels(canvas, Axis::Vertical, (mm - 1) / 10.0), canvas.height);
    EXPECT_GT(Pixels(canvas, Axis::Vertical, mm / 10.0), canvas.height);
    // Numbers 2 above the boards, 17 to 29 below them, each centred on its tick.
    std::set<std::string> numbers;
    for (const Text& t : parts.rulerNumbers)
        if (t.x == Pixels(canvas, Axis::Horizontal, 1.25)) {
            numbers.insert(t.text);
            EXPECT_EQ(t.y + 16, Pixels(canvas, Axis::Vertical, std::stoi(t.text))) << t.text;
        }
    for (const char* n : {"2", "17", "20", "29"})
        EXPECT_TRUE(numbers.count(n)) << n;
    for (const char* n : {"3", "10", "16"})
        EXPECT_FALSE(numbers.count(n)) << n << " beside the boards";
}

TEST_F(PrinterTestSheetTest, TheRulersDoNotMoveWithTheAdjustmentsWhileTheBoxesAndBarsDo) {
    draw();
    const Parts still = PartsOf(canvas);
    settings.horizontalOffset = 3;
    settings.verticalOffset = -2;
    canvas = A4At300Dpi();
    draw();
    const Parts moved = PartsOf(canvas);

    const auto ticks = [](const std::vector<Line>& lines) {
        std::vector<std::tuple<int, int, int, int, int>> all;
        for (const Line& l : lines)
            all.emplace_back(l.x1, l.y1, l.x2, l.y2, l.penWidth);
        return all;
    };
    EXPECT_EQ(ticks(moved.topRuler), ticks(still.topRuler));
    // The left ruler's ticks start at the same places; beside the boards they stop short of them
    // wherever they are.
    ASSERT_EQ(moved.leftRuler.size(), still.leftRuler.size());
    for (std::size_t i = 0; i < still.leftRuler.size(); ++i) {
        EXPECT_EQ(moved.leftRuler[i].x1, still.leftRuler[i].x1);
        EXPECT_EQ(moved.leftRuler[i].y1, still.leftRuler[i].y1);
    }

    // Every box and every bar moved 3 mm right and 2 mm up: 35.43 and 23.62 px, give or take the
    // rounding of each position.
    ASSERT_EQ(moved.outlines.size(), still.outlines.size());
    for (std::size_t i = 0; i < still.outlines.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(moved.outlines[i].x1 - still.outlines[i].x1, 35.43, 1);
        EXPECT_NEAR(moved.outlines[i].y1 - still.outlines[i].y1, -23.62, 1);
    }
    ASSERT_EQ(moved.bars.size(), 8u);
    ASSERT_EQ(still.bars.size(), 8u);
    for (std::size_t i = 0; i < still.bars.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(moved.bars[i].x1 - still.bars[i].x1, 35.43, 1);
        EXPECT_NEAR(moved.bars[i].y1 - still.bars[i].y1, -23.62, 1);
    }
    // The numbers of the top ruler, and those of the left one below the boards, stay put.
    for (const Text& number : still.rulerNumbers) {
        if (number.y > Pixels(canvas, Axis::Vertical, 16.5) ||
            number.y == Pixels(canvas, Axis::Vertical, 1.25)) {
            EXPECT_TRUE(std::any_of(moved.rulerNumbers.begin(), moved.rulerNumbers.end(),
                                    [&](const Text& t) {
                                        return t.text == number.text && t.x == number.x &&
                                               t.y == number.y;
                                    }))
                << number.text;
        }
    }
}

// What the page says, gathered from its lines of instructions.
std::string Said(const Parts& parts) {
    std::string said;
    for (const Text& t : parts.instructions)
        said += t.text + "\n";
    return said;
}

TEST_F(PrinterTestSheetTest, SaysWhatItIsAndHowToUseIt) {
    settings.horizontalOffset = 3;
    settings.verticalOffset = -2;
    draw();
    const Parts parts = PartsOf(canvas);
    ASSERT_GE(parts.instructions.size(), 4u);
    EXPECT_EQ(parts.instructions[0].text, "PRINTER TEST SHEET");
    EXPECT_EQ(parts.instructions[0].font, "Times New Roman 14 bold");
    EXPECT_EQ(parts.instructions[1].text, "TICKET THUNDERBALL UK");
    EXPECT_EQ(parts.instructions.back().text,
              "Current adjustments: horizontal 3 mm, vertical -2 mm");
    std::string said = Said(parts);
    std::replace(said.begin(), said.end(), '\n', ' ');
    for (const std::string& words :
         {std::string("Lay the sheet on a ticket"), std::string("against the light"),
          std::string("Read on the rulers how far the bars must move"),
          std::string("right and down are positive"),
          std::string("Options") + kNoBreakSpace + ">" + kNoBreakSpace + "Parameters"})
        EXPECT_NE(said.find(words), std::string::npos) << words << " in\n" << said;
    for (const Text& t : parts.instructions)
        EXPECT_EQ(t.font.rfind("Times New Roman ", 0), 0u) << t.font;
}

// The words of the instructions, in order, whatever their lines.
std::vector<std::string> Words(const Parts& parts) {
    std::vector<std::string> words;
    for (const Text& t : parts.instructions) {
        std::istringstream line(t.text);
        for (std::string word; line >> word;)
            words.push_back(word);
    }
    return words;
}

// On A4 and Letter, and on a narrow page, the lines of instructions start right of the boards and
// end within the printable area, one below the other.
TEST_F(PrinterTestSheetTest, InstructionsFitThePageRightOfTheBoards) {
    canvas.width = 100'000;
    draw();
    const Parts unwrapped = PartsOf(canvas);
    const struct {
        const char* paper;
        int width, height;
    } papers[] = {
        {"A4", 2480 - 40, 3508 - 60}, {"Letter", 2550 - 40, 3300 - 60}, {"narrow", 1900, 3300}};
    for (const auto& paper : papers) {
        SCOPED_TRACE(paper.paper);
        canvas = A4At300Dpi();
        canvas.width = paper.width;
        canvas.height = paper.height;
        draw();
        const Parts parts = PartsOf(canvas);
        int below = 0;
        for (const Text& t : parts.instructions) {
            SCOPED_TRACE(t.text);
            EXPECT_EQ(t.x, Pixels(canvas, Axis::Horizontal, 9.0));
            EXPECT_LE(t.x + 10 * static_cast<int>(t.text.size()), canvas.width);
            EXPECT_GE(t.y, below);
            below = t.y + 4 * std::stoi(t.font.substr(std::string("Times New Roman ").size()));
            EXPECT_LE(below, canvas.height);
        }
        // Wrapped, not cut.
        EXPECT_GT(parts.instructions.size(), unwrapped.instructions.size());
        EXPECT_EQ(Words(parts), Words(unwrapped));
    }
}

// The rectangle a line covers, its thickness included.
Rect Covered(const Line& l) {
    const int half = (l.penWidth + 1) / 2;
    return l.y1 == l.y2
               ? Rect{std::min(l.x1, l.x2), l.y1 - half, std::max(l.x1, l.x2), l.y1 + half}
               : Rect{l.x1 - half, std::min(l.y1, l.y2), l.x1 + half, std::max(l.y1, l.y2)};
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Text is printed over an opaque white background: no text may cover a line, whatever the
// adjustments (within a centimetre).
TEST_F(PrinterTestSheetTest, NoTextCoversAnyLine) {
    for (const auto& [horizontal, vertical] :
         {std::pair{0, 0}, std::pair{3, -2}, std::pair{-10, -10}, std::pair{10, 10}}) {
        SCOPED_TRACE(::testing::Message() << "adjusted " << horizontal << ", " << vertical);
        settings.horizontalOffset = horizontal;
        settings.verticalOffset = vertical;
        canvas = A4At300Dpi();
        draw();
        for (const Text& t : canvas.texts) {
            const int pointSize = std::stoi(t.font.substr(std::string("Times New Roman ").size()));
            const Rect text{t.x, t.y, t.x + 10 * static_cast<int>(t.text.size()),
                            t.y + 4 * pointSize};
            for (const Line& l : canvas.lines)
                ASSERT_FALSE(Overlap(text, Covered(l)))
                    << "\"" << t.text << "\" at " << t.x << ", " << t.y << " covers the line "
                    << l.x1 << ", " << l.y1 << " - " << l.x2 << ", " << l.y2;
        }
    }
}

// The rulers never cross the boxes, wherever the adjustments put them.
TEST_F(PrinterTestSheetTest, TheRulersNeverRunIntoTheBoxes) {
    for (const auto& [horizontal, vertical] :
         {std::pair{0, 0}, std::pair{-4, -15}, std::pair{-12, 3}, std::pair{20, 30}}) {
        SCOPED_TRACE(::testing::Message() << "adjusted " << horizontal << ", " << vertical);
        settings.horizontalOffset = horizontal;
        settings.verticalOffset = vertical;
        canvas = A4At300Dpi();
        draw();
        const Parts parts = PartsOf(canvas);
        EXPECT_EQ(parts.outlines.size(), 6u * 53u * 4u);
        for (const std::vector<Line>* ruler : {&parts.topRuler, &parts.leftRuler})
            for (const Line& tick : *ruler)
                for (const Line& side : parts.outlines)
                    ASSERT_FALSE(Overlap(Covered(tick), Covered(side)))
                        << "the tick " << tick.x1 << ", " << tick.y1 << " - " << tick.x2 << ", "
                        << tick.y2;
    }
}

TEST_F(PrinterTestSheetTest, DrawsOnThePageItIsGivenWithoutBeginningEndingOrAddingPages) {
    draw();
    EXPECT_EQ(canvas.documentsBegun, 1);
    EXPECT_EQ(canvas.documentsEnded, 0);
    EXPECT_EQ(canvas.pages, 1);
    EXPECT_FALSE(canvas.lines.empty());
    EXPECT_FALSE(canvas.texts.empty());
}

TEST_F(PrinterTestSheetTest, PrintingIsOneDocumentOfOnePageWithTheFirstLayout) {
    settings.horizontalOffset = 3;
    PrintPrinterTestSheet(canvas, settings, prompts);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(canvas.documentsBegun, 1);
    EXPECT_EQ(canvas.documentsEnded, 1);
    EXPECT_EQ(canvas.pagesHandedOver, std::vector<int>{1});

    RecordingCanvas drawn = A4At300Dpi();
    ASSERT_TRUE(drawn.beginDocument().ok);
    DrawPrinterTestSheet(drawn, settings, TicketLayouts()[0]);
    ASSERT_EQ(canvas.lines.size(), drawn.lines.size());
    for (std::size_t i = 0; i < drawn.lines.size(); ++i)
        EXPECT_EQ(std::tie(canvas.lines[i].x1, canvas.lines[i].y1, canvas.lines[i].x2,
                           canvas.lines[i].y2, canvas.lines[i].penWidth),
                  std::tie(drawn.lines[i].x1, drawn.lines[i].y1, drawn.lines[i].x2,
                           drawn.lines[i].y2, drawn.lines[i].penWidth));
    EXPECT_EQ(canvas.texts.size(), drawn.texts.size());
}

TEST_F(PrinterTestSheetTest, APrinterThatCannotStartIsReportedAndNothingIsDrawn) {
    canvas.refusal = "No printer is installed.";
    PrintPrinterTestSheet(canvas, settings, prompts);
    EXPECT_EQ(prompts.shown, std::vector<Prompt>{PrintingFailedPrompt("No printer is installed.")});
    EXPECT_EQ(prompts.shown[0].text, "Nothing was printed. No printer is installed.");
    EXPECT_EQ(canvas.documentsEnded, 0);
    EXPECT_TRUE(canvas.lines.empty());
    EXPECT_TRUE(canvas.texts.empty());
}

TEST_F(PrinterTestSheetTest, AJobRefusedOrHeldByThePrinterIsReported) {
    canvas.handOverRefusal = "The printer \"Tickets\" refused the job.";
    PrintPrinterTestSheet(canvas, settings, prompts);
    EXPECT_EQ(prompts.shown, std::vector<Prompt>{
                                 PrintingFailedPrompt("The printer \"Tickets\" refused the job.")});
    EXPECT_EQ(canvas.documentsEnded, 1);

    canvas = A4At300Dpi();
    prompts = ScriptedPrompts();
    canvas.waiting = "The printer \"Tickets\" is paused.";
    PrintPrinterTestSheet(canvas, settings, prompts);
    EXPECT_EQ(prompts.shown,
              std::vector<Prompt>{PrintingWaitsPrompt("The printer \"Tickets\" is paused.")});
}

// The parameters file may hold any adjustment: boxes and bars the device cannot reach are left
// out, whatever it can reach is drawn, and the rulers and the instructions stay on the paper.
TEST_F(PrinterTestSheetTest, BoxesAndBarsBeyondTheReachOfTheDeviceAreLeftOut) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const struct {
        const char* what;
        std::int32_t horizontal, vertical;
        std::size_t outlines, bars;
    } cases[] = {
        {"the largest adjustment right", kMax, 0, 0, 0},
        {"the largest adjustment left", kMin, 0, 0, 0},
        {"the largest adjustment down", 0, kMax, 0, 0},
        {"both at their largest", kMax, kMin, 0, 0},
        // At 254 dpi a millimetre is 10 px: 2'000'000'000 px, and everything within reach.
        {"far off the paper but within reach", 200'000'000, 200'000'000, 6 * 53 * 4, 8},
        // Main 1 of board 1 starts 45 px right of 2'147'483'590 px: its box reaches beyond.
        {"only the left part of the boards within reach", 214'748'359, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        canvas = RecordingCanvas{};
        canvas.dpiX = canvas.dpiY = 254;
        settings.horizontalOffset = c.horizontal;
        settings.verticalOffset = c.vertical;
        draw();
        const Parts parts = PartsOf(canvas);
        EXPECT_EQ(parts.outlines.size(), c.outlines);
        EXPECT_EQ(parts.bars.size(), c.bars);
        EXPECT_GT(parts.topRuler.size(), 200u);
        EXPECT_GT(parts.leftRuler.size(), 200u);
        ASSERT_FALSE(parts.instructions.empty());
        EXPECT_EQ(parts.instructions.front().x, 900); // 9 cm
        for (const Line& l : canvas.lines)
            EXPECT_TRUE(l.x1 <= l.x2 && l.y1 <= l.y2) << "a line that wrapped around";
    }
}

} // namespace
} // namespace orvane::test
