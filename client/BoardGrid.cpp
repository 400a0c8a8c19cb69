#include "client/BoardGrid.h"

#include <cmath>

namespace boardgrid {

std::optional<QPoint> cellAt(QPointF at, qreal tile)
{
    // Written so that a point that is not a number, or far away, is off the board too.
    if (!(tile > 0) || !(at.x() >= 0) || !(at.y() >= 0))
        return std::nullopt;
    const qreal column = std::floor(at.x() / tile);
    const qreal row = std::floor(at.y() / tile);
    if (!(column < Columns) || !(row < Rows))
        return std::nullopt;
    return QPoint(int(column) + 1, int(row) + 1);
}

QRectF cellRect(QPoint cell, qreal tile)
{
    return QRectF((cell.x() - 1) * tile, (cell.y() - 1) * tile, tile, tile);
}

} // namespace boardgrid
