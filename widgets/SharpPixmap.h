#pragma once
// A picture for a place that grows with the window: the "@2x" copy of the picture when
// there is one (marked as drawn at twice the size, so it takes the same room as the
// plain one), else the picture itself. Drawn larger than its size, it stays sharp up to
// twice that size whatever the screen.
#include <QPixmap>
#include <QString>

QPixmap sharpPixmap(const QString& path);
