#include "app/AppIcon.h"

#include "widgets/Picture.h"

QIcon appIcon()
{
    QIcon icon;
    // The sizes window managers and task bars draw. Every window hands each size to the
    // display server, so the 256-pixel picture (a quarter of a megabyte per window) is
    // left to the desktop's own copy of the icon, installed with the program.
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(picture::read(QStringLiteral(":/icons/quillor-%1.png").arg(size)));
    return icon;
}
