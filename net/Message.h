#pragma once
// Builds one outgoing message: a command word, fields each preceded by "+", and the
// 0xFF terminator. Every message of the game is put together here, so no sender can
// leave out the terminator or smuggle a 0xFF byte into a field.
#include <QByteArray>
#include <QString>

class Message {
public:
    static constexpr char Terminator = '\xFF';

    explicit Message(const QByteArray& command) : m_text(command) {}

    // One "+" and then the field's bytes (any 0xFF inside becomes "?").
    Message& add(const QByteArray& field);
    Message& add(const char* field) { return add(QByteArray(field)); }
    Message& add(const QString& field);
    Message& add(int number);
    Message& flag(bool value) { return add(value ? "t" : "f"); }
    // Appends pre-formed field text as is (it brings its own "+" separators), for the
    // compound fields (board text, word text, cell lists) that the host keeps ready.
    Message& raw(const QByteArray& fields);

    // The text without the terminator.
    const QByteArray& text() const { return m_text; }
    // The whole message as it goes on the wire.
    QByteArray bytes() const;

private:
    QByteArray m_text;
};
