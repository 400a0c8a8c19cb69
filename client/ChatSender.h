#pragma once
// `sendit`: what the chat entry box sends when the player presses Enter.
//
// A line that does not start with "/" goes to the host as CMD_chat with the chat colour;
// a line that starts with "/me " goes as CMD_action, without those four characters, with
// the action colour; any other line that starts with "/" goes nowhere. The text travels
// as typed, "|" and "+" included. Before the login has completed nothing is sent and the
// box keeps its text; otherwise the box is emptied.
#include "client/ClientContext.h"
#include "client/ColorText.h"
#include "net/MessageFramer.h"

#include <QString>

class Preferences;

class ChatSender {
public:
    // The longest line the entry box takes. The host drops a message longer than its
    // framer's limit without a word; this leaves room for the command word, the slot,
    // the colour text and, on the way back, the sender's name.
    static constexpr int MaxTyped = int(MessageFramer::MaxTail) - 512;

    // The start of a line (or a phrase) that is sent as an action.
    static inline const QString ActionPrefix = QStringLiteral("/me ");
    // What follows the slot in CMD_chat and CMD_action: the text, "|" and the colour text.
    static QByteArray colouredText(const QString& text, ColorValue colour);

    ChatSender(const ClientContext& context, const Preferences& prefs)
        : m_context(context), m_prefs(prefs) {}

    // Sends the text as the rules above say. Returns whether the entry box is emptied.
    bool sendit(const QString& text) const;

private:
    const ClientContext& m_context;
    const Preferences& m_prefs;
};
