#include "widgets/Picture.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmapCache>

namespace {

// A picture stored with an alpha channel but without a see-through pixel (the backdrop)
// is kept opaque: tiling and drawing it is then a copy, not a blend of every pixel.
QImage withoutUnusedAlpha(QImage image)
{
    if (!image.hasAlphaChannel())
        return image;
    image.convertTo(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return image;
        }
    }
    image.convertTo(QImage::Format_RGB32);
    return image;
}

} // namespace

namespace picture {

QPixmap read(const QString& path)
{
    if (path.isEmpty())
        return {}; // a button or label drawn without a picture
    // A picture shown by several windows (the backdrop of every dialog, the buttons) is
    // decoded once and its pixels shared: pixmaps are copied on write.
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap))
        return pixmap;
    QImageReader reader(path, "png");
    // Only the format named: no other format guessed.
    reader.setAutoDetectImageFormat(false);
    pixmap = QPixmap::fromImage(withoutUnusedAlpha(reader.read()));
    if (!pixmap.isNull())
        QPixmapCache::insert(path, pixmap);
    return pixmap;
}

QIcon icon(const QString& path)
{
    return icon(path, qApp->devicePixelRatio());
}

QIcon icon(const QString& path, qreal pixelRatio)
{
    QIcon icon(read(path));
    const QFileInfo file(path);
    const QString stem = file.path() + QLatin1Char('/') + file.completeBaseName();
    for (int n = qRound(pixelRatio); n > 1; --n) {
        const QString sharp = stem + QStringLiteral("@%1x.").arg(n) + file.suffix();
        if (!QFileInfo::exists(sharp))
            continue;
        QPixmap pm = read(sharp);
        pm.setDevicePixelRatio(n);
        icon.addPixmap(pm);
        break;
    }
    return icon;
}

} // namespace picture
