#pragma once
// The pictures of the board's tiles, indexed by tile number: 0 empty, 1..26 the letters
// "a".."z", 27..52 the same letters marked, 53 the pick marker (drawn over a tile).
//
// The built-in "classic" set is drawn by the program itself, at the pixel ratio of the
// device it is painted on, so it stays sharp on high-DPI screens. A tile-set file is a
// bitmap strip 44 pixels high holding 55 tiles side by side (tile i at x = 44 * i);
// pure white in it stands for transparent.
#include <QColor>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QVector>

class QPainter;

class TileSet : public QObject {
    Q_OBJECT
public:
    static constexpr int TileSize = 44;
    static constexpr int BuiltInTiles = 54;  // 0..53
    static constexpr int FileTiles = 55;     // 0..54; the last one is never drawn
    static constexpr int PickMarker = 53;

    // The colour the board shows between and behind the tiles.
    static QColor boardColour() { return QColor(132, 92, 52); }

    explicit TileSet(QObject* parent = nullptr);

    // Loads a tile-set file. A missing, unreadable or too small file changes nothing and
    // gives false.
    bool load(const QString& path);
    // Back to the built-in tiles.
    void useClassic();
    bool isClassic() const { return m_fileTiles.isEmpty(); }
    int count() const { return isClassic() ? BuiltInTiles : FileTiles; }

    // Draws tile number `tile` with its top-left corner at `topLeft`; a number this set
    // does not hold draws nothing.
    void draw(QPainter& painter, QPoint topLeft, int tile) const;
    // One tile as an image with the given device pixel ratio (null for an unknown number).
    QImage tile(int index, qreal pixelRatio = 1.0) const;

signals:
    // The tiles were replaced; everything drawn with them needs drawing again.
    void changed();

private:
    const QVector<QImage>& classicTiles(qreal pixelRatio) const;

    QVector<QImage> m_fileTiles;
    mutable QHash<int, QVector<QImage>> m_classic;  // by pixel ratio in hundredths
};
