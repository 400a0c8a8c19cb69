#include "client/ChatSender.h"

#include "client/ColorText.h"
#include "client/Preferences.h"
#include "net/Protocol.h"
#include "net/Wire.h"

namespace {

const QString kAction = QStringLiteral("/me ");

QByteArray coloured(const QString& text, ColorValue colour)
{
    return wire::toWire(text + u'|' + colortext::ColorToText(colour));
}

} // namespace

bool ChatSender::sendit(const QString& text) const
{
    const ClientState& state = m_context.state;
    if (!state.connected)
        return false;
    if (text.isEmpty())
        return true;
    if (!text.startsWith(u'/'))
        m_context.send(proto::Chat{state.myslot, coloured(text, m_prefs.chatColour())}.message());
    else if (text.startsWith(kAction))
        m_context.send(proto::Action{state.myslot, coloured(text.mid(kAction.size()), m_prefs.actionColour())}.message());
    return true;
}
