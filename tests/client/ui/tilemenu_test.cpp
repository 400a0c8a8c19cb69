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
#include <QStandardPaths>
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
    // Only this test's folders, whatever is installed on the machine.
    QTemporaryDir second;
    TileMenu tileMenu{&menu, tiles, QStringList{dir.path() + "/quillortiles", second.path()}};
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

TEST_F(TileMenuTest, SharpStripsAreNoItemsOfTheirOwn)
{
    ASSERT_TRUE(writeStrip(tilesDir + "/alpha@2x.bmp", makeSharpStrip(2)));
    tileMenu.grouptilesmenu();
    EXPECT_EQ(captions(), (QStringList{"classic", "alpha", "beta"}));
    EXPECT_FALSE(tileMenu.loadgrouptiles("alpha@2x"));
    tileMenu.item("alpha")->trigger();
    EXPECT_EQ(tiles.scales(), (QVector<int>{1, 2}));
}

TEST_F(TileMenuTest, LaterFoldersAddSetsAndTheFirstFolderWins)
{
    ASSERT_TRUE(writeStrip(second.path() + "/zeta.bmp"));
    ASSERT_TRUE(writeStrip(second.path() + "/ALPHA.bmp", makeSharpStrip(2)));  // hidden by alpha.bmp
    tileMenu.grouptilesmenu();
    EXPECT_EQ(captions(), (QStringList{"classic", "alpha", "beta", "zeta"}));
    EXPECT_EQ(tileMenu.fileFor("alpha"), tilesDir + "/alpha.bmp");
    EXPECT_EQ(tileMenu.fileFor("zeta"), second.path() + "/zeta.bmp");
    tileMenu.item("zeta")->trigger();
    EXPECT_EQ(tileMenu.current(), "zeta");
    EXPECT_EQ(chosen, QStringList{"zeta"});
}

TEST(TileFolders, BesideTheProgramFirstThenTheInstalledDataFolders)
{
    const QStringList folders = TileMenu::tileFolders("/opt/q/bin");
    ASSERT_GE(folders.size(), 3);
    EXPECT_EQ(folders[0], "/opt/q/bin/quillortiles");
    EXPECT_EQ(folders[1], "/opt/q/share/quillor/quillortiles");
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    EXPECT_TRUE(folders.contains(userData + "/quillor/quillortiles")) << folders.join(' ').toStdString();
    EXPECT_EQ(QStringList(folders).removeDuplicates(), 0);
}
