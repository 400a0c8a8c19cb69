// The floor of any Qt program that serves a port, for bench/host_footprint.py: a
// QCoreApplication with a QTcpServer that greets each connection with one message.
//
// Usage: qt_floor [PORT]     (0 or nothing: any free port)
// Prints "listening on port N" on stdout, then runs until killed.
#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTcpServer server;
    if (!server.listen(QHostAddress::Any, quint16(argc > 1 ? std::atoi(argv[1]) : 0)))
        return 1;
    QObject::connect(&server, &QTcpServer::newConnection, [&server] {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            socket->write("hello\xFF");
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    std::printf("listening on port %d\n", server.serverPort());
    std::fflush(stdout);
    return app.exec();
}
