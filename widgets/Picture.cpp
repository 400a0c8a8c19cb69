#include "widgets/Picture.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

namespace picture {

QPixmap read(const QString& path)
{
    if (path.isEmpty())
        return {}; // a button or label drawn without a picture
    QImageReader reader(path, "png");
    // Only the format named: no plugin is asked, no other format guessed.
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
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
