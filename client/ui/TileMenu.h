#pragma once
// The "Tiles" menu: one radio item for the built-in "classic" tiles and one for each
// tile-set file "quillortiles/<name>.bmp" in the program's folder, then in the installed
// data folders (see tileFolders). Choosing an item switches the tiles (everything drawn
// with them repaints through TileSet::changed) and reports the new choice so that it can
// be saved. A set found in more than one folder is taken from the first; the larger
// strips of a set ("<name>@2x.bmp") are no items of their own.
//
// Each item carries the set's name as its data and hint (status tip) and has the object
// name name + "3".
#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QActionGroup;
class QMenu;
class TileSet;

class TileMenu : public QObject {
    Q_OBJECT
public:
    static constexpr const char* Classic = "classic";

    // Looks in the tile folders of the program in `programFolder`.
    TileMenu(QMenu* menu, TileSet& tiles, const QString& programFolder, QObject* parent = nullptr);
    // Looks in the given folders, in order.
    TileMenu(QMenu* menu, TileSet& tiles, QStringList folders, QObject* parent = nullptr);

    // Where the program in `programFolder` finds tile sets, in order: "quillortiles"
    // beside it; the data folder of an installed copy, "<programFolder>/../share/quillor/
    // quillortiles"; then "quillor/quillortiles" in the user's and the system's data
    // folders (XDG_DATA_HOME, XDG_DATA_DIRS).
    static QStringList tileFolders(const QString& programFolder);

    // Fills the menu: "classic" first, then one item per tile-set file, by file name.
    void grouptilesmenu();
    // Adds one radio item for the set `name` (or returns the one already there).
    QAction* creategrouptilesmenu(const QString& name);
    // A menu item was chosen: switch to its set and report the choice.
    void grouptilesmenuClick(QAction* item);
    // Loads the set `name` from its file; a missing or unusable file changes nothing
    // and gives false.
    bool loadgrouptiles(const QString& name);
    // At start: the saved choice, unless it is empty or the built-in set. False when the
    // set has no usable file: the set in use stays.
    bool restore(const QString& saved);

    // The name of the set in use.
    QString current() const { return m_current; }
    // The file of the set `name`, or empty when there is none.
    QString fileFor(const QString& name) const;
    QAction* item(const QString& name) const;

signals:
    // The player chose another set from the menu.
    void tileSetChosen(const QString& name);

private:
    void tick(const QString& name);

    QMenu* m_menu;
    TileSet& m_tiles;
    QStringList m_folders;
    QActionGroup* m_group;
    QString m_current = QString::fromLatin1(Classic);
};
