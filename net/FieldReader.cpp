#include "net/FieldReader.h"

#include <limits>

FieldError::FieldError(const QByteArray& field)
    : std::runtime_error("'" + field.left(40).toStdString() + "' is not a valid integer value")
    , m_field(field)
{
}

QByteArray FieldReader::next()
{
    const qsizetype plus = m_rest.indexOf('+');
    if (plus < 0)
        return QByteArray();
    QByteArray field = m_rest.left(plus);
    m_rest.remove(0, plus + 1);
    return field;
}

QByteArray FieldReader::lastField()
{
    if (m_rest.contains('+'))
        return next();
    QByteArray all;
    all.swap(m_rest);
    return all;
}

int FieldReader::nextInt()
{
    return toIntOrThrow(next());
}

bool FieldReader::toInt(const QByteArray& text, int* value)
{
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text.at(0) == '-';
    if (negative)
        i = 1;
    if (i >= text.size())
        return false;
    long long v = 0;
    for (; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
        if (v > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min())
        return false;
    *value = static_cast<int>(v);
    return true;
}

int FieldReader::toIntOrThrow(const QByteArray& text)
{
    int v = 0;
    if (!toInt(text, &v))
        throw FieldError(text);
    return v;
}
