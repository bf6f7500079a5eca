// A parameters file of any bytes taken through to printing tickets and the printer test sheet, on
// printers of any resolution and printing offset, for any selection a system takes and any print
// options.
//
// The input starts with the parameters file's bytes (only the first 20 count, as at start); the
// rest chooses the printer, the selection and the options.

#include "app/session.h"
#include "fuzz_support.h"
#include "output/printer_test_sheet.h"
#include "output/ticket_printing.h"
#include "settings/app_settings.h"
#include "support/recording_canvas.h"
#include "tests/doubles/scripted_prompts.h"
#include "wheels/board_run.h"
#include "wheels/wheel_catalogue.h"

#include <algorithm>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <limits>
#include <numeric>

using namespace orvane;
using namespace orvane::fuzz;

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// Marks a selection system `index` takes: its fixed and other main numbers, picked by the input
// among 1..39, and one or more Thunderball numbers. Returns how many Thunderball numbers.
int MarkSelection(Session& session, int index, FuzzedDataProvider& input) {
    const WheelSystem& system = WheelCatalogue(index);
    std::array<int, kMainNumbers> numbers{};
    std::iota(numbers.begin(), numbers.end(), 1);
    for (int i = 0; i < system.numberCount; ++i)
        std::swap(numbers[static_cast<std::size_t>(i)],
                  numbers[input.ConsumeIntegralInRange<std::size_t>(static_cast<std::size_t>(i),
                                                                    kMainNumbers - 1)]);
    for (int i = 0; i < system.numberCount; ++i)
        session.grid.setState(numbers[static_cast<std::size_t>(i)],
                              i < system.fixedCount ? kFixed : kSelected);
    const auto thunderballs = input.ConsumeIntegralInRange<unsigned>(1, (1u << 14) - 1);
    int count = 0;
    for (int t = 1; t <= kThunderballNumbers; ++t)
        if (thunderballs & (1u << (t - 1))) {
            session.grid.setState(ThunderballCell(t), kSelected);
            ++count;
        }
    session.systemList.choose(session.systemList.positionOfSystem(index));
    session.run.RebuildPlayOrder(session.grid);
    return count;
}

Bytes Seed(std::int32_t horizontal, std::int32_t vertical, std::initializer_list<int> printer) {
    Bytes bytes;
    for (const std::int32_t field : {0, 2, horizontal, vertical, 1})
        AppendInt32(bytes, field);
    for (const int value : printer)
        AppendInt32(bytes, value);
    return bytes;
}

// Whether every mark of this printer and these adjustments lies within the device's reach:
// positions within 30 cm of the corner, moved by at most 100 m, at up to 10000 dpi.
bool WithinReach(const AppSettings& settings, const test::RecordingCanvas& canvas) {
    const auto modest = [](std::int64_t v, std::int64_t limit) { return std::llabs(v) <= limit; };
    return canvas.dpiX >= 1 && canvas.dpiX <= 10'000 && canvas.dpiY >= 1 && canvas.dpiY <= 10'000 &&
           modest(canvas.offsetX, 1'000'000) && modest(canvas.offsetY, 1'000'000) &&
           modest(settings.horizontalOffset, 100'000) && modest(settings.verticalOffset, 100'000);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    WriteSeedsIfAsked({
        Seed(0, 0, {600, 600, 0, 0}),
        Seed(10, -5, {300, 300, 20, 30}),
        Seed(kMax, 0, {600, 600, 0, 0}),
        Seed(0, kMin, {600, 600, 0, 0}),
        Seed(kMax, kMax, {kMax, kMax, kMin, kMin}),
        Seed(214'748'359, 214'748'339, {254, 254, 0, 0}),
        Seed(-123456789, 123456789, {1200, 600, 1, 2}),
        Bytes{0, 0, 0, 0, 2, 0, 0, 0, 3},
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);

    // The parameters file, read at start as the program does, the language then set to English.
    Session session;
    session.programFolder = ScratchFolder();
    const Bytes file = input.ConsumeBytes<std::uint8_t>(kSettingsRecordSize);
    WriteFile(session.programFolder + kParametersFileName, file.data(), file.size());
    LoadSettings(session.settings, session.programFolder);
    session.settings.language = kLanguageEnglish;

    test::RecordingCanvas canvas;
    canvas.dpiX = input.ConsumeIntegral<int>();
    canvas.dpiY = input.ConsumeIntegral<int>();
    canvas.offsetX = input.ConsumeIntegral<int>();
    canvas.offsetY = input.ConsumeIntegral<int>();

    // The printer test sheet on the same printer, placed by the same adjustments: one job, its
    // lines level or upright.
    test::RecordingCanvas sheet = canvas;
    test::ScriptedPrompts sheetPrompts;
    PrintPrinterTestSheet(sheet, session.settings, sheetPrompts);
    Require(sheet.documentsBegun == 1 && sheet.documentsEnded == 1 && sheetPrompts.shown.empty(),
            "the test sheet is one job");
    for (const test::RecordingCanvas::Line& line : sheet.lines)
        Require(line.x1 == line.x2 || line.y1 == line.y2,
                "every line of the test sheet is level or upright");

    const int index = input.ConsumeIntegralInRange(1, kSystemCount);
    if (!HasCompleteTable(index))
        return 0;
    const int thunderballs = MarkSelection(session, index, input);
    Require(SelectionCheck(session.grid, session.systemList, ThunderballRule::AtLeastOne),
            "the marked selection fits its system");

    const PrintMode mode = input.ConsumeBool() ? PrintMode::AllAtOnce : PrintMode::TicketByTicket;
    const int first = input.ConsumeIntegral<int>();
    const int last = input.ConsumeIntegral<int>();
    const bool numberOnTop = input.ConsumeBool();
    test::ScriptedPrompts prompts;
    while (input.remaining_bytes() > 0 && prompts.answers.size() < 64)
        prompts.answers.push_back(input.ConsumeBool() ? PromptAnswer::Ok : PromptAnswer::Cancel);

    PrintTickets(session.boards(), session.settings, canvas, prompts, 1, mode, first, last,
                 numberOnTop);

    // One job in all, or one per ticket when stopping after each; every job begun is ended.
    Require(canvas.documentsBegun >= 1 && canvas.documentsEnded == canvas.documentsBegun,
            "every print job begun is ended");
    if (mode == PrintMode::AllAtOnce)
        Require(canvas.documentsBegun == 1, "printing all the tickets at once is one job");
    for (const test::RecordingCanvas::Line& bar : canvas.lines)
        Require(bar.y1 == bar.y2, "every bar is level");
    if (mode != PrintMode::AllAtOnce || !WithinReach(session.settings, canvas))
        return 0;
    // Every mark within reach is drawn: five main numbers and the Thunderballs on every board.
    const int n = WheelCatalogue(index).boardCount;
    const bool whole = first < 1 || last > n;
    const std::int64_t range = std::int64_t{last} - first + 1; // first and last may be far apart
    const std::size_t boards =
        static_cast<std::size_t>(whole ? n : std::max<std::int64_t>(0, range));
    Require(canvas.lines.size() == boards * static_cast<std::size_t>(kBoardSize + thunderballs),
            "every mark within reach is drawn");
    Require(canvas.texts.size() == (numberOnTop ? boards : 0), "every number on top is drawn");
    for (const test::RecordingCanvas::Line& bar : canvas.lines)
        Require(bar.x2 >= bar.x1 && bar.penWidth >= 0,
                "a bar runs rightwards, never less thick than 0");
    return 0;
}
