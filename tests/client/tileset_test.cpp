// Tile sets: the built-in tiles and loading tile-set strips (white is transparent).
#include "client/TileSet.h"
#include "client/TileStrips.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace tilestrips;

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

TEST(TileSetTest, ShippedTileSetsLoadWithSharpStripsThatMatchThem)
{
    const QString source = qEnvironmentVariable("QUILLOR_SOURCE_DIR");
    ASSERT_FALSE(source.isEmpty()) << "QUILLOR_SOURCE_DIR is not set: the shipped tile sets cannot be found";
    const QDir dir(source + "/assets/quillortiles");
    QStringList files = dir.entryList({"*.bmp"}, QDir::Files);
    files.removeIf([](const QString& f) { return TileSet::isSharpStrip(f); });
    ASSERT_GE(files.size(), 2);
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        TileSet tiles;
        ASSERT_TRUE(tiles.load(dir.filePath(file)));
        EXPECT_EQ(tiles.scales(), (QVector<int>{1, 2}));
        for (int i = 1; i <= 53; ++i) {
            const QImage tile = tiles.tile(i).convertToFormat(QImage::Format_ARGB32);
            const QImage sharp = tiles.tile(i, 2.0);
            ASSERT_EQ(sharp.size(), QSize(2 * T, 2 * T)) << i;
            if (i <= 52) {
                EXPECT_EQ(qAlpha(tile.pixel(0, 0)), 0) << "tile " << i;
                EXPECT_GT(coverage(tile), 0.7) << "tile " << i;
                // The sharp tile is the same picture: same shape, same colours.
                EXPECT_NEAR(coverage(sharp), coverage(tile), 0.05) << "tile " << i;
                const QColor a = faceColour(tile);
                const QColor b = faceColour(sharp);
                EXPECT_LE(std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()), 30)
                    << "tile " << i;
            }
        }
        EXPECT_EQ(qAlpha(tiles.tile(53).pixel(T / 2, T / 2)), 0);
        EXPECT_EQ(qAlpha(tiles.tile(53, 2.0).pixel(T, T)), 0);
    }
}

TEST(TileSetTest, SharpestStripForThePixelRatio)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeStrip(dir.filePath("s.bmp")));
    ASSERT_TRUE(writeStrip(dir.filePath("s@2x.bmp"), makeSharpStrip(2)));
    ASSERT_TRUE(writeStrip(dir.filePath("s@3x.bmp"), makeSharpStrip(3)));
    TileSet tiles;
    QSignalSpy changed(&tiles, &TileSet::changed);
    ASSERT_TRUE(tiles.load(dir.filePath("s.bmp")));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(tiles.scales(), (QVector<int>{1, 2, 3}));

    // The smallest strip at least as large as the ratio, else the largest.
    const std::pair<qreal, int> cases[] = {{1.0, 1}, {1.25, 2}, {1.5, 2}, {2.0, 2}, {2.5, 3}, {3.0, 3}, {4.0, 3}};
    for (const auto& [ratio, scale] : cases) {
        const QImage tile = tiles.tile(9, ratio).convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(tile.size(), QSize(T * scale, T * scale)) << ratio;
        EXPECT_EQ(tile.devicePixelRatio(), scale) << ratio;
        EXPECT_EQ(tile.pixel(10, 10), scale == 1 ? tileColour(9) : sharpColour(9, scale)) << ratio;
        EXPECT_EQ(qAlpha(tile.pixel(0, 0)), 0) << ratio;  // white is transparent in every strip
    }

    // Drawn on a 2x device the tile comes from the @2x strip, at the tile's place.
    QImage canvas(4 * T, 2 * T, QImage::Format_ARGB32);
    canvas.setDevicePixelRatio(2.0);
    canvas.fill(Qt::black);
    {
        QPainter p(&canvas);
        tiles.draw(p, QPoint(T, 0), 9);
    }
    EXPECT_EQ(canvas.pixel(2 * T + 40, 40), sharpColour(9, 2));
    EXPECT_EQ(canvas.pixel(40, 40), qRgb(0, 0, 0));

    // Back to the built-in tiles and to a file without larger strips.
    tiles.useClassic();
    EXPECT_TRUE(tiles.scales().isEmpty());
    ASSERT_TRUE(writeStrip(dir.filePath("plain.bmp")));
    ASSERT_TRUE(tiles.load(dir.filePath("plain.bmp")));
    EXPECT_EQ(tiles.scales(), QVector<int>{1});
    EXPECT_EQ(tiles.tile(9, 2.0).convertToFormat(QImage::Format_ARGB32).pixel(10, 10), tileColour(9));
}

