#pragma once
// The main window's menu bar: File ("Play with Others...", "Exit"), Game ("Start Game",
// "Just Watch" and the leader's player commands, see GameMenu), View ("Spy List", "View
// Tally", the "Tiles" menu, "Phrase List", the "Language" menu of the windows), Options (chat, sounds and the window's place,
// see OptionsMenu) and Help ("Content", "About"). The window connects the items to its
// commands.
#include <QObject>
#include <QString>

class GameMenu;
class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class OptionsMenu;
class TileMenu;
class TileSet;

class MainMenus : public QObject {
    Q_OBJECT
public:
    MainMenus(QMenuBar* bar, TileSet& tiles, const QString& programFolder, QObject* parent = nullptr);

    TileMenu& tiles() { return *m_tileMenu; }
    GameMenu& game() { return *m_gameMenu; }
    OptionsMenu& options() { return *m_optionsMenu; }

    // Checks the Language menu's item of `code` (empty: "System"), without announcing it.
    void showWindowLanguage(const QString& code);

    QAction* StartGame1 = nullptr;
    QAction* JustWatch1 = nullptr;
    QAction* PlayWithOthers1 = nullptr;
    QMenu* Game1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* SpyList1 = nullptr;
    QAction* ViewTally1 = nullptr;
    QMenu* Tiles1 = nullptr;
    QAction* PrhaseList1 = nullptr;
    QAction* Content1 = nullptr;
    QAction* About1 = nullptr;
    QMenu* Language1 = nullptr;

signals:
    // The player chose the windows' language in View > Language (empty: the system's).
    void windowLanguageChosen(const QString& code);

private:
    TileMenu* m_tileMenu = nullptr;
    GameMenu* m_gameMenu = nullptr;
    OptionsMenu* m_optionsMenu = nullptr;
    QActionGroup* m_languages = nullptr;
};
