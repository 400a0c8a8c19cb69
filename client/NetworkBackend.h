#pragma once
// What the network plugin gives the client: host names looked up in the background and
// HTTP transfers. The plugin (network/: Qt Network, with Kerberos, libproxy and the TLS
// libraries behind it) is loaded the first time a name is looked up or a download starts
// (ProjectPlugin::as<NetworkBackend>), so a game that needs neither never maps them: the game's own
// connections are plain sockets (net/, Qt Core only).
//
// Header only, and only virtual calls cross it: the plugin needs none of the program's
// own code.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QtPlugin>
#include <functional>
#include <memory>
#include <optional>

// A look-up in progress. Destroying it abandons the look-up: its answer is not delivered.
class HostLookup {
public:
    virtual ~HostLookup() = default;
};

// Hears what happens to one HTTP transfer; called from the event loop.
class HttpListener {
public:
    // The answer's status or header fields have arrived or changed.
    virtual void answerChanged() = 0;
    // Body bytes wait to be read.
    virtual void bodyArrived() = 0;
    // The server sends the transfer to `next`: the listener calls followRedirect() or abort().
    virtual void redirectedTo(const QUrl& next) = 0;
    // The transfer has ended (also right inside an abort()).
    virtual void transferEnded() = 0;

protected:
    ~HttpListener() = default;
};

// One HTTP GET in progress.
class HttpReply {
public:
    using Fields = QList<QPair<QByteArray, QByteArray>>;

    // Aborts the transfer if it still runs; the listener hears nothing more of it.
    virtual ~HttpReply() = default;

    // The address fetched now (after the redirections followed).
    virtual QUrl url() const = 0;
    // The answer's status, 0 while none has arrived, and its reason text.
    virtual int status() const = 0;
    virtual QByteArray reason() const = 0;
    // The answer's header fields, as sent.
    virtual Fields fields() const = 0;
    virtual bool hasField(const QByteArray& name) const = 0;
    // The body's length as announced; nothing when it was not.
    virtual std::optional<qint64> contentLength() const = 0;
    virtual qint64 bytesAvailable() const = 0;
    virtual QByteArray readAll() = 0;
    virtual bool isFinished() const = 0;
    // What went wrong (no connection, a broken transfer, an error status); empty when nothing.
    virtual QString errorText() const = 0;
    // Goes on to the address announced by `redirectedTo`.
    virtual void followRedirect() = 0;
    // Ends the transfer at once; `transferEnded` is heard before this returns.
    virtual void abort() = 0;
};

class NetworkBackend {
public:
    // The plugin's library name, for ProjectPlugin.
    static constexpr const char* LibraryName = "quillor_network";

    virtual ~NetworkBackend() = default;

    // Looks the host name up; `done` gets its IPv4 and IPv6 addresses as text (none when the
    // name is unknown) through the event loop, unless the look-up was destroyed first.
    virtual std::unique_ptr<HostLookup> lookUp(const QString& name,
                                               std::function<void(const QStringList& addresses)> done) const = 0;
    // Starts a GET of `url` with the given request fields: no proxy, no HTTP/2, never from a
    // cache, each redirection left to the listener. The network layer holds at most
    // `readBufferSize` body bytes that have not been read; the rest waits in the socket.
    // Its objects are children of `owner`, which outlives the reply.
    virtual std::unique_ptr<HttpReply> get(const QUrl& url, const HttpReply::Fields& requestFields,
                                           qint64 readBufferSize, HttpListener& listener, QObject& owner) const = 0;
};

#define QuillorNetworkBackend_iid "org.example.quillor.NetworkBackend/1"
Q_DECLARE_INTERFACE(NetworkBackend, QuillorNetworkBackend_iid)
