#include "net/LogText.h"

#include "net/Wire.h"

namespace logtext {

QString escapeControls(const QString& text)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        // Every control character lies below U+00A0, so two digits always suffice.
        const char16_t code = ch.unicode();
        if (ch.category() == QChar::Other_Control) {
            out += QLatin1String("\\x");
            out += QLatin1Char(Hex[(code >> 4) & 0xF]);
            out += QLatin1Char(Hex[code & 0xF]);
        } else {
            out += ch;
        }
    }
    return out;
}

QString field(const QByteArray& wireText, int maxChars)
{
    if (wireText.size() <= maxChars)
        return escapeControls(wire::fromWire(wireText));
    return escapeControls(wire::fromWire(wireText.left(maxChars)))
        + QStringLiteral("... (%1 bytes)").arg(wireText.size());
}

} // namespace logtext
