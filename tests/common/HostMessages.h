#pragma once
// Hands messages to a client as if its host had sent them, and has them all handled at
// once: the bytes of one read, then dispatch until nothing waits.
#include "client/ClientConnection.h"
#include "common/FakeHost.h"

namespace testutil {

inline void arrive(ClientConnection& connection, const QByteArray& messageText)
{
    connection.receiveBytes(frame(messageText));
    while (connection.queued() > 0)
        connection.processsocktimer();
}

} // namespace testutil
