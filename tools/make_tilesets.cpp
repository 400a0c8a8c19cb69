// Draws the alternative tile sets as 24-bit BMP strips, 55 tiles of 44 by 44 pixels side
// by side: tile 0 an empty cell, 1..26 the letters, 27..52 the marked letters, 53 the
// pick marker (drawn over a marked tile), 54 unused. Pure white is transparent when the
// game loads a strip, so everything outside a tile's face is pure white and nothing
// inside it is. Each set also gets a strip drawn at twice the size, <name>@2x.bmp (tiles
// of 88 by 88 pixels), which the game shows on high-DPI screens.
//
// Built and run by tools/make_tilesets.py. Usage: make_tilesets <output folder>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr int Tile = 44;
constexpr int Count = 55;
// The board's own colour shows around the tiles; anti-aliased edges are blended with it.
const QColor Board(132, 92, 52);

struct Face {
    QColor top, bottom, edge, letter, shadow;
};

struct Style {
    const char* name;
    const char* family;
    bool upperCase;
    qreal radius;
    Face plain, marked;
    QColor empty, marker;
};

const Style Styles[] = {
    {"slate", "DejaVu Sans", true, 4.0,
     {QColor(96, 110, 130), QColor(54, 64, 82), QColor(28, 34, 46), QColor(242, 246, 252), QColor(0, 0, 0, 110)},
     {QColor(255, 210, 96), QColor(230, 150, 30), QColor(140, 84, 8), QColor(58, 34, 4), QColor(255, 240, 200, 140)},
     QColor(104, 72, 40), QColor(70, 210, 240)},
    {"garden", "DejaVu Serif", false, 9.0,
     {QColor(224, 242, 200), QColor(170, 210, 136), QColor(78, 122, 54), QColor(40, 70, 26), QColor(255, 255, 240, 140)},
     {QColor(252, 170, 158), QColor(218, 92, 92), QColor(140, 42, 48), QColor(254, 250, 244), QColor(90, 20, 20, 110)},
     QColor(112, 80, 46), QColor(112, 50, 160)},
};

const QRectF FaceRect(2.5, 2.5, 39, 39);

QPainterPath facePath(const Style& s)
{
    QPainterPath path;
    path.addRoundedRect(FaceRect, s.radius, s.radius);
    return path;
}

void drawFace(QPainter& p, const Style& s, const Face& f, int letter)
{
    QLinearGradient fill(FaceRect.topLeft(), FaceRect.bottomLeft());
    fill.setColorAt(0, f.top);
    fill.setColorAt(1, f.bottom);
    p.setBrush(fill);
    p.setPen(QPen(f.edge, 1.2));
    p.drawPath(facePath(s));
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(FaceRect.adjusted(1.5, 1.5, -1.5, -1.5), s.radius - 1.2, s.radius - 1.2);

    QFont font(QString::fromLatin1(s.family));
    font.setBold(true);
    font.setPixelSize(s.upperCase ? 24 : 28);
    p.setFont(font);
    const QString text(QChar((s.upperCase ? 'A' : 'a') + letter - 1));
    const QRectF box = FaceRect.translated(0, s.upperCase ? 0 : -2);
    p.setPen(f.shadow);
    p.drawText(box.translated(0, 1), Qt::AlignCenter, text);
    p.setPen(f.letter);
    p.drawText(box, Qt::AlignCenter, text);
}

// One tile: the artwork on the board colour, and the shape it covers (alpha > 0).
struct Drawn {
    QImage art;
    QImage shape;
};

// Drawn in the 44-pixel geometry, at `scale` device pixels per pixel.
Drawn drawTile(const Style& s, int index, int scale)
{
    const int side = Tile * scale;
    Drawn d{QImage(side, side, QImage::Format_RGB32), QImage(side, side, QImage::Format_ARGB32_Premultiplied)};
    d.art.fill(Board);
    d.shape.fill(Qt::transparent);
    QPainter art(&d.art);
    QPainter shape(&d.shape);
    for (QPainter* p : {&art, &shape}) {
        p->setRenderHint(QPainter::Antialiasing);
        p->setRenderHint(QPainter::TextAntialiasing);
        p->scale(scale, scale);
    }
    if (index == 0) {
        art.setPen(QPen(Board.darker(130), 1.0));
        art.setBrush(s.empty);
        art.drawPath(facePath(s));
        shape.fillPath(facePath(s), Qt::black);
    } else if (index <= 26) {
        drawFace(art, s, s.plain, index);
        shape.fillPath(facePath(s), Qt::black);
    } else if (index <= 52) {
        drawFace(art, s, s.marked, index - 26);
        shape.fillPath(facePath(s), Qt::black);
    } else if (index == 53) {
        // The marker lies over a marked tile: blend its edges with that tile's face.
        art.fillPath(facePath(s), s.marked.top);
        QPainterPath ring;
        ring.addRoundedRect(QRectF(2.2, 2.2, 39.6, 39.6), s.radius, s.radius);
        const QPen pen(s.marker, 3.2);
        art.strokePath(ring, pen);
        shape.strokePath(ring, QPen(Qt::black, 3.2));
    }
    return d;
}

QImage drawStrip(const Style& s, int scale)
{
    const int side = Tile * scale;
    QImage strip(side * Count, side, QImage::Format_RGB888);
    strip.fill(Qt::white);
    for (int i = 0; i < Count; ++i) {
        const Drawn d = drawTile(s, i, scale);
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                if (qAlpha(d.shape.pixel(x, y)) == 0)
                    continue;  // outside the face: stays white, so transparent
                QRgb c = d.art.pixel(x, y);
                if ((c & 0xFFFFFF) == 0xFFFFFF)
                    c = qRgb(254, 254, 254);  // white inside a face would vanish
                strip.setPixel(i * side + x, y, c);
            }
        }
    }
    return strip;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_tilesets <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    for (const Style& s : Styles) {
        for (int scale : {1, 2}) {
            const QString file = folder + "/" + s.name + (scale == 1 ? "" : "@2x") + ".bmp";
            if (!drawStrip(s, scale).save(file, "BMP")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
            std::printf("%s\n", qPrintable(file));
        }
    }
    return 0;
}
