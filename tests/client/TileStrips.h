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

// A strip of 55 flat tiles, each with a pure white and a nearly white pixel in its corner.
inline QImage makeStrip(int tiles = TileSet::FileTiles, int height = T)
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

inline bool writeStrip(const QString& path, const QImage& strip = makeStrip())
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return strip.save(path, "BMP");
}

} // namespace tilestrips
