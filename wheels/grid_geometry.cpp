#include "wheels/grid_geometry.h"

#include "wheels/selection_grid.h"

#include <array>

namespace orvane {

namespace {

struct Layout {
    std::array<int, 8> mainX;
    std::array<int, 5> mainY;
    std::array<std::array<int, 4>, 4> thunderX; // per Thunderball row; row 1 uses two entries
    std::array<int, 4> thunderY;
};

constexpr Layout kMainWindow{
    {13, 42, 69, 99, 130, 153, 184, 213},
    {32, 49, 65, 81, 100},
    {{{272, 296, 0, 0}, {240, 273, 297, 329}, {241, 272, 296, 328}, {240, 272, 296, 328}}},
    {33, 49, 67, 83}};

constexpr Layout kBoardsView{
    {15, 43, 73, 103, 132, 159, 187, 217},
    {34, 52, 68, 86, 102},
    {{{274, 301, 0, 0}, {246, 274, 301, 330}, {246, 274, 301, 330}, {246, 274, 301, 330}}},
    {34, 51, 68, 86}};

QPoint positionIn(const Layout& layout, int cell) {
    if (cell <= kMainNumbers) {
        const int row = (cell - 1) / 8;
        const int column = (cell - 1) % 8;
        return {layout.mainX[static_cast<std::size_t>(column)],
                layout.mainY[static_cast<std::size_t>(row)]};
    }
    const int t = cell - kMainNumbers; // Thunderball number 1..14
    const int row = t <= 2 ? 0 : (t - 3) / 4 + 1;
    const int column = t <= 2 ? t - 1 : (t - 3) % 4;
    return {layout.thunderX[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)],
            layout.thunderY[static_cast<std::size_t>(row)]};
}

} // namespace

QPoint CellPosition(GridPlacement placement, int cell) {
    QPoint p = positionIn(placement == GridPlacement::MainWindow ? kMainWindow : kBoardsView, cell);
    if (placement == GridPlacement::MainWindow) {
        // The printed ticket's rows are not perfectly straight; these cells sit one pixel off.
        if (cell == 24 || (cell >= 29 && cell <= 32))
            p.ry() += 1;
        if (cell == 46)
            p.ry() -= 1;
    } else if (cell == 8) {
        p.setY(33);
    }
    return p;
}

QSize CellSize(GridPlacement placement) {
    return placement == GridPlacement::MainWindow ? QSize(20, 13) : QSize(19, 13);
}

QPoint PicturePosition(GridPlacement placement) {
    return placement == GridPlacement::MainWindow ? QPoint(5, 9) : QPoint(8, 9);
}

} // namespace orvane
