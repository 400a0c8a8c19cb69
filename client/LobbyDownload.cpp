#include "client/LobbyDownload.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>

DownloadFileError::DownloadFileError(const QString& path)
    : std::runtime_error(("Cannot create file " + QDir::toNativeSeparators(path)).toStdString())
{
}

LobbyDownload::LobbyDownload(QObject* parent)
    : QObject(parent)
{
    openFile = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
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
    // The transfer ends with its client, unannounced; the file is closed with its object.
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

void LobbyDownload::getbuttonClick()
{
    if (HttpCli1.running())
        return;
    // The file first: when it cannot be made, nothing else may change.
    m_file.close();
    m_file.setFileName(filePath());
    if (fileName().isEmpty() || !m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw DownloadFileError(m_file.fileName());

    m_view.tag = Running;
    m_view.infolabel2 = fileName();
    m_view.getEnabled = false;
    m_view.abortEnabled = true;
    m_view.infolabel = QStringLiteral("Loading");
    emit changed();
    HttpCli1.get(QUrl(m_url), &m_file);
}

void LobbyDownload::HttpCli1HeaderData()
{
    setInfo(&View::infolabel, m_view.infolabel + QLatin1Char('.'));
}

void LobbyDownload::HttpCli1DocBegin()
{
    setInfo(&View::infolabel3, QStringLiteral("Downloading: ") + m_view.infolabel2);
}

void LobbyDownload::HttpCli1DocData(qint64 received)
{
    setInfo(&View::infolabel, QString::number(received) + QStringLiteral(" bytes"));
}

void LobbyDownload::abortbuttonClick()
{
    HttpCli1.abort();
    m_view.infolabel = QStringLiteral("Download has been aborted.");
    m_view.tag = Failed;
    m_view.infolabel3 = QStringLiteral("Download Aborted");
    emit changed();
}

void LobbyDownload::HttpCli1Finished(const HttpResult& result)
{
    QString failed;
    m_file.flush();
    if (!result.failed()) {
        m_view.infolabel = QStringLiteral("Received %1 bytes").arg(m_file.size());
    } else if (result.httpFailure()) {
        qWarning().noquote() << "download of" << m_url << "ended:" << result.status << result.reason;
        m_view.infolabel = QStringLiteral("Download Aborted");
        m_view.tag = Failed;
    } else {
        qWarning().noquote() << "download of" << m_url << "failed:" << result.error;
        failed = result.error;
        m_view.tag = Failed;
    }
    m_view.getEnabled = true;
    m_view.abortEnabled = false;
    m_file.close();

    const bool install = m_view.tag != Failed;
    if (install)
        m_view.infolabel3 = QStringLiteral("Installing");
    emit changed();
    // The error is shown once the window is back at rest, as the program's error display
    // does for a failed command.
    if (!failed.isEmpty()) {
        emit failure(failed);
        return;
    }
    if (!install)
        return;
    if (openFile && openFile(QUrl::fromLocalFile(m_file.fileName())))
        emit exitRequested();
    else
        emit failure(ErrorMessage);
}
