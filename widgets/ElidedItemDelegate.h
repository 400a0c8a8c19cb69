#pragma once
// Draws the lines of a list (the spy list, the tally's name lists) cut with an ellipsis
// at the list's width instead of running off under a scroll bar, and shows a cut line
// whole, as plain text, in its tooltip. Install it with `install`, which also makes the
// list lay its lines out at its own width.
#include <QStyledItemDelegate>

class QListView;

class ElidedItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ElidedItemDelegate(QObject* parent = nullptr);

    static ElidedItemDelegate* install(QListView* list);

    // Lines ask for no width of their own, so each one is as wide as the list.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // Whether the line's text does not fit beside its check box and margins.
    bool isElided(const QStyleOptionViewItem& option, const QModelIndex& index, const QWidget* widget) const;
};
