#pragma once
// A small HTTP server for download tests, on a free port of 127.0.0.1. Each connection
// reads one request and gets the answer set up in `answer`: the status line and header,
// then the body, all of it at once or, with `holdAt`, only its first bytes until the
// test sends more with `sendMore`; or, with `endless`, the body over and over for as long
// as the client reads (kept a few hundred kilobytes ahead of it, so the server's own
// memory stays small); or, for a path listed in `redirects`, a redirection.
// The connection is closed after the last byte. It records each request and notices when
// the client goes away before the end.
#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

namespace testutil {

class LocalHttpServer {
public:
    struct Answer {
        int status = 200;
        QByteArray reason = "OK";
        QList<QPair<QByteArray, QByteArray>> headers;  // besides Content-Length
        QByteArray body;
        qsizetype holdAt = -1;  // send only this many body bytes until sendMore
        bool endless = false;   // repeat the body without end (and without Content-Length)
        qint64 contentLength = -1; // the Content-Length announced; -1: the body's size
    };

    LocalHttpServer()
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection())
                accept(socket);
        });
    }

    // The server's sockets still report their disconnection while they are destroyed,
    // when they are no longer whole sockets; nothing may listen to them by then.
    ~LocalHttpServer()
    {
        for (QTcpSocket* socket : server.findChildren<QTcpSocket*>())
            QObject::disconnect(socket, nullptr, nullptr, nullptr);
    }
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    quint16 port() const { return server.serverPort(); }
    QString url(const QString& path = QStringLiteral("/lobby/qvxsetup.exe")) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
    }

    // Sends the next `count` bytes of the held body (all the rest when negative).
    void sendMore(qsizetype count = -1)
    {
        if (!client)
            return;
        const qsizetype rest = answer.body.size() - sent;
        const qsizetype n = count < 0 ? rest : qMin(count, rest);
        client->write(answer.body.mid(sent, n));
        sent += n;
        if (sent == answer.body.size())
            client->disconnectFromHost();
    }

    bool holding() const { return client && client->state() == QAbstractSocket::ConnectedState && sent < answer.body.size(); }

    Answer answer;
    QMap<QByteArray, QByteArray> redirects;  // request path -> where a "302 Found" sends the client
    QList<QByteArray> requests;  // every request received, whole
    int connections = 0;
    bool clientLeftEarly = false;  // a client closed its connection before the whole answer was sent
    qint64 endlessSent = 0;        // body bytes handed to the connection in endless mode

private:
    void accept(QTcpSocket* socket)
    {
        ++connections;
        socket->setParent(&server);
        auto request = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
            *request += socket->readAll();
            if (!request->contains("\r\n\r\n") || client == socket)
                return;
            requests.append(*request);
            start(socket);
        });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
            if (client == socket && (sent < answer.body.size() || answer.endless))
                clientLeftEarly = true;
        });
    }

    void start(QTcpSocket* socket)
    {
        const QByteArray path = requests.last().split(' ').value(1);
        if (redirects.contains(path)) {
            socket->write("HTTP/1.0 302 Found\r\nLocation: " + redirects.value(path) + "\r\nContent-Length: 0\r\n\r\n");
            socket->disconnectFromHost();
            return;
        }
        client = socket;
        sent = 0;
        QByteArray head = "HTTP/1.0 " + QByteArray::number(answer.status) + ' ' + answer.reason + "\r\n";
        for (const auto& [name, value] : answer.headers)
            head += name + ": " + value + "\r\n";
        if (answer.contentLength >= 0 || !answer.endless)
            head += "Content-Length: "
                + QByteArray::number(answer.contentLength >= 0 ? answer.contentLength : answer.body.size()) + "\r\n";
        socket->write(head + "\r\n");
        if (!answer.endless) {
            sendMore(answer.holdAt < 0 ? -1 : answer.holdAt);
            return;
        }
        endlessSent = 0;
        const auto feed = [this, socket] {
            while (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < 256 * 1024) {
                socket->write(answer.body);
                endlessSent += answer.body.size();
            }
        };
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, feed);
        feed();
    }

    QTcpServer server;
    QPointer<QTcpSocket> client;
    qsizetype sent = 0;
};

} // namespace testutil
