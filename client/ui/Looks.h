#pragma once
// The main window's look, shared by its panels: the inks and font of its labels and the
// pictures that stand in for missing artwork.
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

class ElidedLabel;
class QLabel;
class QWidget;

namespace looks {

// Ordinary text on the background, and empty seats and headings.
inline QColor ink() { return QColor(52, 34, 14); }
inline QColor inkSoft() { return QColor(112, 80, 44); }
// Text with nothing to say yet, such as the clock before the first turn.
inline QColor inkFaint() { return QColor(140, 118, 92); }

QFont uiFont(int pixelSize, bool bold);
// Sets the colour a widget's text is drawn in.
void setInk(QWidget* widget, const QColor& colour);
// A label placed at a fixed spot of a panel whose drawing does not change with the window.
// Its text is plain: nothing in it is read as markup.
QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, int pixelSize,
              bool bold = false, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
// The same for a text that may hold another player's name: cut with an ellipsis when it
// is wider than the label, and then shown whole in its tooltip.
ElidedLabel* nameLabel(QWidget* parent, const QString& name, const QRect& geometry, int pixelSize, bool bold = false,
                       Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
// A picture from the resources, or a plain round drawing of the same size until it exists.
QPixmap pictureOr(const QString& path, QSize size, const QColor& fallback);

} // namespace looks
