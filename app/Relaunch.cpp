#include "app/Relaunch.h"

#include "app/SingleInstance.h"

#include <QDebug>
#include <QLockFile>
#include <QProcess>

#include <cerrno>
#include <signal.h>

Relaunch::Relaunch(SingleInstance& guard, QString program, QObject* parent)
    : QObject(parent)
    , m_guard(guard)
    , m_program(std::move(program))
{
    m_poll.setInterval(PollMs);
    connect(&m_poll, &QTimer::timeout, this, &Relaunch::look);
}

bool Relaunch::start(const QStringList& arguments, qint64* pid)
{
    if (waiting())
        return false;
    if (stopHosting)
        stopHosting();
    m_guard.release();
    qint64 newPid = 0;
    if (!QProcess::startDetached(m_program, arguments, QString(), &newPid) || newPid <= 0) {
        qWarning().noquote() << "cannot start" << m_program << "-" << "the game goes on here";
        takeBack();
        return false;
    }
    if (pid)
        *pid = newPid;
    m_pid = newPid;
    m_poll.start();
    return true;
}

void Relaunch::look()
{
    // The new copy writes its process id into the guard's lock file when it takes it.
    qint64 holder = 0;
    QString host;
    QString application;
    QLockFile lock(m_guard.lockPath());
    if (lock.getLockInfo(&holder, &host, &application) && holder == m_pid) {
        m_poll.stop();
        m_pid = 0;
        emit started();
        return;
    }
    if (::kill(pid_t(m_pid), 0) == 0 || errno != ESRCH)
        return; // still starting
    qWarning().noquote() << "the new copy of" << m_program << "ended before it started - the game goes on here";
    m_poll.stop();
    m_pid = 0;
    takeBack();
    emit failed();
}

void Relaunch::takeBack()
{
    m_guard.claim();
    if (resumeHosting)
        resumeHosting();
}
