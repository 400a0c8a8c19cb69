#pragma once
// A running `quillor --serve`, started without any display, with its stderr collected.
// Test programs that use it define QUILLOR_BINARY_DIR and depend on the program.
#include "common/EventLoop.h"

#include <QProcess>
#include <QRegularExpression>

#include <signal.h>

namespace testutil {

// The built program.
inline QString programBinary()
{
    return QStringLiteral(QUILLOR_BINARY_DIR "/quillor");
}

struct ServeProcess {
    QProcess process;
    QByteArray log;

    explicit ServeProcess(const QStringList& extra = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        process.start(programBinary(), QStringList{"--serve"} + extra);
    }
    ~ServeProcess()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(3000);
        }
    }
    void collect() { log += process.readAllStandardError(); }
    bool waitForLog(const QByteArray& text, int ms = 5000)
    {
        return testutil::waitFor([&] {
            collect();
            return log.contains(text);
        }, ms);
    }
    quint16 port() const
    {
        const QRegularExpressionMatch m = QRegularExpression("listening on port (\\d+)").match(QString::fromUtf8(log));
        return m.hasMatch() ? static_cast<quint16>(m.captured(1).toUInt()) : 0;
    }
    bool waitForExit(int ms = 5000)
    {
        const bool done = testutil::waitFor([&] { return process.state() == QProcess::NotRunning; }, ms);
        collect();
        return done;
    }
    void signal(int signo) { ::kill(static_cast<pid_t>(process.processId()), signo); }
};

} // namespace testutil
