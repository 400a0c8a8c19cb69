#include "client/ui/MainMenus.h"

#include "client/ui/GameMenu.h"
#include "client/ui/OptionsMenu.h"
#include "client/ui/TileMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {

QAction* item(QMenu* menu, const QString& caption, const QString& name)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

} // namespace

MainMenus::MainMenus(QMenuBar* bar, TileSet& tiles, const QString& programFolder, QObject* parent)
    : QObject(parent)
{
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    PlayWithOthers1 = item(file, QStringLiteral("&Play with Others..."), QStringLiteral("PlayWithOthers1"));
    file->addSeparator();
    Exit1 = item(file, QStringLiteral("E&xit"), QStringLiteral("Exit1"));

    Game1 = bar->addMenu(QStringLiteral("&Game"));
    Game1->setObjectName(QStringLiteral("Game1"));
    Game1->setToolTipsVisible(true); // why a command is greyed
    StartGame1 = item(Game1, QStringLiteral("&Start Game"), QStringLiteral("StartGame1"));
    StartGame1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    JustWatch1 = item(Game1, QStringLiteral("&Just Watch"), QStringLiteral("JustWatch1"));
    JustWatch1->setCheckable(true);
    Game1->addSeparator();
    m_gameMenu = new GameMenu(Game1, this);

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    SpyList1 = item(view, QStringLiteral("&Spy List"), QStringLiteral("SpyList1"));
    ViewTally1 = item(view, QStringLiteral("View &Tally"), QStringLiteral("ViewTally1"));
    Tiles1 = view->addMenu(QStringLiteral("T&iles"));
    Tiles1->setObjectName(QStringLiteral("Tiles1"));
    m_tileMenu = new TileMenu(Tiles1, tiles, programFolder, this);
    PrhaseList1 = item(view, QStringLiteral("&Phrase List"), QStringLiteral("PrhaseList1"));

    m_optionsMenu = new OptionsMenu(bar->addMenu(QStringLiteral("&Options")), this);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    Content1 = item(help, QStringLiteral("&Content"), QStringLiteral("Content1"));
    Content1->setShortcut(QKeySequence(Qt::Key_F1));
    About1 = item(help, QStringLiteral("&About"), QStringLiteral("About1"));

    // The button that shows the menus a narrow window has no room for, named for screen
    // readers like every other button.
    if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button")))
        more->setAccessibleName(QStringLiteral("More menus"));
}
