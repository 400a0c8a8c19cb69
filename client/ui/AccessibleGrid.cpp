#include "client/ui/AccessibleGrid.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

// One cell of a grid: everything it says comes from the grid.
class GridCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCell(AccessibleGrid* grid, int row, int column) : m_grid(grid), m_row(row), m_column(column) {}

    bool isValid() const override { return m_grid->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_grid->window(); }
    QAccessibleInterface* parent() const override { return m_grid; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_grid->cellName(m_row, m_column) : QString();
    }

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect local = m_grid->cellRect(m_row, m_column);
        const auto* widget = static_cast<const QWidget*>(m_grid->object());
        return QRect(widget->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.focusable = m_grid->cellFocusable();
        s.focused = m_grid->focusCell() == QPoint(m_column, m_row);
        s.selectable = s.focusable;
        s.selected = isSelected();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return isValid() && m_grid->cellSelected(m_row, m_column); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return m_grid; }

private:
    AccessibleGrid* m_grid;
    int m_row;
    int m_column;
};

} // namespace

AccessibleGrid::AccessibleGrid(QWidget* widget, const QString& name)
    : QAccessibleWidget(widget, QAccessible::Table), m_name(name)
{
}

AccessibleGrid::~AccessibleGrid()
{
    for (QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
}

void* AccessibleGrid::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleGrid::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return m_name;
    return QAccessibleWidget::text(t);
}

int AccessibleGrid::childCount() const
{
    return rowCount() * columnCount();
}

QAccessibleInterface* AccessibleGrid::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto found = m_cells.constFind(index); found != m_cells.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto* cell = new GridCell(const_cast<AccessibleGrid*>(this), index / columnCount(), index % columnCount());
    m_cells.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int AccessibleGrid::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child || child->parent() != this)
        return -1;
    auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    return cell ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
}

QAccessibleInterface* AccessibleGrid::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i)
        if (child(i)->rect().contains(x, y))
            return child(i);
    return nullptr;
}

QAccessibleInterface* AccessibleGrid::focusChild() const
{
    const QPoint at = focusCell();
    return at.x() < 0 ? nullptr : cellAt(at.y(), at.x());
}

QAccessibleInterface* AccessibleGrid::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return child(row * columnCount() + column);
}

int AccessibleGrid::selectedCellCount() const
{
    return int(selectedCells().size());
}

QList<QAccessibleInterface*> AccessibleGrid::selectedCells() const
{
    QList<QAccessibleInterface*> cells;
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < columnCount(); ++column)
            if (cellSelected(row, column))
                cells.append(cellAt(row, column));
    return cells;
}

QString AccessibleGrid::columnDescription(int column) const
{
    return QCoreApplication::translate("AccessibleGrid", "Column %1").arg(column + 1);
}

QString AccessibleGrid::rowDescription(int row) const
{
    return QCoreApplication::translate("AccessibleGrid", "Row %1").arg(row + 1);
}
