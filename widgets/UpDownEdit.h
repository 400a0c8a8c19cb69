#pragma once
// An edit with up-down arrows: the value changes through the arrows, the arrow keys or
// the mouse wheel, in whole increments, stopping at its bounds, or by typing a number.
// A typed number is reported once the player is done with it (Enter, or leaving the
// box), held to the bounds; the owner rounds it as it sees fit, keeps the value and
// shows it again with setShown().
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