TEST(TileSetTest, UnfitSharpStripIsLeftOut)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeStrip(dir.filePath("s.bmp")));
    ASSERT_TRUE(writeStrip(dir.filePath("s@2x.bmp"), makeStrip()));  // drawn at 1x: too small
    TileSet tiles;
    ASSERT_TRUE(tiles.load(dir.filePath("s.bmp")));
    EXPECT_EQ(tiles.scales(), QVector<int>{1});
    EXPECT_EQ(tiles.tile(9, 2.0).convertToFormat(QImage::Format_ARGB32).pixel(10, 10), tileColour(9));

    // Without its 1x strip a set does not load from the larger one alone.
    ASSERT_TRUE(writeStrip(dir.filePath("only@2x.bmp"), makeSharpStrip(2)));
    EXPECT_FALSE(tiles.load(dir.filePath("only.bmp")));
}

TEST(TileSetTest, SharpStripNames)
{
    EXPECT_EQ(TileSet::sharpStripPath("/x/tiles/slate.bmp", 2), "/x/tiles/slate@2x.bmp");
    EXPECT_EQ(TileSet::sharpStripPath("/x/Delta.BMP", 3), "/x/Delta@3x.BMP");
    EXPECT_TRUE(TileSet::isSharpStrip("slate@2x.bmp"));
    EXPECT_TRUE(TileSet::isSharpStrip("Slate@2X"));
    EXPECT_FALSE(TileSet::isSharpStrip("slate.bmp"));
    EXPECT_FALSE(TileSet::isSharpStrip("slate@home.bmp"));
}

TEST(TileSetTest, TheSizeOnTheScreenPicksTheStrip)
{
    // The strip is chosen for the tile's size on the screen: its size in the window times
    // the screen's pixel ratio.
    QTemporaryDir dir;
    ASSERT_TRUE(writeStrip(dir.filePath("s.bmp")));
    ASSERT_TRUE(writeStrip(dir.filePath("s@2x.bmp"), makeSharpStrip(2)));
    ASSERT_TRUE(writeStrip(dir.filePath("s@3x.bmp"), makeSharpStrip(3)));
    TileSet tiles;
    ASSERT_TRUE(tiles.load(dir.filePath("s.bmp")));
    struct Case {
        int side;           // the tile's side in the window
        qreal deviceRatio;
        int scale;          // the strip it comes from
    };
    for (const Case c : {Case{44, 1, 1}, Case{50, 1, 2}, Case{88, 1, 2}, Case{89, 1, 3}, Case{66, 2, 3},
                         Case{37, 2, 2}, Case{200, 1, 3}}) {
        SCOPED_TRACE(QStringLiteral("%1 px at %2").arg(c.side).arg(c.deviceRatio).toStdString());
        const int pixels = qRound(c.side * c.deviceRatio);
        QImage canvas(pixels + 20, pixels + 20, QImage::Format_ARGB32);
        canvas.setDevicePixelRatio(c.deviceRatio);
        canvas.fill(Qt::black);
        {
            QPainter p(&canvas);
            tiles.draw(p, QRectF(QPointF(5, 5), QSizeF(c.side, c.side)), 9);
        }
        const QRgb expected = c.scale == 1 ? tileColour(9) : sharpColour(9, c.scale);
        const int from = qRound(5 * c.deviceRatio);
        // The whole square is the tile's (a few pixels in from its edges), nothing outside.
        EXPECT_EQ(canvas.pixel(from + pixels / 2, from + pixels / 2), expected);
        EXPECT_EQ(canvas.pixel(from + pixels - 3, from + pixels - 3), expected);
        EXPECT_EQ(canvas.pixel(from + pixels + 2, from + pixels / 2), qRgb(0, 0, 0));
    }
}

