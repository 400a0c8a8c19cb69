#pragma once
// Chat and action lines relayed by the host: "<line>|<colour text>" in Windows-1252.
//
// The text is split at its first "|": what comes before is the line, what comes after is
// read as colour text. A line without "|", or whose colour part is no colour text, is shown
// in pure red.
#include "client/ClientContext.h"
#include "client/ColorText.h"

#include <QByteArray>
#include <QString>

struct ReceivedChat {
    QString line;
    ColorValue colour = colortext::Fallback;
};

// Splits a relayed line (already in Unicode) into its text and colour.
ReceivedChat splitReceivedChat(const QString& text);

class ChatReceiver {
public:
    explicit ChatReceiver(const ClientContext& context) : m_context(context) {}

    // Handler of CMD_chat and CMD_action: the text after the command word and its "+".
    void chatrecieved(const QByteArray& rest) const;

private:
    const ClientContext& m_context;
};
