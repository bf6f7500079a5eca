#include "bench/process/program_road.h"

#include "app/app_windows.h"
#include "app/main_window.h"
#include "bench/support/first_paint.h"
#include "bench/support/selection_marking.h"
#include "output/board_list_window.h"
#include "output/ticket_print_window.h"
#include "results/comparison_window.h"
#include "wheels/boards_view.h"
#include "wheels/wheel_catalogue.h"

#include <QAbstractButton>

namespace orvane::bench {

namespace {

void Click(QWidget* window, const char* button) {
    window->findChild<QAbstractButton*>(QLatin1String(button))->click();
}

// Queues `use` for when `window` is painted, then opens it modally with the main window's button
// and returns once `use` has closed it.
void OpenAndUse(MainWindow& main, const char* button, QWidget* window, std::function<void()> use) {
    WhenPainted(window, std::move(use));
    Click(&main, button);
}

} // namespace

void WalkTheRoad(MainWindow& main, AppWindows& windows, int systemIndex) {
    MarkSelectionFor(main, systemIndex);

    OpenAndUse(main, "bimplistbull", windows.boardList.get(), [&] {
        Click(windows.boardList.get(), "BitBtn6"); // print the list
        Click(windows.boardList.get(), "BitBtn1");
    });

    ComparisonWindow* comparison = windows.comparison.get();
    OpenAndUse(main, "bcomparer", comparison, [comparison, systemIndex] {
        EnterWinningDraw(*comparison, systemIndex);
        Click(comparison, "button1");
        WhenPainted(comparison, [comparison] { Click(comparison, "BitBtn1"); });
    });

    BoardsView* view = windows.boardsView.get();
    OpenAndUse(main, "bvoirbulletin", view, [view, systemIndex] {
        for (int k = 1; k < WheelCatalogue(systemIndex).boardCount; ++k)
            Click(view, "BitBtn4");
        WhenPainted(view, [view] { Click(view, "BitBtn1"); });
    });

    OpenAndUse(main, "bimpbull", windows.ticketPrint.get(),
               [&] { Click(windows.ticketPrint.get(), "boutlancer"); }); // every board, then closes
}

} // namespace orvane::bench
