#pragma once
// Starts the game afresh with other parameters, as the "Play with Others" dialog asks:
// a new copy of the program runs with the parameters exactly as if they had been typed
// on the command line, and this copy then ends.
//
// Only one copy runs at a time, so this copy first lets go of what a new one needs:
// the single-instance guard and, when it hosts, the game port. When the new copy cannot
// be started, both are taken back and this copy goes on.
#include <QString>
#include <QStringList>
#include <functional>

class SingleInstance;

class Relaunch {
public:
    Relaunch(SingleInstance& guard, QString program);

    // Frees the game port before the new copy starts, and takes it back when it could
    // not start. Both may be left empty.
    std::function<void()> stopHosting;
    std::function<void()> resumeHosting;

    // Starts the new copy, detached from this one. Returns whether it started; `pid`
    // receives its process id. The caller ends this copy after a successful start.
    bool start(const QStringList& arguments, qint64* pid = nullptr);

    const QString& program() const { return m_program; }

private:
    SingleInstance& m_guard;
    QString m_program;
};
