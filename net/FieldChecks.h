#pragma once
// Checked reading of message fields. Every failure throws an exception that the
// dispatcher catches and logs, before the handler has changed anything.
#include "net/FieldReader.h"
#include "net/Wire.h"

#include <QString>
#include <stdexcept>
#include <string>

namespace fieldchecks {

// A number that must lie in lo..hi (a slot, a seat, a column, a tile); gives it back, or
// throws std::out_of_range naming what it is.
inline int checkRange(int v, int lo, int hi, const char* what)
{
    if (v < lo || v > hi)
        throw std::out_of_range(std::string(what) + " " + std::to_string(v) + " is outside "
                                + std::to_string(lo) + ".." + std::to_string(hi));
    return v;
}

// The next field as a number in lo..hi.
inline int inRange(FieldReader& f, int lo, int hi, const char* what)
{
    return checkRange(f.nextInt(), lo, hi, what);
}

// One field of a list read with the "+@" rule; a list that ends in the middle of a
// group is malformed.
inline QByteArray listField(FieldReader& f)
{
    if (f.atListEnd() || !f.rest().contains('+'))
        throw std::out_of_range("list cut short");
    return f.next();
}

inline int listInt(FieldReader& f) { return FieldReader::toIntOrThrow(listField(f)); }

// Text fields arrive as Windows-1252 bytes.
inline QString text(const QByteArray& bytes) { return wire::fromWire(bytes); }

} // namespace fieldchecks
