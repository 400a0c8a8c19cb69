#include "net/Message.h"

#include "net/Wire.h"

Message& Message::add(const QByteArray& field)
{
    m_text.append('+');
    m_text.append(wire::withoutTerminator(field));
    return *this;
}

Message& Message::add(const QString& field)
{
    return add(wire::toWire(field));
}

Message& Message::add(int number)
{
    m_text.append('+');
    m_text.append(QByteArray::number(number));
    return *this;
}

Message& Message::raw(const QByteArray& fields)
{
    m_text.append(wire::withoutTerminator(fields));
    return *this;
}

QByteArray Message::bytes() const
{
    QByteArray out = m_text;
    out.append(Terminator);
    return out;
}
