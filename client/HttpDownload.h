#pragma once
// The HTTP client of the lobby download: one GET at a time, whose answer body is written
// into a device the caller supplies, piece by piece as it arrives, so that a large file is
// never held in memory. It reports the answer's header lines, the start of the body and
// every piece (with the number of body bytes so far), and at the end the outcome: the
// answer's status and reason, or the failure that kept an answer from coming.
//
// It asks as a plain HTTP/1.0 client would: one request per connection, no HTTP/2, no
// proxy, no compression, a fixed agent and accept text. Only "http:" and "https:"
// addresses are fetched, and redirections only to those.
//
// Its memory stays bounded whatever the server sends: the network layer holds at most
// ReadBufferSize bytes that have not been written yet (it stops reading from the
// connection until they are), and a body larger than the size limit (announced or
// received) ends the transfer as refused.
//
// The network layer is the network plugin's (Qt Network), loaded with the first transfer;
// without the plugin a transfer ends at once with an error that says why.
#include "client/NetworkBackend.h"
#include "client/ProjectPlugin.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <memory>

class QIODevice;

// How a transfer ended.
struct HttpResult {
    int status = 0;   // the answer's status; 0 when no answer came
    QString reason;   // the status's reason text
    QString error;    // a failure other than the answer's status (no connection, a failed write)
    QString refused;  // why the client ended the transfer itself (a body over the size limit)
    // The host of the last address fetched without encryption ("http:"), empty when every
    // address of the transfer, redirections included, was "https:".
    QString plainHost;

    // The server answered with anything but success (2xx: a 404, a redirection that led
    // nowhere), or the transfer was aborted on request.
    bool httpFailure() const { return error.isEmpty() && refused.isEmpty() && (status < 200 || status >= 300); }
    bool failed() const { return !error.isEmpty() || !refused.isEmpty() || status < 200 || status >= 300; }
};

class HttpDownload : public QObject, private HttpListener {
    Q_OBJECT
public:
    static inline const QByteArray Agent = QByteArrayLiteral("Mozilla/3.0 (compatible)");
    static inline const QByteArray Accept =
        QByteArrayLiteral("image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*");
    // What an aborted transfer ends as.
    static constexpr int AbortStatus = 404;
    static inline const QString AbortReason = QStringLiteral("Connection aborted on request");
    // Body bytes the network layer may hold before they are written.
    static constexpr qint64 ReadBufferSize = 256 * 1024;
    // The largest body taken unless another limit is set.
    static constexpr qint64 DefaultMaxSize = 256LL * 1024 * 1024;

    explicit HttpDownload(QObject* parent = nullptr);
    // Takes the network plugin from the given folders only.
    HttpDownload(const QStringList& pluginFolders, QObject* parent = nullptr);
    // A transfer still running is aborted without being announced.
    ~HttpDownload() override;

    // Whether `url` is an address this client fetches: "http:" or "https:" with a host.
    static bool fetchable(const QUrl& url);

    // The largest body taken; a larger one ends the transfer with `refused` set.
    void setMaxSize(qint64 bytes) { m_maxSize = bytes; }
    qint64 maxSize() const { return m_maxSize; }

    // Starts a GET of `url`. The body goes into `sink`, which must be open for writing and
    // stay so until `finished`. False, and nothing started, while another transfer runs
    // or for an address that is not fetchable.
    bool get(const QUrl& url, QIODevice* sink);
    // True from `get` until `finished` has been announced.
    bool running() const { return m_reply != nullptr || m_endPending; }
    // Ends the transfer in progress at once, as status 404 "Connection aborted on
    // request": nothing more is written into the sink, also when the answer had already
    // arrived but its end was not announced yet. Does nothing when none runs.
    void abort();

signals:
    // A line of the answer's header: first its status and reason ("200 OK"), then each
    // field ("Content-Type: text/plain").
    void headerData(const QByteArray& line);
    // The header is complete and the body begins; `expected` is the body's size as the
    // answer announced it, or -1 when it did not.
    void docBegin(qint64 expected);
    // A piece of the body has been written; `received` counts the body's bytes so far.
    void docData(qint64 received);
    // The transfer has ended. Announced from the event loop, after the code that ended it
    // (an `abort` included) has returned.
    void finished(const HttpResult& result);

private:
    // What the network layer reports of the transfer.
    void answerChanged() override { onMetaData(); }
    void bodyArrived() override { onReadyRead(); }
    void redirectedTo(const QUrl& next) override;
    void transferEnded() override;

    void onMetaData();
    void onReadyRead();
    void onFinished();
    void release();
    // Ends the transfer early (a refusal, a failed write): no more bytes are taken.
    void stop();
    void announce(const HttpResult& result);
    void noteAddress(const QUrl& url);

    ProjectPlugin m_network;
    std::unique_ptr<HttpReply> m_reply;
    QIODevice* m_sink = nullptr;
    qint64 m_received = 0;
    qint64 m_maxSize = DefaultMaxSize;
    bool m_begun = false;
    bool m_aborted = false;
    bool m_endPending = false;
    quint64 m_transfer = 0; // counts transfers, so that a late event of an old one is known
    QString m_writeError;
    QString m_refused;
    QString m_plainHost;
};
