#pragma once
// The program's own pictures (PNG files among its resources) read with Qt's built-in PNG
// reader alone. Read the ordinary way (QPixmap(path), QIcon(path)), the first picture makes
// Qt ask every installed image-format plugin whether it reads PNG, which loads them all
// (and Qt Svg with one of them) into a program that needs none of them.
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace picture {

// The PNG picture at `path`; a null pixmap when it cannot be read.
QPixmap read(const QString& path);
// The picture as an icon, with its sharper "@2x" copy where the screens need one and there
// is one, as QIcon(path) would have it.
QIcon icon(const QString& path);
// The same for screens of the given pixel ratio: the "@Nx" copy for N from the ratio
// (rounded) down to 2, the first there is.
QIcon icon(const QString& path, qreal pixelRatio);

} // namespace picture
