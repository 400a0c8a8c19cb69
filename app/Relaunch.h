#pragma once
// Starts the game afresh with other parameters, as the "Play with Others" dialog asks:
// a new copy of the program runs with the parameters exactly as if they had been typed
// on the command line, and this copy then ends.
//
// Only one copy runs at a time, so this copy first lets go of what a new one needs:
// the single-instance guard and, when it hosts, the game port. The new copy has started
// once it holds the guard (it has read its command line and created its application);
// only then is `started` announced and this copy may close. When the new copy cannot be
// started, or ends before it holds the guard, this copy takes both back, announces
// `failed` and goes on, so the player is never left without a window.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

class SingleInstance;

class Relaunch : public QObject {
    Q_OBJECT
public:
    // How often the new copy is looked at while it starts.
    static constexpr int PollMs = 50;

    Relaunch(SingleInstance& guard, QString program, QObject* parent = nullptr);

    // Frees the game port before the new copy starts, and takes it back when it could
    // not start. Both may be left empty.
    std::function<void()> stopHosting;
    std::function<void()> resumeHosting;

    // Starts the new copy, detached from this one. False when it could not be started at
    // all (or another start is still waiting): guard and port are back, and nothing is
    // announced. Otherwise one of `started` and `failed` follows. `pid` receives the new
    // copy's process id.
    bool start(const QStringList& arguments, qint64* pid = nullptr);
    // True from a start until its outcome is announced.
    bool waiting() const { return m_pid > 0; }

    const QString& program() const { return m_program; }

signals:
    // The new copy holds the guard: this copy may end.
    void started();
    // The new copy ended before it held the guard; guard and port are back.
    void failed();

private:
    void look();
    void takeBack();

    SingleInstance& m_guard;
    QString m_program;
    QTimer m_poll;
    qint64 m_pid = 0;
};
