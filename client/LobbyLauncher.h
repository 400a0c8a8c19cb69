#pragma once
// Starts the lobby program, when one is installed, for "Play with Others". The settings
// name it ("LobbyProgram"); it counts as installed when that names an existing
// executable file. It is started detached, without a shell, so that it outlives the game.
#include <QString>
#include <QStringList>
#include <functional>

class LobbyLauncher {
public:
    enum Outcome { Started, NotInstalled, StartFailed };

    LobbyLauncher();

    void setProgram(const QString& path) { m_program = path; }
    const QString& program() const { return m_program; }

    bool installed() const;
    Outcome launch() const;

    // Starts a program detached; true when it started. Replaceable so that tests start
    // nothing.
    std::function<bool(const QString& program)> start;

private:
    QString m_program;
};
