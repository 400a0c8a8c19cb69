#pragma once
// Tile-set strip files written by tests: 55 flat tiles of known colours, each with a pure
// white and a nearly white pixel in its corner.
#include "client/TileSet.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>

namespace tilestrips {

constexpr int T = TileSet::TileSize;

// The colour of tile i in a generated strip.
inline QRgb tileColour(int i)
{
    return qRgb(4 * i, 200 - 3 * i, 100);
}

// The colour of tile i in a generated strip drawn at `scale` (each scale its own colours,
// so a test sees which strip a tile came from).
inline QRgb sharpColour(int i, int scale)
{
    return qRgb(4 * i, 200 - 3 * i, 100 + 40 * scale);
}

// A strip of 55 flat tiles, each with a pure white and a nearly white pixel in its corner.
inline QImage makeStrip(int tiles = TileSet::FileTiles, int height = T, int scale = 1)
{
    const int side = T * scale;
    QImage strip(tiles * side, height, QImage::Format_RGB32);
    for (int i = 0; i < tiles; ++i) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < side; ++x)
                strip.setPixel(i * side + x, y, scale == 1 ? tileColour(i) : sharpColour(i, scale));
        strip.setPixel(i * side, 0, qRgb(255, 255, 255));
        strip.setPixel(i * side + 1, 0, qRgb(254, 255, 255));
    }
    return strip;
}

inline QImage makeSharpStrip(int scale)
{
    return makeStrip(TileSet::FileTiles, T * scale, scale);
}

inline bool writeStrip(const QString& path, const QImage& strip = makeStrip())
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return strip.save(path, "BMP");
}

} // namespace tilestrips
