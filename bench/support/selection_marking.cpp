#include "bench/support/selection_marking.h"

#include "app/main_window.h"
#include "bench/support/largest_systems.h"
#include "results/comparison_window.h"
#include "wheels/system_list.h"

#include <QComboBox>

namespace orvane::bench {

void MarkSelectionFor(MainWindow& main, int systemIndex) {
    auto* systems = main.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    for (int position = 0; position < systems->count(); ++position)
        if (SystemIndexOfEntry(systems->itemText(position).toStdString()) == systemIndex)
            systems->setCurrentIndex(position);
    const SystemSelection selection = SelectionFor(systemIndex);
    for (int cell : selection.fixedCells)
        main.clickdroit(cell);
    for (int cell : selection.selectedCells)
        main.casecoch(cell);
    main.casecoch(selection.thunderballCell);
}

void EnterWinningDraw(ComparisonWindow& window, int systemIndex) {
    const SystemSelection selection = SelectionFor(systemIndex);
    std::vector<int> numbers = selection.fixedCells;
    numbers.insert(numbers.end(), selection.selectedCells.begin(), selection.selectedCells.end());
    for (int i = 0; i < kDrawnMainNumbers; ++i)
        window.findChild<QComboBox*>(QStringLiteral("ComboBox%1").arg(i + 1))
            ->setCurrentIndex(numbers[static_cast<std::size_t>(i)] - 1);
    window.findChild<QComboBox*>(QStringLiteral("ComboBox9"))
        ->setCurrentIndex(selection.thunderballCell - kFirstThunderballCell);
}

} // namespace orvane::bench
