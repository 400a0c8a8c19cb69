#include "windows/UpDownEdit.h"

#include <QLineEdit>
#include <QSignalBlocker>

UpDownEdit::UpDownEdit(SteppedValue& value, QWidget* parent)
    : QSpinBox(parent), m_value(value)
{
    setRange(value.minimum(), value.maximum());
    setSingleStep(value.increment());
    setWrapping(false);
    setGroupSeparatorShown(false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAccelerated(false);
    lineEdit()->setReadOnly(true);
    refresh();
    connect(this, &QSpinBox::valueChanged, this, [this](int v) { m_value.setPosition(v); });
}

void UpDownEdit::refresh()
{
    const QSignalBlocker quiet(this);
    setValue(m_value.position());
}
