#pragma once

#include <QPoint>
#include <QSize>

namespace vorlant {

// Where the cells, the board panel, the counters panel and the window's client area go.
// Cells sit 20 pixels apart and 20 pixels from the panel's edges; the panel stands at
// (20, 60) in the client area with the counters panel 25 pixels to its right.
namespace board_layout {

inline constexpr int kTextCellSide = 60;
inline constexpr int kPictureCellSide = 90;
inline constexpr int kCellGap = 20;
inline constexpr QPoint kPanelPosition{20, 60};
inline constexpr int kCountersGap = 25;
inline constexpr int kCountersRightMargin = 20;

// Top-left of the cell in the panel.
constexpr QPoint CellOrigin(int row, int column, int cellSide)
{
    return {column * (cellSide + kCellGap) + kCellGap, row * (cellSide + kCellGap) + kCellGap};
}

constexpr QPoint CountersPosition(QSize panel)
{
    return {kPanelPosition.x() + panel.width() + kCountersGap, kPanelPosition.y()};
}

constexpr QSize ClientSize(QSize panel, int countersWidth)
{
    return {panel.width() + 2 * kPanelPosition.x() + countersWidth + kCountersRightMargin,
            panel.height() + 2 * kPanelPosition.y()};
}

} // namespace board_layout
} // namespace vorlant
