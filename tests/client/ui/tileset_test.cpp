// Tile sets: the built-in tiles, loading tile-set strips (white is transparent), and the
// "Tiles" menu that lists the files beside the program and switches between them.
#include "client/ui/TileMenu.h"
#include "client/TileSet.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int T = TileSet::TileSize;

// The colour of tile i in a generated strip.
QRgb tileColour(int i)
{
    return qRgb(4 * i, 200 - 3 * i, 100);
}

// A strip of 55 flat tiles, each with a pure white and a nearly white pixel in its corner.
QImage makeStrip(int tiles = TileSet::FileTiles, int height = T)
{
    QImage strip(tiles * T, height, QImage::Format_RGB32);
    for (int i = 0; i < tiles; ++i) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < T; ++x)
                strip.setPixel(i * T + x, y, tileColour(i));
        strip.setPixel(i * T, 0, qRgb(255, 255, 255));
        strip.setPixel(i * T + 1, 0, qRgb(254, 255, 255));
    }
    return strip;
}

bool writeStrip(const QString& path, const QImage& strip = makeStrip())
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return strip.save(path, "BMP");
}

// Share of a tile's pixels that are not fully transparent.
double coverage(const QImage& tile)
{
    const QImage img = tile.convertToFormat(QImage::Format_ARGB32);
    int solid = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            solid += qAlpha(img.pixel(x, y)) > 0 ? 1 : 0;
    return double(solid) / (img.width() * img.height());
}

// Average colour of the opaque pixels of a band down the tile's face, left of its letter.
QColor faceColour(const QImage& tile)
{
    const QImage img = tile.convertToFormat(QImage::Format_ARGB32);
    long r = 0, g = 0, b = 0, n = 0;
    const int w = img.width();
    for (int y = w / 4; y < 3 * w / 4; ++y) {
        for (int x = w / 8; x < w / 5; ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) < 255)
                continue;
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
            ++n;
        }
    }
    return n ? QColor(int(r / n), int(g / n), int(b / n)) : QColor();
}

} // namespace

TEST(TileSetTest, ClassicSetHasEveryTileAtTheDevicesRatio)
{
    TileSet tiles;
    EXPECT_TRUE(tiles.isClassic());
    EXPECT_EQ(tiles.count(), 54);
    for (int i = 0; i <= 53; ++i) {
        const QImage one = tiles.tile(i, 1.0);
        ASSERT_EQ(one.size(), QSize(T, T)) << i;
        const QImage two = tiles.tile(i, 2.0);
        EXPECT_EQ(two.size(), QSize(2 * T, 2 * T)) << i;
        EXPECT_EQ(two.devicePixelRatio(), 2.0);
    }
    EXPECT_TRUE(tiles.tile(54).isNull());
    EXPECT_TRUE(tiles.tile(-1).isNull());
}

TEST(TileSetTest, ClassicTilesAreDistinctAndMarkedOnesStandOut)
{
    TileSet tiles;
    // Every letter has its own picture, and its marked picture differs from it.
    for (int i = 1; i <= 26; ++i) {
        EXPECT_NE(tiles.tile(i), tiles.tile(i + 26)) << i;
        if (i < 26) {
            EXPECT_NE(tiles.tile(i), tiles.tile(i + 1)) << i;
        }
    }
    // A marked tile is clearly another colour, not a shade of the plain one.
    const QColor plain = faceColour(tiles.tile(5));
    const QColor marked = faceColour(tiles.tile(31));
    const int distance = std::abs(plain.red() - marked.red()) + std::abs(plain.green() - marked.green())
        + std::abs(plain.blue() - marked.blue());
    EXPECT_GT(distance, 150);
    // Letter tiles cover their cell; the pick marker is a frame that lets the tile show.
    EXPECT_GT(coverage(tiles.tile(1)), 0.8);
    EXPECT_LT(coverage(tiles.tile(53)), 0.5);
    EXPECT_EQ(qAlpha(tiles.tile(53).pixel(T / 2, T / 2)), 0);
}

