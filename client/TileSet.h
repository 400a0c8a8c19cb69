#pragma once
// The pictures of the board's tiles, indexed by tile number: 0 empty, 1..26 the letters
// "a".."z", 27..52 the same letters marked, 53 the pick marker (drawn over a tile).
//
// The built-in "classic" set is drawn by the program itself, at the pixel ratio of the
// device it is painted on, so it stays sharp on high-DPI screens. A tile-set file is a
// bitmap strip 44 pixels high holding 55 tiles side by side (tile i at x = 44 * i);
// pure white in it stands for transparent. Beside "<name>.bmp" a set may bring the same
// tiles drawn larger, "<name>@2x.bmp" (88-pixel tiles), "@3x" or "@4x"; each tile is then
// taken from the sharpest strip for the size it takes on the screen: its size in the
// window times the screen's pixel ratio.
#include <QColor>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPair>
#include <QRectF>
#include <QPoint>
#include <QString>
#include <QVector>
#include <map>

class QPainter;

class TileSet : public QObject {
    Q_OBJECT
public:
    static constexpr int TileSize = 44;
    static constexpr int BuiltInTiles = 54;  // 0..53
    static constexpr int FileTiles = 55;     // 0..54; the last one is never drawn
    static constexpr int PickMarker = 53;
    static constexpr int FirstMarked = 27;
    static constexpr int LastMarked = 52;

    // The colour the board shows between and behind the tiles.
    static QColor boardColour() { return QColor(132, 92, 52); }

    explicit TileSet(QObject* parent = nullptr);

    // Loads a tile-set file and the larger strips beside it. A missing, unreadable or too
    // small file changes nothing and gives false; an unfit larger strip is left out.
    bool load(const QString& path);
    // Back to the built-in tiles.
    void useClassic();
    bool isClassic() const { return m_fileTiles.empty(); }
    int count() const { return isClassic() ? BuiltInTiles : FileTiles; }

    // Draws tile number `tile` into the square `target` (44 pixels wide at the least
    // size, larger as the board grows); a number this set does not hold draws nothing.
    // A marked tile (27..52) gets a mark of its own shape drawn over it (drawMarkShape),
    // whichever set it comes from.
    void draw(QPainter& painter, const QRectF& target, int tile) const;
    // The same at 44 pixels, with its top-left corner at `topLeft`.
    void draw(QPainter& painter, QPoint topLeft, int tile) const;
    // One tile drawn `pixelRatio` times 44 pixels wide (null for an unknown number): a
    // built-in tile drawn at that size, or the tile of the file's strip that shows best
    // there, the smallest one at least as large as the ratio asks, else the largest. The
    // image's own device pixel ratio tells the scale it was drawn at.
    QImage tile(int index, qreal pixelRatio = 1.0) const;
    // The built-in tiles are kept drawn at this many sizes at most: a window being
    // resized asks for a new size at every step.
    static constexpr int ClassicSizesKept = 4;
    int classicSizesDrawn() const { return int(m_classic.size()); }
    // The scales of the loaded file's strips, smallest first: {1} with no larger strip,
    // {1, 2} with an "@2x" strip; empty for the built-in tiles.
    QVector<int> scales() const;

    // The file of the strip drawn at `scale` beside a tile-set file: "<dir>/<name>@2x.bmp"
    // for "<dir>/<name>.bmp" and scale 2.
    static QString sharpStripPath(const QString& path, int scale);
    // Whether a tile-set file name (or the name up to its first ".") is such a larger
    // strip, which belongs to the set of the name before the "@".
    static bool isSharpStrip(const QString& fileName);

    // The shape that tells a marked tile from a plain one without its colours: a dark
    // frame and a dark folded corner at the top right, both edged in white.
    static void drawMarkShape(QPainter& painter, const QRectF& target);

signals:
    // The tiles were replaced; everything drawn with them needs drawing again.
    void changed();

private:
    // One built-in tile, drawn the first time it is asked for at a pixel ratio: the
    // first frame draws only the few tiles it shows.
    const QImage& classicTile(int index, qreal pixelRatio) const;

    std::map<int, QVector<QImage>> m_fileTiles;  // by scale; scale 1 always there once loaded
    // By the tiles' side in device pixels, the last used at the back; null until drawn.
    mutable QVector<QPair<int, QVector<QImage>>> m_classic;
};
