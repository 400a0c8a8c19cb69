#pragma once
// A small HTTP server for tests, on a free port of 127.0.0.1. Each connection reads one
// request (its body too, by Content-Length) and gets the answer set up in `answer`, or in
// `answersByPath` for its path: the status line and header, then the body, all of it at
// once or, with `holdAt`, only its first bytes until the test sends more with `sendMore`;
// or, with `endless`, the body over and over for as long as the client reads (kept a few
// hundred kilobytes ahead of it, so the server's own memory stays small); or, for a path
// listed in `redirects`, a redirection. The connection is closed after the
// last byte. It records each request, whole and taken apart with the time it arrived, and
// notices when the client goes away before the end. Made with `listenNow` false it takes
// no connection until `listen`, as a server that is not up yet.
#include <QByteArray>
#include <QElapsedTimer>
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

    explicit LocalHttpServer(bool listenNow = true)
    {
        clock.start();
        if (listenNow)
            listen();
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

    // Starts taking connections on `port` of 127.0.0.1 (0: any free port).
    bool listen(quint16 port = 0) { return server.listen(QHostAddress::LocalHost, port); }
    // Stops taking connections, as a server that has gone away.
    void close() { server.close(); }
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
        const qsizetype rest = current().body.size() - sent;
        const qsizetype n = count < 0 ? rest : qMin(count, rest);
        client->write(current().body.mid(sent, n));
        sent += n;
        if (sent == current().body.size())
            client->disconnectFromHost();
    }

    bool holding() const { return client && client->state() == QAbstractSocket::ConnectedState && sent < current().body.size(); }

    struct Request {
        QByteArray method;
        QByteArray path;
        QByteArray body;
        qint64 atMs = 0;  // when it was complete, in milliseconds since the server was made
    };

    Answer answer;
    QMap<QByteArray, Answer> answersByPath;  // request path -> its own answer instead of `answer`
    QMap<QByteArray, QByteArray> redirects;  // request path -> where a "302 Found" sends the client
    QList<QByteArray> requests;  // every request received, whole
    QList<Request> received;     // the same requests taken apart
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
            const qsizetype headEnd = request->indexOf("\r\n\r\n");
            if (headEnd < 0 || client == socket || request->size() < headEnd + 4 + contentLength(request->left(headEnd)))
                return;
            requests.append(*request);
            const QList<QByteArray> line = request->left(request->indexOf("\r\n")).split(' ');
            received.append({line.value(0), line.value(1), request->mid(headEnd + 4), clock.elapsed()});
            start(socket);
        });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
            if (client == socket && (sent < current().body.size() || current().endless))
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
        currentPath = path;
        QByteArray head = "HTTP/1.0 " + QByteArray::number(current().status) + ' ' + current().reason + "\r\n";
        for (const auto& [name, value] : current().headers)
            head += name + ": " + value + "\r\n";
        const Answer& a = current();
        if (a.contentLength >= 0 || !a.endless)
            head += "Content-Length: " + QByteArray::number(a.contentLength >= 0 ? a.contentLength : a.body.size()) + "\r\n";
        socket->write(head + "\r\n");
        if (!a.endless) {
            sendMore(a.holdAt < 0 ? -1 : a.holdAt);
            return;
        }
        endlessSent = 0;
        const auto feed = [this, socket] {
            while (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < 256 * 1024) {
                socket->write(current().body);
                endlessSent += current().body.size();
            }
        };
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, feed);
        feed();
    }

    // The answer being sent to `client`: a test may change it on the way.
    const Answer& current() const
    {
        const auto own = answersByPath.constFind(currentPath);
        return own != answersByPath.constEnd() ? *own : answer;
    }

    static qsizetype contentLength(const QByteArray& head)
    {
        for (const QByteArray& line : head.split('\n')) {
            const qsizetype colon = line.indexOf(':');
            if (colon > 0 && line.left(colon).trimmed().toLower() == "content-length")
                return line.mid(colon + 1).trimmed().toLongLong();
        }
        return 0;
    }

    QTcpServer server;
    QElapsedTimer clock;
    QPointer<QTcpSocket> client;
    QByteArray currentPath;  // the path `client` asked for
    qsizetype sent = 0;
};

} // namespace testutil
