#pragma once
// Turns SIGINT and SIGTERM into a Qt signal on the event loop, so the program can end
// the way it ends when asked from its own window: the handler only writes one byte into
// a pipe, whose read end the event loop watches. One object at a time; while it exists
// the two signals no longer end the process at once.
#include <QObject>
#include <csignal>

class QSocketNotifier;

class StopSignals : public QObject {
    Q_OBJECT
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // False when the pipe could not be made; the signals then keep their old effect.
    bool watching() const { return m_installed; }

signals:
    // SIGINT or SIGTERM arrived (its number).
    void stopRequested(int signo);

private:
    int m_pipe[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
    struct sigaction m_oldInt {};
    struct sigaction m_oldTerm {};
    bool m_installed = false;
};
