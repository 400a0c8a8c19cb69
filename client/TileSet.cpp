#include "client/TileSet.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace {

// --- the built-in "classic" look: ivory tiles, green when marked, an orange ring as the
// pick marker -----------------------------------------------------------------------------

struct TileColours {
    QColor top, bottom, edge, letter, shadow;
};

const TileColours Plain{QColor(255, 249, 231), QColor(236, 218, 178), QColor(146, 104, 56),
                        QColor(74, 46, 18), QColor(255, 255, 255, 150)};
const TileColours Marked{QColor(136, 206, 96), QColor(52, 136, 44), QColor(30, 88, 24),
                         QColor(255, 252, 236), QColor(0, 0, 0, 90)};

const QRectF Face(2.0, 2.0, 40.0, 40.0);
constexpr qreal Radius = 6.0;

void drawLetterTile(QPainter& p, int letter, const TileColours& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));  // drop shadow below and to the right
    p.drawRoundedRect(Face.translated(0.8, 1.2), Radius, Radius);

    QLinearGradient fill(Face.topLeft(), Face.bottomLeft());
    fill.setColorAt(0, c.top);
    fill.setColorAt(1, c.bottom);
    p.setBrush(fill);
    p.setPen(QPen(c.edge, 1.0));
    p.drawRoundedRect(Face.adjusted(0.5, 0.5, -0.5, -0.5), Radius, Radius);

    // a thin highlight along the upper edge
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(Face.adjusted(1.6, 1.6, -1.6, -1.6), Radius - 1.5, Radius - 1.5);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(25);
    p.setFont(font);
    const QString text(QChar('A' + letter - 1));
    p.setPen(c.shadow);
    p.drawText(Face.translated(0, 1), Qt::AlignCenter, text);
    p.setPen(c.letter);
    p.drawText(Face, Qt::AlignCenter, text);
}

void drawEmptyTile(QPainter& p)
{
    p.setPen(QPen(QColor(0, 0, 0, 50), 1.0));
    p.setBrush(QColor(0, 0, 0, 38));
    p.drawRoundedRect(Face.adjusted(0.5, 0.5, -0.5, -0.5), Radius, Radius);
}

void drawPickMarker(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 196, 64, 130), 5.5));
    p.drawRoundedRect(QRectF(2.5, 2.5, 39, 39), Radius, Radius);
    p.setPen(QPen(QColor(222, 56, 26), 3.0));
    p.drawRoundedRect(QRectF(2.3, 2.3, 39.4, 39.4), Radius, Radius);
}

QImage drawClassicTile(int index, qreal ratio)
{
    const int side = qMax(1, qRound(TileSet::TileSize * ratio));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (index == 0)
        drawEmptyTile(p);
    else if (index <= 26)
        drawLetterTile(p, index, Plain);
    else if (index <= 52)
        drawLetterTile(p, index - 26, Marked);
    else
        drawPickMarker(p);
    return image;
}

// The larger strips a set may bring besides its 44-pixel one.
constexpr int SharpScales[] = {2, 3, 4};

// Cuts a strip of 55 tiles of `scale` times 44 pixels into tiles with that device pixel
// ratio, pure white made transparent; empty when the strip is too small.
QVector<QImage> cutStrip(QImage strip, int scale)
{
    const int side = TileSet::TileSize * scale;
    const int width = TileSet::FileTiles * side;
    if (strip.isNull() || strip.width() < width || strip.height() < side)
        return {};
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu)
                line[x] = 0;
        }
    }
    QVector<QImage> tiles;
    tiles.reserve(TileSet::FileTiles);
    for (int i = 0; i < TileSet::FileTiles; ++i) {
        QImage tile = strip.copy(i * side, 0, side, side).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        tile.setDevicePixelRatio(scale);
        tiles.append(std::move(tile));
    }
    return tiles;
}

} // namespace

QString TileSet::sharpStripPath(const QString& path, int scale)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    const QString name = info.completeBaseName() + QStringLiteral("@%1x").arg(scale)
        + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
    return info.dir().filePath(name);
}

