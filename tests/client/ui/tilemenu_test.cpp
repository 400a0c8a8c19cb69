// The "Tiles" menu: one item per usable tile-set file besides the built-in set, the
// choice it reports, and loading a set by name.
#include "client/TileSet.h"
#include "client/TileStrips.h"
#include "client/ui/TileMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tilestrips;

class TileMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        tilesDir = dir.path() + "/quillortiles";
        ASSERT_TRUE(writeStrip(tilesDir + "/alpha.bmp"));
        ASSERT_TRUE(writeStrip(tilesDir + "/beta.bmp"));
        ASSERT_TRUE(writeStrip(tilesDir + "/gamma.old.bmp"));  // its name "gamma" has no file
        ASSERT_TRUE(writeStrip(tilesDir + "/Classic.bmp"));    // the built-in name is taken
        QFile note(tilesDir + "/readme.txt");
        ASSERT_TRUE(note.open(QIODevice::WriteOnly));
        menu.setTitle("Tiles");
        QObject::connect(&tileMenu, &TileMenu::tileSetChosen, [this](const QString& name) { chosen << name; });
    }

    QStringList captions() const
    {
        QStringList out;
        for (QAction* a : menu.actions())
            out << a->text();
        return out;
    }

    QString checked() const
    {
        for (QAction* a : menu.actions())
            if (a->isChecked())
                return a->text();
        return QString();
    }

    QTemporaryDir dir;
    QString tilesDir;
    QMenu menu;
    TileSet tiles;
    TileMenu tileMenu{&menu, tiles, dir.path()};
    QStringList chosen;
};

TEST_F(TileMenuTest, ListsClassicAndEveryUsableFile)
{
    tileMenu.grouptilesmenu();
    EXPECT_EQ(captions(), (QStringList{"classic", "alpha", "beta"}));
    EXPECT_EQ(checked(), "classic");
    QAction* alpha = tileMenu.item("alpha");
    ASSERT_TRUE(alpha);
    EXPECT_EQ(alpha->objectName(), "alpha3");
    EXPECT_EQ(alpha->statusTip(), "alpha");
    EXPECT_TRUE(alpha->isCheckable());
    ASSERT_TRUE(alpha->actionGroup());
    EXPECT_TRUE(alpha->actionGroup()->isExclusive());
    EXPECT_EQ(tileMenu.item("classic")->objectName(), "classic3");

    // Building twice does not add items twice.
    tileMenu.grouptilesmenu();
    EXPECT_EQ(captions().size(), 3);
}

TEST_F(TileMenuTest, NoTileFolderLeavesOnlyClassic)
{
    QDir(tilesDir).removeRecursively();
    tileMenu.grouptilesmenu();
    EXPECT_EQ(captions(), QStringList{"classic"});
    EXPECT_FALSE(tileMenu.loadgrouptiles("alpha"));
    EXPECT_TRUE(tiles.isClassic());
}

TEST_F(TileMenuTest, ChoosingAnItemSwitchesTilesAndReportsIt)
{
    tileMenu.grouptilesmenu();
    QSignalSpy changed(&tiles, &TileSet::changed);
    tileMenu.item("beta")->trigger();
    EXPECT_FALSE(tiles.isClassic());
    EXPECT_EQ(tileMenu.current(), "beta");
    EXPECT_EQ(checked(), "beta");
    EXPECT_EQ(chosen, QStringList{"beta"});
    EXPECT_EQ(changed.count(), 1);

    tileMenu.item("classic")->trigger();
    EXPECT_TRUE(tiles.isClassic());
    EXPECT_EQ(tileMenu.current(), "classic");
    EXPECT_EQ(checked(), "classic");
    EXPECT_EQ(chosen, (QStringList{"beta", "classic"}));
}

TEST_F(TileMenuTest, VanishedFileKeepsTheCurrentSet)
{
    tileMenu.grouptilesmenu();
    tileMenu.item("alpha")->trigger();
    ASSERT_EQ(tileMenu.current(), "alpha");
    QFile::remove(tilesDir + "/beta.bmp");
    chosen.clear();
    tileMenu.item("beta")->trigger();
    EXPECT_EQ(tileMenu.current(), "alpha");
    EXPECT_EQ(checked(), "alpha");
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_FALSE(tiles.isClassic());
}

TEST_F(TileMenuTest, LoadingByNameTicksTheItemWithoutReporting)
{
    tileMenu.grouptilesmenu();
    EXPECT_FALSE(tileMenu.loadgrouptiles("nothere"));
    EXPECT_FALSE(tileMenu.loadgrouptiles("../quillortiles/alpha"));
    EXPECT_TRUE(tiles.isClassic());
    EXPECT_EQ(checked(), "classic");

    EXPECT_TRUE(tileMenu.loadgrouptiles("alpha"));
    EXPECT_EQ(checked(), "alpha");
    EXPECT_EQ(tileMenu.current(), "alpha");
    EXPECT_TRUE(chosen.isEmpty());  // only a choice from the menu is saved
}

TEST_F(TileMenuTest, RestoreLoadsTheSavedSetUnlessItIsBuiltIn)
{
    tileMenu.grouptilesmenu();
    tileMenu.restore("");
    tileMenu.restore("CLASSIC");
    EXPECT_TRUE(tiles.isClassic());
    EXPECT_EQ(checked(), "classic");
    tileMenu.restore("beta");
    EXPECT_FALSE(tiles.isClassic());
    EXPECT_EQ(checked(), "beta");
    EXPECT_EQ(tileMenu.current(), "beta");
}

TEST_F(TileMenuTest, FileNamesAreFoundWhateverTheirCase)
{
    ASSERT_TRUE(writeStrip(tilesDir + "/Delta.BMP"));
    tileMenu.grouptilesmenu();
    EXPECT_TRUE(captions().contains("Delta"));
    tileMenu.item("Delta")->trigger();
    EXPECT_EQ(tileMenu.current(), "Delta");
    EXPECT_FALSE(tiles.isClassic());
}
