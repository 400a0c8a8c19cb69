#pragma once
// The HTTP client of the lobby download: one GET at a time, whose answer body is written
// into a device the caller supplies, piece by piece as it arrives, so that a large file is
// never held in memory. It reports the answer's header lines, the start of the body and
// every piece (with the number of body bytes so far), and at the end the outcome: the
// answer's status and reason, or the failure that kept an answer from coming.
//
// It asks as a plain HTTP/1.0 client would: one request per connection, no HTTP/2, no
// proxy, no compression, a fixed agent and accept text.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;

// How a transfer ended.
struct HttpResult {
    int status = 0;   // the answer's status; 0 when no answer came
    QString reason;   // the status's reason text
    QString error;    // a failure other than the answer's status (no connection, a failed write)

    // The server answered 400 or above, or the transfer was aborted on request.
    bool httpFailure() const { return error.isEmpty() && status >= 400; }
    bool failed() const { return !error.isEmpty() || status >= 400; }
};

class HttpDownload : public QObject {
    Q_OBJECT
public:
    static inline const QByteArray Agent = QByteArrayLiteral("Mozilla/3.0 (compatible)");
    static inline const QByteArray Accept =
        QByteArrayLiteral("image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*");
    // What an aborted transfer ends as.
    static constexpr int AbortStatus = 404;
    static inline const QString AbortReason = QStringLiteral("Connection aborted on request");

    explicit HttpDownload(QObject* parent = nullptr);
    // A transfer still running is aborted without being announced.
    ~HttpDownload() override;

    // Starts a GET of `url`. The body goes into `sink`, which must be open for writing and
    // stay so until `finished`. False, and nothing started, while another transfer runs.
    bool get(const QUrl& url, QIODevice* sink);
    // True from `get` until `finished` has been announced.
    bool running() const { return m_reply != nullptr; }
    // Ends the transfer in progress as status 404 "Connection aborted on request"; does
    // nothing when none runs.
    void abort();

signals:
    // A line of the answer's header: first its status and reason ("200 OK"), then each
    // field ("Content-Type: text/plain").
    void headerData(const QByteArray& line);
    // The header is complete and the body begins.
    void docBegin();
    // A piece of the body has been written; `received` counts the body's bytes so far.
    void docData(qint64 received);
    // The transfer has ended. Announced from the event loop, after the code that ended it
    // (an `abort` included) has returned.
    void finished(const HttpResult& result);

private:
    void onMetaData();
    void onReadyRead();
    void onFinished();
    void release();

    QNetworkAccessManager* m_manager = nullptr;
    QNetworkReply* m_reply = nullptr;
    QIODevice* m_sink = nullptr;
    qint64 m_received = 0;
    bool m_begun = false;
    bool m_aborted = false;
    QString m_writeError;
};
