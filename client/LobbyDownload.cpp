#include "client/LobbyDownload.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <memory>

DownloadFileError::DownloadFileError(const QString& path)
    : std::runtime_error(("Cannot create file " + QDir::toNativeSeparators(path)).toStdString())
{
}

LobbyDownload::LobbyDownload(QObject* parent)
    : QObject(parent)
{
    openFile = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    auto steady = std::make_shared<QElapsedTimer>();
    steady->start();
    clock = [steady] { return steady->elapsed(); };
    connect(&HttpCli1, &HttpDownload::headerData, this, &LobbyDownload::HttpCli1HeaderData);
    connect(&HttpCli1, &HttpDownload::docBegin, this, &LobbyDownload::HttpCli1DocBegin);
    connect(&HttpCli1, &HttpDownload::docData, this, &LobbyDownload::HttpCli1DocData);
    connect(&HttpCli1, &HttpDownload::finished, this, &LobbyDownload::HttpCli1Finished);
    // A program that is asked to end stops its download rather than waiting for it.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { HttpCli1.abort(); });
}

LobbyDownload::~LobbyDownload()
{
    // The transfer ends with its client, unannounced; the unfinished file goes with its object.
    disconnect(&HttpCli1, nullptr, this, nullptr);
}

QString LobbyDownload::fileName() const
{
    return m_url.mid(m_url.lastIndexOf(QLatin1Char('/')) + 1);
}

void LobbyDownload::setInfo(QString View::*line, const QString& text)
{
    m_view.*line = text;
    emit changed();
}

void LobbyDownload::refuse(const QString& reason)
{
    qWarning().noquote() << "download of" << m_url << "refused:" << reason;
    m_view.infolabel = QStringLiteral("Download Aborted");
    m_view.infolabel3 = reason;
    m_view.tag = Failed;
    m_view.getEnabled = true;
    emit changed();
}

void LobbyDownload::getbuttonClick()
{
    if (HttpCli1.running())
        return;
    // Nothing but the web: a "file:" address would copy a file of this computer, and
    // other schemes are no download at all.
    const QUrl url(m_url);
    if (!HttpDownload::fetchable(url)) {
        // Short enough for the status line.
        QString reason = QStringLiteral("Not an http: or https: address");
        const QString scheme = url.scheme().toLower();
        if (!scheme.isEmpty() && scheme != QLatin1String("http") && scheme != QLatin1String("https"))
            reason += QStringLiteral(" (") + scheme + QStringLiteral(":)");
        refuse(reason);
        return;
    }
    // The file first: when it cannot be made, nothing else may change.
    m_file.cancelWriting();
    m_file.setFileName(filePath());
    if (fileName().isEmpty() || !m_file.open())
        throw DownloadFileError(filePath());

    m_view.tag = Running;
    m_view.infolabel2 = fileName();
    m_view.infolabel3.clear();
    m_view.getEnabled = false;
    m_view.abortEnabled = true;
    m_view.infolabel = QStringLiteral("Loading");
    m_view.received = 0;
    m_view.total = -1;
    m_progressShown.reset();
    emit changed();
    HttpCli1.get(url, &m_file);
}

void LobbyDownload::HttpCli1HeaderData()
{
    setInfo(&View::infolabel, m_view.infolabel + QLatin1Char('.'));
}

void LobbyDownload::HttpCli1DocBegin(qint64 expected)
{
    m_view.total = expected;
    m_view.received = 0;
    setInfo(&View::infolabel3, QStringLiteral("Downloading: ") + m_view.infolabel2);
}

void LobbyDownload::HttpCli1DocData(qint64 received)
{
    // A fast transfer brings thousands of pieces a second; the window needs a few.
    const qint64 now = clock();
    if (m_progressShown && now - *m_progressShown < ProgressIntervalMs)
        return;
    m_progressShown = now;
    m_view.received = received;
    setInfo(&View::infolabel, QString::number(received) + QStringLiteral(" bytes"));
}

void LobbyDownload::abortbuttonClick()
{
    if (HttpCli1.running()) {
        HttpCli1.abort();
        m_file.cancelWriting();
    }
    m_view.infolabel = QStringLiteral("Download has been aborted.");
    m_view.tag = Failed;
    m_view.infolabel3 = QStringLiteral("Download Aborted");
    emit changed();
}

void LobbyDownload::HttpCli1Finished(const HttpResult& result)
{
    QString failed;
    if (!result.failed()) {
        if (m_file.commit()) {
            m_view.infolabel = QStringLiteral("Received %1 bytes").arg(m_file.written());
        } else {
            failed = m_file.errorString();
            m_view.tag = Failed;
        }
    } else if (!result.refused.isEmpty()) {
        qWarning().noquote() << "download of" << m_url << "refused:" << result.refused;
        m_view.infolabel3 = result.refused;
        m_view.infolabel = QStringLiteral("Download Aborted");
        m_view.tag = Failed;
    } else if (result.httpFailure()) {
        qWarning().noquote() << "download of" << m_url << "ended:" << result.status << result.reason;
        m_view.infolabel = QStringLiteral("Download Aborted");
        m_view.tag = Failed;
    } else {
        qWarning().noquote() << "download of" << m_url << "failed:" << result.error;
        failed = result.error;
        m_view.tag = Failed;
    }
    // Whatever did not become the installer goes: no partial file, no error page.
    m_file.cancelWriting();
    m_view.getEnabled = true;
    m_view.abortEnabled = false;

    emit changed();
    // The error is shown once the window is back at rest, as the program's error display
    // does for a failed command.
    if (!failed.isEmpty()) {
        emit failure(failed);
        return;
    }
    if (m_view.tag != Failed)
        install(result.plainHost);
}

void LobbyDownload::install(const QString& plainHost)
{
    // Anybody on the way could have swapped an installer that came without encryption.
    if (!plainHost.isEmpty() && !(confirm && confirm(plainQuestion(plainHost)))) {
        setInfo(&View::infolabel3, NotInstalled);
        return;
    }
    setInfo(&View::infolabel3, QStringLiteral("Installing"));
    if (openFile && openFile(QUrl::fromLocalFile(m_file.fileName()))) {
        emit exitRequested();
        return;
    }
    // Back at rest: the player may download again, or close the window.
    setInfo(&View::infolabel3, NotInstalled);
    emit failure(ErrorMessage);
}
