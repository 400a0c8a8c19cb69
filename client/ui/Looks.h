#pragma once
// The main window's look, shared by its panels: the inks and font of its labels and the
// pictures that stand in for missing artwork.
//
// The window has two looks: the ordinary warm one, and a high-contrast one for weak or
// colour-blind eyes, drawn from the Okabe-Ito colours (black, white and the blue that
// keeps a contrast of 4.5:1 against white), in which every text stands at least 4.5:1
// against the ground it is drawn on. A label's ink is given in the ordinary look
// (`setInk`) and shown in the look of the window it is in; `setHighContrast` switches a
// window's look and shows every such ink again.
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

class ElidedLabel;
class QLabel;
class QWidget;

namespace looks {

// The grounds and inks of one look.
struct Palette {
    QColor window;      // around the panels
    QColor backdrop;    // the panels' own ground
    QColor backdropInk; // text drawn on it without an ink of its own
    QColor board;       // the board panel's frame, around the tiles
    QColor boardInk;
    QColor ink;
    QColor inkSoft;
    QColor inkFaint;
};
const Palette& ordinaryPalette();
const Palette& highContrastPalette();

// The contrast ratio of two colours by their relative luminance, 1 to 21, as the web's
// accessibility guidelines count it.
double contrastRatio(const QColor& a, const QColor& b);

// Switches the look of `window` and every widget in it.
void setHighContrast(QWidget* window, bool on);
bool highContrast(const QWidget* widget);

// Ordinary text on the background, and empty seats and headings.
inline QColor ink() { return QColor(52, 34, 14); }
inline QColor inkSoft() { return QColor(112, 80, 44); }
// Text with nothing to say yet, such as the clock before the first turn.
inline QColor inkFaint() { return QColor(140, 118, 92); }

QFont uiFont(int pixelSize, bool bold);
// Sets the colour a widget's text is drawn in, as given in the ordinary look; in the
// high-contrast look the widget shows that look's ink instead (its soft or faint ink for
// the ordinary soft or faint one).
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
