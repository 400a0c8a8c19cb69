#pragma once
// The board's cells on the screen: ten columns by nine rows of square tiles, whatever
// size the tiles are drawn at. The one place that turns a point of the board into a
// cell and a cell into the square it is drawn in; the mouse, the board's drawing and
// anything drawn over the board go through here, so they agree at every scale.
#include "net/GameConstants.h"

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <optional>

namespace boardgrid {

constexpr int Columns = game::Columns;
constexpr int Rows = game::Rows;

// The cell (column 1..10, row 1..9) under a point of a board whose tiles are `tile`
// pixels wide and high, with the board's top-left corner at (0, 0); nothing for a point
// beside or below the board. A point on the line between two cells belongs to the cell
// to its right or below it.
std::optional<QPoint> cellAt(QPointF at, qreal tile);

// The square a cell is drawn in.
QRectF cellRect(QPoint cell, qreal tile);

} // namespace boardgrid
