#include "client/LobbyLauncher.h"

#include <QFileInfo>
#include <QProcess>

LobbyLauncher::LobbyLauncher()
{
    start = [](const QString& program) {
        const QFileInfo info(program);
        return QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath());
    };
}

bool LobbyLauncher::installed() const
{
    if (m_program.isEmpty())
        return false;
    const QFileInfo info(m_program);
    return info.isFile() && info.isExecutable();
}

LobbyLauncher::Outcome LobbyLauncher::launch() const
{
    if (!installed())
        return NotInstalled;
    return start && start(m_program) ? Started : StartFailed;
}
