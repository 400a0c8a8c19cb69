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
    lineEdit()->setReadOnly(true);
}

void UpDownEdit::setShown(int value)
{
    const QSignalBlocker quiet(this);
    setValue(value);
}
