// Draws the application icon: an ivory letter tile "Q" ringed by the orange pick marker,
// in front of a green marked tile, on the brown of the board, in the colours of the
// built-in tiles. Written as PNG files at the desktop's icon sizes and as a scalable SVG
// (letters as outlines, so the SVG needs no font). Below 32 pixels the picture keeps only
// the front tile, drawn straight so its edges fall on whole pixels.
//
// Built and run by tools/make_icon.py. Usage: make_icon <output folder>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <cstdio>

namespace {

constexpr qreal Canvas = 256;  // every drawing is laid out on 256 by 256 units

const QColor Board(132, 92, 52);
const QColor BoardDark(92, 60, 30);
const QColor IvoryTop(255, 249, 231);
const QColor IvoryBottom(236, 218, 178);
const QColor IvoryEdge(146, 104, 56);
const QColor Ink(74, 46, 18);
const QColor GreenTop(136, 206, 96);
const QColor GreenBottom(52, 136, 44);
const QColor GreenEdge(30, 88, 24);
const QColor Cream(255, 252, 236);
const QColor MarkerGlow(255, 196, 64, 150);
const QColor Marker(222, 56, 26);

// The outline of a letter, centred on `centre`, `height` units tall (cap height).
QPainterPath letterPath(QChar letter, QPointF centre, qreal height)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, QString(letter));
    const QRectF box = path.boundingRect();
    const qreal scale = height / box.height();
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(scale, scale);
    t.translate(-box.center().x(), -box.center().y());
    return t.map(path);
}

struct TileLook {
    QColor top, bottom, edge, letter;
};

// A letter tile of side `side` centred on the origin of the painter.
void drawTile(QPainter& p, qreal side, QChar letter, const TileLook& look, qreal edgeWidth, qreal letterShare = 0.56)
{
    const QRectF face(-side / 2, -side / 2, side, side);
    const qreal radius = side * 0.15;
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0, look.top);
    fill.setColorAt(1, look.bottom);
    p.setBrush(fill);
    p.setPen(QPen(look.edge, edgeWidth));
    p.drawRoundedRect(face, radius, radius);
    // a thin highlight along the upper edge
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 110), edgeWidth));
    const qreal in = edgeWidth * 1.6;
    p.drawRoundedRect(face.adjusted(in, in, -in, -in), radius - in, radius - in);

    const QPainterPath glyph = letterPath(letter, QPointF(0, 0), side * letterShare);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawPath(glyph.translated(0, side * 0.025));
    p.setBrush(look.letter);
    p.drawPath(glyph);
}

void drawMarker(QPainter& p, qreal side, qreal width, bool glow = true)
{
    const qreal half = side / 2 + width * 0.2;
    const QRectF ring(-half, -half, 2 * half, 2 * half);
    const qreal radius = side * 0.17;
    p.setBrush(Qt::NoBrush);
    if (glow) {
        p.setPen(QPen(MarkerGlow, width * 1.9));
        p.drawRoundedRect(ring, radius, radius);
    }
    p.setPen(QPen(Marker, width));
    p.drawRoundedRect(ring, radius, radius);
}

const TileLook Plain{IvoryTop, IvoryBottom, IvoryEdge, Ink};
const TileLook Marked{GreenTop, GreenBottom, GreenEdge, Cream};

// The full picture, on 256 units.
void drawFull(QPainter& p)
{
    // the board: a rounded square with a soft shadow
    const QRectF board(14, 14, 228, 228);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(board.translated(0, 5), 40, 40);
    QLinearGradient wood(board.topLeft(), board.bottomRight());
    wood.setColorAt(0, Board.lighter(115));
    wood.setColorAt(1, BoardDark);
    p.setBrush(wood);
    p.setPen(QPen(BoardDark.darker(130), 3));
    p.drawRoundedRect(board, 40, 40);

    // the marked tile behind, tilted one way
    p.save();
    p.translate(166, 94);
    p.rotate(9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(-52, -48, 108, 108), 16, 16);
    drawTile(p, 104, QLatin1Char('W'), Marked, 3);
    p.restore();

    // the picked "Q" in front, tilted the other way, ringed by the marker
    p.save();
    p.translate(102, 150);
    p.rotate(-6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRoundedRect(QRectF(-64, -58, 136, 136), 22, 22);
    drawTile(p, 132, QLatin1Char('Q'), Plain, 3.5);
    drawMarker(p, 132, 8);
    p.restore();
}

// The small picture: only the front tile, straight, filling the square, its ring one
// crisp line at the edge and its letter as large as the face allows.
void drawSmall(QPainter& p, int pixels)
{
    const qreal unit = Canvas / pixels;  // one device pixel in units
    p.save();
    p.translate(Canvas / 2, Canvas / 2);
    drawTile(p, Canvas - 2 * unit, QLatin1Char('Q'), Plain, unit, 0.64);
    drawMarker(p, Canvas - 2.6 * unit, 1.4 * unit, false);
    p.restore();
}

bool writePng(const QString& folder, int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(pixels / Canvas, pixels / Canvas);
        if (pixels < 32)
            drawSmall(p, pixels);
        else
            drawFull(p);
    }
    const QString file = QStringLiteral("%1/quillor-%2.png").arg(folder).arg(pixels);
    if (!image.save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

bool writeSvg(const QString& folder)
{
    const QString file = folder + QStringLiteral("/quillor.svg");
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(int(Canvas), int(Canvas)));
    svg.setViewBox(QRectF(0, 0, Canvas, Canvas));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Quillor"));
    svg.setDescription(QStringLiteral("The Quillor application icon"));
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    p.setRenderHint(QPainter::Antialiasing);
    drawFull(p);
    p.end();
    std::printf("%s\n", qPrintable(file));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    bool ok = true;
    for (int pixels : {16, 24, 32, 48, 64, 128, 256})
        ok &= writePng(folder, pixels);
    ok &= writeSvg(folder);
    return ok ? 0 : 1;
}
