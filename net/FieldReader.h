#pragma once
// Takes the fields of one received message off the front of its text, one "+" at a time.
#include <QByteArray>
#include <stdexcept>

// A field that should hold a number holds something else; it ends the handling of
// the message it came in.
class FieldError : public std::runtime_error {
public:
    explicit FieldError(const QByteArray& field);
    const QByteArray& field() const { return m_field; }

private:
    QByteArray m_field;
};

class FieldReader {
public:
    explicit FieldReader(const QByteArray& text) : m_rest(text) {}

    // The text before the first "+", which is removed with that "+". A field followed
    // by no "+" reads as empty text and leaves the remainder as it was.
    QByteArray next();
    // The next field as a decimal integer; throws FieldError on anything else.
    int nextInt();
    // The next field as a flag: true only for exactly "t".
    bool nextFlag() { return next() == "t"; }
    // All that remains.
    const QByteArray& rest() const { return m_rest; }
    // The last field of a message that may or may not end with "+": the next field when
    // a "+" follows, otherwise all that remains (which is then used up).
    QByteArray lastField();

    // Lists (board text, word text, cell lists, seat stats) are read by appending "+@"
    // and taking groups of fields until exactly "@" remains.
    void beginList() { m_rest.append("+@"); }
    bool atListEnd() const { return m_rest == "@"; }

    // Strict decimal conversion: an optional "-" and one or more digits, within int range.
    static bool toInt(const QByteArray& text, int* value);
    static int toIntOrThrow(const QByteArray& text);

private:
    QByteArray m_rest;
};
