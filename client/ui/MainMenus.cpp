#include "client/ui/MainMenus.h"

#include "client/ui/GameMenu.h"
#include "client/ui/OptionsMenu.h"
#include "client/ui/TileMenu.h"
#include "i18n/WindowLanguage.h"

#include <QAction>
#include <QActionGroup>
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
    QMenu* file = bar->addMenu(tr("&File"));
    PlayWithOthers1 = item(file, tr("&Play with Others..."), QStringLiteral("PlayWithOthers1"));
    file->addSeparator();
    Exit1 = item(file, tr("E&xit"), QStringLiteral("Exit1"));

    Game1 = bar->addMenu(tr("&Game"));
    Game1->setObjectName(QStringLiteral("Game1"));
    Game1->setToolTipsVisible(true); // why a command is greyed
    StartGame1 = item(Game1, tr("&Start Game"), QStringLiteral("StartGame1"));
    StartGame1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    JustWatch1 = item(Game1, tr("&Just Watch"), QStringLiteral("JustWatch1"));
    JustWatch1->setCheckable(true);
    Game1->addSeparator();
    m_gameMenu = new GameMenu(Game1, this);

    QMenu* view = bar->addMenu(tr("&View"));
    SpyList1 = item(view, tr("&Spy List"), QStringLiteral("SpyList1"));
    ViewTally1 = item(view, tr("View &Tally"), QStringLiteral("ViewTally1"));
    Tiles1 = view->addMenu(tr("T&iles"));
    Tiles1->setObjectName(QStringLiteral("Tiles1"));
    m_tileMenu = new TileMenu(Tiles1, tiles, programFolder, this);
    PrhaseList1 = item(view, tr("&Phrase List"), QStringLiteral("PrhaseList1"));
    // Each language in its own name, so that a player finds his own in any of them. The
    // windows take their texts when they are made: the choice counts from the next start.
    Language1 = view->addMenu(tr("&Language"));
    Language1->setObjectName(QStringLiteral("Language1"));
    Language1->setToolTipsVisible(true);
    Language1->menuAction()->setToolTip(tr("The language of the windows, from the next start"));
    m_languages = new QActionGroup(this);
    m_languages->setExclusive(true);
    for (const windowlanguage::Language& language : windowlanguage::Choices) {
        const QString code = QString::fromLatin1(language.code);
        const QString name = code.isEmpty() ? tr("&System") : QString::fromUtf8(language.name);
        QAction* action = item(Language1, name, QStringLiteral("Language_") + (code.isEmpty() ? QStringLiteral("system") : code));
        action->setCheckable(true);
        action->setData(code);
        action->setToolTip(tr("Takes effect at the next start"));
        m_languages->addAction(action);
    }
    showWindowLanguage(QString());
    connect(m_languages, &QActionGroup::triggered, this,
            [this](QAction* action) { emit windowLanguageChosen(action->data().toString()); });

    m_optionsMenu = new OptionsMenu(bar->addMenu(tr("&Options")), this);

    QMenu* help = bar->addMenu(tr("&Help"));
    Content1 = item(help, tr("&Content"), QStringLiteral("Content1"));
    Content1->setShortcut(QKeySequence(Qt::Key_F1));
    About1 = item(help, tr("&About"), QStringLiteral("About1"));

    // The button that shows the menus a narrow window has no room for, named for screen
    // readers like every other button.
    if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button")))
        more->setAccessibleName(tr("More menus"));
}

void MainMenus::showWindowLanguage(const QString& code)
{
    const QString known = windowlanguage::resolve(code, {}) == code ? code : QString();
    for (QAction* action : m_languages->actions())
        action->setChecked(action->data().toString() == known);
}
