#include "widgets/ElidedItemDelegate.h"

#include "widgets/PlainToolTip.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QListView>
#include <QStyle>
#include <QToolTip>

ElidedItemDelegate::ElidedItemDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

ElidedItemDelegate* ElidedItemDelegate::install(QListView* list)
{
    auto* delegate = new ElidedItemDelegate(list);
    list->setItemDelegate(delegate);
    list->setTextElideMode(Qt::ElideRight);
    list->setWordWrap(false);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return delegate;
}

QSize ElidedItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize hint = QStyledItemDelegate::sizeHint(option, index);
    hint.setWidth(1);
    return hint;
}

bool ElidedItemDelegate::isElided(const QStyleOptionViewItem& option, const QModelIndex& index,
                                  const QWidget* widget) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    // The style keeps a small margin inside the text's rectangle.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    return opt.fontMetrics.horizontalAdvance(opt.text) > textRect.width() - 2 * margin;
}

bool ElidedItemDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                   const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    if (isElided(option, index, view)) {
        QToolTip::showText(event->globalPos(), plaintooltip::of(index.data(Qt::DisplayRole).toString()), view,
                           option.rect);
    } else {
        QToolTip::hideText();
    }
    return true;
}
