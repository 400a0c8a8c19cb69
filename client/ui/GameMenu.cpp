#include "client/ui/GameMenu.h"

#include <QAction>
#include <QMenu>

GameMenu::GameMenu(QMenu* game, QObject* parent)
    : QObject(parent)
{
    const auto list = [game](const QString& caption, const QString& name) {
        QMenu* menu = game->addMenu(caption);
        menu->setObjectName(name);
        return menu;
    };
    RemoveFromGame2 = list(tr("&Remove From Game"), QStringLiteral("RemoveFromGame2"));
    SetToJustWatch2 = list(tr("Set to Just &Watch"), QStringLiteral("SetToJustWatch2"));
    UnsetJustWatch2 = list(tr("&Unset Just Watch"), QStringLiteral("UnsetJustWatch2"));
    showLeadership(false);
}

void GameMenu::bind(PlayerCommands& commands, std::function<QStringList()> spectatorLines)
{
    m_commands = &commands;
    m_spectatorLines = std::move(spectatorLines);
    connect(RemoveFromGame2, &QMenu::aboutToShow, this, [this] {
        fill(RemoveFromGame2, m_commands->removeTargets(m_spectatorLines ? m_spectatorLines() : QStringList()),
             [this](int slot) { m_commands->kicking(slot); });
    });
    connect(SetToJustWatch2, &QMenu::aboutToShow, this, [this] {
        fill(SetToJustWatch2, m_commands->watchTargets(false),
             [this](int slot) { m_commands->setSeatWatching(slot, true); });
    });
    connect(UnsetJustWatch2, &QMenu::aboutToShow, this, [this] {
        fill(UnsetJustWatch2, m_commands->watchTargets(true),
             [this](int slot) { m_commands->setSeatWatching(slot, false); });
    });
}

void GameMenu::showLeadership(bool leads)
{
    for (QMenu* list : {RemoveFromGame2, SetToJustWatch2, UnsetJustWatch2}) {
        list->menuAction()->setEnabled(leads);
        list->menuAction()->setToolTip(leads ? QString() : tr(qUtf8Printable(LeaderOnly)));
    }
}

void GameMenu::fill(QMenu* list, const QList<PlayerCommands::Target>& targets,
                    const std::function<void(int slot)>& command)
{
    list->clear();
    for (const PlayerCommands::Target& t : targets) {
        // A name as written: "&" in it is no shortcut.
        QString caption = t.name;
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = list->addAction(caption);
        const int slot = t.slot;
        connect(item, &QAction::triggered, this, [command, slot] { command(slot); });
    }
    if (targets.isEmpty())
        list->addAction(tr(qUtf8Printable(Nobody)))->setEnabled(false);
}
