#include "widgets/UpDownEdit.h"

#include <QLineEdit>
#include <QSignalBlocker>

UpDownEdit::UpDownEdit(int minimum, int maximum, int increment, QWidget* parent)
    : QSpinBox(parent)
{
    setRange(minimum, maximum);
    setSingleStep(increment);
    setWrapping(false);
    setGroupSeparatorShown(false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAccelerated(false);
    // One report per typed number, not one per key; a number beyond a bound is that bound.
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

void UpDownEdit::setShown(int value)
{
    const QSignalBlocker quiet(this);
    setValue(value);
}
