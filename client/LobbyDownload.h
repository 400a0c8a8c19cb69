#pragma once
// What the lobby download window does, without the window: it downloads the lobby
// program's installer into the download folder, hands it to the desktop to open, and
// keeps what the window shows meanwhile: the two status lines, the hidden file name,
// the Tag of the first status line and which of the two buttons may be pressed.
//
// The download runs while the event loop goes on (the solo game, the Stop button), and
// its effects come in a fixed order: "Loading", a "." for each header line, "Downloading: "
// and the file name when the body begins, the bytes so far (at most four times a second),
// then the end: "Received <n> bytes" and "Installing", or "Download Aborted". A stop ends
// the transfer at once as a failed answer, so the stop's own texts come first and
// "Download Aborted" last, even when the answer had arrived but its end was not handled.
//
// Only "http:" and "https:" addresses are downloaded; any other gives "Download Aborted"
// with the reason on the second line, and so does a body over the size limit (256 MiB).
// The body goes into a new file beside the installer's name, which takes that name only
// when the download is complete and on the disk: a failed, refused or stopped download
// leaves no file of its own and an earlier installer as it was. An installer that came
// without encryption (any "http:" address on its way) is opened only when the player
// says so.
#include "client/HttpDownload.h"
#include "storage/ReplacingFile.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>
#include <stdexcept>

// The download's file could not be created: "Cannot create file " and its path.
class DownloadFileError : public std::runtime_error {
public:
    explicit DownloadFileError(const QString& path);
};

class LobbyDownload : public QObject {
    Q_OBJECT
public:
    // The web server the installer comes from, unless the settings name another URL.
    static inline const QString DefaultServer = QStringLiteral("quillor.example.org");
    static inline const QString InstallerPath = QStringLiteral("/lobby/qvxsetup.exe");
    static QString defaultUrl() { return QStringLiteral("http://") + DefaultServer + InstallerPath; }

    static inline const QString ErrorMessage = QStringLiteral("An Error has Occurred.");
    // The second status line when the installer was not opened.
    static inline const QString NotInstalled = QStringLiteral("Not installed");
    // The question before an installer that came without encryption is opened.
    static QString plainQuestion(const QString& host)
    {
        return QStringLiteral("The installer was downloaded without encryption from %1. Open it?").arg(host);
    }
    // The byte count is shown at most this often.
    static constexpr qint64 ProgressIntervalMs = 250;

    // The Tag of the first status line: 1 while a download runs or after it succeeded,
    // 2 once it has been stopped or has failed.
    enum Tag { Untouched = 0, Running = 1, Failed = 2 };

    // What the window shows.
    struct View {
        QString infolabel;   // first status line
        QString infolabel2;  // hidden: the file name of the download
        QString infolabel3;  // second status line
        int tag = Untouched;
        bool getEnabled = true;
        bool abortEnabled = true;
        // The progress bar: the body's bytes so far out of its announced size, shown while
        // a download of a known size runs (the size -1 when not known).
        qint64 received = 0;
        qint64 total = -1;
        bool progressShown() const { return total > 0 && tag == Running && abortEnabled; }
    };

    explicit LobbyDownload(QObject* parent = nullptr);
    ~LobbyDownload() override;

    void setUrl(const QString& url) { m_url = url; }
    const QString& url() const { return m_url; }
    // Where the file is written.
    void setFolder(const QString& folder) { m_folder = folder; }
    const QString& folder() const { return m_folder; }
    // The URL's text after its last "/".
    QString fileName() const;
    QString filePath() const { return m_folder + QLatin1Char('/') + fileName(); }
    // The largest installer taken (HttpDownload::DefaultMaxSize unless set).
    void setMaxSize(qint64 bytes) { HttpCli1.setMaxSize(bytes); }

    const View& view() const { return m_view; }
    bool downloading() const { return HttpCli1.running(); }

    // "Download And Install The Pelk22 Lobby Now": starts the download. Throws
    // DownloadFileError when the file cannot be created; nothing else changes then.
    void getbuttonClick();
    // "Stop Download": stops a download in progress at once; before any, only sets the texts.
    void abortbuttonClick();

    // Hands the downloaded file to the desktop; true when it was taken. Replaceable so
    // that tests open nothing.
    std::function<bool(const QUrl&)> openFile;
    // Asks the player a yes-or-no question (plainQuestion); true for yes. Unset: no.
    std::function<bool(const QString&)> confirm;
    // Milliseconds of a steady clock, for spacing the progress texts. Replaceable so
    // that tests decide when time passes.
    std::function<qint64()> clock;

signals:
    // Something the window shows has changed.
    void changed();
    // A failure for the program's error display (a download that failed other than by
    // the server's answer, an installer that could not be opened).
    void failure(const QString& message);
    // The installer has been opened: the game closes.
    void exitRequested();

private:
    void HttpCli1HeaderData();
    void HttpCli1DocBegin(qint64 expected);
    void HttpCli1DocData(qint64 received);
    void HttpCli1Finished(const HttpResult& result);
    void setInfo(QString View::*line, const QString& text);
    // Ends with "Download Aborted" and the reason, before or after a transfer.
    void refuse(const QString& reason);
    void install(const QString& plainHost);

    ReplacingFile m_file;
    HttpDownload HttpCli1{this}; // after the file, so that it ends before the file goes
    QString m_url = defaultUrl();
    QString m_folder;
    View m_view;
    std::optional<qint64> m_progressShown; // when the byte count was last shown
};