TEST(TileSetTest, LoadsAStripWithWhiteAsTransparent)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("strip.bmp");
    ASSERT_TRUE(writeStrip(path));
    TileSet tiles;
    QSignalSpy changed(&tiles, &TileSet::changed);
    ASSERT_TRUE(tiles.load(path));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_FALSE(tiles.isClassic());
    EXPECT_EQ(tiles.count(), 55);
    for (int i = 0; i < 55; ++i) {
        const QImage tile = tiles.tile(i).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(tile.size(), QSize(T, T));
        EXPECT_EQ(tile.pixel(10, 10), tileColour(i)) << i;  // tiles cut left to right
        EXPECT_EQ(qAlpha(tile.pixel(0, 0)), 0) << i;          // pure white: transparent
        EXPECT_EQ(tile.pixel(1, 0), qRgb(254, 255, 255)) << i;  // almost white: kept
    }
    tiles.useClassic();
    EXPECT_TRUE(tiles.isClassic());
    EXPECT_EQ(changed.count(), 2);
}

TEST(TileSetTest, MissingOrUnfitFilesChangeNothing)
{
    QTemporaryDir dir;
    TileSet tiles;
    ASSERT_TRUE(writeStrip(dir.filePath("good.bmp")));
    ASSERT_TRUE(tiles.load(dir.filePath("good.bmp")));
    QSignalSpy changed(&tiles, &TileSet::changed);

    EXPECT_FALSE(tiles.load(dir.filePath("missing.bmp")));
    ASSERT_TRUE(writeStrip(dir.filePath("short.bmp"), makeStrip(54)));
    EXPECT_FALSE(tiles.load(dir.filePath("short.bmp")));
    ASSERT_TRUE(writeStrip(dir.filePath("low.bmp"), makeStrip(55, 40)));
    EXPECT_FALSE(tiles.load(dir.filePath("low.bmp")));
    QFile junk(dir.filePath("junk.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BM not really a bitmap");
    junk.close();
    EXPECT_FALSE(tiles.load(junk.fileName()));

    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(tiles.tile(7).convertToFormat(QImage::Format_ARGB32).pixel(10, 10), tileColour(7));
}

TEST(TileSetTest, DrawPutsTheTileAtItsPlace)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeStrip(dir.filePath("s.bmp")));
    TileSet tiles;
    ASSERT_TRUE(tiles.load(dir.filePath("s.bmp")));

    for (qreal ratio : {1.0, 2.0}) {
        QImage canvas(int(3 * T * ratio), int(T * ratio), QImage::Format_ARGB32);
        canvas.setDevicePixelRatio(ratio);
        canvas.fill(Qt::black);
        {
            QPainter p(&canvas);
            tiles.draw(p, QPoint(T, 0), 9);
            tiles.draw(p, QPoint(2 * T, 0), 99);  // no such tile: nothing
        }
        EXPECT_EQ(canvas.pixel(int(5 * ratio), int(20 * ratio)), qRgb(0, 0, 0)) << ratio;
        EXPECT_EQ(canvas.pixel(int((T + 20) * ratio), int(20 * ratio)), tileColour(9)) << ratio;
        EXPECT_EQ(canvas.pixel(int((2 * T + 20) * ratio), int(20 * ratio)), qRgb(0, 0, 0)) << ratio;
    }
}

TEST(TileSetTest, ShippedTileSetsLoad)
{
    const QString source = qEnvironmentVariable("QUILLOR_SOURCE_DIR");
    if (source.isEmpty())
        GTEST_SKIP() << "QUILLOR_SOURCE_DIR not set";
    const QDir dir(source + "/assets/quillortiles");
    const QStringList files = dir.entryList({"*.bmp"}, QDir::Files);
    ASSERT_GE(files.size(), 2);
    for (const QString& file : files) {
        TileSet tiles;
        ASSERT_TRUE(tiles.load(dir.filePath(file))) << file.toStdString();
        for (int i = 1; i <= 52; ++i) {
            const QImage tile = tiles.tile(i).convertToFormat(QImage::Format_ARGB32);
            EXPECT_EQ(qAlpha(tile.pixel(0, 0)), 0) << file.toStdString() << " tile " << i;
            EXPECT_GT(coverage(tile), 0.7) << file.toStdString() << " tile " << i;
        }
        EXPECT_EQ(qAlpha(tiles.tile(53).pixel(T / 2, T / 2)), 0) << file.toStdString();
    }
}

// --- the "Tiles" menu -----------------------------------------------------------------

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
        tileMenu.onTileSetChosen = [this](const QString& name) { chosen << name; };
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
