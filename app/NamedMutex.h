#pragma once
// The game's system-wide marker "agame": held (never waited on) from the main window's
// creation until the program ends, so that other programs of the same family, such as
// the lobby, can see that the game is running. A marker that another process already
// holds is not an error; the game simply runs.
#include <QLockFile>
#include <QString>

class NamedMutex {
public:
    explicit NamedMutex(const QString& name);

    bool held() const { return m_held; }
    QString path() const { return m_lock.fileName(); }

private:
    QLockFile m_lock;
    bool m_held = false;
};
