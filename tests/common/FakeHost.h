#pragma once
// Stands in for the game host in client tests: a listener on a free loopback port that
// accepts one connection and records every byte that arrives on it.
#include "net/Sock.h"

#include <QByteArray>
#include <QString>

namespace testutil {

inline QByteArray frame(const QByteArray& text) { return text + char(0xFF); }

struct FakeHost {
    FakeHost()
    {
        listener.setPortName(QStringLiteral("0"));
        listener.OnAccept = [this](TSock* l) {
            TSock* peer = nullptr;
            if (l->Accept(peer)) {
                peer->OnRead = [this](TSock* s, int) { received += s->Receive(); };
                conn = peer;
            }
        };
        listener.setListen(true);
    }
    ~FakeHost()
    {
        if (conn)
            conn->OnInfo = nullptr;
    }
    quint16 portNumber() const { return listener.boundPort(); }
    QString port() const { return QString::number(listener.boundPort()); }

    TSock listener;
    TSock* conn = nullptr;
    QByteArray received;
};

} // namespace testutil
