#pragma once
// The Game menu's player commands: "Remove From Game", "Set to Just Watch" and "Unset
// Just Watch", each a list of the players it may name, filled as it opens. They are the
// commands of a seat's pop-up menu (and the spy list's), where a player who never
// right-clicks a name finds them too. Only the game's leader may give them; for anybody
// else they are greyed, and say so.
#include "client/PlayerCommands.h"

#include <QObject>
#include <QStringList>
#include <functional>

class QMenu;

class GameMenu : public QObject {
    Q_OBJECT
public:
    static inline const QString LeaderOnly =
        QStringLiteral(QT_TRANSLATE_NOOP("GameMenu", "Only the player who leads the game can remove players or set them watching."));
    static inline const QString Nobody = QStringLiteral(QT_TRANSLATE_NOOP("GameMenu", "(nobody)"));

    // Adds the three lists to `game`.
    GameMenu(QMenu* game, QObject* parent = nullptr);

    // From now on the lists are filled from `commands`; the spectators are the spy list's
    // lines.
    void bind(PlayerCommands& commands, std::function<QStringList()> spectatorLines);
    // Greys the lists for a player who does not lead.
    void showLeadership(bool leads);

    QMenu* RemoveFromGame2 = nullptr;
    QMenu* SetToJustWatch2 = nullptr;
    QMenu* UnsetJustWatch2 = nullptr;

private:
    // Fills one list with its players, each item giving the command for his slot.
    void fill(QMenu* list, const QList<PlayerCommands::Target>& targets,
              const std::function<void(int slot)>& command);

    PlayerCommands* m_commands = nullptr;
    std::function<QStringList()> m_spectatorLines;
};
