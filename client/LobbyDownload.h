#pragma once
// What the lobby download window does, without the window: it downloads the lobby
// program's installer into the download folder, hands it to the desktop to open, and
// keeps what the window shows meanwhile: the two status lines, the hidden file name,
// the Tag of the first status line and which of the two buttons may be pressed.
//
// The download runs while the event loop goes on (the solo game, the Stop button), and
// its effects come in a fixed order: "Loading", a "." for each header line, "Downloading: "
// and the file name when the body begins, the bytes so far for each piece, then the end:
// "Received <n> bytes" and "Installing", or "Download Aborted". A stop ends the transfer as
// a failed answer, so the stop's own texts come first and "Download Aborted" last.
#include "client/HttpDownload.h"

#include <QFile>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
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

    const View& view() const { return m_view; }
    bool downloading() const { return HttpCli1.running(); }

    // "Download And Install The Pelk22 Lobby Now": starts the download. Throws
    // DownloadFileError when the file cannot be created; nothing else changes then.
    void getbuttonClick();
    // "Stop Download": stops a download in progress; before any, only sets the texts.
    void abortbuttonClick();

    // Hands the downloaded file to the desktop; true when it was taken. Replaceable so
    // that tests open nothing.
    std::function<bool(const QUrl&)> openFile;

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
    void HttpCli1DocBegin();
    void HttpCli1DocData(qint64 received);
    void HttpCli1Finished(const HttpResult& result);
    void setInfo(QString View::*line, const QString& text);

    QFile m_file;
    HttpDownload HttpCli1; // after the file, so that it ends before the file closes
    QString m_url = defaultUrl();
    QString m_folder;
    View m_view;
};