bool TileSet::isSharpStrip(const QString& fileName)
{
    const QString name = fileName.section(QLatin1Char('.'), 0, 0);
    for (int scale : SharpScales) {
        if (name.endsWith(QStringLiteral("@%1x").arg(scale), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

TileSet::TileSet(QObject* parent)
    : QObject(parent)
{
}

bool TileSet::load(const QString& path)
{
    if (!QFileInfo::exists(path))
        return false;
    std::map<int, QVector<QImage>> strips;
    strips[1] = cutStrip(QImage(path), 1);
    if (strips[1].isEmpty()) {
        qWarning("tile set %s is not a %dx%d strip; keeping the current tiles", qPrintable(path),
                 FileTiles * TileSize, TileSize);
        return false;
    }
    for (int scale : SharpScales) {
        const QString sharp = sharpStripPath(path, scale);
        if (!QFileInfo::exists(sharp))
            continue;
        QVector<QImage> tiles = cutStrip(QImage(sharp), scale);
        if (tiles.isEmpty()) {
            qWarning("tile set %s is not a %dx%d strip; leaving it out", qPrintable(sharp),
                     FileTiles * TileSize * scale, TileSize * scale);
            continue;
        }
        strips[scale] = std::move(tiles);
    }
    m_fileTiles = std::move(strips);
    emit changed();
    return true;
}

void TileSet::useClassic()
{
    if (isClassic())
        return;
    m_fileTiles.clear();
    emit changed();
}

const QImage& TileSet::classicTile(int index, qreal pixelRatio) const
{
    // By the tile's side in device pixels, so that it is drawn exactly that large.
    const int key = qMax(1, qRound(pixelRatio * TileSize));
    auto found = std::find_if(m_classic.begin(), m_classic.end(), [key](const auto& size) { return size.first == key; });
    if (found == m_classic.end()) {
        if (m_classic.size() >= ClassicSizesKept)
            m_classic.removeFirst();
        m_classic.append({key, QVector<QImage>(BuiltInTiles)});
    } else if (found != m_classic.end() - 1) {
        // The size in use goes to the back, so the one dropped is the longest unused.
        auto size = std::move(*found);
        m_classic.erase(found);
        m_classic.append(std::move(size));
    }
    QImage& tile = m_classic.last().second[index];
    if (tile.isNull())
        tile = drawClassicTile(index, qreal(key) / TileSize);
    return tile;
}

QImage TileSet::tile(int index, qreal pixelRatio) const
{
    if (index < 0 || index >= count())
        return QImage();
    if (isClassic())
        return classicTile(index, pixelRatio);
    // A small tolerance, so that a ratio of 2.0000001 still takes the @2x strip.
    auto strip = m_fileTiles.lower_bound(int(std::ceil(pixelRatio - 0.01)));
    if (strip == m_fileTiles.end())
        strip = std::prev(strip);
    return strip->second.at(index);
}

QVector<int> TileSet::scales() const
{
    QVector<int> out;
    for (const auto& [scale, tiles] : m_fileTiles)
        out.append(scale);
    return out;
}

void TileSet::draw(QPainter& painter, const QRectF& target, int tile) const
{
    const qreal deviceRatio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QImage image = this->tile(tile, deviceRatio * target.width() / TileSize);
    if (image.isNull())
        return;
    // Built-in tiles match the size on the screen exactly; file tiles are scaled smoothly
    // from the strip chosen for it.
    const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    if (tile >= FirstMarked && tile <= LastMarked)
        drawMarkShape(painter, target);
}

void TileSet::drawMarkShape(QPainter& painter, const QRectF& target)
{
    // A dark frame inside the tile's edge and a folded corner at its top right, each
    // edged in white: a marked tile stands apart by its shape in any set, coloured or
    // grey, and on a dark tile as on a light one.
    const qreal scale = target.width() / TileSize;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal frame = 2 * scale;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, frame + 2 * scale, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const QRectF ring = target.adjusted(2 * scale, 2 * scale, -2 * scale, -2 * scale);
    painter.drawRect(ring);
    painter.setPen(QPen(Qt::black, frame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(ring);
    const qreal fold = 13 * scale;
    const QPointF corner = target.topRight();
    const QPolygonF triangle{corner, corner - QPointF(fold, 0), corner + QPointF(0, fold)};
    painter.setPen(QPen(Qt::white, 1.5 * scale));
    painter.setBrush(Qt::black);
    painter.drawPolygon(triangle);
    painter.restore();
}

void TileSet::draw(QPainter& painter, QPoint topLeft, int tile) const
{
    draw(painter, QRectF(topLeft, QSizeF(TileSize, TileSize)), tile);
}
