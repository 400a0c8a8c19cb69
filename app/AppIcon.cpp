#include "app/AppIcon.h"

#include "widgets/Picture.h"

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(picture::read(QStringLiteral(":/icons/quillor-%1.png").arg(size)));
    return icon;
}
