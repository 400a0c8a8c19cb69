#pragma once
// An edit with up-down arrows whose text cannot be typed: the value changes only
// through the arrows, the arrow keys or the mouse wheel, in whole increments, and
// stops at its bounds. It shows and changes the SteppedValue it is bound to.
#include "windows/GameStartOptions.h"

#include <QSpinBox>

class UpDownEdit : public QSpinBox {
    Q_OBJECT
public:
    UpDownEdit(SteppedValue& value, QWidget* parent = nullptr);

    // The edit part, for reading the text that is shown.
    QLineEdit* edit() const { return lineEdit(); }

    // Shows the bound value again after it was changed from outside.
    void refresh();

private:
    SteppedValue& m_value;
};
