#pragma once
// A plain client socket to a port on this machine, for tests and benchmarks that need
// many connections or none of the helpers around them.
#include <QtGlobal>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace testutil {

// Starts a non-blocking connection to 127.0.0.1:port; returns its descriptor. The
// kernel completes the handshake by itself while the listener's queue has room.
inline int connectLoopback(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    return fd;
}

} // namespace testutil
