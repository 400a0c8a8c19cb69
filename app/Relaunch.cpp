#include "app/Relaunch.h"

#include "app/SingleInstance.h"

#include <QDebug>
#include <QProcess>

Relaunch::Relaunch(SingleInstance& guard, QString program)
    : m_guard(guard)
    , m_program(std::move(program))
{
}

bool Relaunch::start(const QStringList& arguments, qint64* pid)
{
    if (stopHosting)
        stopHosting();
    m_guard.release();
    if (QProcess::startDetached(m_program, arguments, QString(), pid))
        return true;
    qWarning().noquote() << "cannot start" << m_program << "-" << "the game goes on here";
    m_guard.claim();
    if (resumeHosting)
        resumeHosting();
    return false;
}
