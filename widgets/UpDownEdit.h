#pragma once
// An edit with up-down arrows whose text cannot be typed: the value changes only
// through the arrows, the arrow keys or the mouse wheel, in whole increments, and
// stops at its bounds. Its owner keeps the value and shows it again with setShown().
#include <QSpinBox>

class UpDownEdit : public QSpinBox {
    Q_OBJECT
public:
    UpDownEdit(int minimum, int maximum, int increment, QWidget* parent = nullptr);

    // The edit part, for reading the text that is shown.
    QLineEdit* edit() const { return lineEdit(); }
    // Shows a value set from outside without reporting it back as a change.
    void setShown(int value);
};
