#include "widgets/PlainMessageBox.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

namespace {

// The window manager's icon and its three buttons beside the title, and the title's
// margins, at the box's scale.
constexpr int FrameAllowance = 140;

} // namespace

int titleWidth(const QMessageBox& box, const QString& title)
{
    QFont bold = box.font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title) + FrameAllowance;
}

void fitTitle(QMessageBox& box)
{
    // A spacer across the box's whole layout sets its least width.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    grid->addItem(new QSpacerItem(titleWidth(box, box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

QMessageBox::StandardButton plainMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                            const QString& text, QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    fitTitle(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
