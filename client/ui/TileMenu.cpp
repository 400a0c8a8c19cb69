#include "client/ui/TileMenu.h"

#include "client/FilesBySuffix.h"
#include "client/TileSet.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QMenu>
#include <QStandardPaths>

namespace {

bool isClassic(const QString& name)
{
    return name.compare(QLatin1String(TileMenu::Classic), Qt::CaseInsensitive) == 0;
}

} // namespace

TileMenu::TileMenu(QMenu* menu, TileSet& tiles, const QString& programFolder, QObject* parent)
    : TileMenu(menu, tiles, tileFolders(programFolder), parent)
{
}

TileMenu::TileMenu(QMenu* menu, TileSet& tiles, QStringList folders, QObject* parent)
    : QObject(parent)
    , m_menu(menu)
    , m_tiles(tiles)
    , m_folders(std::move(folders))
    , m_group(new QActionGroup(this))
{
    m_group->setExclusive(true);
}

QStringList TileMenu::tileFolders(const QString& programFolder)
{
    const QString sets = QStringLiteral("quillortiles");
    QStringList folders{QDir(programFolder).filePath(sets),
                        QDir(programFolder).filePath(QStringLiteral("../share/quillor/") + sets)};
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << QDir(data).filePath(QStringLiteral("quillor/") + sets);
    QStringList out;
    for (const QString& folder : folders) {
        const QString clean = QDir::cleanPath(folder);
        if (!out.contains(clean))
            out << clean;
    }
    return out;
}

QString TileMenu::fileFor(const QString& name) const
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || TileSet::isSharpStrip(name))
        return QString();
    const QString exact = name + QStringLiteral(".bmp");
    for (const QString& folder : m_folders) {
        const QDir dir(folder);
        if (dir.exists(exact))
            return dir.filePath(exact);
        // Sets copied from other systems may spell the name or extension in another case.
        const QStringList all = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
        for (const QString& file : all) {
            if (file.compare(exact, Qt::CaseInsensitive) == 0)
                return dir.filePath(file);
        }
    }
    return QString();
}

void TileMenu::grouptilesmenu()
{
    creategrouptilesmenu(QString::fromLatin1(Classic))->setChecked(isClassic(m_current));
    QStringList names;
    for (const QString& folder : m_folders) {
        const QStringList files = filesBySuffix(QDir(folder), u".bmp", QDir::Files | QDir::Hidden | QDir::System);
        for (const QString& file : files) {
            const QString name = file.section(QLatin1Char('.'), 0, 0);
            // The built-in set keeps its name; a file that no name reaches is left out.
            if (name.isEmpty() || isClassic(name) || names.contains(name, Qt::CaseInsensitive)
                || fileFor(name).isEmpty())
                continue;
            names << name;
        }
    }
    names.sort(Qt::CaseInsensitive);
    for (const QString& name : names)
        creategrouptilesmenu(name);
    tick(m_current);
}

QAction* TileMenu::item(const QString& name) const
{
    for (QAction* action : m_group->actions()) {
        if (action->objectName() == name + QLatin1Char('3'))
            return action;
    }
    return nullptr;
}

QAction* TileMenu::creategrouptilesmenu(const QString& name)
{
    if (QAction* existing = item(name))
        return existing;
    auto* action = new QAction(name, m_menu);
    action->setObjectName(name + QLatin1Char('3'));
    action->setStatusTip(name);
    action->setData(name);
    action->setCheckable(true);
    m_group->addAction(action);
    m_menu->addAction(action);
    connect(action, &QAction::triggered, this, [this, action] { grouptilesmenuClick(action); });
    return action;
}

void TileMenu::tick(const QString& name)
{
    if (QAction* action = item(name))
        action->setChecked(true);
}

void TileMenu::grouptilesmenuClick(QAction* item)
{
    if (!item)
        return;
    const QString name = item->data().toString();
    if (isClassic(name)) {
        m_tiles.useClassic();
        m_current = QString::fromLatin1(Classic);
    } else if (!loadgrouptiles(name)) {
        // The file has gone since the menu was built: keep the set in use and its tick.
        qWarning("tile set %s is no longer available", qPrintable(name));
        tick(m_current);
        return;
    }
    tick(m_current);
    emit tileSetChosen(m_current);
}

bool TileMenu::loadgrouptiles(const QString& name)
{
    const QString file = fileFor(name);
    if (file.isEmpty() || !m_tiles.load(file))
        return false;
    m_current = name;
    tick(name);
    return true;
}

bool TileMenu::restore(const QString& saved)
{
    if (saved.isEmpty() || isClassic(saved))
        return true;
    return loadgrouptiles(saved);
}
