#pragma once
// A widget that shows a grid of values, told to assistive technology as a table: rows
// and columns of cells, each with a name, a place on the screen and a state. A subclass
// says how many rows and columns there are and what each cell is; the cells' interfaces
// are made when first asked for and live as long as the table's.
#include <QAccessibleWidget>
#include <QHash>

class AccessibleGrid : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    AccessibleGrid(QWidget* widget, const QString& name);
    ~AccessibleGrid() override;

    // --- what a subclass tells, rows and columns counted from 0 --------------------------
    int rowCount() const override = 0;
    int columnCount() const override = 0;
    virtual QString cellName(int row, int column) const = 0;
    // The cell's square in the widget's own pixels.
    virtual QRect cellRect(int row, int column) const = 0;
    virtual bool cellSelected(int, int) const { return false; }
    virtual bool cellFocusable() const { return false; }
    // The cell with the keyboard's focus, when the widget has it; (-1, -1) for none.
    virtual QPoint focusCell() const { return QPoint(-1, -1); }

    // --- the interface -------------------------------------------------------------------
    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    QString m_name;
    mutable QHash<int, QAccessible::Id> m_cells;
};