TEST(TileSetTest, BuiltInTilesAreDrawnAtAnySizeAndFewSizesAreKept)
{
    TileSet tiles;
    // Any size on the screen gets a tile drawn at exactly that many pixels.
    for (const qreal ratio : {0.84, 1.0, 1.3182, 1.5, 2.0, 2.6364}) {
        const QImage tile = tiles.tile(5, ratio);
        EXPECT_EQ(tile.width(), qRound(TileSet::TileSize * ratio)) << ratio;
        EXPECT_NEAR(tile.devicePixelRatio(), ratio, 0.02) << ratio;
        EXPECT_GT(coverage(tile), 0.6) << ratio;
    }
    // A window being resized asks for many sizes; only the last few stay drawn.
    for (int side = 44; side < 120; ++side)
        tiles.tile(1 + side % 26, side / 44.0);
    EXPECT_EQ(tiles.classicSizesDrawn(), TileSet::ClassicSizesKept);
    // The one in use stays: asked again, it is drawn only once (the same picture).
    const QImage first = tiles.tile(7, 119 / 44.0);
    EXPECT_EQ(tiles.tile(7, 119 / 44.0).cacheKey(), first.cacheKey());
}

// A marked tile is told from the plain one by its shape, without colour: in every set
// (the built-in one, the shipped ones, and a strip whose marked tiles are no different
// at all), at the least size and twice it, the two differ in grey in the marked tile's
// folded corner and frame, and the folded corner is dark.
TEST(TileSetTest, MarkedTilesStandOutInGreyByTheirShape)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage same(TileSet::FileTiles * tilestrips::T, tilestrips::T, QImage::Format_RGB32);
    same.fill(qRgb(120, 160, 90)); // every tile alike, marked or not
    const QString samePath = dir.filePath("same.bmp");
    ASSERT_TRUE(tilestrips::writeStrip(samePath, same));
    const QString shipped = QStringLiteral(QUILLOR_SOURCE_DIR "/assets/quillortiles/");

    for (const QString& set : {QString(), samePath, shipped + "garden.bmp", shipped + "slate.bmp"}) {
        TileSet tiles;
        if (!set.isEmpty())
            ASSERT_TRUE(tiles.load(set)) << set.toStdString();
        for (const int side : {44, 88}) {
            const auto grey = [&](int tile) {
                QImage image(side, side, QImage::Format_ARGB32);
                image.fill(TileSet::boardColour());
                QPainter p(&image);
                tiles.draw(p, QRectF(0, 0, side, side), tile);
                p.end();
                return image.convertToFormat(QImage::Format_Grayscale8);
            };
            for (const int letter : {1, 18, 26}) {
                const QImage plain = grey(letter);
                const QImage marked = grey(letter + 26);
                const QString what = QStringLiteral("%1 at %2, letter %3").arg(set).arg(side).arg(letter);
                // The folded corner: dark, wherever the plain tile was light or dark.
                const QPoint corner(side - 3, 2);
                EXPECT_LT(qGray(marked.pixel(corner)), 40) << what.toStdString();
                // The frame runs all round near the edge: dark and light bands, so one of
                // them shows on any tile.
                const auto differs = [&](QPoint at) {
                    return qAbs(qGray(marked.pixel(at)) - qGray(plain.pixel(at))) > 60;
                };
                int framed = 0;
                for (int i = side / 4; i < side * 3 / 4; ++i) {
                    bool top = false, left = false, bottom = false;
                    for (int d = 0; d < side / 11; ++d) {
                        top = top || differs(QPoint(i, d));
                        left = left || differs(QPoint(d, i));
                        bottom = bottom || differs(QPoint(i, side - 1 - d));
                    }
                    framed += top && left && bottom ? 1 : 0;
                }
                EXPECT_EQ(framed, side / 2) << what.toStdString();
            }
        }
    }
}
