#include "client/ChatSender.h"

#include "client/ColorText.h"
#include "client/Preferences.h"
#include "net/Protocol.h"
#include "net/Wire.h"

QByteArray ChatSender::colouredText(const QString& text, ColorValue colour)
{
    return wire::toWire(text + u'|' + colortext::ColorToText(colour));
}

bool ChatSender::sendit(const QString& text) const
{
    const ClientState& state = m_context.state;
    if (!state.connected)
        return false;
    if (text.isEmpty())
        return true;
    if (!text.startsWith(u'/'))
        m_context.send(proto::Chat{state.myslot, colouredText(text, m_prefs.chatColour())}.message());
    else if (text.startsWith(ActionPrefix))
        m_context.send(
            proto::Action{state.myslot, colouredText(text.mid(ActionPrefix.size()), m_prefs.actionColour())}.message());
    return true;
}
