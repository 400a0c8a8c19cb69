#pragma once
// Conversion between the user interface's Unicode text and the 8-bit Windows-1252
// bytes that travel on the wire and sit in files.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace wire {

// Unicode to Windows-1252. Characters that Windows-1252 cannot carry become "?",
// and so does U+00FF, whose byte 0xFF would end a message early.
QByteArray toWire(const QString& text);

// Unicode to Windows-1252 for a file: the same as toWire, except that "ÿ" keeps its byte
// 0xFF, which ends nothing in a file.
QByteArray toWindows1252(const QString& text);

// Windows-1252 to Unicode. The five bytes that Windows-1252 leaves undefined map to
// the C1 control characters of the same value, so every byte sequence survives.
QString fromWire(QByteArrayView bytes);
// The same, appended to `out`.
void appendFromWire(QString& out, QByteArrayView bytes);

// Replaces every 0xFF byte with "?", for bytes that go inside a message.
QByteArray withoutTerminator(QByteArray bytes);

} // namespace wire
