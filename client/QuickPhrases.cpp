#include "client/QuickPhrases.h"

#include "client/ChatSender.h"
#include "client/Preferences.h"
#include "net/Protocol.h"
#include "net/Sock.h"

QuickPhrases::QuickPhrases(const ClientContext& context, const Preferences& prefs, QObject* parent)
    : QObject(parent), m_context(context), m_prefs(prefs)
{
    m_pause.setSingleShot(true);
    m_pause.setTimerType(Qt::CoarseTimer);
    m_pause.setInterval(PauseMs);
}

Message QuickPhrases::phraseMessage(int slot, const QString& phrase, ColorValue actionColour)
{
    const QString& action = ChatSender::ActionPrefix;
    const QString said = phrase.startsWith(action) ? phrase.mid(action.size()) : QStringLiteral("says: ") + phrase;
    return proto::Action{slot, ChatSender::colouredText(said, actionColour)}.message();
}

void QuickPhrases::b_phrase1Click(int n)
{
    if (!ready() || !send)
        return;
    const Message message = phraseMessage(m_context.state.myslot, m_prefs.phrase(n), m_prefs.actionColour());
    try {
        send(message);
    } catch (const ESockException& e) {
        m_context.systemLine(QString::fromLatin1(e.what()));
        return;
    }
    m_pause.start();
}

void QuickPhrases::endPause()
{
    m_pause.stop();
}
