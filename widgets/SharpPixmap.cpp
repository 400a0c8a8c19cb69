#include "widgets/SharpPixmap.h"

#include "widgets/Picture.h"

#include <QFileInfo>

QPixmap sharpPixmap(const QString& path)
{
    const QFileInfo info(path);
    const QString sharp = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("@2x.")
        + info.suffix();
    if (QFileInfo::exists(sharp)) {
        QPixmap pm = picture::read(sharp);
        if (!pm.isNull()) {
            pm.setDevicePixelRatio(2.0);
            return pm;
        }
    }
    return picture::read(path);
}
