#include "client/ChatReceive.h"

#include "net/Wire.h"

ReceivedChat splitReceivedChat(const QString& text)
{
    const qsizetype bar = text.indexOf(u'|');
    if (bar < 0)
        return {text, colortext::Fallback};
    const std::optional<ColorValue> colour = colortext::TextToColor(text.mid(bar + 1));
    return {text.left(bar), colour.value_or(colortext::Fallback)};
}

void ChatReceiver::chatrecieved(const QByteArray& rest) const
{
    const ReceivedChat chat = splitReceivedChat(wire::fromWire(rest));
    if (m_context.out.addlinetochat)
        m_context.out.addlinetochat(chat.line, colortext::toQColor(chat.colour));
}
