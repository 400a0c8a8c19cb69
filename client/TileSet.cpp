#include "client/TileSet.h"

#include <QFileInfo>
#include <QFont>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QtGlobal>
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
    const int side = int(std::ceil(TileSet::TileSize * ratio));
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

} // namespace

TileSet::TileSet(QObject* parent)
    : QObject(parent)
{
}

bool TileSet::load(const QString& path)
{
    if (!QFileInfo::exists(path))
        return false;
    QImage strip(path);
    if (strip.isNull() || strip.width() < FileTiles * TileSize || strip.height() < TileSize) {
        qWarning("tile set %s is not a %dx%d strip; keeping the current tiles", qPrintable(path),
                 FileTiles * TileSize, TileSize);
        return false;
    }
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    // Pure white stands for transparent.
    for (int y = 0; y < TileSize; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < FileTiles * TileSize; ++x) {
            if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu)
                line[x] = 0;
        }
    }
    QVector<QImage> tiles;
    tiles.reserve(FileTiles);
    for (int i = 0; i < FileTiles; ++i)
        tiles.append(strip.copy(i * TileSize, 0, TileSize, TileSize).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    m_fileTiles = std::move(tiles);
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

const QVector<QImage>& TileSet::classicTiles(qreal pixelRatio) const
{
    const int key = qMax(100, qRound(pixelRatio * 100));
    auto found = m_classic.find(key);
    if (found == m_classic.end()) {
        QVector<QImage> tiles;
        tiles.reserve(BuiltInTiles);
        for (int i = 0; i < BuiltInTiles; ++i)
            tiles.append(drawClassicTile(i, key / 100.0));
        found = m_classic.insert(key, std::move(tiles));
    }
    return *found;
}

QImage TileSet::tile(int index, qreal pixelRatio) const
{
    if (index < 0 || index >= count())
        return QImage();
    if (isClassic())
        return classicTiles(pixelRatio).at(index);
    return m_fileTiles.at(index);
}

void TileSet::draw(QPainter& painter, QPoint topLeft, int tile) const
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QImage image = this->tile(tile, ratio);
    if (image.isNull())
        return;
    // Classic tiles match the device's ratio exactly; file tiles are scaled smoothly.
    const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(topLeft, QSizeF(TileSize, TileSize)), image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}
