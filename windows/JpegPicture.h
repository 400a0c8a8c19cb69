#pragma once
// Reads JPEG pictures with libjpeg, for the pictures the program carries in that format.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace jpeg {

// The picture in `data`; a null image when the data is not a JPEG picture libjpeg can read.
QImage decode(const QByteArray& data);
// The picture in a file or resource (":/..."); a null image when it cannot be read.
QImage load(const QString& path);

} // namespace jpeg
